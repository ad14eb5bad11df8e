#include "qt/TestWindow.h"
#include "qt/WindowDriver.h"

#include "support/RecordingSink.h"
#include "support/TempStore.h"

#include <gen/qt/EventFilter.h>
#include <gen/qt/GMainPanel.h>
#include <gen/qt/GApp.h>
#include <gen/qt/GSettings.h>
#include <gen/qt/themes.h>

#include "support/Fatal.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointingDevice>
#include <QTouchEvent>
#include <QTest>

#include <clocale>
#include <cstdio>


using gen::qt::GApp;
using gen::qt::GMainWindow;
using gen::qt::GSettings;
using gen::qt::gApp;
using gen::store::GNode;

namespace {

class GAppTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(gApp, nullptr);
        ASSERT_EQ(gApp, qApp);
    }

    test::TempStore temp;
    test::RecordingSink sink;
};

// Turns a listener's entries off when the test ends, so callbacks holding
// the test's locals never run again (listeners offer no removal).
template<class T>
struct Mute {
    gen::Listener<T>& listener;
    ~Mute() { listener.enable_all_listener(false); }
};

int count_lines(test::RecordingSink const& sink, std::string const& part)
{
    int n = 0;
    for (std::string const& text : sink.texts()) {
        n += text.find(part) != std::string::npos ? 1 : 0;
    }
    return n;
}

}  // namespace

TEST_F(GAppTest, ConstructionLeavesTheCNumericLocaleAndTheFilterInstalled)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.1f", 1.5);
    EXPECT_STREQ(buffer, "1.5");
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    EXPECT_NE(gApp->get_event_filter(), nullptr);
    EXPECT_TRUE(QMetaType::fromName("gen::store::GType").isValid());
}

TEST_F(GAppTest, AddingAWindowTwiceKeepsOneEntryAndOneSubscription)
{
    auto win = test::open_window();
    std::size_t const before = win->lisClosing.size();
    gApp->add_window(win.get());
    gApp->add_window(win.get());
    EXPECT_TRUE(gApp->has_window(win.get()));
    EXPECT_EQ(gApp->count_windows(), 1u);
    EXPECT_EQ(win->lisClosing.size(), before + 1);
    win.reset();
    // Deleted without closing: the set forgets it.
    EXPECT_EQ(gApp->count_windows(), 0u);
}

TEST_F(GAppTest, ClosingAnAddedWindowRemovesItAndFiresTheRemovedListenerOnce)
{
    auto win = test::open_window();
    auto other = test::open_window();
    gApp->add_window(win.get());
    gApp->add_window(other.get());
    std::vector<GMainWindow*> removed;
    Mute<GMainWindow*> mute{gApp->lisWindowRemoved};
    gApp->lisWindowRemoved += [&removed](GMainWindow* const& w) { removed.push_back(w); };

    win->close();
    EXPECT_EQ(removed, std::vector<GMainWindow*>{win.get()});
    EXPECT_FALSE(gApp->has_window(win.get()));
    EXPECT_TRUE(gApp->has_window(other.get()));
    EXPECT_EQ(count_lines(sink, "GApp::add_window, win is going to be destroyed:" + win->to_string().toStdString()), 1);
    EXPECT_TRUE(sink.contains("GApp::remove_window, remove win:GMainWindow@"));

    // A second close finds nothing to remove and tells nobody.
    win->show();
    win->close();
    EXPECT_EQ(removed.size(), 1u);
    EXPECT_FALSE(gApp->remove_window(win.get()));
    EXPECT_TRUE(gApp->remove_window(other.get()));
    EXPECT_EQ(removed.size(), 2u);
}

TEST_F(GAppTest, WindowListHoldsOnlyMainWindowsAndCanSkipHiddenOnes)
{
    auto shown = test::open_window();
    auto hidden = std::make_unique<test::TestWindow>();
    hidden->setup();
    QWidget plain;
    plain.show();
    std::vector<GMainWindow*> const all = GApp::get_windows(false);
    std::vector<GMainWindow*> const visible = GApp::get_windows(true);
    EXPECT_EQ(all.size(), 2u);
    EXPECT_EQ(visible, std::vector<GMainWindow*>{shown.get()});
}

TEST_F(GAppTest, SyncSettingsWritesTheAppNodeAndEveryVisibleWindow)
{
    auto shown = test::open_window();
    auto hidden = std::make_unique<test::TestWindow>();
    hidden->setup();
    shown->get_node().set("probe", 1);
    hidden->get_node().set("probe", 2);
    GApp::get_node().set_flag("seeMessageAgain", false);

    sync_settings();
    GSettings& settings = GSettings::instance();
    EXPECT_TRUE(settings.get_app_node().contains("seeMessageAgain"));
    EXPECT_EQ(settings.get_window_node(shown->get_object_name()).get<int>("probe", 0), 1);
    EXPECT_TRUE(settings.get_window_node(hidden->get_object_name()).empty());
    GApp::get_node().clear();
}

