#include <gen/tools/diagnostics.h>
#include <gen/tools/time_tools.h>

#include "support/ZoneGuard.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

using namespace gen::time;

namespace {

using test::ZoneGuard;

std::vector<std::string> g_reports;

void capture(gen::diagnostics::Level, std::string const& text)
{
    g_reports.push_back(text);
}

// 2000-02-29 00:00:00 UTC.
constexpr long long kLeapDay = 951782400;

}  // namespace

TEST(TimeTools, UnitConversions)
{
    EXPECT_EQ(from_seconds(1), 1000000LL);
    EXPECT_EQ(from_minutes(2), 120000000LL);
    EXPECT_EQ(from_hours(1), 3600000000LL);
    EXPECT_EQ(from_days(1), 86400000000LL);
    EXPECT_EQ(from_months(1), 2419200000000LL);
    EXPECT_EQ(from_years(1), 31536000000000LL);
    EXPECT_EQ(from_days(-2), -172800000000LL);
    // 5 s + 2 min + 1 h + 1 day + 1 year.
    EXPECT_EQ(from_time_reverse(5, 2, 1, 1, 1), 5000000LL + 120000000LL + 3600000000LL + 86400000000LL + 31536000000000LL);

    EXPECT_EQ(get_seconds(2999999), 2);
    EXPECT_EQ(get_seconds(-1500000), -1);
    EXPECT_EQ(get_minutes(119999999), 1);
    EXPECT_EQ(get_hours(7199999999LL), 1);
    EXPECT_EQ(get_days(from_days(3) - 1), 2);
    EXPECT_EQ(get_years(from_days(730)), 2);

    EXPECT_FALSE(is_timeout_second(2999999, 3));
    EXPECT_TRUE(is_timeout_second(3000000, 3));
    EXPECT_TRUE(is_timeout_second(0, 0));

    // Products that do not fit saturate instead of wrapping.
    EXPECT_EQ(from_years(LLONG_MAX / 1000), LLONG_MAX);
    EXPECT_EQ(from_days(LLONG_MIN / 1000), LLONG_MIN);
    EXPECT_EQ(from_time_reverse(0, 0, 0, LLONG_MAX / 1000, LLONG_MAX / 1000), LLONG_MAX);
}

TEST(TimeTools, ClockReadingsArePlausible)
{
    // Between 2020-01-01 and 2200-01-01.
    long long const seconds = get_seconds();
    EXPECT_GT(seconds, 1577836800LL);
    EXPECT_LT(seconds, 7258118400LL);
    EXPECT_GT(get_milli_seconds(), 1577836800000LL);
    EXPECT_GT(get_micro_seconds(), 1577836800000000LL);
}

TEST(TimeTools, CompactHourFormat)
{
    long long const us = 3725250000LL;  // 1 h 2 min 5.25 s
    EXPECT_EQ(formatMicrosecond_as_Hour_compact_mc(us, FORM_MILLISECONDS), "01:02,05,250");
    EXPECT_EQ(formatMicrosecond_as_Hour_compact_mc(us, FORM_MICROSECONDS), "01:02,05,250000");
    EXPECT_EQ(formatMicrosecond_as_Hour_compact_mc(0, FORM_MILLISECONDS), "00:00,00,000");
    EXPECT_EQ(formatMicrosecond_as_Hour_compact_mc(0, FORM_MICROSECONDS), "00:00,00,000000");
    EXPECT_EQ(formatMicrosecond_as_Hour_compact_mc(from_hours(100), FORM_MILLISECONDS), "100:00,00,000");
    // 999 microseconds are not yet a millisecond.
    EXPECT_EQ(formatMicrosecond_as_Hour_compact_mc(1999, FORM_MILLISECONDS), "00:00,00,001");
    EXPECT_EQ(formatMicrosecond_as_Hour_compact_mc(1999, FORM_MICROSECONDS), "00:00,00,001999");
    EXPECT_EQ(formatMicrosecond_as_Hour_compact_mc(-us, FORM_MILLISECONDS), "-01:02,05,250");
    // The most negative count: 2^63 us = 2562047788 h 0 min 54 s 775808 us.
    EXPECT_EQ(formatMicrosecond_as_Hour_compact_mc(LLONG_MIN, FORM_MICROSECONDS), "-2562047788:00,54,775808");
    EXPECT_EQ(formatMicrosecond_as_Hour_compact(us), "01:02,05 hour");
}

