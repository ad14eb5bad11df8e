#pragma once
// One vertex of the interleaved layout that meshes upload to the graphics
// card exactly as it lies in memory: 12 consecutive floats, 48 bytes. The
// offsets are the attribute offsets of the vertex array set-up (locations
// 0 position, 1 colour, 2 normal, 3 texture coordinate), so they must not move.

#include <glm/vec2.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

#include <cstddef>
#include <type_traits>

namespace gen::math {

struct Vertex3D {
    glm::vec3 position{0.0f};  // object coordinates
    glm::vec4 color{0.0f};     // RGBA, components 0..1
    glm::vec3 normal{0.0f};    // object coordinates, unit length
    glm::vec2 texCoord{0.0f};  // (u, v), v = 0 at the first image row
};

static_assert(sizeof(Vertex3D) == 48, "uploaded as 12 packed floats");
static_assert(std::is_standard_layout_v<Vertex3D>, "uploaded as its raw memory image");
static_assert(std::is_trivially_copyable_v<Vertex3D>, "uploaded as its raw memory image");
static_assert(offsetof(Vertex3D, position) == 0);
static_assert(offsetof(Vertex3D, color) == 12);
static_assert(offsetof(Vertex3D, normal) == 28);
static_assert(offsetof(Vertex3D, texCoord) == 40);

}  // namespace gen::math
