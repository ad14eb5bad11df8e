#include "qt/TestWindow.h"
#include "qt/WindowDriver.h"

#include "support/RecordingSink.h"
#include "support/TempStore.h"

#include <gen/log/GLog.h>
#include <gen/qt/GApp.h>
#include <gen/qt/GButton.h>
#include <gen/qt/GLabel.h>
#include <gen/qt/GMainPanel.h>
#include <gen/qt/GPanelLogView.h>
#include <gen/qt/GSettings.h>
#include <gen/qt/themes.h>
#include <gen/store/LogConfigGType.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QSlider>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QWheelEvent>

using gen::qt::GMainWindow;
using gen::qt::GSettings;
using gen::store::GNode;
using test::TestWindow;

namespace {

class GMainWindowTest : public testing::Test {
protected:
    GNode stored_node(QString const& name) { return GSettings::instance().get_window_node(name); }

    test::TempStore temp;
    test::RecordingSink sink;
};

// A wheel turn over `target` with the given modifiers, sent through the
// application so that its event filter sees it like a real one.
bool send_wheel(QWidget* target, Qt::KeyboardModifiers mods, int delta = 120)
{
    QPointF const pos(target->width() / 2.0, target->height() / 2.0);
    QWheelEvent wheel(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, mods,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &wheel);
    return wheel.isAccepted();
}

QColor window_colour(QWidget const& w)
{
    return w.palette().color(QPalette::Window);
}

}  // namespace

TEST_F(GMainWindowTest, WindowsOfOneClassAreNamedByNumberAndAClosedNumberComesBackWithItsState)
{
    auto w0 = test::open_window();
    auto w1 = test::open_window();
    EXPECT_EQ(w0->get_object_name(), "CTestWindow_0");
    EXPECT_EQ(w1->get_object_name(), "CTestWindow_1");
    EXPECT_EQ(w0->get_type_name(), "TestWindow");
    EXPECT_TRUE(w0->to_string().startsWith("GMainWindow@"));
    EXPECT_EQ(w0->objectName().size(), 8);
    EXPECT_NE(w0->objectName(), w1->objectName());

    w0->set_theme(gen::qt::themes::THEME_GREEN);
    w0->set_font_size(15);
    w1->set_theme(gen::qt::themes::THEME_DARK);
    w1->set_font_size(9);
    w0->close();
    w0.reset();

    auto again = test::open_window();
    EXPECT_EQ(again->get_object_name(), "CTestWindow_0");
    EXPECT_EQ(again->font().pointSize(), 15);
    EXPECT_EQ(again->get_theme(), gen::qt::themes::THEME_GREEN);
    EXPECT_EQ(window_colour(*again), QColor("#1e321e"));
    // The open window keeps its own, unsaved state.
    EXPECT_EQ(w1->font().pointSize(), 9);
    EXPECT_EQ(window_colour(*w1), QColor("#353535"));
    auto w2 = test::open_window();
    EXPECT_EQ(w2->get_object_name(), "CTestWindow_2");
}

TEST_F(GMainWindowTest, ClosingStoresGeometryFontAndThemeBeforeTellingListeners)
{
    auto win = test::open_window();
    win->resize(700, 450);
    win->set_font_size(13);
    std::vector<std::string> order;
    win->fnClose = [&order]() { order.push_back("callback"); };
    win->lisClosing += [&]() {
        order.push_back("closing");
        GNode const node = stored_node("CTestWindow_0");
        EXPECT_EQ(node.get<int>("pointSize", -1), 13);
        EXPECT_FALSE(node.get<QByteArray>("geometry", {}).isEmpty());
        EXPECT_FALSE(node.get<QByteArray>("state", {}).isEmpty());
    };
    win->close();
    EXPECT_EQ(order, (std::vector<std::string>{"callback", "closing"}));
    EXPECT_TRUE(sink.contains("GMainWindow::closeEvent"));
    EXPECT_TRUE(sink.contains("GMainWindow::save_state"));
    win.reset();

    auto again = test::open_window();
    EXPECT_EQ(again->size(), QSize(700, 450));
    EXPECT_EQ(again->font().pointSize(), 13);
}

