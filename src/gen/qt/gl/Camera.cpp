#include <gen/qt/gl/Camera.h>

#include <gen/log/pp.h>

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>
#include <glm/geometric.hpp>

#include <algorithm>
#include <cmath>

namespace gen::qt::gl {

namespace {
constexpr float kDegToRad = 0.0174533f;
constexpr float kZoomStep = 0.92f;
constexpr float kMinFov = 1.0f;
constexpr float kMaxFov = 120.0f;
constexpr float kMinDistance = 1.1f;
constexpr float kMaxDistanceOfFar = 0.9f;
constexpr float kMinForwardZ = 1.2f;
}  // namespace

void Camera::ini(glm::vec3 pos, float fovDegrees, float /*aspect*/, float nearPlane,
                 float farPlane, float dist)
{
    vPos = pos;
    vTarget = glm::vec3(0.0f);
    qRotation = glm::quat(1.0f, 0.0f, 0.0f, 0.0f);
    fov = fovDegrees;
    zNear = nearPlane;
    zFar = farPlane;
    dollySpeed = 2.5f;
    distance = dist;
    update_position();
}

void Camera::update_position()
{
    glm::vec3 const direction = qRotation * glm::vec3(0.0f, 0.0f, -1.0f);
    vPos = vTarget - distance * direction / glm::length(direction);
    // to_string() is built before pp can test the level; this runs per frame.
    if (log::is_level_active(log::LEVEL_DEBUG)) {
        pp("Camera::update_position, $", to_string());
    }
}

void Camera::set_fov_zoom(float zoomDelta)
{
    float const base = zoomDelta > 0.0f ? kZoomStep : 1.0f / kZoomStep;
    float const zoomed = fov * std::pow(base, std::fabs(zoomDelta));
    fov = zoomed < kMinFov ? kMinFov : std::min(zoomed, kMaxFov);
    if (log::is_level_active(log::LEVEL_DEBUG)) {
        pp("Camera::set_fov_zoom, zoomDelta:$, cam:$", zoomDelta, to_string());
    }
}

void Camera::set_dolly(float zoomDelta)
{
    pp("Camera::set_zoom, zoomDelta:$", zoomDelta);
    distance -= zoomDelta * dollySpeed;
    if (distance < kMinDistance) {
        pp("Camera::set_zoom < 1.1f");
        distance = kMinDistance;
    }
    if (distance > kMaxDistanceOfFar * zFar) {
        distance = kMaxDistanceOfFar * zFar;
    }
    update_position();
}

void Camera::move_forward(float amount)
{
    if (vPos.z < kMinForwardZ) {
        pp_trace("LIMIT ZOOM");
        return;
    }
    vPos.z -= dollySpeed * amount;
    vTarget.z -= dollySpeed * amount;
}

void Camera::move_backward(float amount)
{
    vPos.z += dollySpeed * amount;
    vTarget.z += dollySpeed * amount;
}

// The explicit right-handed, depth -1..1 variants keep the matrices
// independent of glm's configuration macros.
glm::mat4 Camera::get_view_matrix() const
{
    return glm::lookAtRH(vPos, vTarget, glm::vec3(0.0f, 1.0f, 0.0f));
}

glm::mat4 Camera::get_projection_matrix(float aspect) const
{
    return glm::perspectiveRH_NO(fov * kDegToRad, aspect, zNear, zFar);
}

QString Camera::to_string() const
{
    return QString::fromStdString(str::xprintF(0, "{pos:$, target:$, FOV:$}", vPos, vTarget, fov));
}

}  // namespace gen::qt::gl
