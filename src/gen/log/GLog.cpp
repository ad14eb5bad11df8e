#include <gen/log/GLog.h>

#include <gen/log/LogAppender.h>
#include <gen/log/fatal.h>
#include <gen/tools/diagnostics.h>
#include <gen/tools/format.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <set>

namespace gen::log {

namespace detail {
constinit std::atomic<int> currentLevel{LEVEL_DEBUG};
}

namespace {

struct CoreState {
    std::mutex mutex;
    unsigned int lineCounter = 0;
    std::set<LogAppender*> sinks;
};

// Deliberately never destroyed: static destructors of other objects may still
// log, and sinks unregister themselves from it during exit.
CoreState& core()
{
    static CoreState* state = new CoreState;
    return *state;
}

constinit std::atomic<unsigned int> g_digits{6};
constinit std::atomic<long long> g_logStart{0};
constinit std::atomic<unsigned int> g_mainThread{0};
constinit std::atomic<unsigned int> g_nextThreadId{1};

void report_to_log(gen::diagnostics::Level level, std::string const& text)
{
    log_string(static_cast<LOG_LEVEL>(level), text);
}

// The helpers below the log core report through this hook from now on.
[[maybe_unused]] bool const g_reporterInstalled =
    (gen::diagnostics::set_reporter(&report_to_log), true);

}  // namespace

void log_string(LOG_LEVEL level, char const* text)
{
    if (!is_level_active(level)) {
        return;
    }
    CoreState& state = core();
    std::lock_guard lock(state.mutex);
    ++state.lineCounter;
    for (LogAppender* sink : state.sinks) {
        if (sink->is_enabled()) {
            sink->log_string(state.lineCounter, level, text);
        }
    }
}

void log_string(LOG_LEVEL level, std::string const& text)
{
    log_string(level, text.c_str());
}

void set_log_level(int level)
{
    if (level < LEVEL_ERROR || level > LEVEL_TRACE) {
        std::string const line = gen::str::xprintF(0, "set_log_level out of range 0-4, level:$ ?\n", level);
        std::fputs(line.c_str(), stdout);
        std::fflush(stdout);
        return;
    }
    detail::currentLevel.store(level);
}

int get_log_level()
{
    return detail::currentLevel.load();
}

void set_log_digits(unsigned int n)
{
    if (n > kMaxLogDigits) {
        std::string const line =
            gen::str::xprintF(0, "set_log_digits out of range 0-$, digits:$ ?\n", kMaxLogDigits, n);
        std::fputs(line.c_str(), stdout);
        std::fflush(stdout);
        return;
    }
    // Under the core's lock so no delivered line sees a half-done change.
    std::lock_guard lock(core().mutex);
    g_digits.store(n);
}

void with_sinks_locked(std::function<void()> const& work)
{
    std::lock_guard lock(core().mutex);
    work();
}

unsigned int get_log_digits()
{
    return g_digits.load();
}

std::string logLevel_to_string(unsigned int level)
{
    static char const* const tags[] = {"ERR", "WRN", "INF", "DEB", "TRA"};
    return level < 5 ? tags[level] : "";
}

QString logLevel_to_qstring(unsigned int level)
{
    return QString::fromStdString(logLevel_to_string(level));
}

void add_log_appender(LogAppender* appender)
{
    GEN_CHECK_NULL(appender);
    CoreState& state = core();
    std::lock_guard lock(state.mutex);
    state.sinks.insert(appender);
}

void remove_log_appender(LogAppender* appender)
{
    GEN_CHECK_NULL(appender);
    CoreState& state = core();
    std::lock_guard lock(state.mutex);
    state.sinks.erase(appender);
}

std::string trailler(unsigned int number, LOG_LEVEL level, gen::GBits<unsigned int> const& bits)
{
    std::string out;
    if (bits.is_set(control::NUMBER)) {
        // The digit count is read atomically: sinks call this under the
        // core's lock, so the width cannot be guarded by that lock here.
        out += gen::str::sprintF("[%0*u] ", static_cast<int>(g_digits.load()), number);
    }
    if (bits.is_set(control::LEVEL)) {
        out += "[" + logLevel_to_string(static_cast<unsigned int>(level)) + "] ";
    }
    if (bits.is_set(control::TIME)) {
        gen::time::FORM_SECOND const form = bits.is_set(control::MICRO_SECONDS) ? gen::time::FORM_MICROSECONDS
                                                                                : gen::time::FORM_MILLISECONDS;
        out += "[" + get_time_stamp(bits.is_set(control::ABS_TIME), "%H:%M:%S", form) + "] ";
    }
    if (bits.is_set(control::THREAD)) {
        out += gen::str::sprintF("[%04u]", gen::get_fast_thread_id());
    }
    out += ' ';
    return out;
}

QString qs_trailler(unsigned int number, LOG_LEVEL level, gen::GBits<unsigned int> const& bits)
{
    return QString::fromStdString(trailler(number, level, bits));
}

bool has_trailler_bits(gen::GBits<unsigned int> const& bits)
{
    return bits.is_set(control::NUMBER | control::LEVEL | control::TIME | control::THREAD);
}

std::string get_time_stamp(bool wallClock, std::string const& format, gen::time::FORM_SECOND form)
{
    if (!wallClock) {
        return gen::time::formatMicrosecond_as_Hour_compact_mc(get_time_since_start(), form);
    }
    using namespace std::chrono;
    auto const now = system_clock::now();
    std::time_t const seconds = system_clock::to_time_t(now);
    long long const micros = duration_cast<microseconds>(now.time_since_epoch()).count() % 1000000;
    std::tm local{};
    localtime_r(&seconds, &local);
    char buffer[512];
    std::size_t const length = std::strftime(buffer, sizeof buffer, format.c_str(), &local);
    std::string out(buffer, length);
    out += ',';
    out += form == gen::time::FORM_MICROSECONDS ? gen::str::format_fill_zero_microseconds(micros)
                                                : gen::str::format_fill_zero_milliseconds(micros / 1000);
    return out;
}

long long start_log_time()
{
    long long const now = gen::time::get_micro_seconds();
    g_logStart.store(now);
    return now;
}

long long get_time_since_start()
{
    return gen::time::get_micro_seconds() - g_logStart.load();
}

void set_main_thread()
{
    g_mainThread.store(gen::get_fast_thread_id());
}

unsigned int get_current_threadID()
{
    return gen::get_fast_thread_id();
}

}  // namespace gen::log

namespace gen {

unsigned int get_fast_thread_id()
{
    thread_local unsigned int id = log::g_nextThreadId.fetch_add(1);
    return id;
}

unsigned int get_thread_id()
{
    return get_fast_thread_id();
}

bool is_main_thread()
{
    return get_fast_thread_id() == log::g_mainThread.load();
}

}  // namespace gen
