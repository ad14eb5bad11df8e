#include <gen/qt/GButton.h>
#include <gen/qt/GPanel.h>
#include <gen/qt/guitools/GGui.h>

#include <QFontMetrics>
#include <QTest>

#include <gtest/gtest.h>

using gen::qt::GButton;

namespace {

TEST(GButtonTest, IconPathTextGivesAnIconButtonWithoutText)
{
    gen::qt::GPanel panel(gen::qt::LAYOUT_HORZ);
    auto* button = panel.create<GButton>(":/wb/icons/wheel.svg", "Options");
    EXPECT_EQ(button->text(), "");
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_EQ(button->get_icon_res(), ":/wb/icons/wheel.svg");
    EXPECT_EQ(button->toolTip(), "Options");
    EXPECT_FALSE(gen::qt::has_id(button));
}

TEST(GButtonTest, MissingIconResourceLeavesIconPathEmpty)
{
    GButton button(":/wb/icons/no_such_icon.svg");
    EXPECT_EQ(button.text(), "");
    EXPECT_TRUE(button.icon().isNull());
    EXPECT_TRUE(gen::qt::has_icon_res(&button));
    EXPECT_EQ(button.get_icon_res(), "");

    // A later missing icon empties the path but keeps the icon shown.
    button.set_icon_res(":/wb/icons/copy.svg");
    EXPECT_EQ(button.get_icon_res(), ":/wb/icons/copy.svg");
    button.set_icon_res(":/wb/icons/gone.svg");
    EXPECT_EQ(button.get_icon_res(), "");
    EXPECT_FALSE(button.icon().isNull());
}

TEST(GButtonTest, TextBecomesIdUnlessAnIdIsGiven)
{
    GButton plain("all");
    EXPECT_EQ(plain.text(), "all");
    EXPECT_EQ(gen::qt::get_id(&plain), "all");
    GButton named("all", "", "btnAll");
    EXPECT_EQ(gen::qt::get_id(&named), "btnAll");
    EXPECT_EQ(named.toolTip(), "");
    named.set_id("other");
    EXPECT_TRUE(gen::qt::is_id(&named, "other"));
}

TEST(GButtonTest, UserClickFiresTheClickedListener)
{
    GButton button("Go");
    int clicks = 0;
    button.lisClicked += [&]() { ++clicks; };
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    QTest::keyClick(&button, Qt::Key_Space);
    EXPECT_EQ(clicks, 2);
    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
}

TEST(GButtonTest, SetCheckedWithoutNotifyChangesStateOnly)
{
    GButton button("Fly");
    button.setCheckable(true);
    int clicks = 0;
    button.lisClicked += [&]() { ++clicks; };
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    ASSERT_TRUE(button.isChecked());
    ASSERT_EQ(clicks, 1);

    button.set_checked(false, false);
    EXPECT_FALSE(button.isChecked());
    EXPECT_EQ(clicks, 1);
    // The listener works again afterwards.
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(button.isChecked());
}

TEST(GButtonTest, AdaptSizeToFontLimitsWidthToTextPlusMargins)
{
    GButton button("VIEW");
    button.adapt_size_to_font(8);
    int const expected = QFontMetrics(button.font()).horizontalAdvance("VIEW") + 16;
    EXPECT_EQ(button.maximumWidth(), expected);
    EXPECT_LE(button.width(), expected);

    GButton icon(":/wb/icons/wheel.svg");
    int const before = icon.maximumWidth();
    icon.adapt_size_to_font(8);
    EXPECT_EQ(icon.maximumWidth(), before);
}

TEST(GButtonTest, StringSetterFormatsTheText)
{
    GButton button("R");
    button.set_string("Mode $ of $", 2, 3);
    EXPECT_EQ(button.text(), "Mode 2 of 3");
    button.set_string("Grüße");
    EXPECT_EQ(button.text(), QString::fromUtf8("Grüße"));
    button.set_text_toolTip("T", "tip");
    EXPECT_EQ(button.text(), "T");
    EXPECT_EQ(button.toolTip(), "tip");
}

}  // namespace
