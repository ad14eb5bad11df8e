#pragma once
// A mesh with its GL side: vertex array, vertex and index buffers, an
// optional texture, a roll-over substitute and the derivation of its model
// matrix from its parent's. Stored by value in an ObjectGraph.
//
// Operations that issue GL calls (create_buffer_bind, render, clear,
// load_texture) need the owning window's context current; GL objects are
// released by clear(), a texture reload, or the graph's release_gl when the
// window's context goes away. The parent is looked up through the graph
// (ObjectGraph::get_parent): a mesh knows only its parent's id.

#include <gen/qt/gl/Mesh.h>

#include <QFlags>
#include <QImage>
#include <QString>
#include <Qt>

#include <glm/mat4x4.hpp>

#include <functional>
#include <string>

namespace gen::qt::gl {

class GShader;

class GLMesh : public Mesh {
public:
    GLMesh() = default;
    ~GLMesh() override = default;
    GLMesh(GLMesh const&) = default;
    GLMesh& operator=(GLMesh const&) = default;
    GLMesh(GLMesh&&) = default;
    GLMesh& operator=(GLMesh&&) = default;

    explicit operator bool() const { return is_valid(); }
    bool has_texture() const { return idTexture != 0; }
    bool has_parent() const { return idParent != 0; }

    // Uploads vertices and indices into static buffers and sets HAS_GPU.
    // The VAO stays bound afterwards. Buffers of an earlier upload are
    // released first.
    void create_buffer_bind(GShader& shader);
    // Draws with the current program; matrices are set by the caller. A mesh
    // without uploaded geometry draws nothing.
    void render(GShader& shader) override;
    // Deletes buffers, vertex array and texture and empties the geometry;
    // the model matrix becomes the identity. Bits, ids and fnTransform stay.
    void clear(GShader& shader) override;

    bool load_texture(GShader& shader, QString const& path, QFlags<Qt::Orientation> flip);
    bool load_texture(GShader& shader, QImage const& image);

    // "GLMesh[@name]id:$, idParent:$  VAO:$, VBO:$, EBO:$ {state}"
    std::string to_string() const override;

    unsigned int VAO = 0;
    unsigned int VBO = 0;
    unsigned int EBO = 0;
    unsigned int idRollOver = 0;  // drawn instead of this mesh while rolled over; 0 none
    unsigned int idTexture = 0;   // 0 none
    // Derives matModel from the parent's model matrix (ObjectGraph::transform).
    std::function<glm::mat4(glm::mat4)> fnTransform;
};

}  // namespace gen::qt::gl
