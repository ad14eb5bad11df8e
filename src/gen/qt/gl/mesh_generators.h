#pragma once
// Geometry generators: fill a Mesh's vertex and index arrays (interleaved
// Vertex3D, triangle list of 32-bit indices), ready for uploading. They touch
// nothing else of the mesh (matrix, state, GL objects) and need no GL context.
// Object coordinates, centred on the origin, y up; angles in radians inside.

#include <gen/qt/gl/Mesh.h>

#include <glm/vec4.hpp>

namespace gen::qt::gl::mesh {

// UV sphere, row 0 at the north pole (y = +radius), `stacks` rows of
// `slices` quads; every row repeats its first vertex at theta = 2 pi so the
// texture seam has u = 0 and u = 1. Appends (stacks + 1) x (slices + 1)
// vertices and 6 x stacks x slices indices, offset by the vertices already in
// the mesh. Non-positive counts append nothing. Triangles run clockwise seen
// from outside. Logs the resulting index count at DEBUG level.
void create_sphere(Mesh& mesh, float radius, int slices, int stacks, glm::vec4 const& color);

// Elliptic cylinder along y from -height / 2 to +height / 2 with both caps;
// sides share no vertices with the caps (hard edges). Appends 6 x segments + 2
// vertices and 12 x segments indices, offset by the vertices already in the
// mesh, so several cylinders can share one mesh.
void create_cylinder(Mesh& mesh, float radiusX, float radiusZ, float height, unsigned segments,
                     glm::vec4 const& colorBottom, glm::vec4 const& colorTop,
                     glm::vec4 const& colorSide);

// Cube of edge `size` with a fixed colour per face; replaces the mesh's
// geometry by 24 vertices and 36 indices.
void create_cube(Mesh& mesh, float size);

}  // namespace gen::qt::gl::mesh
