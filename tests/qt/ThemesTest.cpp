// Themes, the style sheets that follow them and the GUI helpers.
#include <gen/qt/GButton.h>
#include <gen/qt/GLogView.h>
#include <gen/qt/GPanelLogView.h>
#include <gen/qt/GStyles.h>
#include <gen/qt/guitools/GGui.h>
#include <gen/qt/themes.h>

#include "qt/Contrast.h"
#include "support/LogCapture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QSlider>
#include <QTemporaryFile>
#include <QTest>

#include <gtest/gtest.h>

namespace gq = gen::qt;
namespace themes = gen::qt::themes;
using gen::qt::GButton;

namespace {

bool shows(unsigned int th)
{
    return QApplication::palette().color(QPalette::Window) == themes::get_palette(th).color(QPalette::Window);
}

// Every test leaves the application on the normal theme and palette.
class ThemesTest : public ::testing::Test {
protected:
    void TearDown() override { themes::apply_the_theme(0); }
    test::LogCapture log;
};

// Unknown names and numbers change nothing, theme 3 gets the normal palette;
// icon paths gain or lose the theme folder.
TEST_F(ThemesTest, NamesPalettesAndIconPathsFollowTheKnownThemesOnly)
{
    for (unsigned int th = 0; th <= 3; ++th) {
        EXPECT_EQ(themes::string_to_theme(themes::theme_to_string(th)), static_cast<int>(th % 3));
        QPalette const pal = themes::get_palette(th);
        for (auto [fore, back] : {std::pair{QPalette::WindowText, QPalette::Window}, {QPalette::Text, QPalette::Base},
                                  {QPalette::ButtonText, QPalette::Button}}) {
            EXPECT_GE(test::contrast(pal.color(fore), pal.color(back)), 4.5) << th << " role " << fore;
        }
    }
    themes::apply_theme("Dark");
    themes::apply_the_theme(3);
    EXPECT_TRUE(themes::get() == 0u && log.contains("apply_the_theme, theTheme > get_max_theme(), 3 > 2"));
    themes::set(2);
    themes::set(3);
    EXPECT_TRUE(log.contains("set, th > maxTheme, 3 > 2") && log.lines().back().level == gen::log::LEVEL_ERROR);
    EXPECT_TRUE(themes::is_theme_green() && !themes::is_theme_dark() && !themes::is_theme_normal());
    EXPECT_TRUE(themes::is_theme(2) && themes::get_theme() == "green");
    themes::refresh_theme();
    EXPECT_TRUE(shows(2));
    for (auto [path, theme, expected] : {std::tuple{":/wb/icons/wheel.svg", "dark", ":/wb/icons/dark/wheel.svg"},
                                         {":/wb/icons/dark/wheel.svg", "normal", ":/wb/icons/wheel.svg"},
                                         {":/wb/icons/green/wheel.svg", "", ":/wb/icons/wheel.svg"},
                                         {":/wb/wheel.svg", "dark", ":/wb/wheel.svg"}, {"", "dark", ""}}) {
        log.clear();
        EXPECT_EQ(themes::make_theme_path(path, theme), expected);
        // Paths of fewer than four parts come back unchanged, with a line.
        EXPECT_EQ(log.contains("make_theme_path, toks.size() < 4"), QString(path).count('/') < 3) << path;
    }
}

// Icons without a themed variant are left alone; destroyed subscribers are not.
TEST_F(ThemesTest, ApplyingAThemeReachesEveryLiveSubscriber)
{
    gen::qt::GPanel panel(gen::qt::LAYOUT_VERT);
    auto* button = panel.create<GButton>(":/wb/icons/wheel.svg");
    auto* moon = panel.create<GButton>(":/wb/img/2k_moon.jpg");  // body maps have no variants
    std::vector<unsigned int> seen;
    panel.create_pan_horz()->lisTheme += [&](unsigned int const& th) { seen.push_back(th); };
    gen::qt::GPanelLogView logPanel;
    gen::qt::GLogView view;
    int calls = 0;
    auto owner = std::make_unique<QObject>();
    themes::follow_theme(owner.get(), [&calls](unsigned int) { ++calls; });
    themes::apply_the_theme(0);
    owner.reset();
    themes::apply_the_theme(1);
    ASSERT_EQ(calls, 1);  // the destroyed owner is skipped
    // Under AddressSanitizer a call into either would be a use after free.
    std::make_unique<GButton>(":/wb/icons/wheel.svg").reset();
    std::make_unique<gen::qt::GPanelLogView>().reset();
    for (auto [name, icon, theme] : {std::tuple{"dark", ":/wb/icons/dark/wheel.svg", 1u},
                                     {"green", ":/wb/icons/green/wheel.svg", 2u},
                                     {"normal", ":/wb/icons/wheel.svg", 0u}}) {
        SCOPED_TRACE(name);
        themes::apply_theme(name);
        QApplication::processEvents();  // Qt posts the palette change
        EXPECT_TRUE(themes::get() == theme && shows(theme));
        EXPECT_EQ(button->get_icon_res(), icon);
        EXPECT_EQ(logPanel.get_view()->get_theme() + view.get_theme(), 2 * theme);
        EXPECT_TRUE(!seen.empty() && seen.back() == theme);
    }
    EXPECT_TRUE(moon->get_icon_res() == ":/wb/img/2k_moon.jpg"
                && log.contains("resource does not exist: :/wb/img/dark/2k_moon.jpg"));
}

// A slider's handle stands out from its groove in every theme.
TEST(GStylesTest, SliderHandleStandsOutInEveryTheme)
{
    QSlider slider;
    QRegularExpression const colour(R"(handle[^}]*background: (#\w+);.*groove[^}]*background: (#\w+);)");
    for (unsigned int theme = 0; theme <= 2; ++theme) {
        gen::qt::styles::set_slider_handle(&slider, Qt::Vertical, theme);
        QRegularExpressionMatch const m = colour.match(slider.styleSheet());
        EXPECT_GE(test::contrast(QColor(m.captured(1)), QColor(m.captured(2))), 2.0) << theme;
    }
}

// A button whose class name carries a namespace, as moc names a Q_OBJECT
// class in gen::qt. With no moc here the meta-object is built by hand: the
// name and nothing beyond QPushButton's (revision 10).
struct ClassName { uint offsetsAndSizes[2]; char text[19]; };
constexpr ClassName kPadName{{offsetof(ClassName, text), 18}, "gen::qt::PadButton"};
constexpr uint kPadData[15] = {10};

class PadButton : public QPushButton {
public:
    using QPushButton::QPushButton;
    QMetaObject const* metaObject() const override { return &meta; }
    static inline QMetaObject const meta{{QMetaObject::SuperData::link<QPushButton::staticMetaObject>(),
                                          &kPadName.offsetsAndSizes[0], kPadData, nullptr, nullptr, nullptr,
                                          nullptr}};
};

// Null arguments included. Only push buttons and combo boxes have a content
// padding to read, the combo box's arrow on the right.
TEST(GGuiTest, HelpersAnswerAndTolerateNullArgumentsAndReadDroppedFiles)
{
    test::LogCapture log;
    QObject obj;
    gq::set_id(&obj, "btnGo");
    gq::set_id(nullptr, "x");
    EXPECT_TRUE(gq::has_id(&obj) && gq::has_property(&obj, "id") && gq::get_id(&obj) == "btnGo"
                && gq::is_id(&obj, "btnGo") && !gq::is_id(&obj, "btngo") && !gq::is_id(&obj, ""));
    QLabel label;
    EXPECT_TRUE(!gq::has_id(&label) && !gq::is_id(&label, "") && gq::get_id(nullptr).isEmpty()
                && !gq::is_id(nullptr, "x") && !gq::has_id(nullptr));
    EXPECT_TRUE(gq::get_qtype_name(&label) == "QLabel" && gq::get_qtype_name(nullptr) == "nullptr");
    gq::set_background(&label, QColor("#192819"));
    EXPECT_TRUE(label.autoFillBackground() && label.palette().color(QPalette::Window) == QColor("#192819"));
    PadButton button("go");
    gq::set_icon(&button, ":/wb/icons/copy.svg");
    gq::set_icon<QPushButton>(nullptr, ":/wb/icons/copy.svg");
    EXPECT_TRUE(!button.icon().isNull() && gq::has_icon_res(&button) && !gq::has_icon_res(&obj)
                && button.property("sIcon").toString() == ":/wb/icons/copy.svg");
    EXPECT_TRUE(gq::does_res_exist(":/wb/icons/dark/wheel.svg") && !log.contains("does not exist"));
    EXPECT_TRUE(!gq::does_res_exist(":/wb/icons/blue/wheel.svg") && !gq::does_res_exist("")
                && log.contains("resource does not exist: :/wb/icons/blue/wheel.svg"));
    QSlider slider(Qt::Horizontal);
    std::vector<int> hooked;
    gq::event::val_changed(&slider, [&](int v) { hooked.push_back(v); });
    gq::event::clicked(&button, [&]() { hooked.push_back(0); });
    gq::event::clicked(nullptr, [&]() { hooked.push_back(-1); });
    QTest::keyClick(&slider, Qt::Key_End);
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(hooked, (std::vector<int>{99, 0}));
    gq::toggle_full_screen(nullptr);  // no active window: nothing to toggle
    gq::toggle_full_screen(&label);
    EXPECT_TRUE(gq::is_fullscreen(&label));
    gq::toggle_full_screen(&label);
    EXPECT_FALSE(gq::is_fullscreen(&label) || gq::is_fullscreen(nullptr));
    EXPECT_TRUE(gq::dp_to_px(10) == static_cast<int>(10 * qApp->devicePixelRatio()) && gq::is_pc_desktop()
                && !gq::is_mobile_device() && gq::get_theme() == gq::themes::get_theme()
                && QSize(gq::get_max_screen_width(), gq::get_max_screen_height())
                       == QGuiApplication::primaryScreen()->geometry().size());
    gq::GPadding{1, 2, 3, 4}.set_padding(&button);
    gq::GPadding{}.set_padding(nullptr);
    EXPECT_TRUE(button.styleSheet().startsWith("gen--qt--PadButton { padding-left: 1px; padding-right: 2px;"));
    button.resize(120, 40);
    QComboBox combo;
    combo.resize(120, 30);
    gq::GPadding const read = gq::GPadding::from_QWidget(&button);
    gq::GPadding const comboPad = gq::GPadding::from_QWidget(&combo);
    EXPECT_TRUE(read.left >= 0 && read.left + read.right < 120 && comboPad.right > comboPad.left);
    EXPECT_EQ(gq::GPadding::from_QWidget(&label).to_string() + gq::GPadding::from_QWidget(nullptr).to_string(),
              "0,0,0,00,0,0,0");
    gq::copy_to_clipboard("Grüße");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("Grüße"));
    // A dropped file is read and its size grouped.
    QTemporaryFile file;
    ASSERT_TRUE(file.open() && file.write(QByteArray(1234, 'x')) == 1234 && file.flush());
    QByteArray path = file.fileName().toUtf8();
    gq::on_file_dropped(path.data(), static_cast<unsigned int>(path.size()));
    EXPECT_TRUE(log.contains("read 1.234 bytes from " + path.toStdString()));
    path += ".gone";
    gq::on_file_dropped(path.data(), 0);
    EXPECT_TRUE(log.contains("ERROR opening " + path.toStdString()));
}

}  // namespace
