// The program's main window driven in the process as a user would, on a
// private settings store, with real GL views under Xvfb.

#include "GLPlanet.h"
#include "Window.h"

#include <gen/qt/GApp.h>
#include <gen/qt/GButton.h>
#include <gen/qt/GListView.h>
#include <gen/qt/GPanel.h>
#include <gen/qt/GSettings.h>
#include <gen/math/sphere.h>
#include <gen/qt/gl/Camera.h>

#include "support/LogCapture.h"
#include "support/WaitFor.h"
#include "support/TempStore.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <QStandardItemModel>
#include <QTest>
#include <QThreadPool>

#include <glm/gtc/matrix_transform.hpp>

#include <memory>

using orrin::Window;

namespace {

using test::wait_for;

class WindowTest : public ::testing::Test {
protected:
    // A window as the program opens it, shown until its view is set up.
    std::unique_ptr<Window> open()
    {
        auto win = std::make_unique<Window>();
        win->resize(800, 600);
        win->setup();
        win->show();
        EXPECT_TRUE(wait_for([&] { return win->glPlanet->counterPaint > 0 && win->listCities->get_model()->rowCount() > 0; }));
        return win;
    }

    // Lets every texture worker finish and every answer arrive.
    static void settle()
    {
        QThreadPool::globalInstance()->waitForDone();
        QCoreApplication::processEvents();
    }

    // Closes the window as the user would (its node reaches the settings).
    static void close(std::unique_ptr<Window>& win)
    {
        win->close();
        win.reset();
        QCoreApplication::processEvents();
    }

    // The enabled entries (text, checked) of the menu `openMenu` pops up;
    // with `choice`, that entry is chosen as a click would.
    static std::vector<std::pair<QString, bool>> menu(std::function<void()> const& openMenu, QString const& choice = {})
    {
        openMenu();
        std::vector<std::pair<QString, bool>> found;
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (QAction* a : popup != nullptr ? popup->actions() : QList<QAction*>()) {
            if (!a->isSeparator() && a->isEnabled()) {
                found.emplace_back(a->text(), a->isChecked());
            }
        }
        if (popup != nullptr) {
            popup->hide();
            for (QAction* a : popup->actions()) {
                if (!choice.isEmpty() && a->text() == choice) {
                    a->trigger();
                }
            }
        }
        QCoreApplication::processEvents();
        return found;
    }

    static QStandardItem* row(Window& win, QString const& name)
    {
        auto const hits = win.listCities->get_model()->findItems(name);
        return hits.isEmpty() ? nullptr : hits.first();
    }

    test::TempStore temp;
    test::LogCapture log;
};

}  // namespace

TEST_F(WindowTest, FirstStartShowsTheSmallEarthWithHiddenCitiesAndStoresTheStartView)
{
    auto win = open();
    EXPECT_EQ(win->sPlanet, "Earth/small");
    EXPECT_EQ(win->glPlanet->sTexture, ":/wb/img/1k_earth.jpg");
    EXPECT_TRUE(win->panCities->isHidden());
    EXPECT_TRUE(win->glPlanet->seeCoordinates);
    EXPECT_EQ(win->btnMode->text(), "CL");
    EXPECT_EQ(win->count_selected(), 0);
    EXPECT_EQ(win->listCities->get_model()->rowCount(), 120);  // 119 cities and "zero"
    EXPECT_EQ(win->listCities->get_model()->item(0)->text(), "Abidjan");
    for (int i = 0; i < win->listCities->get_model()->rowCount(); ++i) {
        EXPECT_EQ(win->listCities->get_model()->item(i)->checkState(), Qt::Unchecked);
    }
    gen::store::GNode& node = win->get_node();
    for (char const* key : {"cam", "light", "matPlanet"}) {
        EXPECT_TRUE(node.contains(key)) << key;
    }
    EXPECT_EQ(node.get_pod<gen::qt::gl::Camera>("cam", {}).vPos, glm::vec3(0, 0, 5));
    EXPECT_EQ(node.get<QByteArray>("ba", {}), QByteArray(1000, 0));
}

