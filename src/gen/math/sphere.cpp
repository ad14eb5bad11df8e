#include <gen/math/sphere.h>

#include <glm/geometric.hpp>
#include <glm/vec4.hpp>

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

}  // namespace gen::math::sphere
