#include <gen/math/ViewPort.h>

#include "support/Fuzzy.h"

#include <gtest/gtest.h>

using gen::math::ViewPort;

TEST(ViewPort, NdcRunsLeftToRightAndBottomToTop)
{
    ViewPort const vp{800.0f, 600.0f};
    EXPECT_TRUE(test::near(vp.get_ndc(QPoint(0, 0)), glm::vec2(-1.0f, 1.0f), 1e-6f));
    EXPECT_TRUE(test::near(vp.get_ndc(QPoint(800, 600)), glm::vec2(1.0f, -1.0f), 1e-6f));
    EXPECT_TRUE(test::near(vp.get_ndc(QPoint(400, 300)), glm::vec2(0.0f, 0.0f), 1e-6f));
    EXPECT_TRUE(test::near(vp.get_ndc(QPoint(200, 450)), glm::vec2(-0.5f, -0.5f), 1e-6f));
    // Outside the surface the mapping simply continues.
    EXPECT_TRUE(test::near(vp.get_ndc(QPoint(-400, 900)), glm::vec2(-2.0f, -2.0f), 1e-6f));
}

TEST(ViewPort, MiddleAndValidity)
{
    ViewPort const odd{801.0f, 3.0f};
    EXPECT_EQ(odd.middle(), QPointF(400.5, 1.5));
    EXPECT_TRUE(odd.is_valid());
    EXPECT_TRUE(static_cast<bool>(odd));

    EXPECT_FALSE(ViewPort{}.is_valid());
    EXPECT_FALSE((ViewPort{0.0f, 600.0f}.is_valid()));
    EXPECT_FALSE((ViewPort{800.0f, 0.0f}.is_valid()));
    EXPECT_FALSE((ViewPort{-5.0f, 600.0f}.is_valid()));
    EXPECT_FALSE(static_cast<bool>(ViewPort{}));
}

TEST(ViewPort, TextForms)
{
    EXPECT_EQ((ViewPort{800.0f, 600.0f}.to_string()), QStringLiteral("800.00 / 600.00, aspect:1.33"));
    EXPECT_EQ((ViewPort{1.0f, 3.0f}.to_string()), QStringLiteral("1.00 / 3.00, aspect:0.33"));
    // A quotient that is not finite reads as 1; a zero width alone is finite.
    EXPECT_EQ(ViewPort{}.to_string(), QStringLiteral("0.00 / 0.00, aspect:1.00"));
    EXPECT_EQ((ViewPort{800.0f, 0.0f}.to_string()), QStringLiteral("800.00 / 0.00, aspect:1.00"));
    EXPECT_EQ((ViewPort{0.0f, 600.0f}.to_string()), QStringLiteral("0.00 / 600.00, aspect:0.00"));
}
