#pragma once
// Platform predicates, fixed per build target, and run-time queries of the
// screen, the input devices and the running program. The screen queries are
// safe without a QGuiApplication and without a screen.

#include <QSize>
#include <QString>
#include <QtGlobal>

#include <string>

namespace gen::os {

constexpr bool is_android()
{
#if defined(Q_OS_ANDROID)
    return true;
#else
    return false;
#endif
}

constexpr bool is_ios()
{
#if defined(Q_OS_IOS)
    return true;
#else
    return false;
#endif
}

constexpr bool is_wasm()
{
#if defined(Q_OS_WASM)
    return true;
#else
    return false;
#endif
}

constexpr bool is_windows()
{
#if defined(Q_OS_WIN)
    return true;
#else
    return false;
#endif
}

constexpr bool is_mac()
{
#if defined(Q_OS_MACOS)
    return true;
#else
    return false;
#endif
}

// Android defines Q_OS_LINUX as well; it does not count as Linux here.
constexpr bool is_linux()
{
#if defined(Q_OS_LINUX) && !defined(Q_OS_ANDROID)
    return true;
#else
    return false;
#endif
}

constexpr bool is_mobile() { return is_android() || is_ios(); }
constexpr bool is_desktop() { return is_windows() || is_linux() || is_mac(); }
// Top-level windows that the user moves and resizes.
constexpr bool is_window_based_platform() { return is_desktop(); }
// Apps that the system may suspend at any time, so settings are written early.
constexpr bool is_sandboxed() { return is_mobile() || is_wasm(); }
constexpr bool is_64_bit() { return sizeof(void*) == 8; }
constexpr bool is_32_bit() { return sizeof(void*) == 4; }
constexpr int get_os_bit_system() { return static_cast<int>(sizeof(void*) * 8); }

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

// File name (without directories) of the running program; works before a
// QCoreApplication exists. Empty when the system does not tell.
std::string get_program_name();
QString get_program_name_qs();

// The operating system's readable name, such as "Debian GNU/Linux 12 (bookworm)".
std::string get_os_name();
QString get_os_name_qs();

}  // namespace gen::os
