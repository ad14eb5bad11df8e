#include <gen/qt/event/Event.h>

#include <gen/log/fatal.h>

#include <QKeySequence>
#include <QStringList>

namespace gen::qt::event {

namespace {

// Words joined by " | ".
QString join_words(QStringList const& words)
{
    return words.join(QStringLiteral(" | "));
}

}  // namespace

namespace mod {

bool is_alt(QInputEvent const* event)
{
    GEN_CHECK_NULL(event);
    return event->modifiers().testFlag(Qt::AltModifier);
}

bool is_ctrl(QInputEvent const* event)
{
    GEN_CHECK_NULL(event);
    return event->modifiers().testFlag(Qt::ControlModifier);
}

bool is_shift(QInputEvent const* event)
{
    GEN_CHECK_NULL(event);
    return event->modifiers().testFlag(Qt::ShiftModifier);
}

bool is_any_meta(QInputEvent const* event)
{
    return is_ctrl(event) || is_alt(event) || is_shift(event);
}

QString to_string(QInputEvent const* event)
{
    QStringList words;
    if (is_alt(event)) {
        words << QStringLiteral("ALT");
    }
    if (is_shift(event)) {
        words << QStringLiteral("SHIFT");
    }
    if (is_ctrl(event)) {
        words << QStringLiteral("CTRL");
    }
    return join_words(words);
}

}  // namespace mod

namespace wheel {

bool is_forward(QWheelEvent const* event)
{
    GEN_CHECK_NULL(event);
    QPoint const delta = event->angleDelta();
    return delta.x() > 0 || delta.y() > 0;
}

QString to_string(QWheelEvent const* event)
{
    char const* direction = is_forward(event) ? "FORWARD" : "BACKWARD";
    return QString::fromStdString(str::xprintF(0, "QWheelEvent, $", direction));
}

}  // namespace wheel

namespace mouse {

namespace {
bool has_button(QMouseEvent const* event, Qt::MouseButton button)
{
    GEN_CHECK_NULL(event);
    return event->buttons().testFlag(button);
}
}  // namespace

bool is_left(QMouseEvent const* event)
{
    return has_button(event, Qt::LeftButton);
}

bool is_right(QMouseEvent const* event)
{
    return has_button(event, Qt::RightButton);
}

bool is_middle(QMouseEvent const* event)
{
    return has_button(event, Qt::MiddleButton);
}

bool is_any_button(QMouseEvent const* event)
{
    return is_left(event) || is_right(event) || is_middle(event);
}

QString to_string(QMouseEvent const* event)
{
    QStringList buttons;
    if (is_left(event)) {
        buttons << QStringLiteral("LEFT");
    }
    if (is_right(event)) {
        buttons << QStringLiteral("RIGHT");
    }
    if (is_middle(event)) {
        buttons << QStringLiteral("MIDDLE");
    }
    return QString::fromStdString(str::xprintF(0, "QMouseEvent, {$}, {$}, at $", join_words(buttons),
                                               mod::to_string(event), event->position().toPoint()));
}

}  // namespace mouse

namespace key {

bool is_mod(QKeyEvent const* event)
{
    GEN_CHECK_NULL(event);
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
        return true;
    default:
        return false;
    }
}

QString to_string(QKeyEvent const* event)
{
    GEN_CHECK_NULL(event);
    return QKeySequence(event->keyCombination()).toString();
}

}  // namespace key

}  // namespace gen::qt::event

namespace gen {

template<>
void obj_to_stream<QMouseEvent>(std::stringstream& out, QMouseEvent const& value)
{
    detail::write_utf8(out, qt::event::mouse::to_string(&value));
}

}  // namespace gen
