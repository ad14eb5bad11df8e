// The real planet view on a real context (Xvfb, llvmpipe): what it draws, what
// hovering shows and what drags do. Frames are read back from the screen after
// Qt's own paint, so the overlay and the device-pixel scaling are included.

#include "GLPlanet.h"

#include <gen/math/sphere.h>
#include <gen/qt/gl/colors.h>

#include "support/Fuzzy.h"
#include "support/LogCapture.h"
#include "support/WaitFor.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <glm/geometric.hpp>

#include <algorithm>
#include <cmath>
#include <memory>

using gen::qt::gl::glTools::City;
namespace sphere = gen::math::sphere;

namespace {

using test::wait_for;

class PlanetViewTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(open()); }

    test::LogCapture log;  // everything from the view's set-up on
    bool open(QString const& texture = {})
    {
        view = std::make_unique<GLPlanet>();
        if (!texture.isNull()) {
            view->sTexture = texture;
        }
        view->resize(800, 600);
        view->show();
        return wait_for([this] { return view->isExposed() && view->counterPaint > 0; });
    }

    // The window as the screen shows it after the next paint, in device pixels.
    QImage frame()
    {
        QSignalSpy swapped(view.get(), &QOpenGLWindow::frameSwapped);
        view->update();
        EXPECT_TRUE(swapped.wait(5000));
        QCoreApplication::processEvents();
        return view->screen()->grabWindow(view->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The colour at a logical position.
    QColor at(QImage const& image, QPointF logical) const
    {
        return image.pixelColor((logical * view->devicePixelRatio()).toPoint());
    }

    // A city's place at `radius` planet radii (1: on the ground, 1.08: the
    // top of its cylinder), in logical pixels.
    QPointF place(std::string const& name, float radius = 1.0f)
    {
        auto const c = std::find_if(view->cities.begin(), view->cities.end(),
                                    [&](City const& city) { return city.name == name; });
        EXPECT_NE(c, view->cities.end()) << name;
        return view->project(radius * sphere::latlon_to_vec(c->lat, c->lon));
    }

    // Whether any pixel within `radius` logical pixels of `p` passes `test`.
    bool any_near(QImage const& image, QPointF p, int radius, std::function<bool(QColor)> const& test)
    {
        for (int dy = -radius; dy <= radius; ++dy) {
            for (int dx = -radius; dx <= radius; ++dx) {
                if (test(at(image, p + QPointF(dx, dy)))) {
                    return true;
                }
            }
        }
        return false;
    }

    void hover(QPoint p) { QTest::mouseMove(view.get(), p); }

    void send_mouse(QEvent::Type type, QPoint p, Qt::MouseButtons buttons, Qt::KeyboardModifiers mods = {})
    {
        Qt::MouseButton const button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(p), view->mapToGlobal(QPointF(p)), button, buttons, mods);
        QCoreApplication::sendEvent(view.get(), &event);
    }

    // Press at `from`, move through `steps` equal steps to `to`, release.
    void drag(QPoint from, QPoint to, int steps = 4, Qt::KeyboardModifiers mods = {})
    {
        send_mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, mods);
        for (int i = 1; i <= steps; ++i) {
            send_mouse(QEvent::MouseMove, from + (to - from) * i / steps, Qt::LeftButton, mods);
        }
        send_mouse(QEvent::MouseButtonRelease, to, Qt::NoButton, mods);
    }

    std::unique_ptr<GLPlanet> view;
};

bool is_reddish(QColor c) { return c.red() > c.green() + 40 && c.red() > c.blue() + 40; }
// The highlight cylinder's red top or blue side.
bool is_highlight(QColor c) { return std::max(c.red(), c.blue()) > 120 && c.green() < 60 && std::min(c.red(), c.blue()) < 60; }
bool is_city_colour(QColor c)
{
    bool const yellow = c.red() > 100 && c.green() > 100 && c.blue() < c.red() / 2;
    bool const grey = c.red() > 60 && std::abs(c.red() - c.green()) < 12 && std::abs(c.green() - c.blue()) < 12;
    return yellow || grey;
}

}  // namespace

