#include <gen/math/ViewPort.h>
#include <gen/math/sphere.h>

#include "support/Fuzzy.h"

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>
#include <glm/geometric.hpp>
#include <glm/matrix.hpp>

#include <limits>
#include <tuple>

namespace sphere = gen::math::sphere;
using gen::math::ViewPort;

TEST(Sphere, RayThroughTheTopEdgeLeavesAtHalfTheFieldOfView)
{
    glm::mat4 const proj = glm::perspectiveRH_NO(glm::radians(45.0f), 1.0f, 0.1f, 100.0f);
    glm::vec3 const eye(3.0f, 4.0f, 0.0f);
    glm::mat4 const view = glm::lookAtRH(eye, glm::vec3(0.0f), glm::vec3(0.0f, 0.0f, 1.0f));
    glm::mat4 const inverse = glm::inverse(proj * view);
    EXPECT_TRUE(test::near(sphere::ray_direction(inverse, {0, 0}, eye), glm::vec3(-0.6f, -0.8f, 0.0f), 1e-5f));
    float const half = glm::radians(22.5f);
    glm::vec3 const top(-0.6f * std::cos(half), -0.8f * std::cos(half), std::sin(half));  // at unit length
    EXPECT_TRUE(test::near(sphere::ray_direction(inverse, {0, 1}, eye), top, 1e-5f));
}

TEST(Sphere, IntersectionGivesTheNearerHitInFrontOfTheEye)
{
    float const nan = std::numeric_limits<float>::quiet_NaN();
    glm::vec3 const down(0.0f, 0.0f, -1.0f);
    struct Case {
        char const* what;
        glm::vec3 eye, dir;
        std::optional<glm::vec3> hit;
    };
    Case const cases[] = {
        {"head-on", {0, 0, 5}, down, glm::vec3(0, 0, 1)},
        {"diagonal", glm::vec3(4.0f), glm::normalize(glm::vec3(-1.0f)), glm::vec3(1.0f / std::sqrt(3.0f))},
        {"grazing, discriminant 0", {1, 0, 5}, down, glm::vec3(1, 0, 0)},
        {"miss", {1.01f, 0, 5}, down, std::nullopt},
        {"sphere behind the eye", {0, 0, 5}, {0, 0, 1}, std::nullopt},
        {"eye inside: the nearer root is negative", {0, 0, 0.5f}, down, std::nullopt},
        {"NaN direction", {0, 0, 5}, glm::vec3(nan), std::nullopt},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.what);
        auto const hit = sphere::intersect_unit(c.eye, c.dir);
        ASSERT_EQ(hit.has_value(), c.hit.has_value());
        if (hit) {
            EXPECT_TRUE(test::near(*hit, *c.hit, 1e-5f));
        }
    }
}

TEST(ViewPort, NdcRunsLeftToRightAndBottomToTopAndQuotientsStayFinite)
{
    ViewPort const vp{800.0f, 600.0f};
    EXPECT_TRUE(test::near(vp.get_ndc(QPoint(0, 0)), glm::vec2(-1.0f, 1.0f), 1e-6f));
    EXPECT_TRUE(test::near(vp.get_ndc(QPoint(-400, 900)), glm::vec2(-2.0f, -2.0f), 1e-6f));  // beyond the surface
    EXPECT_EQ((ViewPort{801.0f, 3.0f}.middle()), QPointF(400.5, 1.5));
    // A quotient that is not finite reads as 1; a zero width alone is finite.
    std::tuple<ViewPort, bool, char const*> const cases[] = {
        {{1.0f, 3.0f}, true, "1.00 / 3.00, aspect:0.33"},
        {{800.0f, 0.0f}, false, "800.00 / 0.00, aspect:1.00"},
        {{0.0f, 600.0f}, false, "0.00 / 600.00, aspect:0.00"},
    };
    for (auto const& [viewPort, valid, text] : cases) {
        EXPECT_EQ(viewPort.is_valid(), valid) << text;
        EXPECT_EQ(static_cast<bool>(viewPort), valid) << text;
        EXPECT_EQ(viewPort.to_string(), QString::fromLatin1(text));
    }
}
