#include <gen/qt/GButton.h>
#include <gen/qt/GListView.h>
#include <gen/qt/GPanel.h>
#include <gen/qt/GPanelLogView.h>
#include <gen/qt/GLogView.h>
#include <gen/qt/GStyles.h>
#include <gen/qt/themes.h>

#include "support/RecordingSink.h"

#include <QApplication>
#include <QSlider>
#include <QStandardItemModel>

#include <gtest/gtest.h>

#include <memory>

namespace themes = gen::qt::themes;

namespace {

// Every test leaves the application on the normal theme and palette.
class ThemesTest : public ::testing::Test {
protected:
    void TearDown() override { themes::apply_the_theme(0); }

    test::LogLevelGuard level{4};
    test::RecordingSink sink;
};

TEST_F(ThemesTest, NamesMapBothWaysAndComparisonIsCaseSensitive)
{
    EXPECT_EQ(themes::theme_to_string(0), "normal");
    EXPECT_EQ(themes::theme_to_string(1), "dark");
    EXPECT_EQ(themes::theme_to_string(2), "green");
    EXPECT_EQ(themes::theme_to_string(3), "normal");
    EXPECT_EQ(themes::theme_to_string(99), "normal");

    EXPECT_EQ(themes::string_to_theme("normal"), 0);
    EXPECT_EQ(themes::string_to_theme("dark"), 1);
    EXPECT_EQ(themes::string_to_theme("green"), 2);
    EXPECT_EQ(themes::string_to_theme("Dark"), -1);
    EXPECT_EQ(themes::string_to_theme("GREEN"), -1);
    EXPECT_EQ(themes::string_to_theme(""), -1);
    EXPECT_EQ(themes::string_to_theme("dark "), -1);
}

TEST_F(ThemesTest, SetRefusesNumbersAboveTheMaximum)
{
    EXPECT_EQ(themes::get_max_theme(), 2u);
    themes::set(2);
    EXPECT_EQ(themes::get(), 2u);
    EXPECT_TRUE(themes::is_theme_green());
    EXPECT_EQ(themes::get_theme(), "green");

    themes::set(3);
    EXPECT_EQ(themes::get(), 2u);
    EXPECT_TRUE(sink.contains("gen::qt::theme::set, th > maxTheme, 3 > 2"));
    auto const lines = sink.lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().level, gen::log::LEVEL_ERROR);

    themes::set(0);
    EXPECT_TRUE(themes::is_theme_normal());
    EXPECT_FALSE(themes::is_theme_dark());
}

TEST_F(ThemesTest, PalettesCarryTheirThemeColours)
{
    QPalette const normal = themes::get_palette(0);
    EXPECT_EQ(normal.color(QPalette::Window), QColor("#efefef"));
    EXPECT_EQ(normal.color(QPalette::Highlight), QColor("#4ca3e0"));
    EXPECT_EQ(normal.color(QPalette::ToolTipBase), QColor(Qt::white));
    EXPECT_EQ(normal.color(QPalette::Disabled, QPalette::Text), QColor("#787878"));
    EXPECT_EQ(normal.color(QPalette::Disabled, QPalette::Button), QColor("#f0f0f0"));
    // The active group is not touched by the disabled colours.
    EXPECT_EQ(normal.color(QPalette::Active, QPalette::Text), QColor(Qt::black));

    QPalette const dark = themes::get_palette(1);
    EXPECT_EQ(dark.color(QPalette::Window), QColor("#353535"));
    EXPECT_EQ(dark.color(QPalette::Base), QColor("#232323"));
    EXPECT_EQ(dark.color(QPalette::HighlightedText), QColor(Qt::black));

    QPalette const green = themes::get_palette(2);
    EXPECT_EQ(green.color(QPalette::Window), QColor("#1e321e"));
    EXPECT_EQ(green.color(QPalette::WindowText), QColor("#c8ffc8"));
    EXPECT_EQ(green.color(QPalette::Button), QColor("#284628"));

    EXPECT_EQ(themes::get_palette(7), themes::get_palette_normal());
}

TEST_F(ThemesTest, ThemePathInsertsReplacesOrRemovesTheThemeFolder)
{
    EXPECT_EQ(themes::make_theme_path(":/wb/icons/wheel.svg", "dark"), ":/wb/icons/dark/wheel.svg");
    EXPECT_EQ(themes::make_theme_path(":/wb/icons/dark/wheel.svg", "green"), ":/wb/icons/green/wheel.svg");
    EXPECT_EQ(themes::make_theme_path(":/wb/icons/dark/wheel.svg", "normal"), ":/wb/icons/wheel.svg");
    EXPECT_EQ(themes::make_theme_path(":/wb/icons/green/wheel.svg", ""), ":/wb/icons/wheel.svg");
    EXPECT_FALSE(sink.contains("make_theme_path, toks.size() < 4"));
}