TEST(TimeTools, MinuteFormats)
{
    EXPECT_EQ(formatMicrosecond_as_Minute_compact(61000000), "01,01 min");
    EXPECT_EQ(formatMicrosecond_as_Minute_compact(from_minutes(125) + 999999), "125,00 min");
    EXPECT_EQ(formatMicrosecond_as_Minute_compact_milli(61250000), "01,01.250 min");
    EXPECT_EQ(formatMicrosecond_as_Minute_compact_milli(5000), "00,00.005 min");
    EXPECT_EQ(formatMicrosecond_as_Minute(61250000), "1 min, 1 sec, 250.000 microseconds");
    EXPECT_EQ(formatMicrosecond_as_Minute(1234), "0 min, 0 sec, 1.234 microseconds");
    EXPECT_EQ(formatMicrosecond_as_Minute(-61000001), "-1 min, 1 sec, 1 microseconds");
}

TEST(TimeTools, LongDurationFormats)
{
    EXPECT_EQ(formatMicrosecond_as_Hour(3725250000LL), "1 hour, 2 minute, 5 second, 250.000 microseconds");
    EXPECT_EQ(formatMicrosecond_as_Hour(from_days(2)), "48 hour, 0 minute, 0 second, 0 microseconds");
    EXPECT_EQ(formatMicrosecond_as_Day(from_days(1) + 3725250000LL),
              "1 day, 1 hour, 2 minute, 5 second, 250.000 microseconds");
    EXPECT_EQ(formatMicrosecond_as_Year(from_days(366) + from_hours(1), false),
              "1 year, 1 day, 1 hour, 0 minute, 0 second, 0 microseconds");
    // An average year is 365 days 5 h 49 min 12 s, so 366 days leave 18 h 10 min 48 s.
    EXPECT_EQ(formatMicrosecond_as_Year(from_days(366), true),
              "1 year, 0 day, 18 hour, 10 minute, 48 second, 0 microseconds");
    EXPECT_EQ(formatMicrosecond_as_Year(from_days(364), true),
              "0 year, 364 day, 0 hour, 0 minute, 0 second, 0 microseconds");
}

TEST(TimeTools, DateTexts)
{
    {
        ZoneGuard zone("UTC");
        EXPECT_EQ(local_time_to_string(0, true), "1970-01-01  00:00:00");
        EXPECT_EQ(local_time_to_string(kLeapDay + 45015, true), "2000-02-29  12:30:15");
        EXPECT_EQ(local_time_to_string(kLeapDay + 45015, false), "2000-02-29");
        EXPECT_EQ(local_time_to_string(-1, true), "1969-12-31  23:59:59");
        EXPECT_EQ(time_as_string(kLeapDay, "%Y|%m|%d %H"), "2000|02|29 00");
    }
    {
        // One hour east of UTC, no daylight saving.
        ZoneGuard zone("XXX-1");
        EXPECT_EQ(local_time_to_string(0, true), "1970-01-01  01:00:00");
        EXPECT_EQ(utc_time_to_string(0, true), "1970-01-01  00:00:00");
        EXPECT_EQ(utc_time_to_string(kLeapDay - 1, false), "2000-02-28");
        EXPECT_EQ(time_as_string(0, "%H:%M"), "01:00");
    }
    // A year beyond the range of the calendar record.
    EXPECT_EQ(local_time_to_string(LLONG_MAX, true), "1970-01-01  01:00:00");
    EXPECT_EQ(utc_time_to_string(LLONG_MAX, false), "1970-01-01  01:00:00");
}

TEST(TimeTools, TimeAsStringReportsFailures)
{
    ZoneGuard zone("UTC");
    g_reports.clear();
    gen::diagnostics::Reporter const previous = gen::diagnostics::set_reporter(&capture);

    std::string const fits(127, 'x');
    EXPECT_EQ(time_as_string(0, fits), fits);
    EXPECT_TRUE(time_as_string(0, "").empty());
    EXPECT_TRUE(g_reports.empty());

    std::string const tooLong(128, 'x');
    EXPECT_EQ(time_as_string(0, tooLong), "");
    EXPECT_EQ(time_as_string(LLONG_MAX, "%Y"), "");

    gen::diagnostics::set_reporter(previous);
    ASSERT_EQ(g_reports.size(), 2u);
    EXPECT_EQ(g_reports[0], "GTime::time_as_string, Failed to format time, problems with <<<" + tooLong + ">>>");
    EXPECT_EQ(g_reports[1], "GTime::time_as_string, Failed to convert time, problems with <<<%Y>>>");
}
