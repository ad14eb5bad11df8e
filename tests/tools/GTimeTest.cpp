#include <gen/tools/GTime.h>

#include "support/ZoneGuard.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <ctime>
#include <string>

using gen::time::GTime;

namespace {

using test::ZoneGuard;

// 2000-02-29 12:30:15 UTC, a Tuesday, day 60 of its year.
constexpr long long kInstant = 951827415;

GTime at_instant()
{
    GTime t(0ULL);
    t.from_mc(kInstant * 1000000LL);
    return t;
}

}  // namespace

TEST(GTime, ConstructionAndUnits)
{
    GTime fixed(1234567890123ULL);
    EXPECT_EQ(fixed.getMicroseconds(), 1234567890123LL);
    EXPECT_EQ(fixed.getMilliseconds(), 1234567890LL);
    EXPECT_EQ(fixed.getSeconds(), 1234567LL);
    EXPECT_EQ(fixed.getRelativeMilliseconds(), 890);

    // Before the epoch the milliseconds within the second still count up.
    fixed.from_mc(-1);
    EXPECT_EQ(fixed.getRelativeMilliseconds(), 999);

    // "Now" for either argument: after 2020-01-01.
    EXPECT_GT(GTime(true).getSeconds(), 1577836800LL);
    EXPECT_GT(GTime(false).getSeconds(), 1577836800LL);
}

TEST(GTime, SetTimeFromCalendarFields)
{
    GTime t(0ULL);
    ASSERT_TRUE(t.set_time(2000, 2, 29, 12, 30, 15));
    EXPECT_EQ(t.getMicroseconds(), kInstant * 1000000LL);

    // Fields out of range roll over into the next unit.
    ASSERT_TRUE(t.set_time(1999, 13, 1, 0, 0, 0));
    EXPECT_EQ(t.getSeconds(), 946684800LL);  // 2000-01-01
    ASSERT_TRUE(t.set_time(2000, 1, 1, 0, 0, -1));
    EXPECT_EQ(t.getSeconds(), 946684799LL);
    ASSERT_TRUE(t.set_time(2000, 3, 0, 12, 30, 15));
    EXPECT_EQ(t.getSeconds(), kInstant);
    ASSERT_TRUE(t.set_time(1970, 1, 1, 0, 0, 0));
    EXPECT_EQ(t.getMicroseconds(), 0);

    // A year that the calendar cannot hold leaves the time point alone.
    EXPECT_FALSE(t.set_time(40000, 1, 1, 0, 0, 0));
    EXPECT_EQ(t.getMicroseconds(), 0);

    std::tm tm{};
    tm.tm_year = 100;
    tm.tm_mon = 1;
    tm.tm_mday = 29;
    tm.tm_hour = 12;
    tm.tm_min = 30;
    tm.tm_sec = 15;
    ASSERT_TRUE(t.from_tm(tm));
    EXPECT_EQ(t.getSeconds(), kInstant);
}

TEST(GTime, ArithmeticAndComparison)
{
    GTime const start = at_instant();
    long long const us = start.getMicroseconds();
    GTime t = start;

    t.add_days(1);
    EXPECT_EQ(t.getMicroseconds() - us, 86400000000LL);
    t = start;
    t.add_weeks(-1);
    EXPECT_EQ(t.getMicroseconds() - us, -7 * 86400000000LL);
    t = start;
    t.add_months(1);
    EXPECT_EQ(t.getMicroseconds() - us, 28 * 86400000000LL);
    t = start;
    t.add_years(1);
    EXPECT_EQ(t.getMicroseconds() - us, 365 * 86400000000LL);
    t = start;
    t.add(5);
    t.add_minutes(1);
    t.add_hours(-1);
    EXPECT_EQ(t.getMicroseconds() - us, 5000000LL + 60000000LL - 3600000000LL);
    t = start;
    t.add_microseconds(7);
    t.minus_microseconds(10);
    EXPECT_EQ(t.getMicroseconds() - us, -3);

    // The 64-bit count saturates at its ends.
    t.from_mc(LLONG_MAX - 1);
    t.add_seconds(1);
    EXPECT_EQ(t.getMicroseconds(), LLONG_MAX);
    t.from_mc(-1);
    t.minus_microseconds(LLONG_MIN);
    EXPECT_EQ(t.getMicroseconds(), LLONG_MAX);

    GTime later = start;
    later.add_microseconds(1);
    EXPECT_EQ(start.compare(later), -1);
    EXPECT_EQ(later.compare(start), 1);
    EXPECT_EQ(start.compare(at_instant()), 0);
    EXPECT_TRUE(start < later);
    EXPECT_TRUE(start <= later);
    EXPECT_TRUE(later > start);
    EXPECT_TRUE(later >= start);
    EXPECT_TRUE(start != later);
    EXPECT_TRUE(start == at_instant());
    EXPECT_FALSE(start > later);
}

