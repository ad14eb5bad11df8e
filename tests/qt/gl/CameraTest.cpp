// The orbit camera, the stored forms of camera, light and matrix, and the
// trackball judged geometrically: after every drag step the grabbed surface
// point lies where the pointer's ray meets the sphere.
#include <gen/qt/gl/Camera.h>
#include <gen/qt/gl/GTrackBall.h>
#include <gen/qt/gl/Light.h>

#include "support/Fuzzy.h"
#include "support/LogCapture.h"

#include <glm/ext/matrix_projection.hpp>
#include <glm/ext/matrix_transform.hpp>
#include <glm/gtc/quaternion.hpp>

#include <array>
#include <bit>
#include <memory>
#include <optional>
#include <tuple>

using gen::math::ViewPort;
using gen::qt::gl::Camera;
using gen::qt::gl::GTrackBall;
using gen::store::GType;

namespace {

ViewPort const kSquare{800.0f, 800.0f};

Camera turned_camera(float degrees = 0.0f, glm::vec3 const& axis = {0, 1, 0}, float distance = 5.0f, float fov = 45.0f)
{
    Camera cam;
    cam.ini(glm::vec3(0.0f, 0.0f, distance), fov, 1.0f, 0.1f, 100.0f, distance);
    cam.qRotation = glm::angleAxis(glm::radians(degrees), glm::normalize(axis));
    cam.update_position();
    return cam;
}

// Independent of the trackball's own code path: glm's unProject with the
// window origin at the bottom, and the near root solved in double precision.
std::optional<glm::vec3> sphere_under(Camera const& cam, ViewPort const& vp, QPoint const& p)
{
    glm::mat4 const proj = cam.get_projection_matrix(vp.width / vp.height);
    glm::vec3 const win(static_cast<float>(p.x()), vp.height - static_cast<float>(p.y()), 1.0f);
    glm::vec3 const farPoint = glm::unProjectNO(win, cam.get_view_matrix(), proj, glm::vec4(0, 0, vp.width, vp.height));
    glm::dvec3 const o(cam.get_position());
    glm::dvec3 const d(glm::normalize(farPoint - cam.get_position()));
    double const b = glm::dot(o, d);
    double const disc = b * b - (glm::dot(o, o) - 1.0);
    if (disc < 0.0 || -b - std::sqrt(disc) < 0.0) {
        return std::nullopt;
    }
    return glm::vec3(o + (-b - std::sqrt(disc)) * d);
}

// The matrix of the last rotation event a trackball sent (zero before any).
glm::mat4 const& last_rotation(GTrackBall& tb)
{
    auto last = std::make_shared<glm::mat4>(0.0f);
    tb.lisRotation.append("probe", [last](glm::mat4 const& m) { *last = m; });
    return *last;
}

}  // namespace

TEST(Camera, FieldOfViewZoomDollyAndForwardStayWithinLimitsViewIsRightHandedDepthMinusOneToOne)
{
    test::LogCapture log(gen::log::LEVEL_TRACE);  // the zoom's debug line formats the camera
    Camera cam = turned_camera();
    // Steps of 0.92 per unit, fractional too, within 1 .. 120 degrees; the eye stays.
    for (auto const& [delta, fov] : {std::pair{-1.0f, 48.913f}, std::pair{0.5f, 48.913f * std::sqrt(0.92f)},
                                    std::pair{100.0f, 1.0f}, std::pair{-100.0f, 120.0f}}) {
        cam.set_fov_zoom(delta);
        EXPECT_TRUE(std::fabs(cam.get_FOV() - fov) < 1e-3f && cam.vPos == glm::vec3(0.0f, 0.0f, 5.0f)) << delta;
    }
    // Dolly: 2.5 per unit, distance within 1.1 .. 0.9 x far, the eye follows.
    for (auto const& [delta, distance] : {std::pair{1.0f, 2.5f}, std::pair{10.0f, 1.1f}, std::pair{-100.0f, 90.0f}}) {
        cam = turned_camera();
        cam.set_dolly(delta);
        EXPECT_TRUE(test::near(glm::vec4(cam.vPos, cam.distance), glm::vec4(0.0f, 0.0f, distance, distance), 1e-4f));
    }
    // Forward stops below the limit, backward does not.
    cam = turned_camera();
    cam.vPos.z = 1.2f;  // moves from the limit itself, then stops below it
    cam.move_forward(0.1f);
    cam.move_forward(0.1f);
    EXPECT_TRUE(test::near(glm::vec2(cam.vPos.z, cam.vTarget.z), glm::vec2(0.95f, -0.25f), 1e-6f));
    EXPECT_EQ(log.count("LIMIT ZOOM"), 1u);
    cam.move_backward(40.0f);
    EXPECT_TRUE(test::near(glm::vec2(cam.vPos.z, cam.vTarget.z), glm::vec2(100.95f, 99.75f), 1e-4f));
    // View and projection are right-handed with depth -1 .. 1.
    cam = turned_camera();
    cam.vPos = glm::vec3(3.0f, 4.0f, 5.0f);
    cam.vTarget = glm::vec3(1.0f, -1.0f, 2.0f);
    // The target goes onto the negative z axis.
    glm::vec3 const onAxis(0.0f, 0.0f, -glm::length(cam.vTarget - cam.vPos));
    EXPECT_TRUE(test::near(glm::vec3(cam.get_view_matrix() * glm::vec4(cam.vTarget, 1.0f)), onAxis, 1e-5f));
    glm::mat4 const proj = cam.get_projection_matrix(1.6f);
    glm::vec4 const nearPoint = proj * glm::vec4(0.0f, 0.0f, -0.1f, 1.0f);
    EXPECT_NEAR(nearPoint.z / nearPoint.w, -1.0f, 1e-5f);
    // The far plane's top right corner of a 45 degree view.
    float const h = 100.0f * std::tan(glm::radians(22.5f));
    glm::vec4 const corner = proj * glm::vec4(1.6f * h, h, -100.0f, 1.0f);
    EXPECT_TRUE(test::near(glm::vec3(corner) / corner.w, glm::vec3(1.0f), 1e-4f));
}

