#include <gen/qt/event/DeltaMouse.h>

#include "support/RecordingSink.h"

#include <gtest/gtest.h>

using gen::qt::event::DeltaMouse;

TEST(DeltaMouse, DeltasAfterThreePoints)
{
    DeltaMouse delta;
    delta.from_point(QPoint(0, 0));
    delta.from_point(QPoint(5, 0));
    delta.from_point(QPoint(5, 5));
    EXPECT_EQ(delta.delta_all(), QPoint(5, 5));
    EXPECT_EQ(delta.delta_last(), QPoint(0, 5));
    EXPECT_TRUE(delta.has_data());
    EXPECT_EQ(delta.to_string(), "[0,0] [5,0] [5,5], DELTA all [5,5], DELTA prev [0,5]");
}

TEST(DeltaMouse, FirstPointIsStartPreviousAndCurrent)
{
    DeltaMouse delta;
    delta.from_point(QPoint(7, -3));
    EXPECT_EQ(delta.ptStart, QPoint(7, -3));
    EXPECT_EQ(delta.ptPrevious, QPoint(7, -3));
    EXPECT_EQ(delta.ptCurrent, QPoint(7, -3));
    EXPECT_EQ(delta.delta_all(), QPoint(0, 0));
    EXPECT_EQ(delta.delta_last(), QPoint(0, 0));
    // No movement yet.
    EXPECT_FALSE(delta.has_data());
}

TEST(DeltaMouse, RepeatedPointHasNoData)
{
    DeltaMouse delta;
    delta.from_point(QPoint(1, 1));
    delta.from_point(QPoint(4, 1));
    delta.from_point(QPoint(4, 1));
    EXPECT_FALSE(delta.has_data());
    EXPECT_EQ(delta.delta_all(), QPoint(3, 0));
}

TEST(DeltaMouse, WithoutStartEverythingIsEmptyAndHasDataSaysWhy)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    DeltaMouse delta;
    delta.from_point(QPoint(2, 2));
    delta.from_point(QPoint(9, 9));
    delta.reset();
    EXPECT_FALSE(delta.ptStart || delta.ptPrevious || delta.ptCurrent);
    EXPECT_EQ(delta.delta_all(), QPoint(0, 0));
    EXPECT_EQ(delta.delta_last(), QPoint(0, 0));
    EXPECT_EQ(delta.to_string(), "[INVALID]");
    EXPECT_FALSE(delta.has_data());
    EXPECT_TRUE(sink.contains("DeltaMouse::has_data - ptStart ?"));

    // A reset starts a new movement from the next point.
    delta.from_point(QPoint(20, 20));
    delta.from_point(QPoint(21, 20));
    EXPECT_EQ(delta.delta_all(), QPoint(1, 0));
}
