#pragma once
// Clock readings, calendar-unit conversions and duration texts. A time point
// and a duration are both a signed count of microseconds; time points count
// from the Unix epoch by the system clock. All functions are stateless and
// thread-safe.

#include <ctime>
#include <string>

namespace gen::time {

// Precision of the fraction of a second in the compact hour format.
enum FORM_SECOND : int { FORM_MICROSECONDS = 0, FORM_MILLISECONDS = 1 };

// Unit sizes in microseconds. A month is 28 days and a year 365 days.
inline constexpr long long MC_SECOND = 1000000LL;
inline constexpr long long MC_MINUTE = 60 * MC_SECOND;
inline constexpr long long MC_HOUR = 60 * MC_MINUTE;
inline constexpr long long MC_DAY = 24 * MC_HOUR;
inline constexpr long long MC_WEEK = 7 * MC_DAY;
inline constexpr long long MC_MONTH = 28 * MC_DAY;
inline constexpr long long MC_YEAR = 365 * MC_DAY;
// 365.2425 days, the Gregorian mean, which is a whole number of seconds.
inline constexpr long long MC_AVERAGE_YEAR = 31556952LL * MC_SECOND;

// Microsecond arithmetic that stops at the ends of the 64-bit range instead
// of overflowing: an absurd request gives the largest representable value.
long long add_saturated(long long a, long long b);
long long multiply_saturated(long long n, long long unit);

// Now, since the epoch; the coarser readings are truncated.
long long get_micro_seconds();
long long get_milli_seconds();
long long get_seconds();

// n units in microseconds.
long long from_seconds(long long n);
long long from_minutes(long long n);
long long from_hours(long long n);
long long from_days(long long n);
long long from_months(long long n);
long long from_years(long long n);
long long from_time_reverse(long long seconds, long long minutes, long long hours, long long days,
                            long long years);

// Whole units in a microsecond count, truncated toward zero.
long long get_seconds(long long us);
long long get_minutes(long long us);
long long get_hours(long long us);
long long get_days(long long us);
long long get_years(long long us);

// Whether `us` holds at least `n` whole seconds.
bool is_timeout_second(long long us, long long n);

// Blocks the calling thread; zero or negative returns at once.
void sleep(long long ms);

// Broken-down local or UTC time of seconds since the epoch; false when the
// platform cannot represent it (the record is then zeroed).
bool to_local_tm(long long seconds, std::tm& out);
bool to_utc_tm(long long seconds, std::tm& out);

// "%Y-%m-%d  %H:%M:%S" (two blanks) with `withTime`, else "%Y-%m-%d";
// "1970-01-01  01:00:00" when the time cannot be converted.
std::string local_time_to_string(long long seconds, bool withTime);
std::string utc_time_to_string(long long seconds, bool withTime);

// Local time formatted by strftime into at most 127 characters; failures are
// reported at debug level and give the empty text.
std::string time_as_string(long long seconds, std::string const& format);

// Duration texts. A negative count is written as "-" followed by the text of
// its magnitude, so the fields never carry signs of their own.
std::string formatMicrosecond_as_Minute(long long us);
std::string formatMicrosecond_as_Minute_compact(long long us);
std::string formatMicrosecond_as_Minute_compact_milli(long long us);
std::string formatMicrosecond_as_Hour(long long us);
std::string formatMicrosecond_as_Hour_compact(long long us);
// "hh:mm,ss,ffffff" (or ",fff" for milliseconds); hours are never cut.
std::string formatMicrosecond_as_Hour_compact_mc(long long us, FORM_SECOND form);
std::string formatMicrosecond_as_Day(long long us);
// Years of 365.2425 days with `averageYear`, else of 365 days.
std::string formatMicrosecond_as_Year(long long us, bool averageYear);

}  // namespace gen::time
