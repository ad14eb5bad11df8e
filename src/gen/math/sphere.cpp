#include <gen/math/sphere.h>

#include <glm/geometric.hpp>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/vec4.hpp>

#include <algorithm>
#include <cmath>

namespace gen::math::sphere {

glm::vec3 ray_direction(glm::mat4 const& invProjView, glm::vec2 const& ndc, glm::vec3 const& eye)
{
    glm::vec4 const farPoint = invProjView * glm::vec4(ndc.x, ndc.y, 1.0f, 1.0f);
    return glm::normalize(glm::vec3(farPoint) / farPoint.w - eye);
}

std::optional<glm::vec3> intersect_unit(glm::vec3 const& eye, glm::vec3 const& dir)
{
    float const b = 2.0f * glm::dot(eye, dir);
    float const c = glm::dot(eye, eye) - 1.0f;
    float const disc = b * b - 4.0f * c;
    // Negated tests so that NaN counts as a miss instead of a hit at NaN.
    if (!(disc >= 0.0f)) {
        return std::nullopt;
    }
    float const t = (-b - std::sqrt(disc)) / 2.0f;
    if (!(t >= 0.0f) || !std::isfinite(t)) {
        return std::nullopt;
    }
    return eye + t * dir;
}

namespace {
constexpr float kToRadians = 3.14159265358979f / 180.0f;
constexpr float kToDegrees = 57.29578f;
}  // namespace

glm::vec3 latlon_to_vec(float lat, float lon)
{
    float const phi = lat * kToRadians;
    float const lambda = lon * kToRadians;
    return {-std::cos(phi) * std::cos(lambda), std::sin(phi), std::cos(phi) * std::sin(lambda)};
}

glm::mat4 latlon_to_matrix(float lat, float lon)
{
    glm::vec3 const p = 1.01f * glm::normalize(latlon_to_vec(lat, lon));
    glm::vec3 const d = glm::normalize(p);
    glm::vec3 const axis(d.z, 0.0f, -d.x);  // cross((0, 1, 0), d)
    float const len = glm::length(axis);
    glm::mat4 rotation(1.0f);
    if (len > 0.000001f) {
        rotation = glm::rotate(glm::mat4(1.0f), std::atan2(len, d.y), axis / len);
    }
    return glm::translate(glm::mat4(1.0f), p) * rotation;
}

glm::vec2 world_to_latlon(glm::vec3 const& onSphere)
{
    glm::vec3 const n = glm::normalize(onSphere);
    // Rounding may carry |n.y| a hair past 1, where asin is NaN.
    float const lat = std::asin(std::clamp(n.y, -1.0f, 1.0f)) * kToDegrees;
    float const a = std::atan2(n.x, -n.z) * kToDegrees;
    return {lat, a >= 0.0f ? 180.0f - a : -180.0f - a};
}

}  // namespace gen::math::sphere
