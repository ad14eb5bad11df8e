#include <gen/tools/GTime.h>

#include <gen/tools/format.h>

#include <chrono>
#include <iomanip>
#include <limits>
#include <locale>
#include <sstream>

namespace gen::time {

namespace {

long long floor_div(long long a, long long b)
{
    long long q = a / b;
    if (a % b != 0 && ((a < 0) != (b < 0))) {
        --q;
    }
    return q;
}

long long floor_mod(long long a, long long b)
{
    return a - floor_div(a, b) * b;
}

// strftime in the classic locale, so names of days and months are English.
std::string put_time_classic(std::tm const& tm, char const* format)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::put_time(&tm, format);
    return out.str();
}

}  // namespace

GTime::GTime(bool /*now*/) : mc(get_micro_seconds()) {}

GTime::GTime(unsigned long long us)
    : mc(us > static_cast<unsigned long long>(std::numeric_limits<long long>::max())
             ? std::numeric_limits<long long>::max()
             : static_cast<long long>(us))
{
}

void GTime::from_mc(long long us)
{
    mc = us;
}

bool GTime::set_time(int year, int month, int day, int hour, int minute, int second)
{
    long long const months = static_cast<long long>(month) - 1;
    long long const y = year + floor_div(months, 12);
    if (y < -32767 || y > 32767) {
        return false;
    }
    std::chrono::year_month_day const first{std::chrono::year{static_cast<int>(y)},
                                            std::chrono::month{static_cast<unsigned>(floor_mod(months, 12) + 1)},
                                            std::chrono::day{1}};
    long long const base =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::sys_days{first}.time_since_epoch()).count();
    long long const offset = from_time_reverse(second, minute, hour, static_cast<long long>(day) - 1, 0);
    long long result = 0;
    if (__builtin_add_overflow(base, offset, &result)) {
        return false;
    }
    mc = result;
    return true;
}

bool GTime::from_tm(std::tm const& tm)
{
    return set_time(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
}

void GTime::from_now(long long us)
{
    mc = add_saturated(get_micro_seconds(), us);
}

int GTime::getRelativeMilliseconds() const
{
    return static_cast<int>(floor_mod(mc, MC_SECOND) / 1000);
}

void GTime::add_seconds(long long n) { mc = add_saturated(mc, from_seconds(n)); }
void GTime::add_minutes(long long n) { mc = add_saturated(mc, from_minutes(n)); }
void GTime::add_hours(long long n) { mc = add_saturated(mc, from_hours(n)); }
void GTime::add_days(long long n) { mc = add_saturated(mc, from_days(n)); }
void GTime::add_weeks(long long n) { mc = add_saturated(mc, multiply_saturated(n, MC_WEEK)); }
void GTime::add_months(long long n) { mc = add_saturated(mc, from_months(n)); }
void GTime::add_years(long long n) { mc = add_saturated(mc, from_years(n)); }
void GTime::add_microseconds(long long us) { mc = add_saturated(mc, us); }

void GTime::minus_microseconds(long long us)
{
    long long result = 0;
    if (__builtin_sub_overflow(mc, us, &result)) {
        result = us > 0 ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
    }
    mc = result;
}

long long GTime::floor_seconds() const
{
    return floor_div(mc, MC_SECOND);
}

std::tm const& GTime::local() const
{
    if (!tmValid || tmFor != mc) {
        if (!to_local_tm(floor_seconds(), tmCache)) {
            tmCache.tm_wday = -1;
        }
        tmFor = mc;
        tmValid = true;
    }
    return tmCache;
}

int GTime::tm_year() const { return local().tm_year + 1900; }
int GTime::tm_month() const { return local().tm_mon + 1; }
int GTime::tm_day() const { return local().tm_mday; }
int GTime::tm_hour() const { return local().tm_hour; }
int GTime::tm_min() const { return local().tm_min; }
int GTime::tm_sec() const { return local().tm_sec; }
int GTime::tm_day_of_week() const { return local().tm_wday; }
int GTime::tm_yearDay() const { return local().tm_yday; }

int GTime::compare(GTime const& other) const
{
    return mc < other.mc ? -1 : (mc > other.mc ? 1 : 0);
}

std::string GTime::toString(std::string const& format) const
{
    return time_as_string(floor_seconds(), format);
}

std::string GTime::toString_year_month_day() const
{
    return toString("%Y/%m/%d");
}

std::string GTime::create_second_file_name() const
{
    return toString("%Y-%m-%d---%H-%M-%S");
}

std::string GTime::create_GMT_time() const
{
    std::tm tm{};
    if (!to_utc_tm(floor_seconds(), tm)) {
        return {};
    }
    return put_time_classic(tm, "%a, %d %b %Y %H:%M:%S GMT");
}

std::string GTime::create_Mail_time(std::string const& zone) const
{
    std::tm tm{};
    if (!to_local_tm(floor_seconds(), tm)) {
        return {};
    }
    std::string text = put_time_classic(tm, "%d %b %Y %H:%M:%S");
    if (!zone.empty()) {
        text += ' ';
        text += zone;
    }
    return text;
}

std::string GTime::day_of_week(std::string const& language) const
{
    static char const* const german[] = {"Sonntag", "Montag", "Dienstag", "Mittwoch",
                                         "Donnerstag", "Freitag", "Samstag"};
    static char const* const russian[] = {"Воскресенье", "Понедельник", "Вторник", "Среда",
                                          "Четверг", "Пятница", "Суббота"};
    static char const* const english[] = {"Sunday", "Monday", "Tuesday", "Wednesday",
                                          "Thursday", "Friday", "Saturday"};
    int const day = local().tm_wday;
    if (day < 0 || day > 6) {
        return "day_of_week";
    }
    if (language == "de") {
        return german[day];
    }
    if (language == "ru") {
        return russian[day];
    }
    return english[day];
}

std::string GTime::getTimeString(unsigned int form) const
{
    long long const fraction = floor_mod(mc, MC_SECOND);
    std::string const digits = form == FORM_MILLISECONDS ? str::format_fill_zero(3, fraction / 1000)
                                                         : str::format_fill_zero(6, fraction);
    return toString("%H:%M:%S,") + digits;
}

std::string GTime::getTheTimeString() const
{
    return toString("%Y-%m-%d %H:%M:%S,") + str::format_fill_zero(6, floor_mod(mc, MC_SECOND));
}

}  // namespace gen::time
