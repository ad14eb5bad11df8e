// The real planet view on a real context (Xvfb, llvmpipe): what it draws, what
// hovering shows and what drags do. Frames are read back from the screen after
// Qt's own paint, so the overlay and the device-pixel scaling are included.

#include "GLPlanet.h"

#include <gen/math/sphere.h>
#include <gen/qt/gl/colors.h>

#include "support/Fuzzy.h"
#include "support/LogCapture.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <glm/geometric.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include <cmath>
#include <memory>

using gen::qt::gl::glTools::City;
namespace sphere = gen::math::sphere;

namespace {

bool wait_for(std::function<bool()> const& done, int ms = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

class PlanetViewTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(open()); }

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
        QImage image = view->screen()->grabWindow(view->winId()).toImage().convertToFormat(QImage::Format_RGB32);
        if (qEnvironmentVariableIsSet("SKYVALE_SAVE_FRAMES")) {
            image.save(QString("/tmp/frame_%1.png").arg(++saved));
        }
        return image;
    }

    // The colour at a logical position.
    static QColor at(QImage const& image, QPointF logical, qreal dpr)
    {
        return image.pixelColor((logical * dpr).toPoint());
    }
    qreal dpr() const { return view->devicePixelRatio(); }

    // Where a point of the planet's own frame appears, in logical pixels.
    QPointF project(glm::vec3 const& planetPoint)
    {
        gen::math::ViewPort const vp = view->get_viewport();
        glm::mat4 const projection = glm::perspective(glm::radians(view->cam.fov), vp.width / vp.height,
                                                      view->cam.zNear, view->cam.zFar);
        glm::vec4 const clip = projection * view->cam.get_view_matrix() * view->graph.get_root().matModel *
                               glm::vec4(planetPoint, 1.0f);
        glm::vec3 const ndc = glm::vec3(clip) / clip.w;
        return {(ndc.x + 1.0f) / 2.0f * vp.width, (1.0f - ndc.y) / 2.0f * vp.height};
    }

    // The middle of the top cap of a city's cylinder, in logical pixels.
    QPointF city_top(City const& city)
    {
        return project(1.08f * sphere::latlon_to_vec(city.lat, city.lon));
    }

    City city(std::string const& name) const
    {
        for (City const& c : view->cities) {
            if (c.name == name) {
                return c;
            }
        }
        return {};
    }

    // Whether any pixel within `radius` logical pixels of `p` passes `test`.
    bool any_near(QImage const& image, QPointF p, int radius, std::function<bool(QColor)> const& test)
    {
        for (int dy = -radius; dy <= radius; ++dy) {
            for (int dx = -radius; dx <= radius; ++dx) {
                if (test(at(image, p + QPointF(dx, dy), dpr()))) {
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
    int saved = 0;
};

bool is_red(QColor c) { return c.red() > 120 && c.green() < 60 && c.blue() < 60; }
bool is_reddish(QColor c) { return c.red() > c.green() + 40 && c.red() > c.blue() + 40; }
bool is_highlight(QColor c) { return is_red(c) || (c.blue() > 120 && c.red() < 60 && c.green() < 60); }
bool is_city_colour(QColor c)
{
    bool const yellow = c.red() > 100 && c.green() > 100 && c.blue() < c.red() / 2;
    bool const grey = c.red() > 60 && std::abs(c.red() - c.green()) < 12 && std::abs(c.green() - c.blue()) < 12;
    return yellow || grey;
}

}  // namespace

TEST_F(PlanetViewTest, StartViewShowsTheTexturedEarthAndTheCrossHair)
{
    QImage const image = frame();
    ASSERT_EQ(image.width(), qRound(800 * dpr()));
    QPointF const centre(400, 300);
    // Latitude 0, longitude 0 is open ocean: blue over red, and not the
    // untextured green.
    QColor const ocean = at(image, centre + QPointF(30, 30), dpr());
    EXPECT_GT(ocean.blue(), ocean.red()) << ocean.name().toStdString();
    EXPECT_LT(ocean.green(), 200);
    // The antialiased one-pixel lines straddle two pixel columns or rows.
    EXPECT_TRUE(any_near(image, centre + QPointF(0, -10), 1, is_reddish));
    EXPECT_TRUE(any_near(image, centre + QPointF(-10, 0), 1, is_reddish));
    EXPECT_FALSE(any_near(image, centre + QPointF(0, -30), 1, is_reddish));
    // The planet sits in the middle of the whole view whatever the
    // device-pixel ratio: on both sides of the centre, and not in a corner.
    EXPECT_EQ(at(image, QPointF(5, 5), dpr()), QColor(Qt::black));
    EXPECT_NE(at(image, centre + QPointF(120, 0), dpr()), QColor(Qt::black));
    EXPECT_NE(at(image, centre + QPointF(-120, 0), dpr()), QColor(Qt::black));
    EXPECT_EQ(at(image, centre + QPointF(0, 200), dpr()), QColor(Qt::black));
}

TEST_F(PlanetViewTest, HoverHighlightsTheCityUnderThePointerAndShowsItsData)
{
    City const london = city("London");
    ASSERT_TRUE(london);
    QPointF const top = city_top(london);
    EXPECT_TRUE(any_near(frame(), top, 3, is_city_colour));

    // London itself, the foot of its cylinder on the sphere.
    hover(project(sphere::latlon_to_vec(london.lat, london.lon)).toPoint());
    EXPECT_EQ(view->sGeoInfo, "London, citizen :8.900.000, lat:51.51, lon:-0.13");
    EXPECT_TRUE(view->graph.get_mesh(london.id).is_rollover());
    QImage const hovered = frame();
    EXPECT_TRUE(any_near(hovered, top, 3, is_highlight));
    // The box behind the text lightens the dark frame at its corner.
    EXPECT_GT(at(hovered, QPointF(16, 16), dpr()).lightness(), 100);

    hover(QPoint(400, 300));  // open ocean at latitude 0, longitude 0
    EXPECT_EQ(view->sGeoInfo, "0.00,0.00");
    EXPECT_FALSE(view->graph.get_mesh(london.id).is_rollover());
    QImage const ocean = frame();
    EXPECT_FALSE(any_near(ocean, top, 3, is_highlight));
    EXPECT_TRUE(any_near(ocean, top, 3, is_city_colour));

    view->seeCoordinates = false;
    hover(QPoint(5, 5));  // beside the planet: a miss
    EXPECT_EQ(view->sGeoInfo, "0.00,0.00");
    EXPECT_EQ(at(frame(), QPointF(16, 16), dpr()), QColor(Qt::black));
}

TEST_F(PlanetViewTest, MissingTextureGivesAGreenSphereWithItsCities)
{
    test::LogCapture log(gen::log::LEVEL_ERROR);
    ASSERT_TRUE(open(QStringLiteral(":/wb/img/none.jpg")));
    EXPECT_TRUE(log.contains("GLEarth::initializeGL, problems *** loading texture <<<:/wb/img/none.jpg>>>"));
    QImage const image = frame();
    QColor const c = at(image, QPointF(430, 330), dpr());
    EXPECT_GT(c.green(), 2 * c.red());
    EXPECT_GT(c.green(), 2 * c.blue());
    EXPECT_EQ(view->graph.size(), 121u);  // sphere, 119 cities, highlight
    EXPECT_TRUE(any_near(image, city_top(city("London")), 3, is_city_colour));
}

TEST_F(PlanetViewTest, SetUpBuildsTheSceneAndLogsIt)
{
    test::LogCapture log;
    ASSERT_TRUE(open());
    EXPECT_TRUE(log.contains("GLPlanet::initializeGL - OK"));
    EXPECT_TRUE(log.contains("GL_VERSION: "));
    EXPECT_TRUE(log.contains("GL_VENDOR:   "));
    EXPECT_TRUE(log.contains("CITIES:120"));
    EXPECT_TRUE(log.contains("GLPlanet::~initializeGL"));
    ASSERT_EQ(view->cities.size(), 119u);
    EXPECT_EQ(view->graph.get_root().name, "earth");
    gen::qt::gl::GLMesh const& highlight = view->graph.get_mesh(GLPlanet::kHighlightId);
    EXPECT_TRUE(highlight.is_clone());
    EXPECT_EQ(view->graph.get_mesh(2).idRollOver, GLPlanet::kHighlightId);
    EXPECT_TRUE(view->mfState.is_rotation_cam() && view->mfState.is_light_follow_cam());
    unsigned int const before = view->counterPaint;
    frame();
    EXPECT_EQ(view->counterPaint, before + 1);
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
    struct Mode { char const* name; void (MultiFuncState::*set)(bool); QPoint from; QPoint to; bool grabbed; };
    for (Mode const& m : {Mode{"camera across", &MultiFuncState::set_rotation_cam, {360, 300}, {440, 300}, true},
                          Mode{"camera up", &MultiFuncState::set_rotation_cam, {400, 340}, {400, 260}, true},
                          Mode{"planet", &MultiFuncState::set_rotation_planet, {380, 280}, {440, 320}, true},
                          Mode{"light", &MultiFuncState::set_rotation_light, {380, 280}, {440, 320}, false}}) {
        SCOPED_TRACE(m.name);
        view->reset_view_and_model();
        view->mfState.reset();
        (view->mfState.*m.set)(true);
        glm::vec2 const before = geo(m.from);
        glm::vec3 const lightBefore = view->light.vPos;
        drag(m.from, m.to);
        if (m.grabbed) {
            EXPECT_TRUE(test::near(geo(m.to), before, 0.05f));
            EXPECT_FALSE(test::near(geo(m.from), before, 1.0f));
        } else {
            EXPECT_NEAR(glm::length(view->light.vPos), glm::length(lightBefore), 1e-4f);
            EXPECT_FALSE(test::near(view->light.vPos, lightBefore, 0.1f));
        }
    }
    // The head light follows the orbiting camera.
    view->reset_view_and_model();
    view->mfState.set_rotation_cam(true);
    view->mfState.set_light_follow_cam(true);
    drag(QPoint(360, 300), QPoint(440, 300));
    EXPECT_EQ(view->light.vPos, view->cam.vPos);
}

TEST_F(PlanetViewTest, DragsWithModifiersOrBehindTheBarrierChangeNothing)
{
    view->mfState.set_rotation_cam(true);
    view->mfState.set_rotation_planet(true);
    view->mfState.set_rotation_light(true);
    auto const unchanged = [this](glm::vec3 cam, glm::vec3 light, glm::mat4 model) {
        return view->cam.vPos == cam && view->light.vPos == light && view->graph.get_root().matModel == model;
    };
    glm::vec3 const cam = view->cam.vPos;
    glm::vec3 const light = view->light.vPos;
    glm::mat4 const model = view->graph.get_root().matModel;
    for (Qt::KeyboardModifiers mods : {Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::AltModifier),
                                       Qt::KeyboardModifiers(Qt::ControlModifier)}) {
        drag(QPoint(380, 280), QPoint(440, 320), 4, mods);
        EXPECT_TRUE(unchanged(cam, light, model)) << mods;
    }
    test::LogCapture log;
    view->timeBarrier.set_active(600);
    drag(QPoint(380, 280), QPoint(440, 320));
    EXPECT_TRUE(unchanged(cam, light, model));
    EXPECT_TRUE(log.contains("GLEarth::mousePressEvent - time barrier"));
    // The first handled drag moves the camera, the first mode that applies.
    view->timeBarrier.reset();
    drag(QPoint(380, 280), QPoint(440, 320));
    EXPECT_NE(view->cam.vPos, cam);
    EXPECT_EQ(view->graph.get_root().matModel, model);
}

TEST_F(PlanetViewTest, ZModeTurnsHalfADegreePerPixelAboutTheLineOfSight)
{
    view->mfState.reset();
    view->mfState.set_rotation_planet_Z(true);
    glm::mat4 const before = view->graph.get_root().matModel;
    // Three moves 4 pixels apart: the first only records the point.
    send_mouse(QEvent::MouseButtonPress, QPoint(300, 300), Qt::LeftButton);
    for (int x : {300, 304, 308}) {
        send_mouse(QEvent::MouseMove, QPoint(x, 300), Qt::LeftButton);
    }
    send_mouse(QEvent::MouseMove, QPoint(308, 340), Qt::LeftButton);  // vertical: nothing
    send_mouse(QEvent::MouseButtonRelease, QPoint(308, 340), Qt::NoButton);
    glm::mat4 const turn = view->graph.get_root().matModel * glm::inverse(before);
    EXPECT_NEAR(rotation_degrees(turn), 4.0f, 0.01f);
    // The axis, the line of sight, is left in place by the turn.
    glm::vec3 const axis = glm::normalize(view->cam.vPos);
    EXPECT_TRUE(test::near(glm::vec3(turn * glm::vec4(axis, 0.0f)), axis, 1e-5f));
}

TEST_F(PlanetViewTest, HoverAfterTurningThePlanetFindsTheCityUnderThePointer)
{
    view->mfState.reset();
    view->mfState.set_rotation_planet(true);
    drag(QPoint(400, 250), QPoint(330, 330));
    drag(QPoint(400, 300), QPoint(450, 280));
    City const london = city("London");
    QPointF const foot = project(sphere::latlon_to_vec(london.lat, london.lon));
    hover(foot.toPoint());
    EXPECT_EQ(view->sGeoInfo, "London, citizen :8.900.000, lat:51.51, lon:-0.13");
    EXPECT_TRUE(any_near(frame(), project(1.08f * sphere::latlon_to_vec(london.lat, london.lon)), 3, is_highlight));
}

TEST_F(PlanetViewTest, WheelFlightAndResetMoveTheCamera)
{
    struct Wheel { QPoint angle; QPoint pixel; float factor; };
    for (Wheel const& w : {Wheel{{0, 120}, {}, 0.92f}, Wheel{{0, 60}, {}, std::sqrt(0.92f)},
                           Wheel{{0, -120}, {}, 1.0f / 0.92f}, Wheel{{}, {0, 60}, 0.92f}, Wheel{{}, {}, 1.0f}}) {
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
