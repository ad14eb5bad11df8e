#pragma once
// Platform predicates, fixed per build target, and run-time queries of the
// running program. The screen and input-device queries need Qt Gui and are in
// gen/qt/event/screen.h.

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

// File name (without directories) of the running program; works before a
// QCoreApplication exists. Empty when the system does not tell.
std::string get_program_name();
QString get_program_name_qs();

// The operating system's readable name, such as "Debian GNU/Linux 12 (bookworm)".
std::string get_os_name();
QString get_os_name_qs();

}  // namespace gen::os
