#pragma once
// The process-wide logger: levels, line numbering, sinks and line prefixes.
// Any thread may log. Lines above the current level cost one atomic load.

#include <gen/tools/GBits.h>
#include <gen/tools/time_tools.h>

#include <QString>

#include <atomic>
#include <functional>
#include <string>

namespace gen::log {

enum LOG_LEVEL : int {
    LEVEL_ERROR = 0,
    LEVEL_WARN = 1,
    LEVEL_INFO = 2,
    LEVEL_DEBUG = 3,
    LEVEL_TRACE = 4,
};

// Bits of a sink's control word (LogConfig::logControl).
namespace control {
inline constexpr unsigned int ABS_TIME = 0x10;
inline constexpr unsigned int MICRO_SECONDS = 0x20;
inline constexpr unsigned int NUMBER = 0x40;
inline constexpr unsigned int LEVEL = 0x80;
inline constexpr unsigned int TIME = 0x100;
inline constexpr unsigned int THREAD = 0x200;
inline constexpr unsigned int ENABLED = 0x100000;
// What the console sink gets at start-up: enabled, all columns, wall clock
// with microseconds.
inline constexpr unsigned int CONSOLE_DEFAULT = 0x1003FE;
}  // namespace control

class LogAppender;

namespace detail {
// The current level; constant-initialised so logging during static
// initialisation sees the start level.
extern std::atomic<int> currentLevel;
}  // namespace detail

// Whether a line at `level` would be delivered now.
inline bool is_level_active(LOG_LEVEL level)
{
    return static_cast<int>(level) <= detail::currentLevel.load(std::memory_order_relaxed);
}

// Delivers one line to every enabled sink, numbered; dropped (and not
// counted) when `level` is above the current level. A null text is passed on.
void log_string(LOG_LEVEL level, std::string const& text);
void log_string(LOG_LEVEL level, char const* text);

// 0 to 4; anything else prints a notice on stdout and keeps the level.
void set_log_level(int level);
int get_log_level();

// Width of the line number column. Values above kMaxLogDigits print a notice
// on stdout and keep the width, so a line can never grow without bound.
inline constexpr unsigned int kMaxLogDigits = 20;
void set_log_digits(unsigned int n);
unsigned int get_log_digits();

// "ERR" "WRN" "INF" "DEB" "TRA", empty for other values.
std::string logLevel_to_string(unsigned int level);
QString logLevel_to_qstring(unsigned int level);

// The sink set, ordered by address. A null sink is a fatal error. The caller
// keeps ownership; a sink unregisters itself when destroyed.
void add_log_appender(LogAppender* appender);
void remove_log_appender(LogAppender* appender);
// Runs `work` under the core's lock, so no line is delivered while a sink's
// configuration changes; `work` must not log.
void with_sinks_locked(std::function<void()> const& work);

// The prefix columns selected by `bits`, always ending in one blank.
std::string trailler(unsigned int number, LOG_LEVEL level, gen::GBits<unsigned int> const& bits);
QString qs_trailler(unsigned int number, LOG_LEVEL level, gen::GBits<unsigned int> const& bits);
bool has_trailler_bits(gen::GBits<unsigned int> const& bits);

// Wall-clock time of day ("14:03:27,123") or the time since the log start.
std::string get_time_stamp(bool wallClock, std::string const& format, gen::time::FORM_SECOND form);

// Microseconds since the epoch at the log start; elapsed microseconds since.
long long start_log_time();
long long get_time_since_start();

// Records the calling thread as the main thread.
void set_main_thread();
unsigned int get_current_threadID();

}  // namespace gen::log

namespace gen {

// Small per-thread numbers from 1 on, in order of first use.
unsigned int get_fast_thread_id();
unsigned int get_thread_id();
bool is_main_thread();

}  // namespace gen