TEST_F(GAppTest, PrepareSettingsClearsAnOlderStoreAndLoadsTheAppNode)
{
    QString const org = QCoreApplication::organizationName();
    QString const name = QCoreApplication::applicationName();
    {
        GSettings& settings = GSettings::instance();
        settings.set_config_version(20027);
        GNode node;
        node.set_flag("seeMessageAgain", true);
        settings.set_app_node(node);
    }
    GApp::prepare_settings(org, 20028, true, name);
    EXPECT_TRUE(GApp::get_node().empty());
    EXPECT_EQ(GSettings::instance().get_config_version(), 20028u);

    GNode node;
    node.set_flag("seeMessageAgain", true);
    GSettings::instance().set_app_node(node);
    GApp::prepare_settings(org, 20028, true, name);
    EXPECT_TRUE(GApp::get_node().is_flag("seeMessageAgain"));
    GApp::get_node().clear();
}

TEST_F(GAppTest, ApplicationThemeIsAppliedOnlyWhenItChanges)
{
    gApp->set_theme(gen::qt::themes::THEME_DARK);
    EXPECT_EQ(gen::qt::themes::get(), 1u);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor("#353535"));
    EXPECT_EQ(gApp->get_applied_theme(), 1u);
    sink.clear();
    gApp->set_theme(gen::qt::themes::THEME_DARK);
    EXPECT_FALSE(sink.contains("apply_the_theme"));
    // A window that follows the application shows its theme.
    auto win = test::open_window();
    win->set_theme(GMainWindow::THEME_APP);
    EXPECT_TRUE(win->is_theme_dark());
    EXPECT_EQ(win->palette().color(QPalette::Window), QColor("#353535"));
    gApp->set_theme(gen::qt::themes::THEME_NORMAL);
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor("#efefef"));
    EXPECT_TRUE(win->is_theme_normal());
}

TEST_F(GAppTest, APinchOnTheTouchScreenReachesTheZoomListenerAsADistanceRatio)
{
    auto win = test::open_window();
    std::vector<float> zooms;
    std::vector<int> pans;
    Mute<float> muteZoom{gApp->lisZoom};
    Mute<int> mutePan{gApp->lisPan};
    gApp->lisZoom += [&zooms](float const& ratio) { zooms.push_back(ratio); };
    gApp->lisPan += [&pans](int const& pan) { pans.push_back(pan); };
    // Registered with Qt for the rest of the run; one device serves every call.
    static QPointingDevice* const screen = QTest::createTouchDevice();
    QWidget* target = win->get_main_panel();

    // Synthetic platform touches do not reach the offscreen platform's
    // windows, so the touches are sent through the application to the
    // window, where a touch screen's events arrive first.
    auto touch = [&](QEvent::Type type, QEventPoint::State state, QPointF a, QPointF b) {
        QList<QEventPoint> points{QEventPoint(0, state, a, target->mapToGlobal(a)),
                                  QEventPoint(1, state, b, target->mapToGlobal(b))};
        QTouchEvent ev(type, screen, Qt::NoModifier, points);
        QApplication::sendEvent(win->windowHandle(), &ev);
    };
    touch(QEvent::TouchBegin, QEventPoint::State::Pressed, {100, 100}, {200, 100});
    touch(QEvent::TouchUpdate, QEventPoint::State::Updated, {98, 100}, {202, 100});
    touch(QEvent::TouchEnd, QEventPoint::State::Released, {98, 100}, {202, 100});
    ASSERT_FALSE(zooms.empty());
    EXPECT_NEAR(zooms.front(), 1.04f, 1e-4);
    for (float z : zooms) {  // the same step seen again changes nothing
        EXPECT_TRUE(std::abs(z - 1.04f) < 1e-4f);
    }
    EXPECT_TRUE(pans.empty());  // the centre did not move

    gApp->reset_touch_automat();
    EXPECT_EQ(gApp->get_event_filter()->automat.state, gen::qt::event::GTouchAutomat::IDLE);
}

TEST_F(GAppTest, CtrlAltWheelOutsideAMainWindowPassesOn)
{
    QWidget plain;
    plain.resize(100, 100);
    plain.show();
    QWheelEvent wheel(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::ControlModifier | Qt::AltModifier, Qt::NoScrollPhase, false);
    EXPECT_FALSE(gApp->get_event_filter()->eventFilter(&plain, &wheel));
    EXPECT_FALSE(sink.contains("gui_scale"));
}

// The fatal path pauses five seconds before it ends the process, so there is
// one death test here.
TEST(GAppDeathTest, ANullWindowEndsTheProgramNamingIt)
{
    EXPECT_FATAL_EXIT(gApp->add_window(nullptr), "nullptr:win == NULL\nsrc/gen/qt/GApp.cpp\nLINE:");
}