TEST_F(PlanetViewTest, StartViewShowsTheTexturedEarthAndTheCrossHair)
{
    for (char const* line : {"GLPlanet::initializeGL - OK", "GL_VERSION: ", "GL_VENDOR:   ", "CITIES:120",
                             "GLPlanet::~initializeGL"}) {
        EXPECT_TRUE(log.contains(line)) << line;
    }
    EXPECT_EQ(view->graph.size(), 121u);  // sphere, 119 cities, highlight
    EXPECT_TRUE(view->graph.get_mesh(GLPlanet::kHighlightId).is_clone());
    EXPECT_EQ(view->graph.get_mesh(2).idRollOver, GLPlanet::kHighlightId);
    unsigned int const painted = view->counterPaint;
    QImage const image = frame();
    EXPECT_EQ(view->counterPaint, painted + 1);
    ASSERT_EQ(image.width(), qRound(800 * view->devicePixelRatio()));
    QPointF const centre(400, 300);
    // Latitude 0, longitude 0 is open ocean: blue over red, and not the
    // untextured green.
    QColor const ocean = at(image, centre + QPointF(30, 30));
    EXPECT_GT(ocean.blue(), ocean.red()) << ocean.name().toStdString();
    EXPECT_LT(ocean.green(), 200);
    // The antialiased one-pixel lines straddle two pixel columns or rows.
    EXPECT_TRUE(any_near(image, centre + QPointF(0, -10), 1, is_reddish));
    EXPECT_TRUE(any_near(image, centre + QPointF(-10, 0), 1, is_reddish));
    EXPECT_FALSE(any_near(image, centre + QPointF(0, -30), 1, is_reddish));
    // The planet sits in the middle of the whole view whatever the
    // device-pixel ratio: on both sides of the centre, and not in a corner.
    EXPECT_EQ(at(image, QPointF(5, 5)), QColor(Qt::black));
    EXPECT_NE(at(image, centre + QPointF(120, 0)), QColor(Qt::black));
    EXPECT_NE(at(image, centre + QPointF(-120, 0)), QColor(Qt::black));
    EXPECT_EQ(at(image, centre + QPointF(0, 200)), QColor(Qt::black));
}

TEST_F(PlanetViewTest, HoverHighlightsTheCityUnderThePointerAndShowsItsData)
{
    QPointF const top = place("London", 1.08f);
    EXPECT_TRUE(any_near(frame(), top, 3, is_city_colour));

    hover(place("London").toPoint());
    EXPECT_EQ(view->sGeoInfo, "London, citizen :8.900.000, lat:51.51, lon:-0.13");
    EXPECT_TRUE(view->graph.get_mesh(2).is_rollover());
    QImage const hovered = frame();
    EXPECT_TRUE(any_near(hovered, top, 3, is_highlight));
    // The box behind the text lightens the dark frame at its corner.
    EXPECT_GT(at(hovered, QPointF(16, 16)).lightness(), 100);

    hover(QPoint(400, 300));  // open ocean at latitude 0, longitude 0
    EXPECT_EQ(view->sGeoInfo, "0.00,0.00");
    EXPECT_FALSE(view->graph.get_mesh(2).is_rollover());
    QImage const ocean = frame();
    EXPECT_FALSE(any_near(ocean, top, 3, is_highlight));
    EXPECT_TRUE(any_near(ocean, top, 3, is_city_colour));

    view->seeCoordinates = false;
    hover(QPoint(5, 5));  // beside the planet: a miss
    EXPECT_EQ(view->sGeoInfo, "0.00,0.00");
    EXPECT_EQ(at(frame(), QPointF(16, 16)), QColor(Qt::black));
}

TEST_F(PlanetViewTest, MissingTextureGivesAGreenSphereWithItsCities)
{
    ASSERT_TRUE(open(QStringLiteral(":/wb/img/none.jpg")));
    EXPECT_TRUE(log.contains("GLEarth::initializeGL, problems *** loading texture <<<:/wb/img/none.jpg>>>"));
    QImage const image = frame();
    QColor const c = at(image, QPointF(430, 330));
    EXPECT_GT(c.green(), 2 * c.red());
    EXPECT_GT(c.green(), 2 * c.blue());
    EXPECT_TRUE(any_near(image, place("London", 1.08f), 3, is_city_colour));
}