TEST(GTime, LocalCalendarFields)
{
    ZoneGuard zone("UTC");
    GTime t = at_instant();
    EXPECT_EQ(t.tm_year(), 2000);
    EXPECT_EQ(t.tm_month(), 2);
    EXPECT_EQ(t.tm_day(), 29);
    EXPECT_EQ(t.tm_hour(), 12);
    EXPECT_EQ(t.tm_min(), 30);
    EXPECT_EQ(t.tm_sec(), 15);
    EXPECT_EQ(t.tm_day_of_week(), 2);
    EXPECT_EQ(t.tm_yearDay(), 59);
    EXPECT_EQ(t.day_of_week("de"), "Dienstag");
    EXPECT_EQ(t.day_of_week("ru"), "Вторник");
    EXPECT_EQ(t.day_of_week("en"), "Tuesday");
    EXPECT_EQ(t.day_of_week(""), "Tuesday");

    // The cached fields follow changes of the time point, in copies too.
    GTime copy = t;
    copy.add_days(5);  // Sunday 2000-03-05
    EXPECT_EQ(copy.tm_month(), 3);
    EXPECT_EQ(copy.tm_day(), 5);
    EXPECT_EQ(copy.day_of_week("de"), "Sonntag");
    EXPECT_EQ(t.tm_day(), 29);

    t.from_mc(-1);
    EXPECT_EQ(t.tm_year(), 1969);
    EXPECT_EQ(t.tm_month(), 12);
    EXPECT_EQ(t.tm_sec(), 59);

    // The last representable microsecond: 9223372036854 s are 292277.02
    // average years after 1970, early in the year 294247.
    t.from_mc(LLONG_MAX);
    EXPECT_EQ(t.tm_year(), 294247);
    EXPECT_EQ(t.tm_month(), 1);
}

TEST(GTime, TextForms)
{
    GTime const t = at_instant();
    {
        ZoneGuard zone("UTC");
        EXPECT_EQ(t.toString("%H.%M.%S"), "12.30.15");
        EXPECT_EQ(t.create_file_name("%Y%m%d"), "20000229");
        EXPECT_EQ(t.toString_year_month_day(), "2000/02/29");
        EXPECT_EQ(t.create_second_file_name(), "2000-02-29---12-30-15");
        EXPECT_EQ(t.create_GMT_time(), "Tue, 29 Feb 2000 12:30:15 GMT");
        EXPECT_EQ(t.create_Mail_time("+0000"), "29 Feb 2000 12:30:15 +0000");
        EXPECT_EQ(t.create_Mail_time(""), "29 Feb 2000 12:30:15");
    }
    {
        // One hour east of UTC: local forms move, the GMT form does not.
        ZoneGuard zone("XXX-1");
        GTime local = t;
        local.add_microseconds(250000);
        EXPECT_EQ(local.tm_hour(), 13);
        EXPECT_EQ(local.create_second_file_name(), "2000-02-29---13-30-15");
        EXPECT_EQ(local.create_GMT_time(), "Tue, 29 Feb 2000 12:30:15 GMT");
        EXPECT_EQ(local.create_Mail_time("+0100"), "29 Feb 2000 13:30:15 +0100");
        EXPECT_EQ(local.getTimeString(gen::time::FORM_MILLISECONDS), "13:30:15,250");
        EXPECT_EQ(local.getTimeString(gen::time::FORM_MICROSECONDS), "13:30:15,250000");
        EXPECT_EQ(local.getTheTimeString(), "2000-02-29 13:30:15,250000");
    }
}
