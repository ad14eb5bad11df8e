#pragma once
// A read-only, non-wrapping text view of log lines, each line coloured by its
// level and the colour theme. GUI thread only: log sinks hand lines over
// (GPanelLogView) rather than calling append_line from their own thread.

#include <QColor>
#include <QPlainTextEdit>
#include <QString>

class QMouseEvent;

namespace gen::qt {

class GLogView : public QPlainTextEdit {
public:
    // Oldest lines are dropped beyond this count, so a panel left open in a
    // long, chatty session does not grow without bound.
    static constexpr int MAX_LINES = 20000;

    // Starts in the application's current theme and follows every theme the
    // application applies later.
    explicit GLogView(QWidget* parent = nullptr);
    // Logs its going (debug level), so that a panel outliving its window shows.
    ~GLogView() override;

    // Appends one line (reusing the document's first block while it is still
    // empty) and follows the end of the log.
    void append_line(QString const& line, int level);
    // Colours for new lines and the view's background; lines already shown
    // keep the colours they were given.
    void adapt_to_settings(unsigned int theme);
    unsigned int get_theme() const { return theme; }

    // Per theme (0 normal, 1 dark, 2 green; others white on black) and level
    // (0 error … 4 trace). Levels below 0 take the error colours and levels
    // above 4 the trace colours, so an odd level is never invisible.
    static QColor text_color(unsigned int theme, int level);
    static QColor background_color(unsigned int theme, int level);

protected:
    // Logs the event and nothing else (no word selection).
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    unsigned int theme = 0;
};

}  // namespace gen::qt
