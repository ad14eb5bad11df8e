#include <gen/math/sphere.h>

#include "support/Fuzzy.h"

#include <gtest/gtest.h>

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>
#include <glm/geometric.hpp>
#include <glm/matrix.hpp>

#include <cmath>
#include <limits>

namespace sphere = gen::math::sphere;

namespace {

glm::mat4 inverse_proj_view(glm::vec3 const& eye, glm::vec3 const& target)
{
    glm::mat4 const proj = glm::perspectiveRH_NO(glm::radians(45.0f), 1.0f, 0.1f, 100.0f);
    glm::mat4 const view = glm::lookAtRH(eye, target, glm::vec3(0.0f, 1.0f, 0.0f));
    return glm::inverse(proj * view);
}

}  // namespace

TEST(Sphere, RayThroughCentreOfViewPointsAtTarget)
{
    glm::vec3 const eye(0.0f, 0.0f, 5.0f);
    glm::vec3 const d = sphere::ray_direction(inverse_proj_view(eye, glm::vec3(0.0f)), glm::vec2(0.0f), eye);
    EXPECT_TRUE(test::near(d, glm::vec3(0.0f, 0.0f, -1.0f), 1e-5f));

    glm::vec3 const side(3.0f, 4.0f, 0.0f);
    glm::vec3 const d2 = sphere::ray_direction(inverse_proj_view(side, glm::vec3(0.0f)), glm::vec2(0.0f), side);
    EXPECT_TRUE(test::near(d2, glm::vec3(-0.6f, -0.8f, 0.0f), 1e-5f));
}

TEST(Sphere, RayThroughTopEdgeLeavesAtHalfTheFieldOfView)
{
    glm::vec3 const eye(0.0f, 0.0f, 5.0f);
    glm::vec3 const d = sphere::ray_direction(inverse_proj_view(eye, glm::vec3(0.0f)), glm::vec2(0.0f, 1.0f), eye);
    EXPECT_NEAR(glm::length(d), 1.0f, 1e-6f);
    EXPECT_NEAR(std::atan2(d.y, -d.z), glm::radians(22.5f), 1e-5f);
    EXPECT_NEAR(d.x, 0.0f, 1e-6f);
}

TEST(Sphere, IntersectionGivesNearerHit)
{
    auto const front = sphere::intersect_unit(glm::vec3(0.0f, 0.0f, 5.0f), glm::vec3(0.0f, 0.0f, -1.0f));
    ASSERT_TRUE(front.has_value());
    EXPECT_TRUE(test::near(*front, glm::vec3(0.0f, 0.0f, 1.0f), 1e-6f));

    glm::vec3 const dir = glm::normalize(glm::vec3(-1.0f, -1.0f, -1.0f));
    auto const diagonal = sphere::intersect_unit(glm::vec3(4.0f), dir);
    ASSERT_TRUE(diagonal.has_value());
    EXPECT_TRUE(test::near(*diagonal, glm::vec3(1.0f / std::sqrt(3.0f)), 1e-5f));

    // Touching ray: the discriminant is exactly 0.
    auto const grazing = sphere::intersect_unit(glm::vec3(1.0f, 0.0f, 5.0f), glm::vec3(0.0f, 0.0f, -1.0f));
    ASSERT_TRUE(grazing.has_value());
    EXPECT_TRUE(test::near(*grazing, glm::vec3(1.0f, 0.0f, 0.0f), 1e-6f));
}

TEST(Sphere, MissesBehindInsideAndNonFiniteRaysGiveNothing)
{
    EXPECT_FALSE(sphere::intersect_unit(glm::vec3(1.01f, 0.0f, 5.0f), glm::vec3(0.0f, 0.0f, -1.0f)));
    // Sphere behind the eye.
    EXPECT_FALSE(sphere::intersect_unit(glm::vec3(0.0f, 0.0f, 5.0f), glm::vec3(0.0f, 0.0f, 1.0f)));
    // Eye inside: the nearer root is negative.
    EXPECT_FALSE(sphere::intersect_unit(glm::vec3(0.0f, 0.0f, 0.5f), glm::vec3(0.0f, 0.0f, -1.0f)));
    float const nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(sphere::intersect_unit(glm::vec3(0.0f, 0.0f, 5.0f), glm::vec3(nan, nan, nan)));
    EXPECT_FALSE(sphere::intersect_unit(glm::vec3(nan), glm::vec3(0.0f, 0.0f, -1.0f)));
}
