#pragma once
// A point in time (microseconds since the Unix epoch) with calendar accessors
// and text forms. Calendar accessors and texts use local time unless named
// otherwise. One thread at a time: the accessors fill a cached `tm`.

#include <gen/tools/time_tools.h>

#include <compare>
#include <ctime>
#include <string>

namespace gen::time {

class GTime {
public:
    // Now, whatever the argument.
    explicit GTime(bool now = true);
    explicit GTime(unsigned long long us);

    void from_mc(long long us);
    // Calendar fields read as UTC, month 1 to 12; out-of-range fields roll
    // over (month 13 is January of the next year). False, and no change, for
    // a year outside -32767 to 32767.
    bool set_time(int year, int month, int day, int hour, int minute, int second);
    // The same from a tm record (years since 1900, months 0 to 11).
    bool from_tm(std::tm const& tm);
    void from_now(long long us);

    long long getMicroseconds() const { return mc; }
    long long getMilliseconds() const { return mc / 1000; }
    long long getSeconds() const { return mc / MC_SECOND; }
    // 0 to 999, also before the epoch.
    int getRelativeMilliseconds() const;

    void add(long long seconds) { add_seconds(seconds); }
    void add_seconds(long long n);
    void add_minutes(long long n);
    void add_hours(long long n);
    void add_days(long long n);
    void add_weeks(long long n);
    void add_months(long long n);
    void add_years(long long n);
    void add_microseconds(long long us);
    void minus_microseconds(long long us);

    // Local calendar fields: the full year, the month 1 to 12, the day 1 to
    // 31, hour, minute, second, the weekday 0 (Sunday) to 6 and the day of
    // the year 0 to 365.
    int tm_year() const;
    int tm_month() const;
    int tm_day() const;
    int tm_hour() const;
    int tm_min() const;
    int tm_sec() const;
    int tm_day_of_week() const;
    int tm_yearDay() const;

    int compare(GTime const& other) const;
    bool operator==(GTime const& other) const { return compare(other) == 0; }
    std::strong_ordering operator<=>(GTime const& other) const { return compare(other) <=> 0; }

    // strftime of the local time, at most 127 characters.
    std::string toString(std::string const& format) const;
    std::string create_file_name(std::string const& format) const { return toString(format); }
    std::string toString_year_month_day() const;
    std::string create_second_file_name() const;
    // Mail and GMT stamps always use English day and month names, whatever
    // the process locale, because their readers expect them.
    std::string create_GMT_time() const;
    std::string create_Mail_time(std::string const& zone) const;
    // Weekday name in "de", "ru" or (any other language) English.
    std::string day_of_week(std::string const& language) const;

    // "hh:mm:ss,fff" (FORM_MILLISECONDS) or "hh:mm:ss,ffffff" of the local time.
    std::string getTimeString(unsigned int form) const;
    // "YYYY-MM-DD hh:mm:ss,ffffff" of the local time.
    std::string getTheTimeString() const;

private:
    // Whole seconds since the epoch, rounded down (also before the epoch).
    long long floor_seconds() const;
    // The cached local time of `mc`; its weekday is -1 when the conversion failed.
    std::tm const& local() const;

    long long mc = 0;
    mutable std::tm tmCache{};
    mutable long long tmFor = 0;
    mutable bool tmValid = false;
};

}  // namespace gen::time
