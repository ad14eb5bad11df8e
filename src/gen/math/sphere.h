#pragma once
// Rays and the unit sphere at the world origin (the planet): the geometry
// shared by trackball and picking. Pure functions, no GL.

#include <gen/math/ViewPort.h>

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include <QPoint>

#include <cmath>
#include <optional>

namespace gen::math::sphere {

// Unit direction from `eye` through the far-plane point of the normalised
// device coordinates `ndc`, given inverse(projection x view). Non-finite
// when the matrices or coordinates are.
glm::vec3 ray_direction(glm::mat4 const& invProjView, glm::vec2 const& ndc, glm::vec3 const& eye);

// Nearer hit of the ray eye + t dir (dir of unit length) with the sphere of
// radius 1 at the origin. Empty on a miss, when the hit lies behind the eye
// (also whenever the eye is inside the sphere) and for non-finite input.
std::optional<glm::vec3> intersect_unit(glm::vec3 const& eye, glm::vec3 const& dir);

// Geographic positions on the planet's own frame, degrees at the interface:
// north is +y, latitude 0 / longitude 0 is -x, longitude 90 east is +z.
glm::vec3 latlon_to_vec(float lat, float lon);

// A frame standing on the sphere one percent above the surface at (lat, lon):
// origin there, local +y pointing away from the centre. The rotation is the
// identity at both poles.
glm::mat4 latlon_to_matrix(float lat, float lon);

// (latitude, longitude) in degrees of a point on the unit sphere given in the
// world frame in which the camera moves; longitude is reckoned so that the
// world's +z axis is longitude 0.
glm::vec2 world_to_latlon(glm::vec3 const& onSphere);

// The ray of the pointer at `point` (pixels, origin top-left) cast from the
// camera onto the unit sphere, as (latitude, longitude) in degrees; (0, 0) for
// an invalid viewport or a miss. `planetTurn` is the planet's rotation relative
// to its start orientation: the hit is turned back by it, so the result names
// the place of the planet under the pointer however the planet was turned
// (with the identity the world frame itself is used). Works with any camera
// type offering get_projection_matrix(aspect), get_view_matrix() and
// get_position().
template <class Camera>
glm::vec2 get_geo_coordinate(Camera const& cam, ViewPort const& vp, QPoint const& point,
                             glm::mat4 const& planetTurn = glm::mat4(1.0f))
{
    if (!vp.is_valid()) {
        return {0.0f, 0.0f};
    }
    glm::vec2 const ndc = vp.get_ndc(point);
    float aspect = vp.width / vp.height;
    if (!std::isfinite(aspect)) {
        aspect = 1.0f;
    }
    glm::vec4 const eye = glm::inverse(cam.get_projection_matrix(aspect)) * glm::vec4(ndc.x, ndc.y, -1.0f, 1.0f);
    glm::vec3 const dir = glm::normalize(
        glm::vec3(glm::inverse(cam.get_view_matrix()) * glm::vec4(eye.x, eye.y, -1.0f, 0.0f)));
    glm::vec3 const origin = cam.get_position();
    float const b = glm::dot(origin, dir);
    float const c = glm::dot(origin, origin) - 1.0f;
    float const disc = b * b - c;
    // Negated so that NaN counts as a miss.
    if (!(disc >= 0.0f)) {
        return {0.0f, 0.0f};
    }
    glm::vec3 hit = origin + (-b - std::sqrt(disc)) * dir;
    if (planetTurn != glm::mat4(1.0f)) {
        hit = glm::vec3(glm::inverse(planetTurn) * glm::vec4(hit, 0.0f));
    }
    return world_to_latlon(hit);
}

}  // namespace gen::math::sphere