TEST_F(WindowTest, MenusListTheirEntriesWithTheCurrentChoiceChecked)
{
    auto win = open();
    auto const bodies = menu([&] { win->on_menu_planets(); });
    ASSERT_EQ(bodies.size(), 12u);
    EXPECT_EQ(bodies.front().first, "Earth/big");
    EXPECT_EQ(bodies.back().first, "Venus");
    EXPECT_EQ(std::count_if(bodies.begin(), bodies.end(), [](auto const& e) { return e.second; }), 1);
    EXPECT_TRUE(bodies[2].second);  // Earth/small

    menu([&] { win->on_menu_rotation(win->btnMode); }, "Camera + Headlight");
    using Entries = std::vector<std::pair<QString, bool>>;
    EXPECT_EQ(menu([&] { win->on_menu_rotation(win->btnMode); }),
              (Entries{{"Planet", false}, {"Planet-Z", false}, {"Light", false}, {"Camera", false}, {"Camera + Headlight", true}}));
    menu([&] { win->on_menu_rotation(win->btnMode); }, "Planet");
    EXPECT_EQ(win->btnMode->text(), "R");
    EXPECT_TRUE(win->glPlanet->mfState.is_rotation_planet());

    EXPECT_EQ(menu([&] { win->on_view_menu(); }),
              (Entries{{"Geo Coordinates", true}, {"Reset", false}, {"Save", false}, {"Restore", false}}));
    menu([&] { win->on_view_menu(); }, "Geo Coordinates");
    EXPECT_FALSE(win->glPlanet->seeCoordinates);

    EXPECT_EQ(menu([&] { win->on_menu_list_cities(); }),
              (Entries{{"all", false}, {"none", false}, {"individual", false}}));
    menu([&] { win->on_menu_list_cities(); }, "individual");
    EXPECT_FALSE(win->panCities->isHidden());
}

TEST_F(WindowTest, CitiesShowAtOnceAndTheirChoiceSurvivesARestart)
{
    auto win = open();
    GLPlanet* view = win->glPlanet;
    QPointF const top = view->project(1.08f * gen::math::sphere::latlon_to_vec(51.5074f, -0.1278f));
    auto const yellowAtLondon = [&] {
        QImage const image = view->screen()->grabWindow(view->winId()).toImage();
        for (int dy = -3; dy <= 3; ++dy) {
            QColor const c = image.pixelColor((top + QPointF(0, dy)).toPoint() * view->devicePixelRatio());
            if (c.red() > 100 && c.green() > 100 && c.blue() < c.red() / 2) {
                return true;
            }
        }
        return false;
    };
    EXPECT_FALSE(yellowAtLondon());
    row(*win, "London")->setCheckState(Qt::Checked);
    EXPECT_TRUE(wait_for(yellowAtLondon, 3000));  // drawn with the next frame
    EXPECT_EQ(win->count_selected(), 1);
    EXPECT_EQ(win->get_node().get<QByteArray>("ba", {}).at(1), 1);
    menu([&] { win->on_menu_planets(); }, "Earth/big");
    EXPECT_TRUE(wait_for([&] { return win->sPlanet == "Earth/big"; }));
    close(win);

    win = open();  // Earth/big stored: the small map at once, the big one when it is in
    EXPECT_EQ(win->sPlanet, "Earth/big");
    EXPECT_EQ(win->glPlanet->sTexture, ":/wb/img/1k_earth.jpg");
    EXPECT_TRUE(win->glPlanet->graph.get_root().has_texture());
    EXPECT_TRUE(wait_for([&] { return !win->glPlanet->is_loading_texture(); }));
    EXPECT_EQ(log.count("TEXTURE,':/wb/img/8k_earth.jpg'"), 2);
    EXPECT_EQ(row(*win, "London")->checkState(), Qt::Checked);
    EXPECT_TRUE(win->glPlanet->graph.get_mesh(2).is_visible());

    win->on_select_all();  // one shown: hide all
    EXPECT_EQ(win->count_selected(), 0);
    win->on_select_all();  // none shown: show all
    EXPECT_EQ(win->count_selected(), 120);
    menu([&] { win->on_menu_list_cities(); }, "none");
    EXPECT_EQ(win->count_selected(), 0);
    EXPECT_EQ(win->get_node().get<QByteArray>("ba", {}), QByteArray(1000, 0));
    EXPECT_EQ(row(*win, "Zagreb")->checkState(), Qt::Unchecked);
}

