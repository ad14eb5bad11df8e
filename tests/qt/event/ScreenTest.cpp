// Screen size classes, the orientation detector and the primary-screen queries.
#include <gen/qt/event/GOrientationDetector.h>
#include <gen/qt/event/dim.h>
#include <gen/qt/event/screen.h>

#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

#include <vector>

namespace dim = gen::qt::dim;

TEST(Dim, WidthClassesEndAtTheirLastPixelSmallScreensCountAs300SquareAndThePrimaryScreenIsClassified)
{
    // 599 and 899 once fell between the classes.
    std::pair<int, char const*> const rows[] = {{299, "TINY"},   {300, "SMALL"}, {599, "SMALL"},
                                                {600, "MEDIUM"}, {899, "MEDIUM"}, {900, "LARGE"},
                                                {1298, "LARGE"}, {1299, "XLARGE"}};
    for (auto const& [width, name] : rows) {
        EXPECT_EQ(dim::to_string(dim::dimension_of_width(width)).toStdString(), name) << width;
    }
    EXPECT_EQ(dim::to_string(dim::UNINITIALIZED), "uninitialized");
    EXPECT_EQ(dim::to_string(4000000000u), "UNKNOWN-4000000000");

    std::pair<QSize, std::size_t> const sizes[] = {{{300, 300}, 0}, {{299, 1000}, 1}, {{1000, 299}, 1}, {QSize(), 0}};
    for (auto const& [available, warnings] : sizes) {
        test::LogCapture log(gen::log::LEVEL_DEBUG);
        EXPECT_EQ(dim::usable_size(available), QSize(300, 300));
        EXPECT_EQ(log.count("dim::get_size - really so small ?"), warnings);
    }
    // The primary screen's: Qt's offscreen platform has one 800 x 800 screen.
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 800));
    dim::reset_cache();
    EXPECT_EQ(dim::get_info() + " " + dim::dimension_as_string(), "HORIZONTAL, 800x800 => MEDIUM MEDIUM");
    EXPECT_TRUE(dim::is_medium() && dim::is_orient_horz());
    EXPECT_FALSE(dim::is_tiny() || dim::is_small() || dim::is_large() || dim::is_xlarge() || dim::is_orient_vert());
    bool ok = false;
    EXPECT_EQ(gen::os::get_view_port_size(ok), QSize(800, 800));
    EXPECT_TRUE(ok && !gen::os::is_small_device() && !gen::os::is_touch_device());
}

TEST(GOrientationDetector, ScreenChangesFireTheOrientationOfAFreshlyReadSize)
{
    test::LogCapture log(gen::log::LEVEL_DEBUG);
    dim::GOrientationDetector detector;
    ASSERT_NE(detector.screen, nullptr);
    std::vector<Qt::Orientation> fired;
    detector.lisOrientation += [&fired](Qt::Orientation const& o) { fired.push_back(o); };
    // Through the screen's own signal, as a turned device reports it; the
    // size cached before the turn must not decide.
    emit detector.screen->geometryChanged(QRect(1, 2, 10, 10));
    EXPECT_EQ(log.texts(), (std::vector<std::string>{"ORIENTATION CHANGED", "    RECT:1,2,10,10", "reset_cache",
                                                     "ok, no size any more"}));
    detector.fnAvailableSize = [] { return QSize(1080, 1920); };
    detector.on_geometry_changed({});
    EXPECT_EQ(fired, (std::vector<Qt::Orientation>{Qt::Horizontal, Qt::Vertical}));  // square counts as horizontal
}
