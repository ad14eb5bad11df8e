#pragma once
// Run-time queries of the screen and the input devices. They need Qt Gui, so
// they live here rather than with the build-target predicates in
// gen/tools/os.h. Safe without a QGuiApplication and without a screen.

#include <QSize>

namespace gen::os {

// True when Qt lists a touch screen; false without a QGuiApplication.
bool is_touch_device();

// The primary screen's size in pixels; -1 by -1 without one.
QSize primary_screen_size();
// The same; `ok` is false (and the size -1 by -1) when there is no screen or
// a side is negative.
QSize get_view_port_size(bool& ok);
// The smaller side of the primary screen; -1 without a screen.
int smallest_width_or_height();
// The smaller side is below 600 pixels; false when there is no screen.
bool is_small_device();

}  // namespace gen::os