TEST(StoredTypes, CameraAfterIniEyeFollowsRotationAndTheStoredFormsOfCameraLightAndMatrix)
{
    test::LogCapture log(gen::log::LEVEL_DEBUG);  // the eye's debug line formats the camera
    Camera cam;
    cam.ini(glm::vec3(9.0f, 9.0f, 9.0f), 45.0f, 2.0f, 0.25f, 80.0f, 5.0f);
    // Eye derived (the given position is overwritten), target at the origin,
    // identity quaternion as x, y, z, w, then fov, near, far, speed, distance.
    EXPECT_EQ((std::bit_cast<std::array<float, 15>>(cam)),
              (std::array<float, 15>{0, 0, 5, 0, 0, 0, 0, 0, 0, 1, 45, 0.25f, 80, 2.5f, 5}));
    // A quaternion that is not of unit length turns as its normalised form.
    cam.qRotation = glm::quat(2.0f, 0.0f, 0.0f, 0.0f);
    cam.vTarget = glm::vec3(1.0f, 2.0f, 3.0f);
    cam.distance = 2.0f;
    cam.update_position();
    EXPECT_TRUE(test::near(cam.vPos, glm::vec3(1.0f, 2.0f, 5.0f), 1e-5f));

    // (The settings tests take all three through the settings file.)
    EXPECT_TRUE(GType::from_pod(cam).id == 100u && GType::from_pod(cam).to_string().startsWith("Camera, vPos:"));

    gen::qt::gl::Light const light{glm::vec3(1.0f, -2.0f, 3.5f), glm::vec3(0.5f, 0.25f, 0.125f)};
    EXPECT_EQ((std::bit_cast<std::array<float, 7>>(light)), (std::array<float, 7>{1, -2, 3.5f, 0.5f, 0.25f, 0.125f, 1}));
    EXPECT_TRUE(GType::from_pod(light).id == 107u && GType::from_pod(light).to_string() == "Light, vPos:1.00,-2.00,3.50");
    GType const matrix = GType::from_pod(glm::mat4(2.0f));
    EXPECT_TRUE(matrix.to_string() == "Matrix4" && std::any_cast<glm::mat4>(matrix.create()) == glm::mat4(2.0f));
}

TEST(GTrackBall, GrabbedPointStaysUnderThePointer)
{
    // From an offset to the centre, then steps through it.
    std::vector<std::vector<QPoint>> const drags = {
        {{0, 0}, {40, 0}, {90, 10}, {120, -30}}, {{-60, 50}, {30, -40}}, {{70, -80}, {-80, 90}}};
    for (auto const& [cam, vp] : {std::pair{turned_camera(), kSquare},
                                  std::pair{turned_camera(-25.0f, {1, 0.3f, 0}, 3.0f, 60.0f), ViewPort{1024.0f, 600.0f}}}) {
        QPoint const centre = vp.middle().toPoint();
        for (glm::mat4 const& model : {glm::rotate(glm::mat4(1.0f), glm::radians(90.0f), glm::vec3(0, 1, 0)),
                                       glm::rotate(glm::mat4(1.0f), glm::radians(-70.0f), glm::vec3(1, 2, -1))}) {
            for (std::vector<QPoint> const& drag : drags) {
                SCOPED_TRACE(vp.width);
                GTrackBall tb;
                tb.begin_trackBall(cam, vp, model, centre + drag[0]);
                std::optional<glm::vec3> const grabbedWorld = sphere_under(cam, vp, centre + drag[0]);
                ASSERT_TRUE(grabbedWorld.has_value());
                glm::vec4 const grabbed = glm::inverse(model) * glm::vec4(*grabbedWorld, 1.0f);
                for (std::size_t k = 1; k < drag.size(); ++k) {
                    std::optional<glm::vec3> const hit = sphere_under(cam, vp, centre + drag[k]);
                    ASSERT_TRUE(hit.has_value());
                    tb.drag(centre + drag[k]);
                    EXPECT_TRUE(test::near(glm::vec3(tb.matCurrent * grabbed), *hit, 5e-4f));
                }
            }
        }
    }
}