TEST_F(GMainWindowTest, ClosingStopsTheLogPanelAndShowingAgainRestartsIt)
{
    auto win = test::open_window();
    QTest::keyClick(win.get(), Qt::Key_L, Qt::ControlModifier);
    win->close();
    gen::pp_info("while closed");
    EXPECT_TRUE(test::log_lines(win->log_view()).filter("while closed").isEmpty());
    win->show();
    gen::pp_info("shown again");
    EXPECT_EQ(test::log_lines(win->log_view()).filter("shown again").size(), 1);
}

TEST_F(GMainWindowTest, StoredPointSizeOutsideSixToTwentyEightIsIgnored)
{
    int const natural = test::open_window()->font().pointSize();
    GNode node;
    node.set("pointSize", 30);
    GSettings::instance().set_window_node(node, "CTestWindow_0");
    EXPECT_EQ(test::open_window()->font().pointSize(), natural);

    node.set("pointSize", 12);
    GSettings::instance().set_window_node(node, "CTestWindow_0");
    EXPECT_EQ(test::open_window()->font().pointSize(), 12);
}

TEST_F(GMainWindowTest, FontSizeIsClampedWithWarningsAndEachChangeRunsOneLayoutPass)
{
    auto win = test::open_window();
    ASSERT_FALSE(win->layouts.empty());
    EXPECT_EQ(win->layouts.front().reason, gen::qt::LayoutEvent::FIRST_SHOW);

    win->layouts.clear();
    win->set_font_size(30);
    EXPECT_EQ(win->font().pointSize(), 20);
    EXPECT_TRUE(sink.contains("GMainWindow::set_font_size, cannot be BIGGER"));
    ASSERT_EQ(win->layouts.size(), 1u);
    EXPECT_EQ(win->layouts[0].reason, gen::qt::LayoutEvent::FONT_SIZE);
    EXPECT_EQ(win->layouts[0].fontSize, 20);
    EXPECT_EQ(win->layouts[0].size, win->size());

    win->set_font_size(20);  // unchanged: no pass
    EXPECT_EQ(win->layouts.size(), 1u);

    win->set_font_size(3);
    EXPECT_EQ(win->font().pointSize(), 8);
    EXPECT_TRUE(sink.contains("GMainWindow::set_font_size, cannot be smaller"));

    win->layouts.clear();
    win->resize(win->width() + 40, win->height() + 30);
    ASSERT_FALSE(win->layouts.empty());
    EXPECT_EQ(win->layouts.back().reason, gen::qt::LayoutEvent::RESIZE);
    EXPECT_EQ(win->layouts.back().size, win->size());
}

TEST_F(GMainWindowTest, FirstResizeIsAnnouncedOnceThroughTheEventLoop)
{
    TestWindow win;
    int fired = 0;
    win.lisFirstResize += [&fired]() { ++fired; };
    win.setup();
    win.resize(500, 300);
    win.show();  // a hidden window gets its first resize when shown
    EXPECT_EQ(fired, 0);  // queued, not yet delivered
    test::settle();
    EXPECT_EQ(fired, 1);
    win.resize(520, 320);
    test::settle();
    EXPECT_EQ(fired, 1);
}

TEST_F(GMainWindowTest, CtrlAltWheelScalesTheWindowAndTheWidgetNeverSeesIt)
{
    auto win = test::open_window();
    win->set_font_size(10);
    int const value = win->slider->value();

    EXPECT_TRUE(send_wheel(win->slider, Qt::ControlModifier | Qt::AltModifier, 120));
    EXPECT_EQ(win->font().pointSize(), 11);
    EXPECT_TRUE(sink.contains("GMainWindow::gui_scale:BIGGER"));
    send_wheel(win->btnHello, Qt::ControlModifier | Qt::AltModifier, -120);
    send_wheel(win->btnHello, Qt::ControlModifier | Qt::AltModifier, -120);
    EXPECT_EQ(win->font().pointSize(), 9);
    EXPECT_EQ(win->slider->value(), value);

    // Without both modifiers the wheel belongs to the widget.
    send_wheel(win->slider, Qt::ControlModifier, 120);
    EXPECT_EQ(win->font().pointSize(), 9);
    send_wheel(win->slider, Qt::NoModifier, 120);
    EXPECT_NE(win->slider->value(), value);
}

