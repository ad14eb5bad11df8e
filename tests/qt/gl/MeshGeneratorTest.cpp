#include <gen/qt/gl/mesh_generators.h>

#include <gen/log/GLog.h>

#include "support/Fuzzy.h"
#include "support/RecordingSink.h"

#include <gtest/gtest.h>

#include <glm/geometric.hpp>

#include <algorithm>
#include <cmath>
#include <string>

using gen::math::Vertex3D;
using gen::qt::gl::Mesh;
namespace mesh = gen::qt::gl::mesh;

namespace {

glm::vec4 const kGreen(0, 1, 0, 1);
glm::vec4 const kGray(0.5f, 0.5f, 0.5f, 1);
glm::vec4 const kYellow(1, 1, 0, 1);
float const kPi = 3.1415927f;

// Signed orientation of triangle t seen from outside, judged against the
// direction from `centre` to the triangle's centroid: < 0 clockwise,
// > 0 counter-clockwise, 0 for a degenerate triangle.
float winding(Mesh const& m, std::size_t t, glm::vec3 const& centre = glm::vec3(0.0f))
{
    glm::vec3 const a = m.vertices[m.indices[3 * t]].position;
    glm::vec3 const b = m.vertices[m.indices[3 * t + 1]].position;
    glm::vec3 const c = m.vertices[m.indices[3 * t + 2]].position;
    glm::vec3 const n = glm::cross(b - a, c - a);
    if (glm::length(n) < 1e-7f) {
        return 0.0f;
    }
    return glm::dot(n, (a + b + c) / 3.0f - centre);
}

void expect_all_clockwise(Mesh const& m)
{
    std::size_t degenerate = 0;
    for (std::size_t t = 0; t < m.indices.size() / 3; ++t) {
        float const w = winding(m, t);
        if (w == 0.0f) {
            ++degenerate;
            continue;
        }
        ASSERT_LT(w, 0.0f) << "triangle " << t;
    }
    EXPECT_LT(degenerate, m.indices.size() / 3);
}

}  // namespace

// ---- sphere ----

TEST(MeshSphere, PlanetSphereCountsAndLogLine)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    Mesh m;
    mesh::create_sphere(m, 1.0f, 60, 60, kGreen);
    EXPECT_EQ(m.vertices.size(), 3721u);
    EXPECT_EQ(m.indices.size(), 21600u);
    EXPECT_TRUE(sink.contains("mesh::create_sphere, slices:60, stacks:60, indices:21600"));
    EXPECT_LT(*std::max_element(m.indices.begin(), m.indices.end()), 3721u);
}

TEST(MeshSphere, PolesEquatorAndSeam)
{
    Mesh m;
    mesh::create_sphere(m, 2.0f, 8, 6, kGreen);
    ASSERT_EQ(m.vertices.size(), 7u * 9u);

    Vertex3D const& north = m.vertices.front();
    EXPECT_TRUE(test::near(north.position, glm::vec3(0, 2, 0), 1e-6f));
    EXPECT_TRUE(test::near(north.normal, glm::vec3(0, 1, 0), 1e-6f));
    EXPECT_TRUE(test::near(north.texCoord, glm::vec2(0, 0), 1e-6f));
    EXPECT_EQ(north.color, kGreen);

    Vertex3D const& south = m.vertices.back();
    EXPECT_TRUE(test::near(south.position, glm::vec3(0, -2, 0), 1e-5f));
    EXPECT_TRUE(test::near(south.texCoord, glm::vec2(1, 1), 1e-6f));

    // Row stacks / 2, column 0: on the equator at +x.
    Vertex3D const& equator = m.vertices[3 * 9];
    EXPECT_TRUE(test::near(equator.position, glm::vec3(2, 0, 0), 1e-6f));
    EXPECT_TRUE(test::near(equator.normal, glm::vec3(1, 0, 0), 1e-6f));
    EXPECT_TRUE(test::near(equator.texCoord, glm::vec2(0, 0.5f), 1e-6f));

    // Theta turns from +x towards +z: a quarter of the row further lies at +z.
    Vertex3D const& quarter = m.vertices[3 * 9 + 2];
    EXPECT_TRUE(test::near(quarter.position, glm::vec3(0, 0, 2), 1e-6f));
    EXPECT_TRUE(test::near(quarter.texCoord, glm::vec2(0.25f, 0.5f), 1e-6f));

    // Every row ends with a copy of its first vertex at u = 1.
    for (unsigned int i = 0; i <= 6; ++i) {
        Vertex3D const& first = m.vertices[i * 9];
        Vertex3D const& last = m.vertices[i * 9 + 8];
        EXPECT_TRUE(test::near(last.position, first.position, 1e-5f)) << "row " << i;
        EXPECT_FLOAT_EQ(first.texCoord.x, 0.0f);
        EXPECT_FLOAT_EQ(last.texCoord.x, 1.0f);
        EXPECT_FLOAT_EQ(last.texCoord.y, first.texCoord.y);
    }
}

