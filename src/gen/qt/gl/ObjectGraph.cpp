#include <gen/qt/gl/ObjectGraph.h>

#include <gen/log/pp.h>
#include <gen/qt/gl/GShader.h>

#include <glm/mat3x3.hpp>
#include <glm/matrix.hpp>

namespace gen::qt::gl {

GLMesh ObjectGraph::meshObject_INVALID;

namespace {

void set_matrices(GShader& shader, GLMesh const& mesh, glm::mat4 const& projection,
                  glm::mat4 const& view)
{
    shader.set_matrix_model(mesh.matModel);
    shader.set_matrix_3_normale(glm::transpose(glm::inverse(glm::mat3(mesh.matModel))));
    shader.set_mvp(projection * view * mesh.matModel);
}

}  // namespace

GLMesh& ObjectGraph::invalid()
{
    meshObject_INVALID = GLMesh();
    return meshObject_INVALID;
}

GLMesh& ObjectGraph::get_root()
{
    if (meshes.empty()) {
        gen::pp_warn("ObjectGraph::get_root, graph is empty!");
        return invalid();
    }
    auto const it = meshes.find(1);
    return it != meshes.end() ? it->second : invalid();
}

GLMesh& ObjectGraph::get_mesh(unsigned int id)
{
    if (id == 0) {
        gen::pp_warn("ObjectGraph::get_mesh, id == 0!");
        return invalid();
    }
    auto const it = meshes.find(id);
    return it != meshes.end() ? it->second : invalid();
}

GLMesh& ObjectGraph::ensure_root()
{
    return ensure_mesh(1);
}

GLMesh& ObjectGraph::ensure_mesh(unsigned int id)
{
    if (id == 0) {
        gen::pp_error("ObjectGraph::ensure_mesh, id == 0!");
        return invalid();
    }
    auto [it, inserted] = meshes.try_emplace(id);
    if (inserted) {
        GLMesh& mesh = it->second;
        mesh.id = id;
        mesh.set_valid(true);
        mesh.set_visible(true);
    }
    return it->second;
}

GLMesh& ObjectGraph::ensure_mesh(GLMesh const& parent, unsigned int id)
{
    // Read before ensure_mesh: `parent` may be the shared invalid mesh,
    // which a failed ensure_mesh resets.
    unsigned int const parentId = parent.id;
    GLMesh& mesh = ensure_mesh(id);
    mesh.idParent = parentId;
    return mesh;
}

GLMesh& ObjectGraph::get_parent(GLMesh const& mesh)
{
    return get_mesh(mesh.idParent);
}

void ObjectGraph::transform()
{
    gen::pp_trace("ObjectGraph::transform, meshes:$", meshes.size());
    for (auto& [id, mesh] : meshes) {
        if (!mesh.fnTransform || mesh.idParent == 0) {
            continue;
        }
        glm::mat4 const parentMatrix = get_mesh(mesh.idParent).matModel;
        mesh.matModel = mesh.fnTransform(parentMatrix);
    }
}

void ObjectGraph::render(GShader& shader, glm::mat4 const& projection, glm::mat4 const& view)
{
    gen::pp_trace("ObjectGraph::render, $ mesh objects", meshes.size());
    for (auto& [id, mesh] : meshes) {
        if (mesh.is_clone() || !mesh.is_valid() || !mesh.is_visible() || !mesh.has_GPU()) {
            continue;
        }
        if (mesh.is_rollover() && mesh.idRollOver != 0) {
            auto const substitute = meshes.find(mesh.idRollOver);
            // A substitute that was never uploaded has nothing to draw.
            if (substitute == meshes.end() || !substitute->second.is_valid() ||
                !substitute->second.has_GPU()) {
                continue;
            }
            set_matrices(shader, mesh, projection, view);
            substitute->second.render(shader);
            continue;
        }
        set_matrices(shader, mesh, projection, view);
        mesh.render(shader);
    }
}

void ObjectGraph::clear_roll_over()
{
    for (auto& [id, mesh] : meshes) {
        mesh.set_rollover(false);
    }
}

void ObjectGraph::release_gl(GShader& shader)
{
    for (auto& [id, mesh] : meshes) {
        mesh.clear(shader);
        mesh.set_has_GPU(false);
    }
}

}  // namespace gen::qt::gl
