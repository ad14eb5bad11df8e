#include <gen/qt/gl/Camera.h>
#include <gen/qt/gl/Light.h>

#include <gen/log/GLog.h>
#include <gen/tools/convert.h>

#include "support/Fuzzy.h"
#include "support/RecordingSink.h"

#include <QVariant>

#include <gtest/gtest.h>

#include <glm/gtc/quaternion.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <array>
#include <cmath>
#include <cstring>

using gen::qt::gl::Camera;
using gen::qt::gl::Light;
using gen::store::GType;

namespace {

constexpr char kIniText[] = "{pos:0.00,0.00,5.00, target:0.00,0.00,0.00, FOV:45.00}";

Camera planet_camera()
{
    Camera cam;
    cam.ini(glm::vec3(0.0f, 0.0f, 5.0f), 45.0f, 1.0f, 0.1f, 100.0f, 5.0f);
    return cam;
}

template <class T>
std::array<float, sizeof(T) / sizeof(float)> floats_of(T const& value)
{
    std::array<float, sizeof(T) / sizeof(float)> out{};
    std::memcpy(out.data(), &value, sizeof(T));
    return out;
}

}  // namespace

TEST(Camera, IniFixesTheStoredFieldOrderAndLogs)
{
    Camera fresh;
    EXPECT_EQ(fresh.fov, 0.0f);
    EXPECT_EQ(fresh.distance, 0.0f);

    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    Camera cam;
    cam.ini(glm::vec3(9.0f, 9.0f, 9.0f), 45.0f, 2.0f, 0.25f, 80.0f, 5.0f);
    // Eye derived (the given position is overwritten), target at the origin,
    // identity quaternion as x, y, z, w, then fov, near, far, speed, distance.
    std::array<float, 15> const expected{0, 0, 5, 0, 0, 0, 0, 0, 0, 1, 45, 0.25f, 80, 2.5f, 5};
    EXPECT_EQ(floats_of(cam), expected);
    EXPECT_EQ(planet_camera().to_string(), QString(kIniText));
    EXPECT_TRUE(sink.contains(std::string("Camera::update_position, ") + kIniText));
}

TEST(Camera, EyeFollowsRotationTargetAndDistance)
{
    Camera cam = planet_camera();
    cam.qRotation = glm::angleAxis(glm::radians(90.0f), glm::vec3(0.0f, 1.0f, 0.0f));
    cam.update_position();
    EXPECT_TRUE(test::near(cam.get_position(), glm::vec3(5.0f, 0.0f, 0.0f), 1e-5f));

    cam.qRotation = glm::angleAxis(glm::radians(90.0f), glm::vec3(1.0f, 0.0f, 0.0f));
    cam.update_position();
    EXPECT_TRUE(test::near(cam.vPos, glm::vec3(0.0f, -5.0f, 0.0f), 1e-5f));

    // A quaternion that is not of unit length turns as its normalised form.
    cam.qRotation = glm::quat(2.0f, 0.0f, 0.0f, 0.0f);
    cam.vTarget = glm::vec3(1.0f, 2.0f, 3.0f);
    cam.distance = 2.0f;
    cam.update_position();
    EXPECT_TRUE(test::near(cam.vPos, glm::vec3(1.0f, 2.0f, 5.0f), 1e-5f));
}

TEST(Camera, FieldOfViewZoomIsClampedAndLeavesTheEye)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    Camera cam = planet_camera();
    cam.distance = 3.0f;  // not applied: the eye must not move
    test::RecordingSink sink;
    cam.set_fov_zoom(1.0f);
    EXPECT_NEAR(cam.get_FOV(), 41.4f, 1e-4f);
    EXPECT_EQ(cam.vPos, glm::vec3(0.0f, 0.0f, 5.0f));
    ASSERT_EQ(sink.lines().size(), 1u);
    EXPECT_EQ(sink.lines()[0].text, "Camera::set_fov_zoom, zoomDelta:1.00, cam:"
                                    "{pos:0.00,0.00,5.00, target:0.00,0.00,0.00, FOV:41.40}");

    cam = planet_camera();
    cam.set_fov_zoom(-1.0f);
    EXPECT_NEAR(cam.fov, 48.913f, 1e-3f);
    cam.set_fov_zoom(0.0f);
    EXPECT_NEAR(cam.fov, 48.913f, 1e-3f);
    cam.set_fov_zoom(0.5f);  // fractional steps
    EXPECT_NEAR(cam.fov, 48.913f * std::sqrt(0.92f), 1e-3f);
    cam.set_fov_zoom(100.0f);
    EXPECT_EQ(cam.fov, 1.0f);
    cam.set_fov_zoom(-100.0f);
    EXPECT_EQ(cam.fov, 120.0f);
}

