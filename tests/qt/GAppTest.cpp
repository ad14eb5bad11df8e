#include "qt/WindowDriver.h"
#include "support/Fatal.h"

#include <gen/qt/EventFilter.h>
#include <gen/qt/GApp.h>
#include <gen/qt/WindowClazz.h>
#include <gen/qt/dialogs/GDialogOption.h>

using gen::qt::GApp;
using gen::qt::GMainWindow;
using gen::qt::GSettings;
using gen::qt::gApp;
using GAppTest = test::WindowTest;

TEST_F(GAppTest, WindowSetHoldsEachWindowOnceSyncStoresVisibleOnesAndOnlyAnOlderStoreIsClearedOnStart)
{
    auto win = test::open_window();
    auto hidden = std::make_unique<test::TestWindow>();
    hidden->setup();
    for (GMainWindow* w : {win.get(), win.get(), hidden.get()}) {
        gApp->add_window(w);
        w->get_node().set("probe", 1);
    }
    GApp::get_node().set_flag("seeMessageAgain", true);
    sync_settings();
    EXPECT_EQ(GSettings::instance().get_window_node(win->get_object_name()).get<int>("probe", 0), 1);
    EXPECT_TRUE(GSettings::instance().get_window_node(hidden->get_object_name()).empty());
    auto removed = std::make_shared<std::vector<GMainWindow*>>();  // listeners keep their entries, so it owns this
    gApp->lisWindowRemoved += [removed](GMainWindow* const& w) { removed->push_back(w); };
    win->close();
    EXPECT_FALSE(gApp->has_window(win.get()));
    EXPECT_EQ(log.count("GApp::add_window, win is going to be destroyed:"), 1u);  // one subscription
    win->show();
    win->close();    // nothing left to remove: nobody is told
    hidden.reset();  // deleted without being closed: forgotten, nobody is told
    EXPECT_EQ(*removed, std::vector<GMainWindow*>{win.get()});
    EXPECT_EQ(gApp->count_windows(), 0u);
    for (unsigned int stored : {20028u, 20027u}) {  // the same version, then an older one
        SCOPED_TRACE(stored);
        GSettings::instance().set_config_version(stored);
        GApp::prepare_settings(QCoreApplication::organizationName(), 20028, true, QCoreApplication::applicationName());
        EXPECT_EQ(GApp::get_node().is_flag("seeMessageAgain"), stored == 20028u);
        EXPECT_EQ(GSettings::instance().get_config_version(), 20028u);
    }
    GApp::get_node().clear();
}

TEST_F(GAppTest, ApplicationThemeIsAppliedOnceAndWindowsOnThemeThreeFollowItAlsoReopened)
{
    auto win = test::open_window();
    win->set_theme(gen::qt::themes::THEME_GREEN);
    win->set_theme(GMainWindow::THEME_APP);
    for (unsigned int theme : {gen::qt::themes::THEME_DARK, gen::qt::themes::THEME_NORMAL}) {
        SCOPED_TRACE(theme);
        gApp->set_theme(theme);
        QTest::qWait(10);
        EXPECT_EQ(gApp->get_applied_theme(), theme);
        EXPECT_EQ(win->palette().color(QPalette::Window), test::theme_colour(theme));
        EXPECT_EQ(win->get_theme(), theme);
        log.clear();
        gApp->set_theme(theme);
        EXPECT_FALSE(log.contains("apply_the_theme"));
    }
    win->close();
    win.reset();
    EXPECT_FALSE(test::open_window()->has_its_own_palette());
}

TEST_F(GAppTest, APinchReachesTheZoomListenerAsADistanceRatioAndACtrlAltWheelOutsideMainWindowsPassesOn)
{
    auto win = test::open_window();
    auto zooms = std::make_shared<std::vector<float>>();  // listeners keep their entries, so it owns this
    gApp->lisZoom += [zooms](float const& ratio) { zooms->push_back(ratio); };
    static QPointingDevice* const screen = QTest::createTouchDevice();  // registered for the whole run
    // Two fingers `gap` apart, sent to the window handle, where a touch screen's
    // events arrive first (synthetic platform touches miss offscreen windows).
    for (auto [type, state, gap] : {std::tuple{QEvent::TouchBegin, QEventPoint::State::Pressed, 100.0},
                                    {QEvent::TouchUpdate, QEventPoint::State::Updated, 104.0},
                                    {QEvent::TouchEnd, QEventPoint::State::Released, 104.0}}) {
        QPointF const a(150 - gap / 2, 100);
        QPointF const b(150 + gap / 2, 100);
        QTouchEvent ev(type, screen, Qt::NoModifier,
                       {QEventPoint(0, state, a, win->mapToGlobal(a)), QEventPoint(1, state, b, win->mapToGlobal(b))});
        QApplication::sendEvent(win->windowHandle(), &ev);
    }
    ASSERT_FALSE(zooms->empty());
    EXPECT_THAT(*zooms, testing::Each(testing::FloatNear(1.04f, 1e-4)));  // the same step seen again changes nothing
    gApp->reset_touch_automat();
    gen::qt::EventFilter* filter = gApp->get_event_filter();
    EXPECT_EQ(filter->automat.state, gen::qt::event::GTouchAutomat::IDLE);
    win.reset();  // no main window is active
    QWidget plain;
    plain.show();
    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::ControlModifier | Qt::AltModifier, Qt::NoScrollPhase, false);
    EXPECT_FALSE(filter->eventFilter(&plain, &wheel));
}

TEST(WindowClazzTest, NumbersPerClassStartAtZeroAndFreedOnesAreReusedLowestFirst)
{
    using A = gen::qt::WindowClazz<"CTagA">;
    std::map<int, std::unique_ptr<A>> live;
    // '+': a new tag, expected to get `id`; '-': tag `id` goes.
    for (auto [op, id] : {std::pair{'+', 0}, {'+', 1}, {'+', 2}, {'-', 2}, {'-', 0}, {'+', 0}, {'+', 2}, {'+', 3}}) {
        SCOPED_TRACE(testing::Message() << op << id);
        if (op == '-') {
            live.erase(id);
        } else {
            auto tag = std::make_unique<A>();
            EXPECT_EQ(tag->get_id(), id);
            live[tag->get_id()] = std::move(tag);
        }
    }
    EXPECT_EQ(live.at(3)->get_complete_name(), "CTagA_3");
    EXPECT_EQ(gen::qt::WindowClazz<"CTagB">().get_complete_name(), "CTagB_0");  // its own numbers
}

TEST(GAppDeathTest, ANullWindowOrDialogOwnerEndsTheProgramNamingIt)
{
    EXPECT_FATAL_EXIT(gApp->add_window(nullptr), "nullptr:win == NULL\nsrc/gen/qt/GApp.cpp\nLINE:");
    EXPECT_FATAL_EXIT(gen::qt::GDialogOption dialog(nullptr),
                      "nullptr:parent == NULL\nsrc/gen/qt/dialogs/GDialogOption.cpp\nLINE:");
}
