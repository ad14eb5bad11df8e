#pragma once
// Orbit camera: a look-at point, an orientation and a distance from which the
// eye position is derived. Plain data saved by the typed store as its raw
// memory image, so the field order and the 60-byte size are a stored format.

#include <gen/store/GType.h>
#include <gen/tools/xprintf.h>

#include <QString>

#include <glm/gtc/quaternion.hpp>
#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>

#include <cstddef>
#include <type_traits>

namespace gen::qt::gl {

// Angles in degrees; right-handed world with y up; clip depth -1..1.
struct Camera {
    glm::vec3 vPos;       // eye, derived by update_position()
    glm::vec3 vTarget;    // the point looked at
    glm::quat qRotation;  // stored x, y, z, w; turns the viewing direction around the target
    float fov = 0.0f;     // vertical field of view, kept within 1..120 by set_fov_zoom
    float zNear = 0.0f;
    float zFar = 0.0f;
    float dollySpeed = 0.0f;  // step factor of set_dolly, move_forward, move_backward
    float distance = 0.0f;    // eye to target

    // Usable only after this; `aspect` is accepted and not stored.
    void ini(glm::vec3 pos, float fovDegrees, float aspect, float nearPlane, float farPlane,
             float dist);

    // Eye = target - distance along the rotated viewing direction (0, 0, -1).
    void update_position();

    // Positive deltas narrow the view by 0.92 per unit; the eye stays put.
    void set_fov_zoom(float zoomDelta);
    // Moves the eye towards the target by zoomDelta x dollySpeed, keeping
    // the distance within 1.1 .. 0.9 x zFar.
    void set_dolly(float zoomDelta);

    // Translate eye and target along world z without update_position();
    // forward is refused once the eye is below z 1.2.
    void move_forward(float amount);
    void move_backward(float amount);

    glm::mat4 get_view_matrix() const;
    // `aspect` is width / height and is not guarded: callers pass 1 when the
    // quotient is not finite.
    glm::mat4 get_projection_matrix(float aspect) const;

    glm::vec3 get_position() const { return vPos; }
    glm::vec3 get_target() const { return vTarget; }
    float get_FOV() const { return fov; }

    // "{pos:$, target:$, FOV:$}"
    QString to_string() const;
};

static_assert(sizeof(Camera) == 60, "stored format: 15 floats");
static_assert(std::is_trivially_copyable_v<Camera>, "stored as its raw memory image");
static_assert(std::is_standard_layout_v<Camera>, "stored as its raw memory image");
static_assert(offsetof(Camera, qRotation) == 24 && offsetof(Camera, fov) == 40 &&
                  offsetof(Camera, distance) == 56,
              "stored format: fields follow each other without gaps");

}  // namespace gen::qt::gl

namespace gen::store {

template <>
struct gtype_traits<gen::qt::gl::Camera> {
    static constexpr unsigned int id = 100;
    static QString to_string(gen::qt::gl::Camera const& value)
    {
        return QString::fromStdString(
            gen::str::xprintF(0, "Camera, vPos:$, vTarget:$", value.vPos, value.vTarget));
    }
};

// 16 floats in glm's column-major order.
template <>
struct gtype_traits<glm::mat4> {
    static constexpr unsigned int id = 500;
    static QString to_string(glm::mat4 const&) { return QStringLiteral("Matrix4"); }
};

static_assert(sizeof(glm::mat4) == 64, "stored format: 16 floats");

namespace {
[[maybe_unused]] bool const reg_camera = register_gtype<gen::qt::gl::Camera>();
[[maybe_unused]] bool const reg_matrix4 = register_gtype<glm::mat4>();
}  // namespace

}  // namespace gen::store
