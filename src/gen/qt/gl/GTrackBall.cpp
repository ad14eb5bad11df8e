#include <gen/qt/gl/GTrackBall.h>

#include <gen/log/pp.h>
#include <gen/math/sphere.h>

#include <glm/geometric.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/matrix.hpp>

#include <algorithm>
#include <cmath>
#include <optional>

namespace gen::qt::gl {

namespace {

constexpr float kRadToDeg = 57.29578f;
constexpr float kMinSinAngle = 1e-6f;

// Maps normalised device coordinates back into the world.
glm::mat4 inverse_proj_view(Camera const& cam, gen::math::ViewPort const& vp)
{
    float aspect = vp.width / vp.height;
    if (!std::isfinite(aspect)) {
        aspect = 1.0f;
    }
    return glm::inverse(cam.get_projection_matrix(aspect) * cam.get_view_matrix());
}

// Hit of the ray from `eye` through `ndc` with the unit sphere.
std::optional<glm::vec3> cast(glm::mat4 const& invProjView, glm::vec3 const& eye, glm::vec2 const& ndc)
{
    return gen::math::sphere::intersect_unit(eye, gen::math::sphere::ray_direction(invProjView, ndc, eye));
}

std::optional<glm::vec3> cast(Camera const& cam, gen::math::ViewPort const& vp, glm::vec2 const& ndc)
{
    return cast(inverse_proj_view(cam, vp), cam.get_position(), ndc);
}

}  // namespace

void GTrackBall::begin_trackBall(Camera const& cam, gen::math::ViewPort const& vp,
                                 glm::mat4 const& model, QPoint const& pos)
{
    gen::pp("GTrackBall::begin_trackBall, at:$", pos);
    begin(pos);
    camera = cam;
    viewPort = vp;
    matBegin = model;
    matCurrent = model;
    castFor.reset();
}

void GTrackBall::drag(QPoint const& pos)
{
    DragState::drag(pos);

    // Camera, viewport and start point stay fixed for the whole drag, so the
    // start hit is cast once per drag rather than on every move.
    if (castFor != ptStart) {
        invProjView = inverse_proj_view(camera, viewPort);
        hitBegin = cast(invProjView, camera.get_position(), viewPort.get_ndc(ptStart));
        castFor = ptStart;
    }
    if (!hitBegin) {
        return;
    }
    std::optional<glm::vec3> const hitCurrent = cast(invProjView, camera.get_position(), viewPort.get_ndc(ptCurrent));
    if (!hitCurrent) {
        return;
    }
    glm::vec3 const a = glm::normalize(*hitBegin);
    glm::vec3 const b = glm::normalize(*hitCurrent);
    glm::vec3 const axis = glm::cross(a, b);
    float const s = glm::length(axis);
    // Coincident or opposite points give no defined axis.
    if (!(s >= kMinSinAngle)) {
        return;
    }
    float const angle = std::atan2(s, glm::dot(a, b));
    // Measured from the begin point every step, so steps do not accumulate error.
    matCurrent = glm::rotate(glm::mat4(1.0f), angle, axis / s) * matBegin;
    if (!lisRotation.empty()) {
        lisRotation.fire_event(matCurrent, gen::FIRE_EVENT::IMMEDIATE);
    }
}

void GTrackBall::end(QPoint const& pos)
{
    DragState::end(pos);
    gen::pp("GTrackBall::end, at:$", ptStart);
}

void GTrackBall::reset()
{
    DragState::reset();
    castFor.reset();
    matBegin = glm::mat4(1.0f);
    matCurrent = glm::mat4(1.0f);
}

glm::vec2 GTrackBall::get_geo_pos(Camera const& cam, gen::math::ViewPort const& vp,
                                  glm::mat4 const& model)
{
    std::optional<glm::vec3> const hit = cast(cam, vp, glm::vec2(0.0f, 0.0f));
    if (!hit) {
        return glm::vec2(0.0f);
    }
    glm::vec3 const p(glm::inverse(model) * glm::vec4(*hit, 1.0f));
    float const len = glm::length(p);
    // A singular model matrix has no own frame to report in.
    if (!(len > 0.0f) || !std::isfinite(len)) {
        return glm::vec2(0.0f);
    }
    glm::vec3 const n = p / len;
    float const latitude = std::asin(std::clamp(n.y, -1.0f, 1.0f)) * kRadToDeg;
    float const longitude = std::atan2(n.z, n.x) * kRadToDeg;
    return glm::vec2(longitude, latitude);
}

glm::vec2 GTrackBall::get_geo_pos_normalized(Camera const& cam, gen::math::ViewPort const& vp,
                                             glm::mat4 const& model)
{
    glm::vec2 const g = get_geo_pos(cam, vp, model);
    return glm::vec2(fold_longitude(g.x), g.y);
}

float GTrackBall::fold_longitude(float longitude)
{
    if (longitude > 0.0f) {
        return 180.0f - longitude;
    }
    if (longitude < 0.0f) {
        return -(longitude + 180.0f);
    }
    return longitude;
}

}  // namespace gen::qt::gl
