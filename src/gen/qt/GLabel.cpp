#include <gen/qt/GLabel.h>

#include <gen/tools/rnd.h>
#include <gen/tools/xprintf.h>

#include <QMouseEvent>

namespace gen::qt {

GLabel::GLabel(QString const& text, QWidget* parent) : QLabel(text, parent), StringSetter<QLabel>(this)
{
    setAttribute(Qt::WA_MouseTracking);
}

void GLabel::set_horz_line(int height, QString const& color, QString const& name)
{
    setText(QString());
    // The style sheet selects the label by its object name.
    QString const objName = name.isEmpty() ? rnd::next_QString(8, true) : name;
    setObjectName(objName);
    setMaximumHeight(height);
    setStyleSheet(QString::fromStdString(
        str::xprintF(0, "#$ { border: $px solid $; background:$}", objName, height, color, color)));
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    policy.setHorizontalStretch(1);
    policy.setVerticalStretch(0);
    setSizePolicy(policy);
}

void GLabel::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    lisPress.fire_event(event);
}

void GLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    lisRelease.fire_event(event);
}

void GLabel::mouseMoveEvent(QMouseEvent* event)
{
    QLabel::mouseMoveEvent(event);
    lisMove.fire_event(event);
}

}  // namespace gen::qt
