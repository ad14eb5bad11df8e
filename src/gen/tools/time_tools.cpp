#include <gen/tools/time_tools.h>

#include <gen/tools/diagnostics.h>
#include <gen/tools/format.h>
#include <gen/tools/strings.h>
#include <gen/tools/xprintf.h>

#include <chrono>
#include <limits>
#include <thread>

namespace gen::time {

namespace {

// Sign and magnitude of a duration; the magnitude of the most negative count
// still fits the unsigned type.
struct Magnitude {
    std::string sign;
    unsigned long long us;
};

Magnitude split(long long us)
{
    if (us < 0) {
        return {"-", 0ULL - static_cast<unsigned long long>(us)};
    }
    return {"", static_cast<unsigned long long>(us)};
}

constexpr unsigned long long U_SECOND = MC_SECOND;
constexpr unsigned long long U_MINUTE = MC_MINUTE;
constexpr unsigned long long U_HOUR = MC_HOUR;
constexpr unsigned long long U_DAY = MC_DAY;

long long whole(unsigned long long us, unsigned long long unit, unsigned long long per)
{
    return static_cast<long long>(us / unit % per);
}

long long whole(unsigned long long us, unsigned long long unit)
{
    return static_cast<long long>(us / unit);
}

std::string two(long long value)
{
    return str::format_fill_zero(2, value);
}

std::string grouped_fraction(unsigned long long us)
{
    return str::format_1000(static_cast<long long>(us % U_SECOND));
}

bool to_time_t(long long seconds, std::time_t& out)
{
    if (seconds < std::numeric_limits<std::time_t>::min() || seconds > std::numeric_limits<std::time_t>::max()) {
        return false;
    }
    out = static_cast<std::time_t>(seconds);
    return true;
}

std::string date_text(long long seconds, bool withTime, bool utc)
{
    std::tm tm{};
    bool const ok = utc ? to_utc_tm(seconds, tm) : to_local_tm(seconds, tm);
    if (!ok) {
        return "1970-01-01  01:00:00";
    }
    char buffer[64];
    std::size_t const n = std::strftime(buffer, sizeof buffer, withTime ? "%Y-%m-%d  %H:%M:%S" : "%Y-%m-%d", &tm);
    return std::string(buffer, n);
}

}  // namespace

long long multiply_saturated(long long n, long long unit)
{
    long long result = 0;
    if (__builtin_mul_overflow(n, unit, &result)) {
        return (n < 0) != (unit < 0) ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
    }
    return result;
}

long long add_saturated(long long a, long long b)
{
    long long result = 0;
    if (__builtin_add_overflow(a, b, &result)) {
        return b < 0 ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
    }
    return result;
}

long long get_micro_seconds()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

long long get_milli_seconds()
{
    return get_micro_seconds() / 1000;
}

long long get_seconds()
{
    return get_micro_seconds() / MC_SECOND;
}

long long from_seconds(long long n) { return multiply_saturated(n, MC_SECOND); }
long long from_minutes(long long n) { return multiply_saturated(n, MC_MINUTE); }
long long from_hours(long long n) { return multiply_saturated(n, MC_HOUR); }
long long from_days(long long n) { return multiply_saturated(n, MC_DAY); }
long long from_months(long long n) { return multiply_saturated(n, MC_MONTH); }
long long from_years(long long n) { return multiply_saturated(n, MC_YEAR); }

long long from_time_reverse(long long seconds, long long minutes, long long hours, long long days,
                            long long years)
{
    long long total = from_seconds(seconds);
    total = add_saturated(total, from_minutes(minutes));
    total = add_saturated(total, from_hours(hours));
    total = add_saturated(total, from_days(days));
    return add_saturated(total, from_years(years));
}

long long get_seconds(long long us) { return us / MC_SECOND; }
long long get_minutes(long long us) { return us / MC_MINUTE; }
long long get_hours(long long us) { return us / MC_HOUR; }
long long get_days(long long us) { return us / MC_DAY; }
long long get_years(long long us) { return us / MC_YEAR; }

bool is_timeout_second(long long us, long long n)
{
    return get_seconds(us) >= n;
}

void sleep(long long ms)
{
    if (ms > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

bool to_local_tm(long long seconds, std::tm& out)
{
    out = std::tm{};
    std::time_t t = 0;
    if (!to_time_t(seconds, t)) {
        return false;
    }
#ifdef _WIN32
    return localtime_s(&out, &t) == 0;
#else
    return localtime_r(&t, &out) != nullptr;
#endif
}

bool to_utc_tm(long long seconds, std::tm& out)
{
    out = std::tm{};
    std::time_t t = 0;
    if (!to_time_t(seconds, t)) {
        return false;
    }
#ifdef _WIN32
    return gmtime_s(&out, &t) == 0;
#else
    return gmtime_r(&t, &out) != nullptr;
#endif
}

std::string local_time_to_string(long long seconds, bool withTime)
{
    return date_text(seconds, withTime, false);
}

std::string utc_time_to_string(long long seconds, bool withTime)
{
    return date_text(seconds, withTime, true);
}

std::string time_as_string(long long seconds, std::string const& format)
{
    using diagnostics::Level;
    try {
        std::tm tm{};
        if (!to_local_tm(seconds, tm)) {
            diagnostics::report(Level::Debug, str::xprintF(0, "GTime::time_as_string, Failed to convert time, problems with <<<$>>>", format));
            return {};
        }
        if (format.empty()) {
            return {};
        }
        char buffer[128];
        // strftime answers 0 both for a result that does not fit and for an
        // empty one; only the former is a failure.
        std::size_t const n = std::strftime(buffer, sizeof buffer, format.c_str(), &tm);
        if (n == 0) {
            diagnostics::report(Level::Debug, str::xprintF(0, "GTime::time_as_string, Failed to format time, problems with <<<$>>>", format));
            return {};
        }
        return std::string(buffer, n);
    } catch (...) {
        diagnostics::report(Level::Debug, str::xprintF(0, "GTime::time_as_string, problems with <<<$>>>", format));
        return {};
    }
}

std::string formatMicrosecond_as_Minute(long long us)
{
    auto const [sign, m] = split(us);
    return sign + str::xprintF(0, "$ min, $ sec, $ microseconds", whole(m, U_MINUTE), whole(m, U_SECOND, 60),
                               grouped_fraction(m));
}

std::string formatMicrosecond_as_Minute_compact(long long us)
{
    auto const [sign, m] = split(us);
    return sign + str::xprintF(0, "$,$ min", two(whole(m, U_MINUTE)), two(whole(m, U_SECOND, 60)));
}

std::string formatMicrosecond_as_Minute_compact_milli(long long us)
{
    auto const [sign, m] = split(us);
    return sign + str::xprintF(0, "$,$.$ min", two(whole(m, U_MINUTE)), two(whole(m, U_SECOND, 60)),
                               str::format_fill_zero_milliseconds(m / 1000 % 1000));
}

std::string formatMicrosecond_as_Hour(long long us)
{
    auto const [sign, m] = split(us);
    return sign + str::xprintF(0, "$ hour, $ minute, $ second, $ microseconds", whole(m, U_HOUR),
                               whole(m, U_MINUTE, 60), whole(m, U_SECOND, 60), grouped_fraction(m));
}

std::string formatMicrosecond_as_Hour_compact(long long us)
{
    auto const [sign, m] = split(us);
    return sign + str::xprintF(0, "$:$,$ hour", two(whole(m, U_HOUR)), two(whole(m, U_MINUTE, 60)),
                               two(whole(m, U_SECOND, 60)));
}

std::string formatMicrosecond_as_Hour_compact_mc(long long us, FORM_SECOND form)
{
    auto const [sign, m] = split(us);
    std::string const fraction = form == FORM_MILLISECONDS ? str::format_fill_zero_milliseconds(m / 1000 % 1000)
                                                           : str::format_fill_zero_microseconds(m % U_SECOND);
    return sign + str::xprintF(0, "$:$,$,$", two(whole(m, U_HOUR)), two(whole(m, U_MINUTE, 60)),
                               two(whole(m, U_SECOND, 60)), fraction);
}

std::string formatMicrosecond_as_Day(long long us)
{
    auto const [sign, m] = split(us);
    return sign + str::xprintF(0, "$ day, $ hour, $ minute, $ second, $ microseconds", whole(m, U_DAY),
                               whole(m, U_HOUR, 24), whole(m, U_MINUTE, 60), whole(m, U_SECOND, 60),
                               grouped_fraction(m));
}

std::string formatMicrosecond_as_Year(long long us, bool averageYear)
{
    auto const [sign, m] = split(us);
    auto const year = static_cast<unsigned long long>(averageYear ? MC_AVERAGE_YEAR : MC_YEAR);
    unsigned long long const rest = m % year;
    return sign + str::xprintF(0, "$ year, $ day, $ hour, $ minute, $ second, $ microseconds", whole(m, year),
                               whole(rest, U_DAY), whole(rest, U_HOUR, 24), whole(rest, U_MINUTE, 60),
                               whole(rest, U_SECOND, 60), grouped_fraction(rest));
}

}  // namespace gen::time