TEST(MeshSphere, NormalsAreUnitAndPointOutwards)
{
    Mesh m;
    mesh::create_sphere(m, 3.0f, 12, 7, kGreen);
    for (Vertex3D const& v : m.vertices) {
        EXPECT_NEAR(glm::length(v.normal), 1.0f, 1e-5f);
        EXPECT_TRUE(test::near(v.position, 3.0f * v.normal, 1e-5f));
        EXPECT_NEAR(v.texCoord.y, std::acos(std::clamp(v.position.y / 3.0f, -1.0f, 1.0f)) / kPi, 1e-4f);
    }
}

TEST(MeshSphere, IndexOrderRowByRow)
{
    Mesh m;
    mesh::create_sphere(m, 1.0f, 4, 2, kGreen);
    ASSERT_EQ(m.indices.size(), 48u);
    // First quad (i 0, j 0): k1 0, k2 5.
    std::vector<unsigned int> const first(m.indices.begin(), m.indices.begin() + 6);
    EXPECT_EQ(first, (std::vector<unsigned int>{0, 5, 6, 0, 6, 1}));
    // Second quad of the first row.
    std::vector<unsigned int> const second(m.indices.begin() + 6, m.indices.begin() + 12);
    EXPECT_EQ(second, (std::vector<unsigned int>{1, 6, 7, 1, 7, 2}));
    // Last quad (i 1, j 3): k1 8, k2 13.
    std::vector<unsigned int> const last(m.indices.end() - 6, m.indices.end());
    EXPECT_EQ(last, (std::vector<unsigned int>{8, 13, 14, 8, 14, 9}));
}

TEST(MeshSphere, TrianglesRunClockwiseFromOutside)
{
    Mesh m;
    mesh::create_sphere(m, 1.0f, 16, 9, kGreen);
    expect_all_clockwise(m);
}

TEST(MeshSphere, AppendingOffsetsIndicesBehindExistingVertices)
{
    Mesh m;
    mesh::create_cube(m, 1.0f);
    mesh::create_sphere(m, 1.0f, 4, 2, kGreen);
    ASSERT_EQ(m.vertices.size(), 24u + 15u);
    ASSERT_EQ(m.indices.size(), 36u + 48u);
    EXPECT_EQ(m.indices[36], 24u);
    EXPECT_EQ(m.indices[37], 29u);
    for (std::size_t k = 36; k < m.indices.size(); ++k) {
        EXPECT_GE(m.indices[k], 24u);
        EXPECT_LT(m.indices[k], 39u);
    }
}

