#include <gen/tools/GTime.h>
#include <gen/tools/diagnostics.h>
#include <gen/tools/time_tools.h>

#include "support/Rows.h"
#include "support/ZoneGuard.h"

#include <climits>
#include <ctime>

using namespace gen::time;

namespace {
// 2000-02-29 12:30:15 UTC, a Tuesday, day 60 of its year.
constexpr long long kInstant = 951827415;
constexpr long long kDay = 86400000000LL;

GTime at(long long us)
{
    GTime t(0ULL);
    t.from_mc(us);
    return t;
}

long long after_set_time(int year, int month, int day, int second)
{
    GTime t = at(-1);
    return t.set_time(year, month, day, 12, 30, second) ? t.getSeconds() : -1;
}
}  // namespace

TEST(GTime, UnitsCalendarFieldsSaturatingArithmeticLocalTextsAndUnitConversionsSaturateInsteadOfWrapping)
{
    std::time_t const instant = kInstant;
    std::tm const tm = *std::gmtime(&instant);
    GTime fromTm = at(0);
    GTime const start = at(kInstant * 1000000LL);
    GTime moved = start;
    std::pair<void (GTime::*)(long long), long long> const steps[] = {
        {&GTime::add_days, 1}, {&GTime::add_weeks, -1}, {&GTime::add_months, 1}, {&GTime::add_years, 1},
        {&GTime::add, 5}, {&GTime::add_minutes, 1}, {&GTime::add_hours, -1}, {&GTime::add_microseconds, 7},
        {&GTime::minus_microseconds, 10}};
    for (auto const& [step, n] : steps) {
        (moved.*step)(n);
    }
    GTime top = at(LLONG_MAX - 1);
    top.add_seconds(1);
    GTime bottom = at(-1);
    bottom.minus_microseconds(LLONG_MIN);
    test::expect_rows<long long>({
        {GTime(1234567890123ULL).getMilliseconds(), 1234567890LL}, {GTime(1234567890123ULL).getSeconds(), 1234567LL},
        {GTime(1234567890123ULL).getRelativeMilliseconds(), 890},
        {at(-1).getRelativeMilliseconds(), 999},  // before the epoch they still count up within the second
        {after_set_time(2000, 2, 29, 15), kInstant},
        // Fields out of range roll over into the next unit; a year the calendar cannot hold fails.
        {after_set_time(1999, 14, 29, 15), kInstant}, {after_set_time(2000, 3, 0, 15), kInstant},
        {after_set_time(2000, 2, 29, -1) + 16, kInstant}, {after_set_time(40000, 1, 1, 0), -1},
        {fromTm.from_tm(tm) ? fromTm.getSeconds() : -1, kInstant},
        // A day, back a week, February 2000 (28 days), the year 2001, then 5 s + 1 min - 1 h - 3 us.
        {moved.getMicroseconds() - start.getMicroseconds(),
         (1 - 7 + 28 + 365) * kDay + 5000000LL + 60000000LL - 3600000000LL - 3},
        {top.getMicroseconds(), LLONG_MAX}, {bottom.getMicroseconds(), LLONG_MAX},
        {start.compare(moved) * 10 + moved.compare(start) + start.compare(at(kInstant * 1000000LL)), -9},
    });
    EXPECT_TRUE(start < moved && start <= moved && moved > start && moved >= start && start != moved &&
                start == at(kInstant * 1000000LL));
    EXPECT_GT(GTime(true).getSeconds(), 1577836800LL);  // "now", after 2020
    // Local fields, weekday names and texts one hour east of UTC.
    test::ZoneGuard zone("XXX-1");  // no daylight saving: local forms move, the GMT form does not
    GTime t = at(kInstant * 1000000LL + 250000);
    EXPECT_EQ(t.tm_day(), 29);  // fills the cache before the copy
    GTime copy = t;
    copy.add_days(5);  // Sunday 2000-03-05: the cached fields follow, in copies too
    test::expect_rows<std::string>({
        {t.day_of_week("de"), "Dienstag"}, {t.day_of_week("ru"), "Вторник"}, {t.day_of_week(""), "Tuesday"},
        {copy.day_of_week("de"), "Sonntag"}, {t.toString("%H.%M.%S"), "13.30.15"},
        {t.toString_year_month_day(), "2000/02/29"}, {t.create_second_file_name(), "2000-02-29---13-30-15"},
        {t.create_file_name("%Y%m%d"), "20000229"}, {t.create_GMT_time(), "Tue, 29 Feb 2000 12:30:15 GMT"},
        {t.create_Mail_time("+0100"), "29 Feb 2000 13:30:15 +0100"}, {t.create_Mail_time(""), "29 Feb 2000 13:30:15"},
        {t.getTimeString(FORM_MILLISECONDS), "13:30:15,250"}, {t.getTimeString(FORM_MICROSECONDS), "13:30:15,250000"},
        {t.getTheTimeString(), "2000-02-29 13:30:15,250000"},
    });
    test::expect_rows<long long>({
        {t.tm_year() * 10000 + t.tm_month() * 100 + t.tm_day(), 20000229},
        {t.tm_hour() * 10000 + t.tm_min() * 100 + t.tm_sec(), 133015},
        {t.tm_day_of_week(), 2}, {t.tm_yearDay(), 59}, {copy.tm_month() * 100 + copy.tm_day(), 305},
    });
    t.from_mc(-1);  // floored to the second before the epoch
    EXPECT_EQ(t.tm_hour() * 10000 + t.tm_min() * 100 + t.tm_sec(), 5959);
    // The last representable microsecond: 9223372036854 s are 292277.02
    // average years after 1970, early in the year 294247.
    t.from_mc(LLONG_MAX);
    EXPECT_EQ(t.tm_year() * 100 + t.tm_month(), 29424701);

    // The free functions report a year beyond the calendar record, a result beyond the buffer.
    long long const leapDay = 951782400;  // 2000-02-29 00:00:00 UTC
    static std::vector<std::string> reports;
    auto const previous = gen::diagnostics::set_reporter([](auto, std::string const& text) { reports.push_back(text); });
    std::string const fits(127, 'x'), tooLong(128, 'x');
    test::expect_rows<std::string>({
        {local_time_to_string(leapDay + 45015, true), "2000-02-29  13:30:15"},
        {local_time_to_string(-1, false), "1970-01-01"}, {utc_time_to_string(-1, true), "1969-12-31  23:59:59"},
        {time_as_string(leapDay, "%Y|%m|%d %H"), "2000|02|29 01"}, {time_as_string(0, fits), fits},
        {time_as_string(0, ""), ""}, {local_time_to_string(LLONG_MAX, true), "1970-01-01  01:00:00"},
        {utc_time_to_string(LLONG_MAX, false), "1970-01-01  01:00:00"},
        {time_as_string(0, tooLong), ""}, {time_as_string(LLONG_MAX, "%Y"), ""},
    });
    gen::diagnostics::set_reporter(previous);
    EXPECT_EQ(reports, (std::vector<std::string>{
                             "GTime::time_as_string, Failed to format time, problems with <<<" + tooLong + ">>>",
                             "GTime::time_as_string, Failed to convert time, problems with <<<%Y>>>",
                         }));
    // The free unit conversions saturate instead of wrapping; duration texts.
    test::expect_rows<long long>({
        {from_seconds(1), 1000000LL}, {from_minutes(2), 120000000LL}, {from_hours(1), 3600000000LL},
        {from_days(-2), -172800000000LL}, {from_months(1), 2419200000000LL}, {from_years(1), 31536000000000LL},
        // 5 s + 2 min + 1 h + 1 day + 1 year.
        {from_time_reverse(5, 2, 1, 1, 1), 5000000LL + 120000000LL + 3600000000LL + 86400000000LL + 31536000000000LL},
        {get_seconds(-1500000), -1}, {get_minutes(119999999), 1}, {get_hours(7199999999LL), 1},
        {get_days(from_days(3) - 1), 2}, {get_years(from_days(730)), 2},
        {from_years(LLONG_MAX / 1000), LLONG_MAX}, {from_days(LLONG_MIN / 1000), LLONG_MIN},
        {from_time_reverse(0, 0, 0, LLONG_MAX / 1000, LLONG_MAX / 1000), LLONG_MAX},
        {is_timeout_second(2999999, 3), false}, {is_timeout_second(3000000, 3), true},
        // The clocks read after 2020-01-01.
        {get_seconds() > 1577836800LL && get_milli_seconds() > 1577836800000LL, true},
    });
    long long const us = 3725250000LL;  // 1 h 2 min 5.25 s
    test::expect_rows<std::string>({
        {formatMicrosecond_as_Hour_compact_mc(us, FORM_MILLISECONDS), "01:02,05,250"},
        {formatMicrosecond_as_Hour_compact_mc(from_hours(100), FORM_MICROSECONDS), "100:00,00,000000"},
        // The most negative count: 2^63 us = 2562047788 h 0 min 54 s 775808 us.
        {formatMicrosecond_as_Hour_compact_mc(LLONG_MIN, FORM_MICROSECONDS), "-2562047788:00,54,775808"},
        {formatMicrosecond_as_Hour_compact(us), "01:02,05 hour"},
        {formatMicrosecond_as_Minute_compact(from_minutes(125) + 999999), "125,00 min"},
        {formatMicrosecond_as_Minute_compact_milli(61005000), "01,01.005 min"},
        {formatMicrosecond_as_Minute(61250000), "1 min, 1 sec, 250.000 microseconds"},
        {formatMicrosecond_as_Minute(-61000001), "-1 min, 1 sec, 1 microseconds"},
        {formatMicrosecond_as_Hour(from_days(2) + us), "49 hour, 2 minute, 5 second, 250.000 microseconds"},
        {formatMicrosecond_as_Day(from_days(1) + us), "1 day, 1 hour, 2 minute, 5 second, 250.000 microseconds"},
        {formatMicrosecond_as_Year(from_days(366) + from_hours(1), false),
         "1 year, 1 day, 1 hour, 0 minute, 0 second, 0 microseconds"},
        // An average year is 365 days 5 h 49 min 12 s, so 366 days leave 18 h 10 min 48 s.
        {formatMicrosecond_as_Year(from_days(366), true),
         "1 year, 0 day, 18 hour, 10 minute, 48 second, 0 microseconds"},
    });
}