TEST(Camera, DollyKeepsDistanceWithinLimits)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    struct Case {
        float delta;
        float distance;
        bool clampedLow;
    };
    for (Case const c : {Case{1.0f, 2.5f, false}, Case{10.0f, 1.1f, true}, Case{-100.0f, 90.0f, false}}) {
        SCOPED_TRACE(c.delta);
        Camera cam = planet_camera();
        test::RecordingSink sink;
        cam.set_dolly(c.delta);
        EXPECT_FLOAT_EQ(cam.distance, c.distance);
        EXPECT_TRUE(test::near(cam.vPos, glm::vec3(0.0f, 0.0f, c.distance), 1e-4f));
        EXPECT_EQ(sink.texts().front(), gen::str::xprintF(0, "Camera::set_zoom, zoomDelta:$", c.delta));
        EXPECT_EQ(sink.contains("Camera::set_zoom < 1.1f"), c.clampedLow);
    }
}

TEST(Camera, TranslationAlongZ)
{
    test::LogLevelGuard level(gen::log::LEVEL_TRACE);
    Camera cam = planet_camera();
    test::RecordingSink sink;

    cam.move_forward(1.0f);
    EXPECT_EQ(cam.vPos, glm::vec3(0.0f, 0.0f, 2.5f));
    EXPECT_EQ(cam.vTarget, glm::vec3(0.0f, 0.0f, -2.5f));

    cam.vPos.z = 1.2f;  // the limit itself still moves
    cam.move_forward(0.1f);
    EXPECT_FLOAT_EQ(cam.vPos.z, 0.95f);
    EXPECT_FALSE(sink.contains("LIMIT ZOOM"));

    glm::vec3 const target = cam.vTarget;
    cam.move_forward(0.1f);
    EXPECT_FLOAT_EQ(cam.vPos.z, 0.95f);
    EXPECT_EQ(cam.vTarget, target);
    auto const lines = sink.lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().text, "LIMIT ZOOM");
    EXPECT_EQ(lines.back().level, gen::log::LEVEL_TRACE);

    // Backwards has no limit and does not re-derive the eye.
    cam.move_backward(40.0f);
    EXPECT_FLOAT_EQ(cam.vPos.z, 100.95f);
    EXPECT_FLOAT_EQ(cam.vTarget.z, target.z + 100.0f);
}

TEST(Camera, ProjectionMatchesTheFormula)
{
    Camera cam = planet_camera();
    cam.fov = 60.0f;
    cam.zNear = 0.5f;
    cam.zFar = 50.0f;
    float const r = 1.6f;
    float const n = 0.5f;
    float const f = 50.0f;
    float const t = std::tan(60.0f * 0.0174533f / 2.0f);
    glm::mat4 expected(0.0f);
    expected[0][0] = 1.0f / (r * t);
    expected[1][1] = 1.0f / t;
    expected[2][2] = -(f + n) / (f - n);
    expected[2][3] = -1.0f;
    expected[3][2] = -2.0f * f * n / (f - n);
    glm::mat4 const proj = cam.get_projection_matrix(r);
    EXPECT_TRUE(test::near(proj, expected, 1e-6f));

    // Right-handed with depth -1..1: the near plane in front of the eye maps
    // to -1, the far plane to +1.
    glm::vec4 const nearPoint = proj * glm::vec4(0.0f, 0.0f, -n, 1.0f);
    glm::vec4 const farPoint = proj * glm::vec4(0.0f, 0.0f, -f, 1.0f);
    EXPECT_NEAR(nearPoint.z / nearPoint.w, -1.0f, 1e-5f);
    EXPECT_NEAR(farPoint.z / farPoint.w, 1.0f, 1e-5f);
}