TEST(MeshSphere, DegenerateCountsAppendNothingButStillLog)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    for (auto const& [slices, stacks] : {std::pair{0, 5}, std::pair{5, 0}, std::pair{-3, 5}, std::pair{5, -1}}) {
        test::RecordingSink sink;
        Mesh m;
        mesh::create_sphere(m, 1.0f, slices, stacks, kGreen);
        EXPECT_TRUE(m.indices.empty());
        EXPECT_TRUE(m.vertices.empty());
        std::string const line = "mesh::create_sphere, slices:" + std::to_string(slices) +
                                 ", stacks:" + std::to_string(stacks) + ", indices:0";
        EXPECT_TRUE(sink.contains(line)) << line;
    }
}

// ---- cylinder ----

TEST(MeshCylinder, CountsAndCapLayout)
{
    unsigned const n = 8;
    Mesh m;
    mesh::create_cylinder(m, 0.5f, 0.5f, 0.6f, n, kGreen, kGray, kYellow);
    ASSERT_EQ(m.vertices.size(), 6 * n + 2);
    ASSERT_EQ(m.indices.size(), 12 * n);

    Vertex3D const& bottom = m.vertices[0];
    EXPECT_TRUE(test::near(bottom.position, glm::vec3(0, -0.3f, 0), 1e-6f));
    EXPECT_TRUE(test::near(bottom.normal, glm::vec3(0, -1, 0), 1e-6f));
    EXPECT_TRUE(test::near(bottom.texCoord, glm::vec2(0.5f, 0.5f), 1e-6f));
    EXPECT_EQ(bottom.color, kGreen);
    EXPECT_TRUE(test::near(m.vertices[1].position, glm::vec3(0.5f, -0.3f, 0), 1e-6f));
    EXPECT_TRUE(test::near(m.vertices[1].texCoord, glm::vec2(1.0f, 0.5f), 1e-6f));
    // a = 2 pi / 8 x 2 = pi / 2 lies at +z.
    EXPECT_TRUE(test::near(m.vertices[3].position, glm::vec3(0, -0.3f, 0.5f), 1e-6f));

    Vertex3D const& top = m.vertices[n + 1];
    EXPECT_TRUE(test::near(top.position, glm::vec3(0, 0.3f, 0), 1e-6f));
    EXPECT_TRUE(test::near(top.normal, glm::vec3(0, 1, 0), 1e-6f));
    EXPECT_EQ(top.color, kGray);

    // Bottom fan (centre, next, this), wrapping at the end; top fan (centre, this, next).
    EXPECT_EQ((std::vector<unsigned int>(m.indices.begin(), m.indices.begin() + 3)),
              (std::vector<unsigned int>{0, 2, 1}));
    EXPECT_EQ((std::vector<unsigned int>(m.indices.begin() + 3 * (n - 1), m.indices.begin() + 3 * n)),
              (std::vector<unsigned int>{0, 1, n}));
    EXPECT_EQ((std::vector<unsigned int>(m.indices.begin() + 3 * n, m.indices.begin() + 3 * n + 3)),
              (std::vector<unsigned int>{n + 1, n + 2, n + 3}));
    EXPECT_EQ((std::vector<unsigned int>(m.indices.begin() + 6 * n - 3, m.indices.begin() + 6 * n)),
              (std::vector<unsigned int>{n + 1, 2 * n + 1, n + 2}));
}