TEST_F(ThemesTest, ThemePathOfFewerThanFourPartsComesBackUnchanged)
{
    EXPECT_EQ(themes::make_theme_path(":/wb/wheel.svg", "dark"), ":/wb/wheel.svg");
    EXPECT_TRUE(sink.contains("make_theme_path, toks.size() < 4"));
    sink.clear();
    EXPECT_EQ(themes::make_theme_path("", "dark"), "");
    EXPECT_TRUE(sink.contains("make_theme_path, toks.size() < 4"));
}

TEST_F(ThemesTest, ApplyingDarkRethemesApplicationPaletteAndButtonIcons)
{
    auto panel = std::make_unique<gen::qt::GPanel>(gen::qt::LAYOUT_VERT);
    auto* button = panel->create<gen::qt::GButton>(":/wb/icons/wheel.svg");
    ASSERT_EQ(button->get_icon_res(), ":/wb/icons/wheel.svg");

    themes::apply_the_theme(1);
    EXPECT_EQ(themes::get(), 1u);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor("#353535"));
    EXPECT_EQ(button->get_icon_res(), ":/wb/icons/dark/wheel.svg");
    EXPECT_TRUE(sink.contains("gen::qt::theme::apply_the_theme:1, dark"));

    themes::apply_theme("green");
    EXPECT_EQ(button->get_icon_res(), ":/wb/icons/green/wheel.svg");

    themes::apply_theme("normal");
    EXPECT_EQ(button->get_icon_res(), ":/wb/icons/wheel.svg");
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor("#efefef"));
}

TEST_F(ThemesTest, ApplyingDarkLeavesListViewsAndSlidersToTheirWindows)
{
    gen::qt::GPanel panel(gen::qt::LAYOUT_VERT);
    auto* list = new gen::qt::GListView(new QStandardItemModel);
    panel.add_widget(list);
    auto* slider = new QSlider(Qt::Horizontal);
    panel.add_widget(slider);
    gen::qt::styles::set_slider_handle(slider, Qt::Horizontal, 0);
    QString const sliderSheet = slider->styleSheet();

    themes::apply_the_theme(1);
    EXPECT_EQ(list->styleSheet(), gen::qt::GListView::get_style_normal());
    EXPECT_EQ(slider->styleSheet(), sliderSheet);
}

TEST_F(ThemesTest, MissingThemedIconLeavesTheButtonIconAlone)
{
    // Body maps have no dark or green variants.
    gen::qt::GButton button(":/wb/img/2k_moon.jpg");
    ASSERT_EQ(button.get_icon_res(), ":/wb/img/2k_moon.jpg");
    qint64 const key = button.icon().cacheKey();

    themes::apply_the_theme(1);
    EXPECT_EQ(button.get_icon_res(), ":/wb/img/2k_moon.jpg");
    EXPECT_EQ(button.icon().cacheKey(), key);
    EXPECT_TRUE(sink.contains("resource does not exist: :/wb/img/dark/2k_moon.jpg"));
}

TEST_F(ThemesTest, UnknownNamesAndNumbersChangeNothing)
{
    themes::apply_theme("Dark");
    EXPECT_EQ(themes::get(), 0u);
    themes::apply_the_theme(3);
    EXPECT_EQ(themes::get(), 0u);
    EXPECT_TRUE(sink.contains("gent::qt::theme::apply_the_theme, theTheme > get_max_theme(), 3 > 2"));
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor("#efefef"));

    themes::set(2);
    themes::refresh_theme();
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor("#1e321e"));
}

TEST_F(ThemesTest, PaletteChangeFiresEveryPanelsThemeListener)
{
    gen::qt::GPanel outer(gen::qt::LAYOUT_VERT);
    gen::qt::GPanel* inner = outer.create_pan_horz();
    std::vector<unsigned int> outerSeen;
    std::vector<unsigned int> innerSeen;
    outer.lisTheme += [&](unsigned int const& th) { outerSeen.push_back(th); };
    inner->lisTheme += [&](unsigned int const& th) { innerSeen.push_back(th); };

    // Qt delivers the application palette change to widgets as posted events.
    themes::apply_the_theme(1);
    QApplication::processEvents();
    ASSERT_FALSE(outerSeen.empty());
    ASSERT_FALSE(innerSeen.empty());
    EXPECT_EQ(outerSeen.back(), 1u);
    EXPECT_EQ(innerSeen.back(), 1u);

    themes::apply_the_theme(2);
    QApplication::processEvents();
    EXPECT_EQ(outerSeen.back(), 2u);
    EXPECT_EQ(innerSeen.back(), 2u);
}

TEST_F(ThemesTest, ApplyingAThemeReachesEveryLogPanel)
{
    gen::qt::GPanelLogView first;
    gen::qt::GPanelLogView second;
    themes::apply_the_theme(2);
    EXPECT_EQ(first.get_view()->get_theme(), 2u);
    EXPECT_EQ(second.get_view()->get_theme(), 2u);
    themes::apply_the_theme(0);
    EXPECT_EQ(first.get_view()->get_theme(), 0u);
}

TEST_F(ThemesTest, MonoFontIsATypewriterFamily)
{
    QFont const font = themes::get_mono_font();
    EXPECT_EQ(font.family(), "Monospace");
    EXPECT_EQ(font.styleHint(), QFont::TypeWriter);
}

}  // namespace
