// The geometry generators judged by invariants: counts, every index in
// bounds, every triangle clockwise from outside, normals unit and outward,
// texture coordinates, and appending behind what a mesh already holds.
#include <gen/qt/gl/mesh_generators.h>

#include "support/Fuzzy.h"

#include <glm/geometric.hpp>

#include <algorithm>
#include <tuple>

using gen::math::Vertex3D;
using gen::qt::gl::Mesh;
namespace mesh = gen::qt::gl::mesh;

namespace {

glm::vec4 const kGreen(0, 1, 0, 1);
glm::vec4 const kGray(0.5f, 0.5f, 0.5f, 1);
glm::vec4 const kYellow(1, 1, 0, 1);
float const kPi = 3.1415927f;

// Triangles from index `from` on use only vertices in [first, end) and run
// clockwise seen from outside (the centroid's side of the origin); at most
// the pole triangles may be degenerate.
void expect_closed_clockwise(Mesh const& m, std::size_t from = 0, std::size_t first = 0)
{
    std::size_t degenerate = 0;
    for (std::size_t k = from; k < m.indices.size(); k += 3) {
        unsigned int const i[3] = {m.indices[k], m.indices[k + 1], m.indices[k + 2]};
        ASSERT_TRUE(std::all_of(i, i + 3, [&](unsigned int x) { return x >= first && x < m.vertices.size(); })) << k;
        glm::vec3 const a = m.vertices[i[0]].position, b = m.vertices[i[1]].position, c = m.vertices[i[2]].position;
        glm::vec3 const n = glm::cross(b - a, c - a);
        degenerate += glm::length(n) < 1e-5f ? 1 : 0;
        ASSERT_TRUE(glm::length(n) < 1e-5f || glm::dot(n, a + b + c) < 0.0f) << "counter-clockwise at " << k;
    }
    EXPECT_LT(degenerate, (m.indices.size() - from) / 3);
}

}  // namespace

TEST(MeshSphere, CountsWindingUnitOutwardNormalsAndTextureFromThePoleAndSeamAppendedBehindACube)
{
    // The planet's sphere, and one with different slices and stacks: radius,
    // slices, stacks, vertex and index counts.
    for (auto const& [radius, slices, stacks, vertices, indices] :
         {std::tuple{1.0f, 60, 60, 3721u, 21600u}, std::tuple{3.0f, 12, 7, 8u * 13u, 6u * 12u * 7u}}) {
        SCOPED_TRACE(slices);
        Mesh m;
        mesh::create_sphere(m, radius, slices, stacks, kGreen);
        ASSERT_TRUE(m.vertices.size() == vertices && m.indices.size() == indices);
        expect_closed_clockwise(m);
        for (std::size_t k = 0; k < m.vertices.size(); ++k) {
            Vertex3D const& v = m.vertices[k];
            ASSERT_TRUE(test::near(v.position, radius * v.normal, 1e-5f) && std::fabs(glm::length(v.normal) - 1) < 1e-5f)
                << k;
            // v from 0 at the north pole (first image row) to 1 at the south pole.
            ASSERT_NEAR(v.texCoord.y, std::acos(std::clamp(v.position.y / radius, -1.0f, 1.0f)) / kPi, 1e-4f) << k;
            // u turns from +x towards +z; every row ends with a copy of its first vertex at u = 1.
            unsigned int const column = k % (slices + 1);
            ASSERT_FLOAT_EQ(v.texCoord.x, static_cast<float>(column) / slices) << k;
            if (std::hypot(v.position.x, v.position.z) > 1e-3f && column < static_cast<unsigned int>(slices)) {
                float const theta = std::atan2(v.position.z, v.position.x);
                ASSERT_NEAR(std::fmod(theta + 2 * kPi, 2 * kPi), v.texCoord.x * 2 * kPi, 1e-4f) << k;
            }
        }
    }
    // A cube replaces the content and keeps the matrix; a sphere appends behind it.
    Mesh m;
    m.matModel[3] = glm::vec4(1, 2, 3, 1);
    mesh::create_sphere(m, 1.0f, 4, 4, kGreen);
    mesh::create_cube(m, 2.0f);
    ASSERT_TRUE(m.vertices.size() == 24u && m.indices.size() == 36u);
    EXPECT_EQ(m.matModel[3], glm::vec4(1, 2, 3, 1));
    for (std::size_t k = 0; k < 24; ++k) {
        Vertex3D const& v = m.vertices[k];  // a corner on its own face, coloured as the face
        EXPECT_TRUE(glm::abs(v.position) == glm::vec3(1.0f) && std::fabs(glm::dot(v.position, v.normal) - 1.0f) < 1e-6f &&
                    v.color == m.vertices[k / 4 * 4].color) << k;
    }
    for (std::size_t k = 0; k < 36; ++k) {
        EXPECT_EQ(m.indices[k] / 4, k / 6);  // each face uses its own four corners
    }
    // A sphere appends behind the cube; degenerate counts append nothing.
    mesh::create_sphere(m, 1.0f, 4, 2, kGreen);
    mesh::create_sphere(m, 1.0f, 0, 5, kGreen);
    mesh::create_sphere(m, 1.0f, 5, -3, kGreen);
    ASSERT_TRUE(m.vertices.size() == 24u + 15u && m.indices.size() == 36u + 48u);
    expect_closed_clockwise(m, 36, 24);
}

TEST(MeshCylinder, CapsAndSidesWindClockwiseWithOutwardNormals)
{
    unsigned int const n = 8;
    float const radiusX = 2.0f, radiusZ = 1.0f;
    Mesh m;  // elliptic
    mesh::create_cylinder(m, radiusX, radiusZ, 0.6f, n, kGreen, kGray, kYellow);
    ASSERT_TRUE(m.vertices.size() == 6 * n + 2 && m.indices.size() == 12 * n);
    expect_closed_clockwise(m);
    for (std::size_t k = 0; k < m.vertices.size(); ++k) {
        Vertex3D const& v = m.vertices[k];
        if (k < 2 * n + 2) {
            // Caps: flat, facing away, coloured bottom then top.
            glm::vec3 const away(0.0f, v.position.y > 0 ? 1.0f : -1.0f, 0.0f);
            ASSERT_TRUE(v.normal == away && v.color == (k < n + 1 ? kGreen : kGray)) << k;
        } else {
            // Sides: the ellipse's own normal (cos a / rx, sin a / rz).
            glm::vec3 const expected(v.position.x / (radiusX * radiusX), 0.0f, v.position.z / (radiusZ * radiusZ));
            ASSERT_TRUE(test::near(v.normal, glm::normalize(expected), 1e-5f) && v.color == kYellow) << k;
        }
    }
    // No segments: the two cap centres only; a flat ellipse keeps finite normals.
    m = Mesh();
    mesh::create_cylinder(m, 1.0f, 1.0f, 2.0f, 0, kGreen, kGray, kYellow);
    EXPECT_TRUE(m.vertices.size() == 2u && m.indices.empty());
    mesh::create_cylinder(m, 0.0f, 1.0f, 1.0f, 8, kGreen, kGray, kYellow);
    EXPECT_TRUE(std::all_of(m.vertices.begin(), m.vertices.end(),
                            [](Vertex3D const& v) { return std::fabs(glm::length(v.normal) - 1.0f) < 1e-5f; }));
}
