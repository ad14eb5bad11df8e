#include "qt/WindowDriver.h"

#include <QClipboard>
#include <QMimeData>
#include <QUrl>
#include <QWheelEvent>

using gen::qt::GSettings;
using gen::qt::LayoutEvent;
using gen::qt::themes::THEME_DARK;
using gen::qt::themes::THEME_GREEN;
using GMainWindowTest = test::WindowTest;

TEST_F(GMainWindowTest, FontSizeIsClampedToEightToTwentyAndAStoredOneOutsideSixToTwentyEightIsIgnored)
{
    auto win = test::open_window();
    int const natural = win->font().pointSize();
    for (auto [asked, shown, warning] : {std::tuple{30, 20, " BIGGER"}, {3, 8, " smaller"}, {12, 12, ""}}) {
        SCOPED_TRACE(asked);
        log.clear();
        win->set_font_size(asked);
        EXPECT_EQ(win->font().pointSize(), shown);
        EXPECT_EQ(log.count(std::string("set_font_size, cannot be") + warning), *warning != 0 ? 1u : 0u);
    }
    for (auto [stored, shown] : {std::pair{5, natural}, {6, 6}, {28, 28}, {29, natural}}) {
        SCOPED_TRACE(stored);
        gen::store::GNode node;
        node.set("pointSize", stored);
        GSettings::instance().set_window_node(node, "CTestWindow_1");  // the next window's
        EXPECT_EQ(test::open_window()->font().pointSize(), shown);
    }
}

TEST_F(GMainWindowTest, OnlyCtrlAltWheelScalesTheWindowWithALayoutPassAndNoWheelTurnsTabsOrTheWidgetBelow)
{
    test::TestWindow win;
    int announced = 0;
    win.lisFirstResize += [&announced]() { ++announced; };
    win.setup();
    win.show();               // a hidden window gets its first resize when shown
    EXPECT_EQ(announced, 0);  // queued
    win.resize(520, 320);
    QTest::qWait(10);
    EXPECT_EQ(announced, 1);
    EXPECT_EQ(win.layouts.front().reason, LayoutEvent::FIRST_SHOW);
    EXPECT_TRUE(win.layouts.back().reason == LayoutEvent::RESIZE && win.layouts.back().size == QSize(520, 320));
    win.set_font_size(19);
    Qt::KeyboardModifiers const ctrlAlt = Qt::ControlModifier | Qt::AltModifier;
    // {widget under the pointer, modifiers, turn, font size after, whether the slider moved}
    for (auto [target, mods, delta, font, sliderMoves] :
         {std::tuple<QWidget*, Qt::KeyboardModifiers, int, int, bool>{win.slider, ctrlAlt, 120, 20, false},
          {win.slider, ctrlAlt, 120, 20, false},
          {win.btnHello, ctrlAlt, -120, 19, false},
          {win.tabs, Qt::NoModifier, 120, 19, false},
          {win.slider, Qt::ControlModifier, 120, 19, true}}) {
        SCOPED_TRACE(testing::Message() << target->metaObject()->className() << " " << delta);
        int const before = win.font().pointSize();
        int const value = win.slider->value();
        win.layouts.clear();
        QPointF const pos(target->width() / 2.0, target->height() / 2.0);
        QWheelEvent wheel(pos, target->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, mods,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);  // through the application's event filter
        EXPECT_EQ(win.font().pointSize(), font);
        EXPECT_EQ(win.slider->value() != value, sliderMoves);
        EXPECT_EQ(win.tabs->currentIndex(), 1);
        ASSERT_EQ(win.layouts.size(), font != before ? 1u : 0u);  // a pass for each change, with the new size
        for (LayoutEvent const& pass : win.layouts) {
            EXPECT_TRUE(pass.reason == LayoutEvent::FONT_SIZE && pass.fontSize == font);
        }
    }
}

