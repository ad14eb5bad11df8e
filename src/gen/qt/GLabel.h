#pragma once
// Label with mouse tracking that reports press, release and move through
// listeners after QLabel has handled the event. The event pointer is valid
// only during the callback.

#include <gen/Listener.h>
#include <gen/qt/StringSetter.h>

#include <QLabel>
#include <QString>

class QMouseEvent;

namespace gen::qt {

class GLabel : public QLabel, public StringSetter<QLabel> {
public:
    explicit GLabel(QString const& text = QString(), QWidget* parent = nullptr);

    // Turns the label into a line, as GPanel::create_horz_line.
    void set_horz_line(int height, QString const& color, QString const& name);

    Listener<QMouseEvent*> lisPress;
    Listener<QMouseEvent*> lisRelease;
    Listener<QMouseEvent*> lisMove;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace gen::qt
