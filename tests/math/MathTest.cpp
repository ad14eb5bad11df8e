#include <gen/math/ViewPort.h>
#include <gen/math/sphere.h>

#include "support/Fuzzy.h"

#include <glm/ext/matrix_clip_space.hpp>
#include <glm/ext/matrix_transform.hpp>
#include <glm/matrix.hpp>

#include <limits>
#include <tuple>

namespace sphere = gen::math::sphere;
using gen::math::ViewPort;

// The ray through the top edge leaves at half the field of view.
TEST(Sphere, PickRayNearerHitInFrontOfTheEyeGeographicFramesAndTheViewportsNdc)
{
    glm::mat4 const proj = glm::perspectiveRH_NO(glm::radians(45.0f), 1.0f, 0.1f, 100.0f);
    glm::vec3 const eye(3.0f, 4.0f, 0.0f);
    glm::mat4 const view = glm::lookAtRH(eye, glm::vec3(0.0f), glm::vec3(0.0f, 0.0f, 1.0f));
    glm::mat4 const inverse = glm::inverse(proj * view);
    EXPECT_TRUE(test::near(sphere::ray_direction(inverse, {0, 0}, eye), glm::vec3(-0.6f, -0.8f, 0.0f), 1e-5f));
    float const half = glm::radians(22.5f);
    glm::vec3 const top(-0.6f * std::cos(half), -0.8f * std::cos(half), std::sin(half));  // at unit length
    EXPECT_TRUE(test::near(sphere::ray_direction(inverse, {0, 1}, eye), top, 1e-5f));
    float const nan = std::numeric_limits<float>::quiet_NaN();
    glm::vec3 const down(0.0f, 0.0f, -1.0f);
    // What, eye, direction, hit.
    std::tuple<char const*, glm::vec3, glm::vec3, std::optional<glm::vec3>> const cases[] = {
        {"head-on", {0, 0, 5}, down, glm::vec3(0, 0, 1)},
        {"grazing, discriminant 0", {1, 0, 5}, down, glm::vec3(1, 0, 0)},
        {"miss", {1.01f, 0, 5}, down, std::nullopt},
        {"eye inside: the nearer root is negative", {0, 0, 0.5f}, down, std::nullopt},
        {"NaN direction", {0, 0, 5}, glm::vec3(nan), std::nullopt},
    };
    for (auto const& [what, from, dir, want] : cases) {
        SCOPED_TRACE(what);
        auto const hit = sphere::intersect_unit(from, dir);
        EXPECT_TRUE(hit.has_value() == want.has_value() && (!hit || test::near(*hit, *want, 1e-5f)));
    }
    // Geographic axes and frames, and longitudes from the world.
    struct Place { float lat; float lon; glm::vec3 at; };
    for (Place const& p : {Place{0, 0, {-1, 0, 0}}, Place{0, 90, {0, 0, 1}}, Place{0, 180, {1, 0, 0}},
                           Place{90, 35, {0, 1, 0}}, Place{-90, 0, {0, -1, 0}}}) {
        EXPECT_TRUE(test::near(sphere::latlon_to_vec(p.lat, p.lon), p.at, 1e-6f)) << p.lat << "," << p.lon;
        // Standing on the sphere one percent out, local +y away from the centre
        // except at the poles, where the rotation is the identity.
        glm::mat4 const frame = sphere::latlon_to_matrix(p.lat, p.lon);
        glm::vec3 const up = std::abs(p.lat) == 90 ? glm::vec3(0, 1, 0) : p.at;
        EXPECT_TRUE(test::near(glm::vec3(frame[3]), 1.01f * p.at, 1e-5f) && test::near(glm::vec3(frame[1]), up, 1e-5f));
    }
    EXPECT_EQ(glm::mat3(sphere::latlon_to_matrix(-90, 0)), glm::mat3(1.0f));
    // World +z is longitude 0; a = 0 (straight away, -z) is 180, a hair west of it about -180.
    EXPECT_TRUE(sphere::world_to_latlon({0, 0, 1}) == glm::vec2(0, 0) && sphere::world_to_latlon({0, 0, -1}).y == 180.0f);
    EXPECT_NEAR(sphere::world_to_latlon({-0.001f, 0, -1}).y, -180.0f, 0.1f);
    // The viewport: NDC run left to right and bottom to top; quotients stay finite.
    ViewPort const vp{800.0f, 600.0f};
    EXPECT_TRUE(test::near(vp.get_ndc(QPoint(0, 0)), glm::vec2(-1.0f, 1.0f), 1e-6f));
    EXPECT_TRUE(test::near(vp.get_ndc(QPoint(-400, 900)), glm::vec2(-2.0f, -2.0f), 1e-6f));  // beyond the surface
    EXPECT_EQ((ViewPort{801.0f, 3.0f}.middle()), QPointF(400.5, 1.5));
    // A quotient that is not finite reads as 1; a zero width alone is finite.
    std::tuple<ViewPort, bool, char const*> const viewPorts[] = {
        {{1.0f, 3.0f}, true, "1.00 / 3.00, aspect:0.33"},
        {{800.0f, 0.0f}, false, "800.00 / 0.00, aspect:1.00"},
        {{0.0f, 600.0f}, false, "0.00 / 600.00, aspect:0.00"},
    };
    for (auto const& [viewPort, valid, text] : viewPorts) {
        EXPECT_TRUE(viewPort.is_valid() == valid && static_cast<bool>(viewPort) == valid) << text;
        EXPECT_EQ(viewPort.to_string(), QString::fromLatin1(text));
    }
}

