#include <gen/qt/gl/GTrackBall.h>

#include <gen/log/GLog.h>

#include "support/Fuzzy.h"
#include "support/RecordingSink.h"

#include <gtest/gtest.h>

#include <glm/ext/matrix_projection.hpp>
#include <glm/ext/matrix_transform.hpp>
#include <glm/geometric.hpp>
#include <glm/gtc/quaternion.hpp>
#include <glm/matrix.hpp>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

using gen::math::ViewPort;
using gen::qt::gl::Camera;
using gen::qt::gl::GTrackBall;

namespace {

Camera start_camera()
{
    Camera cam;
    cam.ini(glm::vec3(0.0f, 0.0f, 5.0f), 45.0f, 1.0f, 0.1f, 100.0f, 5.0f);
    return cam;
}

Camera turned_camera(float degrees, glm::vec3 const& axis, float distance, float fov)
{
    Camera cam;
    cam.ini(glm::vec3(0.0f, 0.0f, distance), fov, 1.0f, 0.1f, 100.0f, distance);
    cam.qRotation = glm::angleAxis(glm::radians(degrees), glm::normalize(axis));
    cam.update_position();
    return cam;
}

struct Ray {
    glm::vec3 origin;
    glm::vec3 dir;
};

// Independent of the trackball's own code path: glm's unProject with the
// window origin at the bottom, and the sphere solved in double precision.
Ray pointer_ray(Camera const& cam, ViewPort const& vp, QPoint const& p)
{
    glm::vec4 const viewport(0.0f, 0.0f, vp.width, vp.height);
    glm::mat4 const proj = cam.get_projection_matrix(vp.width / vp.height);
    glm::vec3 const win(static_cast<float>(p.x()), vp.height - static_cast<float>(p.y()), 1.0f);
    glm::vec3 const farPoint = glm::unProjectNO(win, cam.get_view_matrix(), proj, viewport);
    return {cam.get_position(), glm::normalize(farPoint - cam.get_position())};
}

std::optional<glm::vec3> sphere_hit(Ray const& r)
{
    glm::dvec3 const o(r.origin);
    glm::dvec3 const d(r.dir);
    double const b = glm::dot(o, d);
    double const disc = b * b - (glm::dot(o, o) - 1.0);
    if (disc < 0.0) {
        return std::nullopt;
    }
    double const t = -b - std::sqrt(disc);
    if (t < 0.0) {
        return std::nullopt;
    }
    return glm::vec3(o + t * d);
}

float distance_to_ray(glm::vec3 const& p, Ray const& r)
{
    glm::vec3 const v = p - r.origin;
    return glm::length(v - glm::dot(v, r.dir) * r.dir);
}

glm::vec3 transform_point(glm::mat4 const& m, glm::vec3 const& p)
{
    return glm::vec3(m * glm::vec4(p, 1.0f));
}

// Counts firings and keeps the last payload.
struct Probe {
    int fired = 0;
    glm::mat4 last{0.0f};
    void attach(GTrackBall& tb)
    {
        tb.lisRotation.append("probe", [this](glm::mat4 const& m) {
            ++fired;
            last = m;
        });
    }
};

ViewPort const kSquare{800.0f, 800.0f};

}  // namespace