TEST_F(GMainWindowTest, WheelOverATabBarNeverSwitchesTabs)
{
    auto win = test::open_window();
    ASSERT_EQ(win->tabs->currentIndex(), 1);
    send_wheel(win->tabs, Qt::NoModifier, 120);
    send_wheel(win->tabs, Qt::NoModifier, -120);
    send_wheel(win->tabs, Qt::NoModifier, -120);
    EXPECT_EQ(win->tabs->currentIndex(), 1);
}

TEST_F(GMainWindowTest, LoggingEntryShowsThePanelItsButtonsAndStoresTheChoice)
{
    auto win = test::open_window();
    gen::qt::GPanelLogView* log = win->log_view();
    ASSERT_NE(log, nullptr);
    gen::qt::GButton* clear = win->button_with_tip("Clears Log Panel");
    gen::qt::GButton* copy = win->button_with_tip("copy to clipboard");
    gen::qt::GButton* line = win->button_with_tip("Creates a Debug Line");
    ASSERT_TRUE(clear && copy && line);
    // A first window keeps its log panel hidden.
    EXPECT_FALSE(log->isVisible());
    EXPECT_FALSE(clear->isVisible());
    EXPECT_FALSE(line->isVisible());

    QMenu* menu = test::open_options_menu(*win);
    ASSERT_NE(menu, nullptr);
    QStringList entries;
    for (QAction* action : menu->actions()) {
        entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    EXPECT_EQ(entries, (QStringList{"Logging", "Options", "-", "Theme"}));
    EXPECT_FALSE(menu->actions()[0]->isChecked());
    EXPECT_FALSE(menu->actions()[1]->isEnabled());  // no options while logging is off
    ASSERT_TRUE(test::click_menu_entry(menu, "Logging"));
    test::settle();

    EXPECT_TRUE(log->isVisible());
    EXPECT_TRUE(clear->isVisible());
    EXPECT_TRUE(copy->isVisible());
    EXPECT_TRUE(line->isVisible());
    EXPECT_TRUE(sink.contains("GMainWindow::on_menu_log, flag:true"));
    EXPECT_TRUE(win->get_node().get_pod<gen::log::LogConfig>("log", {}).is_enabled());

    QTest::mouseClick(win->btnHello, Qt::LeftButton);
    EXPECT_TRUE(test::log_lines(log).filter("TestWindow, hello").size() == 1);
    QTest::mouseClick(line, Qt::LeftButton);
    EXPECT_FALSE(test::log_lines(log).filter("---- [").isEmpty());
    QTest::mouseClick(copy, Qt::LeftButton);
    EXPECT_TRUE(QApplication::clipboard()->text().contains("TestWindow, hello"));
    QTest::mouseClick(clear, Qt::LeftButton);
    EXPECT_TRUE(test::log_lines(log).filter("TestWindow, hello").isEmpty());

    // The menu opened again shows the new state and lets the options open.
    menu = test::open_options_menu(*win);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->actions()[0]->isChecked());
    EXPECT_TRUE(menu->actions()[1]->isEnabled());
    menu->close();
}

