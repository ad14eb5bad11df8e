#pragma once
// Rays and the unit sphere at the world origin (the planet): the geometry
// shared by trackball and picking. Pure functions, no GL.

#include <glm/mat4x4.hpp>
#include <glm/vec2.hpp>
#include <glm/vec3.hpp>

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

}  // namespace gen::math::sphere