TEST(GTrackBall, GrabbedPointStaysUnderThePointer)
{
    struct View {
        char const* name;
        Camera cam;
        ViewPort vp;
    };
    std::vector<View> const views = {
        {"start", start_camera(), kSquare},
        {"turned about y", turned_camera(40.0f, glm::vec3(0, 1, 0), 5.0f, 45.0f), ViewPort{1024.0f, 600.0f}},
        {"from above, near", turned_camera(-25.0f, glm::vec3(1, 0.3f, 0), 3.0f, 60.0f), ViewPort{640.0f, 600.0f}},
    };
    std::vector<glm::mat4> const models = {
        glm::mat4(1.0f),
        glm::rotate(glm::mat4(1.0f), glm::radians(90.0f), glm::vec3(0, 1, 0)),
        glm::rotate(glm::mat4(1.0f), glm::radians(-70.0f), glm::normalize(glm::vec3(1, 2, -1))),
    };
    struct Drag {
        QPoint from;
        std::vector<QPoint> steps;
    };
    std::vector<Drag> const drags = {
        {{0, 0}, {{40, 0}, {90, 10}, {120, -30}}},
        {{-60, 50}, {{-20, 10}, {30, -40}}},
        {{70, -80}, {{-80, 90}}},
        {{10, 100}, {{10, 99}, {0, -100}}},
    };

    for (View const& view : views) {
        QPoint const centre = view.vp.middle().toPoint();
        for (glm::mat4 const& model : models) {
            for (Drag const& d : drags) {
                SCOPED_TRACE(std::string(view.name));
                GTrackBall tb;
                Probe probe;
                probe.attach(tb);
                QPoint const from = centre + d.from;
                tb.begin_trackBall(view.cam, view.vp, model, from);
                std::optional<glm::vec3> const grabbedWorld = sphere_hit(pointer_ray(view.cam, view.vp, from));
                ASSERT_TRUE(grabbedWorld.has_value());
                glm::vec3 const grabbed = transform_point(glm::inverse(model), *grabbedWorld);

                int expectedFires = 0;
                for (QPoint const& step : d.steps) {
                    QPoint const to = centre + step;
                    Ray const ray = pointer_ray(view.cam, view.vp, to);
                    std::optional<glm::vec3> const hit = sphere_hit(ray);
                    ASSERT_TRUE(hit.has_value());
                    tb.drag(to);
                    ++expectedFires;
                    glm::vec3 const moved = transform_point(tb.matCurrent, grabbed);
                    EXPECT_LT(distance_to_ray(moved, ray), 2e-4f);
                    EXPECT_TRUE(test::near(moved, *hit, 5e-4f));
                    EXPECT_NEAR(std::fabs(glm::determinant(glm::mat3(tb.matCurrent))), 1.0f, 1e-4f);
                }
                EXPECT_EQ(probe.fired, expectedFires);
                EXPECT_EQ(probe.last, tb.matCurrent);
                EXPECT_EQ(tb.matBegin, model);
            }
        }
    }
}

TEST(GTrackBall, DragToTheRightTurnsAboutPositiveY)
{
    GTrackBall tb;
    tb.begin_trackBall(start_camera(), kSquare, glm::mat4(1.0f), QPoint(400, 400));
    tb.drag(QPoint(440, 400));
    glm::vec3 const front = transform_point(tb.matCurrent, glm::vec3(0, 0, 1));
    EXPECT_GT(front.x, 0.0f);
    EXPECT_NEAR(front.y, 0.0f, 1e-5f);
    // A pure turn about y: the y axis is kept.
    EXPECT_TRUE(test::near(transform_point(tb.matCurrent, glm::vec3(0, 1, 0)), glm::vec3(0, 1, 0), 1e-5f));
    std::optional<glm::vec3> const hit = sphere_hit(pointer_ray(start_camera(), kSquare, QPoint(440, 400)));
    ASSERT_TRUE(hit.has_value());
    float const angle = std::acos(glm::dot(glm::vec3(0, 0, 1), *hit));
    EXPECT_TRUE(test::near(tb.matCurrent, glm::rotate(glm::mat4(1.0f), angle, glm::vec3(0, 1, 0)), 1e-5f));
}

TEST(GTrackBall, StepsAreMeasuredFromTheBeginPoint)
{
    glm::mat4 const model = glm::rotate(glm::mat4(1.0f), 0.7f, glm::vec3(1, 0, 0));
    GTrackBall oneStep;
    oneStep.begin_trackBall(start_camera(), kSquare, model, QPoint(380, 420));
    oneStep.drag(QPoint(470, 350));

    GTrackBall manySteps;
    manySteps.begin_trackBall(start_camera(), kSquare, model, QPoint(380, 420));
    manySteps.drag(QPoint(300, 300));
    manySteps.drag(QPoint(470, 350));
    manySteps.drag(QPoint(470, 350));
    EXPECT_EQ(manySteps.matCurrent, oneStep.matCurrent);

    // Back at the begin point: no turn is left, and the axis is degenerate,
    // so the last matrix stands.
    glm::mat4 const before = manySteps.matCurrent;
    manySteps.drag(QPoint(380, 420));
    EXPECT_EQ(manySteps.matCurrent, before);
}