TEST_F(GMainWindowTest, CtrlLTwiceReturnsLoggingToItsFirstStateAndTheButtonsFollow)
{
    auto win = test::open_window();
    gen::qt::GPanelLogView* log = win->log_view();
    gen::qt::GButton* clear = win->button_with_tip("Clears Log Panel");
    std::vector<bool> told;
    win->lisLogging += [&told](bool const& on) { told.push_back(on); };

    QTest::keyClick(win.get(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_TRUE(log->is_enabled());
    EXPECT_TRUE(log->isVisible());
    EXPECT_TRUE(clear->isVisible());
    EXPECT_TRUE(win->get_node().get_pod<gen::log::LogConfig>("log", {}).is_enabled());

    QTest::keyClick(win.get(), Qt::Key_L, Qt::ControlModifier);
    EXPECT_FALSE(log->is_enabled());
    EXPECT_FALSE(log->isVisible());
    EXPECT_FALSE(clear->isVisible());
    EXPECT_FALSE(win->get_node().get_pod<gen::log::LogConfig>("log", {}).is_enabled());
    EXPECT_EQ(told, (std::vector<bool>{true, false}));
    EXPECT_TRUE(sink.contains("GMainWindow::on_logger"));
}

TEST_F(GMainWindowTest, StandardHotKeysReachTheirHandlers)
{
    auto win = test::open_window();
    QTest::keyClick(win.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(sink.contains("GMainWindow::on_open"));
    QTest::keyClick(win.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(sink.contains("GMainWindow::on_new_window - overwrite me"));
    QTest::keyClick(win.get(), Qt::Key_F1);
    EXPECT_TRUE(sink.contains("GMainWindow::on_help"));
    EXPECT_EQ(win->actions().size(), 7);
    // Closing has a different binding per platform.
    QKeySequence const close(QKeySequence::Close);
    ASSERT_FALSE(close.isEmpty());
    QTest::keySequence(win.get(), QKeySequence(close[0]));
    EXPECT_FALSE(win->isVisible());
    EXPECT_FALSE(stored_node("CTestWindow_0").empty());
}

TEST_F(GMainWindowTest, DarkFromTheThemeMenuRepaintsIconsAndLogViewAndIsStored)
{
    auto win = test::open_window();
    gen::qt::GButton* options = win->button_with_tip("Options");
    EXPECT_EQ(options->get_icon_res(), ":/wb/icons/wheel.svg");
    EXPECT_EQ(window_colour(*win), QColor("#efefef"));

    ASSERT_TRUE(test::choose_option(*win, "Dark", "Theme"));
    EXPECT_EQ(win->get_theme(), gen::qt::themes::THEME_DARK);
    EXPECT_EQ(window_colour(*win), QColor("#353535"));
    EXPECT_EQ(win->btnHello->palette().color(QPalette::ButtonText), QColor(Qt::white));
    EXPECT_EQ(options->get_icon_res(), ":/wb/icons/dark/wheel.svg");
    EXPECT_EQ(win->btnPlanet->get_icon_res(), ":/wb/icons/dark/planet.svg");
    EXPECT_EQ(win->get_node().get<unsigned int>("theme", 99), 1u);
    // The slider got the dark handle.
    EXPECT_TRUE(win->slider->styleSheet().contains("#6FA8C9"));
    // The application theme is untouched.
    EXPECT_EQ(gen::qt::themes::get(), 0u);

    // The menu shows the window's theme as the checked entry.
    QMenu* menu = test::open_options_menu(*win);
    ASSERT_NE(menu, nullptr);
    QMenu* sub = menu->actions().back()->menu();
    ASSERT_NE(sub, nullptr);
    ASSERT_EQ(sub->actions().size(), 3);
    EXPECT_FALSE(sub->actions()[0]->isChecked());
    EXPECT_TRUE(sub->actions()[1]->isChecked());
    menu->close();

    ASSERT_TRUE(test::choose_option(*win, "Green", "Theme"));
    EXPECT_EQ(options->get_icon_res(), ":/wb/icons/green/wheel.svg");
    ASSERT_TRUE(test::choose_option(*win, "Normal", "Theme"));
    EXPECT_EQ(options->get_icon_res(), ":/wb/icons/wheel.svg");
    EXPECT_EQ(window_colour(*win), QColor("#efefef"));
}

TEST_F(GMainWindowTest, UnknownThemeIsRefusedAndNothingChanges)
{
    auto win = test::open_window();
    win->set_theme(gen::qt::themes::THEME_DARK);
    sink.clear();
    win->set_theme(7);
    EXPECT_TRUE(sink.contains("GMainWindow::set_theme, theme:7 is unknow"));
    EXPECT_EQ(sink.lines().front().level, gen::log::LEVEL_ERROR);
    EXPECT_EQ(win->get_theme(), gen::qt::themes::THEME_DARK);
    EXPECT_EQ(window_colour(*win), QColor("#353535"));
    EXPECT_EQ(win->get_node().get<unsigned int>("theme", 99), 1u);
}

TEST_F(GMainWindowTest, ThemeThreeFollowsTheApplication)
{
    auto win = test::open_window();
    win->set_theme(gen::qt::themes::THEME_GREEN);
    EXPECT_TRUE(win->has_its_own_palette());
    win->set_theme(GMainWindow::THEME_APP);
    EXPECT_FALSE(win->has_its_own_palette());
    EXPECT_EQ(win->get_theme(), gen::qt::themes::get());
    EXPECT_EQ(win->get_node().get<unsigned int>("theme", 99), 3u);
    win->close();
    win.reset();
    auto again = test::open_window();
    EXPECT_FALSE(again->has_its_own_palette());
    EXPECT_EQ(again->get_theme(), gen::qt::themes::get());
}

TEST_F(GMainWindowTest, DroppingTwoFilesLogsTheCountAndBothPaths)
{
    auto win = test::open_window();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/tmp/earth map.png"), QUrl::fromLocalFile("/tmp/moon.jpg")});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(win.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_TRUE(sink.contains("GMainWindow::dragEnterEvent, URLs"));

    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(win.get(), &drop);
    EXPECT_TRUE(sink.contains("GMainWindow::dropEvent, urls:2"));
    EXPECT_TRUE(sink.contains("    GMainWindow::dropEvent, <<</tmp/earth map.png>>>"));
    EXPECT_TRUE(sink.contains("    GMainWindow::dropEvent, <<</tmp/moon.jpg>>>"));

    // A drag of plain text is not accepted.
    QMimeData text;
    text.setText("hello");
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.ignore();
    QApplication::sendEvent(win.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(GMainWindowTest, FindWidgetReturnsTheFirstOfTheRightTypeAndReportsAmbiguity)
{
    auto win = test::open_window();
    EXPECT_EQ(win->find_widget<gen::qt::GPanelLogView>(""), win->log_view());
    EXPECT_EQ(win->get_panel_log_view(), win->log_view());
    EXPECT_EQ(win->find_widget<gen::qt::GMainPanel>("main"), win->get_main_panel());
    EXPECT_EQ(win->find_widget<QSlider>("main"), nullptr);
    win->btnPlanet->setObjectName("twin");
    win->label->setObjectName("twin");
    EXPECT_NE(win->find_widget<QWidget>("twin"), nullptr);
    EXPECT_TRUE(sink.contains("but we have 2 hits"));
    int const visible = win->get_children(true).size();
    EXPECT_LT(visible, win->get_children(false).size());  // the hidden log panel
}

TEST_F(GMainWindowTest, AFreshProcessRestoresGeometryThemeFontAndLogOptions)
{
    {
        auto win = test::open_window();
        win->resize(640, 420);
        ASSERT_TRUE(test::choose_option(*win, "Dark", "Theme"));
        win->set_font_size(10);
        send_wheel(win->slider, Qt::ControlModifier | Qt::AltModifier, 120);
        ASSERT_TRUE(test::choose_option(*win, "Logging"));
        auto other = test::open_window();
        other->resize(520, 380);
        other->set_theme(gen::qt::themes::THEME_GREEN);
        other->close();
        win->close();
    }
    std::string error;
    std::vector<test::PeerWindow> peer = test::run_window_peer(temp.folder(), 2, error);
    ASSERT_EQ(error, "");
    ASSERT_EQ(peer.size(), 2u);
    EXPECT_EQ(peer[0]["name"], "CTestWindow_0");
    EXPECT_EQ(peer[0]["width"], "640");
    EXPECT_EQ(peer[0]["height"], "420");
    EXPECT_EQ(peer[0]["theme"], "1");
    EXPECT_EQ(peer[0]["window"], "#353535");
    EXPECT_EQ(peer[0]["pointSize"], "11");
    EXPECT_EQ(peer[0]["logEnabled"], "1");
    EXPECT_EQ(peer[0]["logVisible"], "1");
    EXPECT_EQ(peer[1]["name"], "CTestWindow_1");
    EXPECT_EQ(peer[1]["width"], "520");
    EXPECT_EQ(peer[1]["theme"], "2");
    EXPECT_EQ(peer[1]["window"], "#1e321e");
    EXPECT_EQ(peer[1]["logEnabled"], "0");
    EXPECT_EQ(peer[1]["logVisible"], "0");
}