TEST_F(PlanetViewTest, ATextureLoadedLaterKeepsTheOldOneUntilItIsInAndFacesTheRightWay)
{
    ASSERT_TRUE(open(QStringLiteral(":/wb/img/2k_mars.jpg")));
    // On a worker's shared context, and by the GUI thread where there is none.
    for (bool const threaded : {view->textureLoad.threaded, false}) {
        SCOPED_TRACE(threaded ? "worker context" : "GUI thread");
        view->textureLoad.threaded = threaded;
        unsigned int const before = view->graph.get_root().idTexture;
        int result = -1;
        ASSERT_TRUE(view->load_texture_later(QStringLiteral(":/wb/img/8k_earth.jpg"), [&](bool ok) { result = ok; }));
        EXPECT_EQ(view->graph.get_root().idTexture, before);  // nothing swapped before the event loop runs
        EXPECT_TRUE(wait_for([&] { return result != -1; }));
        EXPECT_EQ(result, 1);
        EXPECT_NE(view->graph.get_root().idTexture, before);
        // West of longitude 0 at the equator lies the Atlantic, east of it
        // Africa: a red Mars, an empty texture, or a map laid on mirrored,
        // fails one of them.
        QImage const image = frame();
        QColor const ocean = at(image, view->project(sphere::latlon_to_vec(5.0f, -25.0f)));
        QColor const land = at(image, view->project(sphere::latlon_to_vec(5.0f, 25.0f)));
        EXPECT_GT(ocean.blue(), ocean.red() + 20) << ocean.name().toStdString();
        EXPECT_GT(land.red(), land.blue()) << land.name().toStdString();
    }
}

namespace {

// Rotation angle in degrees of the pure rotation `r`.
float rotation_degrees(glm::mat4 const& r)
{
    float const trace = r[0][0] + r[1][1] + r[2][2];
    return glm::degrees(std::acos(std::clamp((trace - 1.0f) / 2.0f, -1.0f, 1.0f)));
}

}  // namespace

TEST_F(PlanetViewTest, DragsTurnWhatTheModeSaysAndKeepTheGrabbedPlaceUnderThePointer)
{
    auto geo = [this](QPoint p) {
        return sphere::get_geo_coordinate(view->cam, view->get_viewport(), p, view->get_planet_turn());
    };
    // The camera keeps its up vector, so its drags are checked along the axes,
    // where orbiting needs no roll; the planet turns freely.
    struct Mode { char const* name; void (MultiFuncState::*set)(bool); QPoint from; QPoint to; };
    for (Mode const& m : {Mode{"camera across", &MultiFuncState::set_rotation_cam, {360, 300}, {440, 300}},
                          Mode{"camera up", &MultiFuncState::set_rotation_cam, {400, 340}, {400, 260}},
                          Mode{"light", &MultiFuncState::set_rotation_light, {380, 280}, {440, 320}},
                          Mode{"planet", &MultiFuncState::set_rotation_planet, {380, 280}, {440, 320}}}) {
        SCOPED_TRACE(m.name);
        view->reset_view_and_model();
        view->mfState.reset();
        (view->mfState.*m.set)(true);
        glm::vec2 const before = geo(m.from);
        glm::vec3 const light = view->light.vPos;
        drag(m.from, m.to);
        if (view->mfState.is_rotation_light()) {
            EXPECT_NEAR(glm::length(view->light.vPos), glm::length(light), 1e-4f);
            EXPECT_FALSE(test::near(view->light.vPos, light, 0.1f));
        } else {
            EXPECT_TRUE(test::near(geo(m.to), before, 0.05f));
            EXPECT_FALSE(test::near(geo(m.from), before, 1.0f));
        }
    }
    // After the planet drag London's cylinder is elsewhere; hovering it still
    // names and highlights it.
    hover(place("London").toPoint());
    EXPECT_EQ(view->sGeoInfo, "London, citizen :8.900.000, lat:51.51, lon:-0.13");
    EXPECT_TRUE(any_near(frame(), place("London", 1.08f), 3, is_highlight));
}