TEST(GTrackBall, DragUsesTheBeginSnapshotsFiresItsMatrixMissesFireNothingEndKeepsResetClearsGeoPositionAtTheCentre)
{
    test::LogCapture log(gen::log::LEVEL_DEBUG);
    glm::mat4 const model = glm::rotate(glm::mat4(1.0f), 0.7f, glm::vec3(1, 0, 0));
    GTrackBall reference;
    reference.begin_trackBall(turned_camera(), kSquare, model, QPoint(380, 420));
    reference.drag(QPoint(470, 350));
    Camera live = turned_camera();
    GTrackBall tb;
    glm::mat4 const& sent = last_rotation(tb);
    tb.begin_trackBall(live, kSquare, model, QPoint(380, 420));
    live.distance = 0.5f;  // changed after the begin: not seen by the drag
    live.update_position();
    tb.drag(QPoint(470, 350));
    EXPECT_EQ(sent, reference.matCurrent);
    tb.drag(QPoint(799, 1));  // after a hit, a miss keeps the hit's matrix, and so does the end
    tb.end(QPoint(500, 500));
    EXPECT_TRUE(tb.is_end() && tb.matCurrent == reference.matCurrent);
    EXPECT_EQ(log.count("GTrackBall::end, at:380,420"), 1u);  // the begin point
    tb.reset();
    EXPECT_TRUE(tb.is_zero() && tb.matBegin == glm::mat4(1.0f) && tb.matCurrent == glm::mat4(1.0f));
    using Case = std::tuple<char const*, float, ViewPort, QPoint, QPoint>;  // name, distance, viewport, from, to
    for (auto const& [name, distance, vp, from, to] :
         {Case{"same point", 5.0f, kSquare, {400, 400}, {400, 400}},
          Case{"current point off the sphere", 5.0f, kSquare, {400, 400}, {790, 400}},
          Case{"begin point off the sphere", 5.0f, kSquare, {10, 10}, {400, 400}},
          Case{"eye inside the sphere", 0.5f, kSquare, {400, 400}, {450, 380}},
          Case{"empty viewport", 5.0f, ViewPort{0.0f, 0.0f}, {400, 400}, {450, 380}}}) {
        SCOPED_TRACE(name);
        GTrackBall missing;
        glm::mat4 const& none = last_rotation(missing);
        missing.begin_trackBall(turned_camera(0.0f, {0, 1, 0}, distance), vp, model, from);
        log.clear();
        missing.drag(to);
        EXPECT_TRUE(none == glm::mat4(0.0f) && missing.matCurrent == model && log.texts().empty());
    }
    // The geographic position at the centre, in the model's frame.
    auto const turnY = [](float degrees) {
        return glm::rotate(glm::mat4(1.0f), glm::radians(degrees), glm::vec3(0, 1, 0));
    };
    // Camera, model, longitude (its size when 180) and latitude, longitude after folding.
    using GeoCase = std::tuple<Camera, glm::mat4, glm::vec2, float>;
    // Front, 30 degrees above, the start turn, west; a miss and a model without an inverse give (0, 0).
    for (auto const& [cam, model, expected, folded] : {GeoCase{turned_camera(), turnY(0.0f), {90, 0}, 90},
                          GeoCase{turned_camera(-30.0f, glm::vec3(1, 0, 0)), turnY(0.0f), {90, 30}, 90},
                          GeoCase{turned_camera(), turnY(90.0f), {180, 0}, 0},
                          GeoCase{turned_camera(), turnY(-120.0f), {-30, 0}, -150},
                          GeoCase{turned_camera(0.0f, {0, 1, 0}, 0.5f), turnY(0.0f), {0, 0}, 0},
                          GeoCase{turned_camera(), glm::mat4(0.0f), {0, 0}, 0}}) {
        SCOPED_TRACE(expected.x);
        glm::vec2 geo = GTrackBall::get_geo_pos(cam, kSquare, model);
        geo.x = expected.x == 180.0f ? std::fabs(geo.x) : geo.x;  // +180 and -180 are the same meridian
        EXPECT_TRUE(test::near(geo, expected, 1e-3f));
        EXPECT_NEAR(GTrackBall::get_geo_pos_normalized(cam, kSquare, model).x, folded, 1e-3f);
    }
}