TEST_F(WindowTest, SaveTurnAndZoomThenRestoreBringsTheViewBackInItsOwnWindowOnly)
{
    auto win = open();
    auto other = open();
    EXPECT_NE(win->get_object_name(), other->get_object_name());
    GLPlanet& view = *win->glPlanet;
    view.cam.set_fov_zoom(3);
    view.graph.get_root().set_rotation(40.0f, glm::vec3(0, 1, 0));
    view.light.vPos = glm::vec3(-3, 2, 1);
    win->on_save_view();
    gen::qt::gl::Camera const cam = view.cam;
    glm::mat4 const planet = view.graph.get_root().matModel;

    win->on_reset_view();
    EXPECT_EQ(view.cam.fov, 45.0f);
    view.cam.set_fov_zoom(-2);
    view.graph.get_root().set_rotation(-70.0f, glm::vec3(1, 0, 0));
    menu([&] { win->on_view_menu(); }, "Restore");
    EXPECT_EQ(view.cam.fov, cam.fov);
    EXPECT_EQ(view.cam.vPos, cam.vPos);
    EXPECT_EQ(view.graph.get_root().matModel, planet);
    EXPECT_EQ(view.light.vPos, glm::vec3(-3, 2, 1));
    EXPECT_EQ(other->glPlanet->cam.fov, 45.0f);
    EXPECT_EQ(other->get_node().get_pod<gen::qt::gl::Camera>("cam", {}).fov, 45.0f);
}

TEST_F(WindowTest, DamagedStoredValuesAreRefusedAndTheRestIsKept)
{
    auto win = open();
    gen::store::GNode& node = win->get_node();
    node.set("planet", QStringLiteral("Vulcan"));
    node.set("ba", QByteArray(10, 1));
    node.set("cam", QByteArray("not a camera"));
    node.set_pod("matPlanet", glm::mat4(0.0f));
    node.set_pod("light", gen::qt::gl::Light{glm::vec3(NAN), glm::vec3(1), 1});
    node.set("seeCoordinates", false);
    close(win);

    win = open();
    EXPECT_EQ(win->sPlanet, "Earth/small");
    EXPECT_TRUE(log.contains("Window::ini, unknown planet <<<Vulcan>>>, showing Earth/small"));
    EXPECT_EQ(win->get_node().get<QString>("planet", {}), "Vulcan");
    EXPECT_EQ(win->baCities.size(), 1000);
    EXPECT_EQ(row(*win, "London")->checkState(), Qt::Checked);  // byte 1 of the ten kept
    EXPECT_EQ(row(*win, "Zagreb")->checkState(), Qt::Unchecked);
    EXPECT_TRUE(log.contains("Window::on_restore_view, stored camera refused"));
    EXPECT_TRUE(log.contains("Window::on_restore_view, stored light refused"));
    EXPECT_TRUE(log.contains("Window::on_restore_view, stored planet matrix refused"));
    EXPECT_EQ(win->glPlanet->cam.vPos, glm::vec3(0, 0, 5));
    EXPECT_FALSE(win->glPlanet->seeCoordinates);
}