TEST(GTrackBall, MissesAndDegenerateDragsFireNothing)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    struct Case {
        char const* name;
        Camera cam;
        ViewPort vp;
        QPoint from;
        QPoint to;
    };
    Camera inside = start_camera();
    inside.distance = 0.5f;
    inside.update_position();
    std::vector<Case> const cases = {
        {"same point", start_camera(), kSquare, {400, 400}, {400, 400}},
        {"current point off the sphere", start_camera(), kSquare, {400, 400}, {790, 400}},
        {"begin point off the sphere", start_camera(), kSquare, {10, 10}, {400, 400}},
        {"eye inside the sphere", inside, kSquare, {400, 400}, {450, 380}},
        {"empty viewport", start_camera(), ViewPort{0.0f, 0.0f}, {400, 400}, {450, 380}},
        {"zero height", start_camera(), ViewPort{800.0f, 0.0f}, {400, 400}, {450, 380}},
    };
    glm::mat4 const model = glm::rotate(glm::mat4(1.0f), 0.3f, glm::vec3(0, 0, 1));
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        test::RecordingSink sink;
        GTrackBall tb;
        Probe probe;
        probe.attach(tb);
        tb.begin_trackBall(c.cam, c.vp, model, c.from);
        sink.clear();
        tb.drag(c.to);
        EXPECT_EQ(probe.fired, 0);
        EXPECT_EQ(tb.matCurrent, model);
        EXPECT_EQ(tb.matBegin, model);
        EXPECT_TRUE(tb.is_drag());
        EXPECT_TRUE(sink.texts().empty());
    }
}

TEST(GTrackBall, MissAfterAHitKeepsTheLastMatrix)
{
    GTrackBall tb;
    Probe probe;
    probe.attach(tb);
    tb.begin_trackBall(start_camera(), kSquare, glm::mat4(1.0f), QPoint(400, 400));
    tb.drag(QPoint(450, 430));
    ASSERT_EQ(probe.fired, 1);
    glm::mat4 const hitMatrix = tb.matCurrent;
    tb.drag(QPoint(799, 1));
    EXPECT_EQ(probe.fired, 1);
    EXPECT_EQ(tb.matCurrent, hitMatrix);
    EXPECT_EQ(tb.ptCurrent, QPoint(799, 1));
}

TEST(GTrackBall, DragUsesSnapshotsTakenAtBegin)
{
    Camera live = start_camera();
    GTrackBall tb;
    tb.begin_trackBall(live, kSquare, glm::mat4(1.0f), QPoint(400, 400));
    live.qRotation = glm::angleAxis(1.0f, glm::vec3(0, 1, 0));
    live.distance = 0.5f;
    live.update_position();
    tb.drag(QPoint(430, 400));

    GTrackBall reference;
    reference.begin_trackBall(start_camera(), kSquare, glm::mat4(1.0f), QPoint(400, 400));
    reference.drag(QPoint(430, 400));
    EXPECT_EQ(tb.matCurrent, reference.matCurrent);
    EXPECT_NE(tb.matCurrent, glm::mat4(1.0f));
}

TEST(GTrackBall, PhasesLogLinesEndAndReset)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    GTrackBall tb;
    EXPECT_TRUE(tb.is_zero());
    glm::mat4 const model = glm::translate(glm::mat4(1.0f), glm::vec3(0, 0, 0.25f));
    tb.begin_trackBall(start_camera(), kSquare, model, QPoint(400, 410));
    EXPECT_TRUE(tb.is_begin());
    EXPECT_TRUE(sink.contains("GTrackBall::begin_trackBall, at:400,410"));
    tb.drag(QPoint(420, 400));
    glm::mat4 const dragged = tb.matCurrent;
    tb.end(QPoint(500, 500));
    EXPECT_TRUE(tb.is_end());
    EXPECT_EQ(tb.ptCurrent, QPoint(500, 500));
    // The begin point is logged, and the matrices stand.
    EXPECT_TRUE(sink.contains("GTrackBall::end, at:400,410"));
    EXPECT_EQ(tb.matCurrent, dragged);
    EXPECT_EQ(tb.matBegin, model);

    tb.reset();
    EXPECT_TRUE(tb.is_zero());
    EXPECT_EQ(tb.matBegin, glm::mat4(1.0f));
    EXPECT_EQ(tb.matCurrent, glm::mat4(1.0f));
}

