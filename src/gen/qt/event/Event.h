#pragma once
// Readable texts and tests for modifier, wheel, mouse and key state. Every
// helper takes the Qt event by pointer; a null event ends the program
// ("event == NULL").

#include <gen/tools/xprintf.h>

#include <QInputEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QString>
#include <QWheelEvent>

#include <sstream>

namespace gen::qt::event {

namespace mod {
bool is_alt(QInputEvent const* event);
bool is_ctrl(QInputEvent const* event);
bool is_shift(QInputEvent const* event);
// Control, Alt or Shift.
bool is_any_meta(QInputEvent const* event);
// "ALT | SHIFT | CTRL" for those held, in this order; empty when none.
QString to_string(QInputEvent const* event);
}  // namespace mod

namespace wheel {
// The angle delta is positive in x or in y.
bool is_forward(QWheelEvent const* event);
// "QWheelEvent, FORWARD" or "QWheelEvent, BACKWARD".
QString to_string(QWheelEvent const* event);
}  // namespace wheel

namespace mouse {
// Whether the button is among the buttons held down: during a release the
// released button is no longer among them.
bool is_left(QMouseEvent const* event);
bool is_right(QMouseEvent const* event);
bool is_middle(QMouseEvent const* event);
bool is_any_button(QMouseEvent const* event);
// "QMouseEvent, {LEFT | RIGHT}, {CTRL}, at x,y" (position in widget pixels).
QString to_string(QMouseEvent const* event);
}  // namespace mouse

namespace key {
// Shift, Control, Meta or Alt itself.
bool is_mod(QKeyEvent const* event);
// The key with the held modifiers as a QKeySequence text ("Ctrl+S").
QString to_string(QKeyEvent const* event);
}  // namespace key

}  // namespace gen::qt::event

namespace gen {
// `$` renders a mouse event (and a pointer to one) as mouse::to_string. Any
// file that formats mouse events must include this header.
template<>
void obj_to_stream<QMouseEvent>(std::stringstream& out, QMouseEvent const& value);
}  // namespace gen