TEST_F(PlanetViewTest, ModifiersAndTheBarrierStopDragsAndTheZModeTurnsHalfADegreePerPixel)
{
    view->mfState.set_rotation_planet(true);
    view->mfState.set_rotation_light(true);  // with the camera: the camera wins
    glm::vec3 const cam = view->cam.vPos;
    glm::vec3 const light = view->light.vPos;
    glm::mat4 const model = view->graph.get_root().matModel;
    auto const unchanged = [&] {
        return view->cam.vPos == cam && view->light.vPos == light && view->graph.get_root().matModel == model;
    };
    for (Qt::KeyboardModifier mod : {Qt::ShiftModifier, Qt::AltModifier, Qt::ControlModifier}) {
        drag(QPoint(380, 280), QPoint(440, 320), 4, mod);
        EXPECT_TRUE(unchanged()) << mod;
    }
    view->timeBarrier.set_active(600);
    drag(QPoint(380, 280), QPoint(440, 320));
    EXPECT_TRUE(unchanged());
    EXPECT_TRUE(log.contains("GLEarth::mousePressEvent - time barrier"));
    view->timeBarrier.reset();
    drag(QPoint(380, 280), QPoint(440, 320));
    EXPECT_NE(view->cam.vPos, cam);
    EXPECT_EQ(view->graph.get_root().matModel, model);

    // Z mode: of three moves 4 pixels apart the first only records the
    // point; a vertical move does nothing.
    view->mfState.reset();
    view->mfState.set_rotation_planet_Z(true);
    send_mouse(QEvent::MouseButtonPress, QPoint(300, 300), Qt::LeftButton);
    for (QPoint p : {QPoint(300, 300), QPoint(304, 300), QPoint(308, 300), QPoint(308, 340)}) {
        send_mouse(QEvent::MouseMove, p, Qt::LeftButton);
    }
    send_mouse(QEvent::MouseButtonRelease, QPoint(308, 340), Qt::NoButton);
    glm::mat4 const turn = view->graph.get_root().matModel * glm::inverse(model);
    EXPECT_NEAR(rotation_degrees(turn), 4.0f, 0.01f);
    glm::vec3 const axis = glm::normalize(view->cam.vPos);  // the line of sight stays in place
    EXPECT_TRUE(test::near(glm::vec3(turn * glm::vec4(axis, 0.0f)), axis, 1e-5f));
}

TEST_F(PlanetViewTest, WheelFlightAndResetMoveTheCamera)
{
    struct Wheel { QPoint angle; QPoint pixel; float factor; };
    for (Wheel const& w : {Wheel{{0, 120}, {}, 0.92f}, Wheel{{0, 60}, {}, std::sqrt(0.92f)},
                           Wheel{{}, {0, -60}, 1.0f / 0.92f}, Wheel{{}, {}, 1.0f}}) {
        float const fov = view->cam.fov;
        QWheelEvent event(QPointF(400, 300), view->mapToGlobal(QPointF(400, 300)), w.pixel, w.angle, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view.get(), &event);
        EXPECT_NEAR(view->cam.fov, fov * w.factor, 1e-3f);
    }
    view->reset_view_and_model();
    for (int i = 0; i < 10; ++i) {
        view->anim_rotation();
    }
    // The camera circles the planet about the vertical, the light with it.
    EXPECT_NEAR(glm::length(view->cam.vPos), 5.0f, 1e-3f);
    EXPECT_NEAR(view->cam.vPos.y, 0.0f, 1e-3f);
    EXPECT_GT(std::abs(view->cam.vPos.x), 0.01f);
    EXPECT_EQ(view->light.vPos, view->cam.vPos);

    view->graph.get_root().set_rotation(30.0f, glm::vec3(0, 1, 0));
    view->reset_view_and_model();
    EXPECT_EQ(view->cam.vPos, glm::vec3(0, 0, 5));
    EXPECT_EQ(view->cam.fov, 45.0f);
    EXPECT_EQ(view->light.vPos, glm::vec3(1, 1, 5));
    EXPECT_EQ(view->get_planet_turn(), glm::mat4(1.0f));
}
