#include <gen/qt/GAction.h>
#include <gen/qt/GMenu.h>
#include <gen/tools/os.h>

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using gen::qt::GMenu;

namespace {

TEST(GMenuTest, MenuTakesParentFontAndKeepsNaturalWidthOffAndroid)
{
    QWidget parent;
    QFont font = parent.font();
    font.setPointSize(17);
    parent.setFont(font);
    GMenu* menu = GMenu::create_menu(&parent, 150);
    EXPECT_EQ(menu->parentWidget(), &parent);
    EXPECT_EQ(menu->font().pointSize(), 17);
    EXPECT_TRUE(menu->styleSheet().contains("QMenu::separator"));
    EXPECT_TRUE(menu->styleSheet().contains("#707070"));
    if constexpr (!gen::os::is_android()) {
        EXPECT_EQ(menu->minimumWidth(), 0);
        EXPECT_EQ(menu->maximumWidth(), QWIDGETSIZE_MAX);
    } else {
        EXPECT_EQ(menu->maximumWidth(), 150);
    }
    GMenu* sub = menu->create_sub_menu("Theme", 150);
    EXPECT_EQ(sub->title(), "Theme");
    EXPECT_EQ(sub->font().pointSize(), 17);
    EXPECT_EQ(menu->actions().last(), sub->menuAction());
}

TEST(GMenuTest, ActionsAreCheckableEnabledAndReportTheirClick)
{
    QWidget parent;
    GMenu* menu = GMenu::create_menu(&parent, 0);
    gen::qt::GAction* heading = menu->create_label("Bodies", gen::qt::font::BOLD);
    menu->create_separator();
    gen::qt::GAction* earth = menu->create_action("Earth", true, true, true, 200);
    gen::qt::GAction* moon = menu->create_action("Moon", true, false, true, 200);
    gen::qt::GAction* off = menu->create_action("Off", false, false, false, 200);

    EXPECT_FALSE(heading->isEnabled());
    EXPECT_TRUE(heading->font().bold());
    EXPECT_TRUE(menu->actions().at(1)->isSeparator());
    EXPECT_TRUE(earth->isChecked());
    EXPECT_FALSE(moon->isChecked());
    EXPECT_FALSE(off->isCheckable());
    EXPECT_FALSE(off->isEnabled());
    EXPECT_EQ(menu->actions().size(), 5);

    std::vector<bool> moonChecks;
    moon->lisChecked += [&](bool const& on) { moonChecks.push_back(on); };
    int offClicks = 0;
    off->lisTriggered += [&](int const&) { ++offClicks; };

    menu->popup(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(moon).center());
    EXPECT_EQ(moonChecks, (std::vector<bool>{true}));
    EXPECT_FALSE(menu->isVisible());

    menu->popup(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(off).center());
    EXPECT_EQ(offClicks, 0);
}

TEST(GMenuTest, ShowAtMousePosNeedsAParent)
{
    std::unique_ptr<GMenu> orphan(GMenu::create_menu(nullptr, 0));
    orphan->create_action("x");
    orphan->show_at_mouse_pos(10);
    EXPECT_FALSE(orphan->isVisible());

    QWidget parent;
    parent.show();
    GMenu* menu = GMenu::create_menu(&parent, 0);
    menu->create_action("x");
    QCursor::setPos(QPoint(50, 60));
    menu->show_at_mouse_pos(20);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

}  // namespace
