#pragma once
// The scene of a GL view: meshes by id (ascending), id 1 the root. Draws
// every valid, visible, uploaded mesh with the window's shader, draws a
// rolled-over mesh's substitute in its place, and derives children's model
// matrices from their parents'. The graph owns the meshes and, through
// them, their GL objects (released by GLMesh::clear or release_gl).
//
// Failed lookups return meshObject_INVALID, one shared mesh that tests
// false; it is handed out reset to its empty state each time, so writes
// through an earlier failed lookup never show in a later one.

#include <gen/Nameable.h>
#include <gen/qt/gl/GLMesh.h>

#include <glm/mat4x4.hpp>

#include <cstddef>
#include <map>

namespace gen::qt::gl {

class GShader;

class ObjectGraph : public gen::Nameable {
public:
    static GLMesh meshObject_INVALID;

    std::size_t size() const { return meshes.size(); }

    // Id 1; the invalid mesh when there is none (WARN line only when the
    // graph is empty).
    GLMesh& get_root();
    // The invalid mesh for id 0 (WARN line) and for ids not in the graph.
    GLMesh& get_mesh(unsigned int id);
    GLMesh& ensure_root();
    // The existing mesh, or a new valid, visible one with `id` set; id 0
    // gives the invalid mesh and an ERROR line.
    GLMesh& ensure_mesh(unsigned int id);
    // ensure_mesh(id) with idParent = parent.id.
    GLMesh& ensure_mesh(GLMesh const& parent, unsigned int id);
    // get_mesh(mesh.idParent): the invalid mesh (and a WARN line) for a mesh
    // without a parent.
    GLMesh& get_parent(GLMesh const& mesh);

    // For every mesh with fnTransform and a parent, in id order:
    // matModel = fnTransform(parent's matModel). A missing parent counts as
    // the identity.
    void transform();

    // Needs the context current and the program in use, with the light
    // uniforms set. Sets uModel, uNormalMat and uMvp per drawn mesh.
    void render(GShader& shader, glm::mat4 const& projection, glm::mat4 const& view);

    // Clears the ROLL_OVER bit of every mesh.
    void clear_roll_over();

    // Needs the context current. Releases every mesh's GL objects and
    // geometry (GLMesh::clear) and clears its HAS_GPU bit; the meshes, their
    // ids, other bits and fnTransform stay, so a rebuilt scene fills them
    // again. Meshes already released issue no GL call.
    void release_gl(GShader& shader);

    std::map<unsigned int, GLMesh> meshes;

private:
    static GLMesh& invalid();
};

}  // namespace gen::qt::gl