TEST_F(WindowTest, APressStopsTheFlightAndAPinchZoomsAndShieldsTheViewFromItsMousePresses)
{
    std::size_t const listeners = gen::qt::gApp->lisZoom.size();
    auto win = open();
    GLPlanet& view = *win->glPlanet;
    win->btnAnim->click();
    EXPECT_EQ(win->timerAnim.interval(), 20);
    glm::vec3 const before = view.cam.vPos;
    EXPECT_TRUE(wait_for([&] { return view.cam.vPos != before; }, 2000));
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(win->timerAnim.isActive());
    EXPECT_FALSE(win->btnAnim->isChecked());

    gen::qt::gApp->lisZoom.fire_event(1.2f);
    EXPECT_NEAR(view.cam.fov, 45.0f * 0.92f, 1e-3f);
    // The gesture's own mouse events that follow turn nothing.
    glm::vec3 const cam = view.cam.vPos;
    QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(380, 250));
    QTest::mouseMove(&view, QPoint(420, 250));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(420, 250));
    EXPECT_EQ(view.cam.vPos, cam);
    EXPECT_TRUE(log.contains("GLEarth::mousePressEvent - time barrier"));
    close(win);
    EXPECT_EQ(gen::qt::gApp->lisZoom.size(), listeners);  // a pinch now reaches no dead view
}

TEST_F(WindowTest, BodiesLoadInTheBackgroundTheLastChoiceWinsAndAFailureKeepsEverything)
{
    auto win = open();
    GLPlanet& view = *win->glPlanet;
    auto const texture = [&] { return view.graph.get_root().idTexture; };
    unsigned int const small = texture();
    // Until Mars is in, the sphere, the body and the setting stay; the big
    // Earth chosen before it never arrives.
    EXPECT_TRUE(win->choose_planet("Earth/big") && win->choose_planet("Mars"));
    EXPECT_TRUE(view.is_loading_texture());
    EXPECT_EQ(texture(), small);
    EXPECT_EQ(win->sPlanet, "Earth/small");
    EXPECT_TRUE(wait_for([&] { return !view.is_loading_texture(); }));
    settle();
    EXPECT_FALSE(view.is_loading_texture());  // the big map's pyramid did not come back
    EXPECT_EQ(win->sPlanet, "Mars");
    EXPECT_EQ(win->get_node().get<QString>("planet", {}), "Mars");
    EXPECT_NE(texture(), small);
    EXPECT_FALSE(log.contains("TEXTURE,':/wb/img/8k_earth.jpg'"));

    unsigned int const mars = texture();
    win->planets["Broken"] = ":/wb/img/none.jpg";
    log.clear();
    EXPECT_TRUE(win->choose_planet("Broken"));
    EXPECT_TRUE(wait_for([&] { return !view.is_loading_texture(); }));
    // The loader's line and the window's two.
    EXPECT_EQ(std::ranges::count_if(log.lines(), [](auto const& l) { return l.level == gen::log::LEVEL_ERROR; }), 3);
    EXPECT_TRUE(log.contains("GLFigureWindow::on_menu_planets, problems loading texture"));
    EXPECT_EQ(texture(), mars);
    EXPECT_EQ(win->sPlanet, "Mars");
    EXPECT_EQ(win->get_node().get<QString>("planet", {}), "Mars");
    EXPECT_FALSE(win->choose_planet("Vulcan"));  // no such body: refused at once
}

TEST_F(WindowTest, ClosingAWindowWhileItsTextureLoadsLeavesNothingBehind)
{
    for (bool uploading : {false, true}) {
        SCOPED_TRACE(uploading ? "uploading" : "decoding");
        auto win = open();
        EXPECT_TRUE(win->choose_planet("Earth/big"));
        if (uploading) {
            EXPECT_TRUE(wait_for([&] { return win->glPlanet->textureLoad.uploading(); }));
        }
        close(win);
    }
    settle();
    EXPECT_FALSE(log.contains("TEXTURE,':/wb/img/8k_earth.jpg'"));
}