TEST(GTrackBall, GeoPositionAtTheCentreOfKnownViews)
{
    glm::mat4 const identity(1.0f);
    glm::vec2 const front = GTrackBall::get_geo_pos(start_camera(), kSquare, identity);
    EXPECT_TRUE(test::near(front, glm::vec2(90.0f, 0.0f), 1e-4f));
    EXPECT_TRUE(test::near(GTrackBall::get_geo_pos_normalized(start_camera(), kSquare, identity),
                           glm::vec2(90.0f, 0.0f), 1e-4f));

    // Camera tilted 30 degrees above the equator looks at latitude 30.
    Camera const above = turned_camera(-30.0f, glm::vec3(1, 0, 0), 5.0f, 45.0f);
    EXPECT_TRUE(test::near(GTrackBall::get_geo_pos(above, kSquare, identity), glm::vec2(90.0f, 30.0f), 1e-4f));

    // The result is in the model's own frame: the planet's start turn
    // (a quarter turn about y) brings x = -1 to the front.
    glm::mat4 const planet = glm::rotate(identity, glm::radians(90.0f), glm::vec3(0, 1, 0));
    glm::vec2 const planetFront = GTrackBall::get_geo_pos(start_camera(), kSquare, planet);
    EXPECT_NEAR(std::fabs(planetFront.x), 180.0f, 1e-3f);
    EXPECT_NEAR(planetFront.y, 0.0f, 1e-4f);
    EXPECT_NEAR(GTrackBall::get_geo_pos_normalized(start_camera(), kSquare, planet).x, 0.0f, 1e-3f);

    // Model turned so that the front shows longitude 30 and -30.
    glm::mat4 const lon30 = glm::rotate(identity, glm::radians(-60.0f), glm::vec3(0, 1, 0));
    glm::mat4 const lonMinus30 = glm::rotate(identity, glm::radians(-120.0f), glm::vec3(0, 1, 0));
    EXPECT_NEAR(GTrackBall::get_geo_pos(start_camera(), kSquare, lon30).x, 30.0f, 1e-3f);
    EXPECT_NEAR(GTrackBall::get_geo_pos_normalized(start_camera(), kSquare, lon30).x, 150.0f, 1e-3f);
    EXPECT_NEAR(GTrackBall::get_geo_pos(start_camera(), kSquare, lonMinus30).x, -30.0f, 1e-3f);
    EXPECT_NEAR(GTrackBall::get_geo_pos_normalized(start_camera(), kSquare, lonMinus30).x, -150.0f, 1e-3f);
}

TEST(GTrackBall, GeoPositionMissesGiveZero)
{
    Camera beside = start_camera();
    beside.vTarget = glm::vec3(3.0f, 0.0f, 0.0f);
    beside.update_position();
    EXPECT_EQ(GTrackBall::get_geo_pos(beside, kSquare, glm::mat4(1.0f)), glm::vec2(0.0f));

    Camera inside = start_camera();
    inside.distance = 0.5f;
    inside.update_position();
    EXPECT_EQ(GTrackBall::get_geo_pos(inside, kSquare, glm::mat4(1.0f)), glm::vec2(0.0f));
    // A model without an inverse has no frame to report in.
    EXPECT_EQ(GTrackBall::get_geo_pos(start_camera(), kSquare, glm::mat4(0.0f)), glm::vec2(0.0f));
}

TEST(GTrackBall, LongitudeFolding)
{
    EXPECT_FLOAT_EQ(GTrackBall::fold_longitude(30.0f), 150.0f);
    EXPECT_FLOAT_EQ(GTrackBall::fold_longitude(-30.0f), -150.0f);
    EXPECT_FLOAT_EQ(GTrackBall::fold_longitude(0.0f), 0.0f);
    EXPECT_FLOAT_EQ(GTrackBall::fold_longitude(180.0f), 0.0f);
    EXPECT_FLOAT_EQ(GTrackBall::fold_longitude(-180.0f), 0.0f);
    EXPECT_FLOAT_EQ(GTrackBall::fold_longitude(90.0f), 90.0f);
}