TEST(MeshCylinder, SideQuadsHaveOwnVerticesAndWholeTexture)
{
    unsigned const n = 6;
    Mesh m;
    mesh::create_cylinder(m, 0.5f, 0.5f, 2.0f, n, kGreen, kGray, kYellow);
    unsigned int const b = 2 * n + 2;
    EXPECT_EQ((std::vector<unsigned int>(m.indices.begin() + 6 * n, m.indices.begin() + 6 * n + 6)),
              (std::vector<unsigned int>{b, b + 1, b + 2, b + 2, b + 3, b}));
    glm::vec2 const tex[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    float const y[4] = {-1, -1, 1, 1};
    for (unsigned int q = 0; q < n; ++q) {
        for (unsigned int c = 0; c < 4; ++c) {
            Vertex3D const& v = m.vertices[b + 4 * q + c];
            EXPECT_EQ(v.color, kYellow);
            EXPECT_TRUE(test::near(v.texCoord, tex[c], 0.0f));
            EXPECT_FLOAT_EQ(v.position.y, y[c]);
            EXPECT_FLOAT_EQ(v.normal.y, 0.0f);
        }
        // Corners b and b + 3 at a0, b + 1 and b + 2 at a1 = a0 + step.
        float const a0 = static_cast<float>(q) * 2.0f * kPi / n;
        float const a1 = static_cast<float>(q + 1) * 2.0f * kPi / n;
        EXPECT_TRUE(test::near(m.vertices[b + 4 * q].position, glm::vec3(0.5f * std::cos(a0), -1, 0.5f * std::sin(a0)), 1e-5f));
        EXPECT_TRUE(test::near(m.vertices[b + 4 * q + 2].position, glm::vec3(0.5f * std::cos(a1), 1, 0.5f * std::sin(a1)), 1e-5f));
    }
    expect_all_clockwise(m);
}

TEST(MeshCylinder, EllipseNormalsAndCircularCapTexture)
{
    unsigned const n = 8;
    Mesh m;
    mesh::create_cylinder(m, 2.0f, 1.0f, 1.0f, n, kGreen, kGray, kYellow);
    unsigned int const b = 2 * n + 2;
    // Side k = 0 starts at a = 0, side k = 2 at a = pi / 2.
    EXPECT_TRUE(test::near(m.vertices[b].normal, glm::vec3(1, 0, 0), 1e-6f));
    EXPECT_TRUE(test::near(m.vertices[b + 8].normal, glm::vec3(0, 0, 1), 1e-6f));
    // At a = pi / 4 the true ellipse normal (cos a / 2, 0, sin a / 1), not the radial direction.
    glm::vec3 const at45 = m.vertices[b + 4].normal;
    EXPECT_TRUE(test::near(at45, glm::normalize(glm::vec3(0.5f, 0, 1)), 1e-5f));
    EXPECT_TRUE(test::near(m.vertices[b + 4].position, glm::vec3(2 * std::sqrt(0.5f), -0.5f, std::sqrt(0.5f)), 1e-5f));
    // Cap texture coordinates lie on a circle of radius 0.5 whatever the radii.
    for (unsigned int k = 1; k <= n; ++k) {
        EXPECT_NEAR(glm::length(m.vertices[k].texCoord - glm::vec2(0.5f)), 0.5f, 1e-6f);
        EXPECT_NEAR(glm::length(m.vertices[n + 1 + k].texCoord - glm::vec2(0.5f)), 0.5f, 1e-6f);
    }
    expect_all_clockwise(m);
}

TEST(MeshCylinder, SeveralCylindersShareOneMesh)
{
    unsigned const n = 32;
    Mesh m;
    mesh::create_cylinder(m, 0.5f, 0.5f, 0.6f, n, kGreen, kGray, kYellow);
    std::vector<unsigned int> const firstIndices = m.indices;
    mesh::create_cylinder(m, 0.5f, 0.5f, 0.6f, n, kGreen, kGray, kYellow);
    ASSERT_EQ(m.vertices.size(), 2 * (6 * n + 2));
    ASSERT_EQ(m.indices.size(), 2 * 12 * n);
    unsigned int const half = 6 * n + 2;
    for (std::size_t k = 0; k < 12 * n; ++k) {
        EXPECT_EQ(m.indices[12 * n + k], firstIndices[k] + half);
    }
}

TEST(MeshCylinder, ZeroSegmentsGiveTheTwoCentres)
{
    Mesh m;
    mesh::create_cylinder(m, 1.0f, 1.0f, 2.0f, 0, kGreen, kGray, kYellow);
    ASSERT_EQ(m.vertices.size(), 2u);
    EXPECT_TRUE(m.indices.empty());
    EXPECT_TRUE(test::near(m.vertices[0].position, glm::vec3(0, -1, 0), 0.0f));
    EXPECT_TRUE(test::near(m.vertices[1].position, glm::vec3(0, 1, 0), 0.0f));
}

TEST(MeshCylinder, FlatEllipseKeepsFiniteNormals)
{
    Mesh m;
    mesh::create_cylinder(m, 0.0f, 1.0f, 1.0f, 8, kGreen, kGray, kYellow);
    for (Vertex3D const& v : m.vertices) {
        EXPECT_NEAR(glm::length(v.normal), 1.0f, 1e-5f);
    }
}

// ---- cube ----

TEST(MeshCube, ReplacesContentWithSixColouredFaces)
{
    Mesh m;
    mesh::create_sphere(m, 1.0f, 4, 4, kGreen);
    m.id = 7;
    m.set_valid(true);
    mesh::create_cube(m, 2.0f);
    ASSERT_EQ(m.vertices.size(), 24u);
    ASSERT_EQ(m.indices.size(), 36u);
    EXPECT_EQ(m.id, 7u);
    EXPECT_TRUE(m.is_valid());

    glm::vec3 const normals[6] = {{0, 0, 1}, {0, 0, -1}, {-1, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, -1, 0}};
    glm::vec4 const colours[6] = {{0, 1, 0, 1}, {1, 0, 0, 1}, {0, 0, 1, 1}, {1, 1, 0, 1}, {1, 0, 1, 1}, {0, 1, 1, 1}};
    glm::vec2 const tex[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (unsigned int f = 0; f < 6; ++f) {
        for (unsigned int c = 0; c < 4; ++c) {
            Vertex3D const& v = m.vertices[4 * f + c];
            EXPECT_EQ(v.normal, normals[f]);
            EXPECT_EQ(v.color, colours[f]);
            EXPECT_EQ(v.texCoord, tex[c]);
            EXPECT_EQ(glm::abs(v.position), glm::vec3(1.0f)) << "face " << f;
            // Every corner lies on its own face.
            EXPECT_FLOAT_EQ(glm::dot(v.position, normals[f]), 1.0f);
        }
        unsigned int const b = 4 * f;
        EXPECT_EQ((std::vector<unsigned int>(m.indices.begin() + 6 * f, m.indices.begin() + 6 * f + 6)),
                  (std::vector<unsigned int>{b, b + 1, b + 2, b + 2, b + 3, b}));
        // Same index pattern for all faces: 0, 2, 4 counter-clockwise, 1, 3, 5 clockwise.
        float const w1 = winding(m, 2 * f);
        float const w2 = winding(m, 2 * f + 1);
        if (f % 2 == 0) {
            EXPECT_GT(w1, 0.0f);
            EXPECT_GT(w2, 0.0f);
        } else {
            EXPECT_LT(w1, 0.0f);
            EXPECT_LT(w2, 0.0f);
        }
    }
    EXPECT_TRUE(test::near(m.vertices[0].position, glm::vec3(-1, -1, 1), 0.0f));
    EXPECT_TRUE(test::near(m.vertices[14].position, glm::vec3(1, 1, 1), 0.0f));
}

TEST(MeshGenerators, LeaveMatrixStateAndNameAlone)
{
    Mesh m;
    m.name = "probe";
    m.set_visible(true);
    m.matModel[3] = glm::vec4(1, 2, 3, 1);
    Mesh const before = m;
    mesh::create_sphere(m, 1.0f, 3, 3, kGreen);
    mesh::create_cylinder(m, 1.0f, 1.0f, 1.0f, 3, kGreen, kGray, kYellow);
    mesh::create_cube(m, 1.0f);
    EXPECT_EQ(m.name, before.name);
    EXPECT_EQ(m.state, before.state);
    EXPECT_EQ(m.matModel, before.matModel);
}
