#include <gen/qt/event/GOrientationDetector.h>
#include <gen/qt/event/dim.h>

#include "support/RecordingSink.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include <algorithm>

#include <vector>

using gen::qt::dim::GOrientationDetector;

TEST(GOrientationDetector, FollowsThePrimaryScreen)
{
    GOrientationDetector detector;
    EXPECT_EQ(detector.screen.data(), QGuiApplication::primaryScreen());
}

TEST(GOrientationDetector, TurnedScreenFiresVerticalThenHorizontal)
{
    GOrientationDetector detector;
    QSize available(1920, 1080);
    detector.fnAvailableSize = [&available] { return available; };
    std::vector<Qt::Orientation> fired;
    detector.lisOrientation += [&fired](Qt::Orientation const& o) { fired.push_back(o); };

    available = QSize(1080, 1920);
    detector.on_geometry_changed(QRect(0, 0, 1080, 1920));
    available = QSize(1920, 1080);
    detector.on_geometry_changed(QRect(0, 0, 1920, 1080));
    EXPECT_EQ(fired, (std::vector<Qt::Orientation>{Qt::Vertical, Qt::Horizontal}));
}

TEST(GOrientationDetector, ScreenSignalReachesTheHandlerAndLogs)
{
    ASSERT_NE(QGuiApplication::primaryScreen(), nullptr);
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    GOrientationDetector detector;
    detector.fnAvailableSize = [] { return QSize(600, 900); };
    std::vector<Qt::Orientation> fired;
    detector.lisOrientation += [&fired](Qt::Orientation const& o) { fired.push_back(o); };

    emit detector.screen->geometryChanged(QRect(1, 2, 600, 900));
    EXPECT_EQ(fired, (std::vector<Qt::Orientation>{Qt::Vertical}));
    EXPECT_TRUE(sink.contains("ORIENTATION CHANGED"));
    auto const texts = sink.texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "    RECT:1,2,600,900"), texts.end());
}

TEST(GOrientationDetector, DefaultSizeIsReadAfreshAfterAChange)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    GOrientationDetector detector;
    std::vector<Qt::Orientation> fired;
    detector.lisOrientation += [&fired](Qt::Orientation const& o) { fired.push_back(o); };
    detector.on_geometry_changed(QRect(0, 0, 10, 10));
    // The cached size was dropped, so a turned screen is not judged by its
    // old size.
    EXPECT_TRUE(sink.contains("reset_cache"));
    ASSERT_EQ(fired.size(), 1u);
    EXPECT_EQ(fired[0], gen::qt::dim::get_orientation());
}