TEST(Camera, ViewMatchesTheFormula)
{
    Camera cam = planet_camera();
    cam.vPos = glm::vec3(3.0f, 4.0f, 5.0f);
    cam.vTarget = glm::vec3(1.0f, -1.0f, 2.0f);
    glm::vec3 const F = glm::normalize(cam.vTarget - cam.vPos);
    glm::vec3 const S = glm::normalize(glm::cross(F, glm::vec3(0.0f, 1.0f, 0.0f)));
    glm::vec3 const U = glm::cross(S, F);
    glm::mat4 expected(1.0f);
    for (int i = 0; i < 3; ++i) {
        expected[i][0] = S[i];
        expected[i][1] = U[i];
        expected[i][2] = -F[i];
    }
    expected[3][0] = -glm::dot(S, cam.vPos);
    expected[3][1] = -glm::dot(U, cam.vPos);
    expected[3][2] = glm::dot(F, cam.vPos);
    glm::mat4 const view = cam.get_view_matrix();
    EXPECT_TRUE(test::near(view, expected, 1e-6f));

    // The eye goes to the origin and the target onto the negative z axis.
    float const dist = glm::length(cam.vTarget - cam.vPos);
    EXPECT_TRUE(test::near(glm::vec3(view * glm::vec4(cam.vPos, 1.0f)), glm::vec3(0.0f), 1e-5f));
    EXPECT_TRUE(test::near(glm::vec3(view * glm::vec4(cam.vTarget, 1.0f)),
                           glm::vec3(0.0f, 0.0f, -dist), 1e-5f));
}

TEST(Light, DefaultsAndStoredFieldOrder)
{
    Light light;
    EXPECT_EQ(light.intensity, 1.0f);
    light.vPos = glm::vec3(1.0f, 2.0f, 3.0f);
    light.vColor = glm::vec3(0.5f, 0.25f, 0.125f);
    light.intensity = 0.75f;
    std::array<float, 7> const expected{1, 2, 3, 0.5f, 0.25f, 0.125f, 0.75f};
    EXPECT_EQ(floats_of(light), expected);
}

TEST(StoredTypes, CameraRoundTripsThroughTheRegistry)
{
    Camera cam = planet_camera();
    cam.qRotation = glm::angleAxis(glm::radians(30.0f), glm::vec3(0.0f, 1.0f, 0.0f));
    cam.vTarget = glm::vec3(0.5f, -1.0f, 2.0f);
    cam.update_position();
    GType const stored = GType::from_pod(cam);
    EXPECT_EQ(stored.id, 100u);
    ASSERT_EQ(stored.bytes.size(), 60);

    std::any const back = stored.create();
    ASSERT_TRUE(back.has_value());
    Camera const* read = std::any_cast<Camera>(&back);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(std::memcmp(read, &cam, sizeof(Camera)), 0);
}

TEST(StoredTypes, ReadableForms)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    Camera const cam = planet_camera();
    QString const camText = QStringLiteral("Camera, vPos:0.00,0.00,5.00, vTarget:0.00,0.00,0.00");
    EXPECT_EQ((GType{100, GType::from_pod(cam).bytes}.to_string()), camText);
    EXPECT_EQ(gen::convert::to_qstring_basic_info(QVariant::fromValue(GType::from_pod(cam))),
              QStringLiteral("{GType:(") + camText + QStringLiteral(")}"));

    Light light;
    light.vPos = glm::vec3(1.0f, -2.0f, 3.5f);
    EXPECT_EQ(GType::from_pod(light).id, 107u);
    EXPECT_EQ(GType::from_pod(light).to_string(), QStringLiteral("Light, vPos:1.00,-2.00,3.50"));

    glm::mat4 const m(2.0f);
    GType const matrix = GType::from_pod(m);
    EXPECT_EQ(matrix.id, 500u);
    EXPECT_EQ(matrix.to_string(), QStringLiteral("Matrix4"));
    std::any const back = matrix.create();
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(std::any_cast<glm::mat4>(back), m);

    // A byte array that is not a whole camera is not read as one.
    test::RecordingSink sink;
    QByteArray const short59 = GType::from_pod(cam).bytes.left(59);
    EXPECT_FALSE((GType{100, short59}.create().has_value()));
    EXPECT_EQ((GType{100, short59}.to_string()), QStringLiteral("GType{id:100, size:59}"));
    EXPECT_TRUE(sink.contains("GType::to_string - formatter id:100 not found"));
}
