#include <gen/qt/gl/mesh_generators.h>

#include <gen/log/pp.h>

#include <glm/geometric.hpp>
#include <glm/vec2.hpp>
#include <glm/vec3.hpp>

#include <cmath>
#include <cstddef>
#include <vector>

namespace gen::qt::gl::mesh {

using gen::math::Vertex3D;

namespace {

// Single-precision pi and 2 pi as the generators' angle steps are defined.
constexpr float kPi = 3.1415927f;
constexpr float kTwoPi = 6.2831855f;

unsigned int vertex_count(Mesh const& mesh)
{
    return static_cast<unsigned int>(mesh.vertices.size());
}

// Outward normal of the ellipse (rx cos a, rz sin a): (cos a / rx, sin a / rz)
// scaled by rx * rz, which keeps it finite when one radius is 0.
glm::vec3 ellipse_normal(float radiusX, float radiusZ, float cosA, float sinA)
{
    glm::vec3 n(cosA * radiusZ, 0.0f, sinA * radiusX);
    if (radiusX * radiusZ < 0.0f) {
        n = -n;
    }
    float const len = glm::length(n);
    return len > 0.0f ? n / len : glm::vec3(cosA, 0.0f, sinA);
}

// cos and sin of k x step for k = 0 .. segments, computed once for both caps
// and the sides (bit-identical to computing them at each use).
std::vector<glm::vec2> unit_circle(unsigned segments, float step)
{
    std::vector<glm::vec2> cs(std::size_t(segments) + 1);
    for (unsigned k = 0; k <= segments; ++k) {
        float const a = static_cast<float>(k) * step;
        cs[k] = glm::vec2(std::cos(a), std::sin(a));
    }
    return cs;
}

// Centre and ring of one cap, then its fan of triangles.
void append_cap(Mesh& mesh, float radiusX, float radiusZ, float y, std::vector<glm::vec2> const& cs,
                glm::vec4 const& color, bool top)
{
    auto const segments = static_cast<unsigned int>(cs.size() - 1);
    glm::vec3 const normal(0.0f, top ? 1.0f : -1.0f, 0.0f);
    unsigned int const centre = vertex_count(mesh);
    mesh.vertices.push_back({glm::vec3(0.0f, y, 0.0f), color, normal, glm::vec2(0.5f, 0.5f)});
    for (unsigned k = 0; k < segments; ++k) {
        float const c = cs[k].x;
        float const s = cs[k].y;
        mesh.vertices.push_back({glm::vec3(radiusX * c, y, radiusZ * s), color, normal,
                                 glm::vec2(0.5f + 0.5f * c, 0.5f + 0.5f * s)});
    }
    unsigned int const ring = centre + 1;
    for (unsigned k = 0; k < segments; ++k) {
        unsigned int const here = ring + k;
        unsigned int const next = ring + (k + 1) % segments;
        mesh.indices.push_back(centre);
        // Both caps wind clockwise seen from outside.
        mesh.indices.push_back(top ? here : next);
        mesh.indices.push_back(top ? next : here);
    }
}

}  // namespace

void create_sphere(Mesh& mesh, float radius, int slices, int stacks, glm::vec4 const& color)
{
    if (slices > 0 && stacks > 0) {
        auto const columns = static_cast<unsigned int>(slices) + 1;
        auto const rows = static_cast<unsigned int>(stacks) + 1;
        unsigned int const base = vertex_count(mesh);
        mesh.vertices.reserve(mesh.vertices.size() + std::size_t(rows) * columns);
        mesh.indices.reserve(mesh.indices.size() + 6 * std::size_t(stacks) * std::size_t(slices));

        // A negative radius turns positions inside out; the normal follows the position.
        float const outward = radius < 0.0f ? -1.0f : 1.0f;
        std::vector<glm::vec2> ring(columns);
        for (unsigned int j = 0; j < columns; ++j) {
            float const theta = static_cast<float>(j) * kTwoPi / static_cast<float>(slices);
            ring[j] = glm::vec2(std::cos(theta), std::sin(theta));
        }
        for (unsigned int i = 0; i < rows; ++i) {
            float const phi = static_cast<float>(i) * kPi / static_cast<float>(stacks);
            float const sinPhi = std::sin(phi);
            float const cosPhi = std::cos(phi);
            for (unsigned int j = 0; j < columns; ++j) {
                glm::vec3 const dir(sinPhi * ring[j].x, cosPhi, sinPhi * ring[j].y);
                mesh.vertices.push_back(
                    {radius * dir, color, outward * glm::normalize(dir),
                     glm::vec2(static_cast<float>(j) / static_cast<float>(slices), phi / kPi)});
            }
        }
        for (unsigned int i = 0; i + 1 < rows; ++i) {
            for (unsigned int j = 0; j + 1 < columns; ++j) {
                unsigned int const k1 = base + i * columns + j;
                unsigned int const k2 = k1 + columns;
                mesh.indices.insert(mesh.indices.end(), {k1, k2, k2 + 1, k1, k2 + 1, k1 + 1});
            }
        }
    }
    gen::pp("mesh::create_sphere, slices:$, stacks:$, indices:$", slices, stacks,
            mesh.indices.size());
}

void create_cylinder(Mesh& mesh, float radiusX, float radiusZ, float height, unsigned segments,
                     glm::vec4 const& colorBottom, glm::vec4 const& colorTop,
                     glm::vec4 const& colorSide)
{
    mesh.vertices.reserve(mesh.vertices.size() + 6 * std::size_t(segments) + 2);
    mesh.indices.reserve(mesh.indices.size() + 12 * std::size_t(segments));

    float const half = height / 2.0f;
    float const step = segments == 0 ? 0.0f : kTwoPi / static_cast<float>(segments);
    std::vector<glm::vec2> const cs = unit_circle(segments, step);
    append_cap(mesh, radiusX, radiusZ, -half, cs, colorBottom, false);
    append_cap(mesh, radiusX, radiusZ, half, cs, colorTop, true);

    for (unsigned k = 0; k < segments; ++k) {
        float const c0 = cs[k].x;
        float const s0 = cs[k].y;
        float const c1 = cs[k + 1].x;
        float const s1 = cs[k + 1].y;
        glm::vec3 const n0 = ellipse_normal(radiusX, radiusZ, c0, s0);
        glm::vec3 const n1 = ellipse_normal(radiusX, radiusZ, c1, s1);
        unsigned int const b = vertex_count(mesh);
        mesh.vertices.push_back({glm::vec3(radiusX * c0, -half, radiusZ * s0), colorSide, n0,
                                 glm::vec2(0.0f, 0.0f)});
        mesh.vertices.push_back({glm::vec3(radiusX * c1, -half, radiusZ * s1), colorSide, n1,
                                 glm::vec2(1.0f, 0.0f)});
        mesh.vertices.push_back({glm::vec3(radiusX * c1, half, radiusZ * s1), colorSide, n1,
                                 glm::vec2(1.0f, 1.0f)});
        mesh.vertices.push_back({glm::vec3(radiusX * c0, half, radiusZ * s0), colorSide, n0,
                                 glm::vec2(0.0f, 1.0f)});
        mesh.indices.insert(mesh.indices.end(), {b, b + 1, b + 2, b + 2, b + 3, b});
    }
}

void create_cube(Mesh& mesh, float size)
{
    float const h = size * 0.5f;
    struct Face {
        glm::vec3 corners[4];
        glm::vec3 normal;
        glm::vec4 color;
    };
    Face const faces[6] = {
        {{{-h, -h, h}, {h, -h, h}, {h, h, h}, {-h, h, h}}, {0, 0, 1}, {0, 1, 0, 1}},
        {{{-h, -h, -h}, {h, -h, -h}, {h, h, -h}, {-h, h, -h}}, {0, 0, -1}, {1, 0, 0, 1}},
        {{{-h, -h, -h}, {-h, -h, h}, {-h, h, h}, {-h, h, -h}}, {-1, 0, 0}, {0, 0, 1, 1}},
        {{{h, -h, -h}, {h, -h, h}, {h, h, h}, {h, h, -h}}, {1, 0, 0}, {1, 1, 0, 1}},
        {{{-h, h, -h}, {-h, h, h}, {h, h, h}, {h, h, -h}}, {0, 1, 0}, {1, 0, 1, 1}},
        {{{-h, -h, -h}, {-h, -h, h}, {h, -h, h}, {h, -h, -h}}, {0, -1, 0}, {0, 1, 1, 1}},
    };
    glm::vec2 const tex[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

    mesh.vertices.clear();
    mesh.indices.clear();
    mesh.vertices.reserve(24);
    mesh.indices.reserve(36);
    for (unsigned int f = 0; f < 6; ++f) {
        for (unsigned int c = 0; c < 4; ++c) {
            mesh.vertices.push_back({faces[f].corners[c], faces[f].color, faces[f].normal, tex[c]});
        }
        unsigned int const b = 4 * f;
        mesh.indices.insert(mesh.indices.end(), {b, b + 1, b + 2, b + 2, b + 3, b});
    }
}

}  // namespace gen::qt::gl::mesh