TEST_F(GMainWindowTest, LogPanelIsFoundHiddenShownByCtrlLListsDroppedFilesForItsButtonsAndTakesNoLinesWhileClosed)
{
    auto win = test::open_window();
    QList<gen::qt::GButton*> const buttons = test::tool_buttons(*win).mid(1);  // clear, copy, debug line
    auto expect_logging = [&](bool on) {
        EXPECT_EQ(win->log_view()->isVisible(), on);
        EXPECT_THAT(buttons, testing::Each(testing::Property(&QWidget::isVisible, on)));
    };
    expect_logging(false);  // a first window keeps its log panel hidden
    EXPECT_LT(win->get_children(true).size(), win->get_children(false).size());
    EXPECT_EQ(win->find_widget<gen::qt::GPanelLogView>(""), win->log_view());  // found by type alone
    EXPECT_EQ(win->find_widget<QSlider>("main"), nullptr);                     // "main" is the main panel
    win->btnPlanet->setObjectName("twin");
    win->btnHello->setObjectName("twin");
    EXPECT_TRUE(win->find_widget<QWidget>("twin") != nullptr && log.contains("but we have 2 hits"));
    for (bool on : {true, false, true}) {
        QTest::keyClick(win.get(), Qt::Key_L, Qt::ControlModifier);
        expect_logging(on);
    }
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/tmp/earth map.png"), QUrl::fromLocalFile("/tmp/moon.jpg")});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    enter.ignore();
    QApplication::sendEvent(win.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(win.get(), &drop);
    QTest::mouseClick(buttons[2], Qt::LeftButton);
    QStringList const lines = test::log_lines(*win);
    for (char const* line :
         {"dropEvent, urls:2", "dropEvent, <<</tmp/earth map.png>>>", "dropEvent, <<</tmp/moon.jpg>>>", "---- ["}) {
        EXPECT_EQ(lines.filter(line).size(), 1) << line;
    }
    QTest::mouseClick(buttons[1], Qt::LeftButton);
    EXPECT_TRUE(QApplication::clipboard()->text().contains("<<</tmp/moon.jpg>>>"));
    QTest::mouseClick(buttons[0], Qt::LeftButton);
    EXPECT_TRUE(test::log_lines(*win).isEmpty());
    win->close();
    gen::pp_info("while closed");
    EXPECT_TRUE(test::log_lines(*win).filter("while closed").isEmpty());
    win->show();
    gen::pp_info("shown again");
    EXPECT_EQ(test::log_lines(*win).filter("shown again").size(), 1);
}

TEST_F(GMainWindowTest, EachStandardHotKeyReachesItsHandler)
{
    auto win = test::open_window();
    auto press = [&win](QKeySequence::StandardKey keys) {
        QTest::keySequence(win.get(), QKeySequence(QKeySequence(keys)[0]));  // the platform's first binding
    };
    for (auto [keys, handler] : {std::pair{QKeySequence::HelpContents, "on_help"}, {QKeySequence::Open, "on_open"},
                                 {QKeySequence::New, "on_new_window - overwrite me"},
                                 {QKeySequence::SelectAll, "on_select_all"}}) {
        press(keys);
        EXPECT_TRUE(log.contains(std::string("GMainWindow::") + handler)) << handler;
    }
    press(QKeySequence::FullScreen);
    EXPECT_TRUE(win->isFullScreen());
    press(QKeySequence::Close);
    EXPECT_FALSE(win->isVisible());
}

TEST_F(GMainWindowTest, TwoWindowsKeepTheirOwnThemeIconsFontAndLoggingAlsoInAFreshProcess)
{
    auto win = test::open_window();
    auto other = test::open_window();
    win->resize(640, 420);
    ASSERT_TRUE(test::choose_option(*win, "Dark", "Theme"));
    EXPECT_EQ(win->palette().color(QPalette::Window), test::theme_colour(THEME_DARK));
    EXPECT_NE(win->slider->styleSheet(), other->slider->styleSheet());
    EXPECT_EQ(gen::qt::themes::get(), gen::qt::themes::THEME_NORMAL);  // the application's stays
    QMenu* menu = test::open_options_menu(*win);
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(menu->actions()[1]->isEnabled());  // no "Options" while logging is off
    for (QAction* entry : menu->actions().back()->menu()->actions()) {
        EXPECT_EQ(entry->isChecked(), entry->text() == "Dark") << entry->text().toStdString();
    }
    menu->close();
    ASSERT_TRUE(test::choose_option(*win, "Logging"));
    win->set_font_size(11);
    other->resize(520, 380);
    other->set_theme(THEME_GREEN);
    other->set_theme(7);
    EXPECT_TRUE(log.contains("GMainWindow::set_theme, theme:7 is unknow"));
    other->set_font_size(9);
    std::vector<std::string> order;
    other->fnClose = [&order]() { order.push_back("callback"); };
    other->lisClosing += [&order]() {  // after the callback, finding the state stored
        int const stored = GSettings::instance().get_window_node("CTestWindow_1").get<int>("pointSize", 0);
        order.push_back(std::to_string(stored));
    };
    other->close();
    win->close();
    EXPECT_EQ(order, (std::vector<std::string>{"callback", "9"}));
    test::expect_peer_restores(
        temp.folder(),
        {{{"name", "CTestWindow_0"}, {"width", "640"}, {"height", "420"}, {"theme", "1"}, {"pointSize", "11"},
          {"window", test::theme_colour(THEME_DARK).name().toStdString()}, {"planet", ":/wb/icons/dark/planet.svg"},
          {"logEnabled", "1"}, {"logVisible", "1"}},
         {{"name", "CTestWindow_1"}, {"width", "520"}, {"height", "380"}, {"theme", "2"}, {"pointSize", "9"},
          {"window", test::theme_colour(THEME_GREEN).name().toStdString()}, {"planet", ":/wb/icons/green/planet.svg"},
          {"logEnabled", "0"}, {"logVisible", "0"}}});
}
