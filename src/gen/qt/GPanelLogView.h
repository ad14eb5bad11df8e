#pragma once
// The log panel of a main window: a panel holding a GLogView and, at the same
// time, a log sink. The sink side runs on whatever thread logs, under the log
// core's lock; it only formats the line and posts it to the GUI thread, where
// the view appends it. Lines from one thread arrive in the order they were
// logged; a line still queued when the panel is destroyed is dropped.

#include <gen/log/LogAppender.h>
#include <gen/qt/GPanel.h>

#include <QPointer>
#include <QString>

namespace gen::qt {

class GLogView;

class GPanelLogView : public GPanel, public gen::log::LogAppender {
public:
    // Registers the panel as a sink at once (its own config starts disabled).
    GPanelLogView();
    // Unregisters before anything is torn down, so no sink call can still be
    // running on another thread once the view goes.
    ~GPanelLogView() override;

    // Any thread, under the log core's lock: never logs, never touches the
    // widgets. Drops lines above logConfig.logLevel.
    void log_string(unsigned int number, gen::log::LOG_LEVEL level, char const* text) override;
    // The enabled bit, and the panel shown or hidden to match. GUI thread.
    void set_enabled(bool on) override;
    // Takes the panel out of the sink set (the window's clean-up).
    void remove_appender();

    // The monospace font at `points`; values below 1 are refused.
    void set_font_size(int points);
    int get_font_size() const;

    void adapt_to_settings(unsigned int theme);
    void clear();
    void copy_to_clipboard();

    GLogView* get_view() const { return view; }

    // The text a line shows: the configured prefix columns (trimmed, then one
    // blank when any remain) and the text ("nullptr" for a null text).
    static QString format_line(unsigned int number, gen::log::LOG_LEVEL level,
                               gen::GBits<unsigned int> const& control, char const* text);

private:
    GLogView* view = nullptr;
    // Read by log_string on other threads; set once on the GUI thread.
    QPointer<GLogView> guardedView;
};

}  // namespace gen::qt
