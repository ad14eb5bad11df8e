#include <gen/qt/event/dim.h>

#include "support/RecordingSink.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

namespace dim = gen::qt::dim;

TEST(Dim, WidthsFallIntoTheirClassesAtEveryBoundary)
{
    EXPECT_EQ(dim::dimension_of_width(0), dim::TINY);
    EXPECT_EQ(dim::dimension_of_width(299), dim::TINY);
    EXPECT_EQ(dim::dimension_of_width(300), dim::SMALL);
    EXPECT_EQ(dim::dimension_of_width(598), dim::SMALL);
    EXPECT_EQ(dim::dimension_of_width(600), dim::MEDIUM);
    EXPECT_EQ(dim::dimension_of_width(898), dim::MEDIUM);
    EXPECT_EQ(dim::dimension_of_width(900), dim::LARGE);
    EXPECT_EQ(dim::dimension_of_width(1298), dim::LARGE);
    EXPECT_EQ(dim::dimension_of_width(1299), dim::XLARGE);
    EXPECT_EQ(dim::dimension_of_width(1920), dim::XLARGE);
}

TEST(Dim, WidthsBetweenTheNamedRangesBelongToTheLowerClass)
{
    // 599 and 899 are the last pixels of SMALL and MEDIUM, not XLARGE.
    EXPECT_EQ(dim::dimension_of_width(599), dim::SMALL);
    EXPECT_EQ(dim::dimension_of_width(899), dim::MEDIUM);
}

TEST(Dim, OrientationIsVerticalOnlyWhenTallerThanWide)
{
    EXPECT_EQ(dim::orientation_of(QSize(1920, 1080)), Qt::Horizontal);
    EXPECT_EQ(dim::orientation_of(QSize(1080, 1920)), Qt::Vertical);
    EXPECT_EQ(dim::orientation_of(QSize(800, 800)), Qt::Horizontal);
}

TEST(Dim, NamesOfClassesAndUnknownValues)
{
    EXPECT_EQ(dim::to_string(0), "uninitialized");
    EXPECT_EQ(dim::to_string(1), "TINY");
    EXPECT_EQ(dim::to_string(2), "SMALL");
    EXPECT_EQ(dim::to_string(3), "MEDIUM");
    EXPECT_EQ(dim::to_string(4), "LARGE");
    EXPECT_EQ(dim::to_string(5), "XLARGE");
    EXPECT_EQ(dim::to_string(6), "UNKNOWN-6");
    EXPECT_EQ(dim::to_string(4000000000u), "UNKNOWN-4000000000");
}

TEST(Dim, TooSmallOrMissingScreensCountAsThreeHundredSquare)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    EXPECT_EQ(dim::usable_size(QSize(1920, 1080)), QSize(1920, 1080));
    EXPECT_EQ(dim::usable_size(QSize(300, 300)), QSize(300, 300));
    EXPECT_TRUE(sink.lines().empty());

    EXPECT_EQ(dim::usable_size(QSize(299, 1000)), QSize(300, 300));
    EXPECT_TRUE(sink.contains("dim::get_size - really so small ? 299,1000"));
    EXPECT_EQ(dim::usable_size(QSize(1000, 10)), QSize(300, 300));

    sink.clear();
    EXPECT_EQ(dim::usable_size(QSize()), QSize(300, 300));
    EXPECT_TRUE(sink.lines().empty());
}

TEST(Dim, SizeAndClassComeFromThePrimaryScreen)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    dim::reset_cache();
    EXPECT_TRUE(sink.contains("reset_cache"));
    EXPECT_TRUE(sink.contains("ok, no size any more"));

    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    QSize const available = screen->availableGeometry().size();
    ASSERT_GE(available.width(), 300);
    ASSERT_GE(available.height(), 300);
    QSize const size = dim::get_size();
    EXPECT_EQ(size, available);
    EXPECT_EQ(dim::get_dimension(), dim::dimension_of_width(available.width()));
    EXPECT_TRUE(dim::is_dimension(dim::get_dimension()));
    EXPECT_EQ(dim::dimension_as_string(), dim::to_string(dim::get_dimension()));
    EXPECT_EQ(dim::get_orientation(), dim::orientation_of(available));
    EXPECT_NE(dim::is_orient_vert(), dim::is_orient_horz());
    int const matches = dim::is_tiny() + dim::is_small() + dim::is_medium() + dim::is_large() + dim::is_xlarge();
    EXPECT_EQ(matches, 1);

    QString const expected = QString("%1, %2x%3 => %4")
                                 .arg(available.height() > available.width() ? "VERTICAL" : "HORIZONTAL")
                                 .arg(available.width())
                                 .arg(available.height())
                                 .arg(dim::to_string(dim::dimension_of_width(available.width())));
    EXPECT_EQ(dim::get_info(), expected);
}
