#include <gen/qt/gl/GLMesh.h>

#include <gen/qt/gl/GL_FUNCTIONS.h>
#include <gen/qt/gl/GShader.h>
#include <gen/qt/gl/texture.h>
#include <gen/tools/xprintf.h>

#include <cstddef>
#include <cstdint>

namespace gen::qt::gl {

namespace {

void delete_buffers(GL_FUNCTIONS& gl, GLMesh& mesh)
{
    if (mesh.EBO != 0) {
        gl.glDeleteBuffers(1, &mesh.EBO);
        mesh.EBO = 0;
    }
    if (mesh.VBO != 0) {
        gl.glDeleteBuffers(1, &mesh.VBO);
        mesh.VBO = 0;
    }
    if (mesh.VAO != 0) {
        gl.glDeleteVertexArrays(1, &mesh.VAO);
        mesh.VAO = 0;
    }
}

void attribute(GL_FUNCTIONS& gl, unsigned int location, int components, std::size_t offset)
{
    gl.glVertexAttribPointer(location, components, GL_FLOAT, GL_FALSE,
                             static_cast<GLsizei>(sizeof(gen::math::Vertex3D)),
                             reinterpret_cast<void const*>(static_cast<std::uintptr_t>(offset)));
    gl.glEnableVertexAttribArray(location);
}

}  // namespace

void GLMesh::create_buffer_bind(GShader& shader)
{
    GL_FUNCTIONS& gl = shader.functions();
    delete_buffers(gl, *this);

    gl.glGenVertexArrays(1, &VAO);
    gl.glBindVertexArray(VAO);

    gl.glGenBuffers(1, &VBO);
    gl.glBindBuffer(GL_ARRAY_BUFFER, VBO);
    gl.glBufferData(GL_ARRAY_BUFFER,
                    static_cast<GLsizeiptr>(vertices.size() * sizeof(gen::math::Vertex3D)),
                    vertices.data(), GL_STATIC_DRAW);

    attribute(gl, GShader::LOCATION_POS, 3, offsetof(gen::math::Vertex3D, position));
    attribute(gl, GShader::LOCATION_COLOR, 4, offsetof(gen::math::Vertex3D, color));
    attribute(gl, GShader::LOCATION_NORMAL, 3, offsetof(gen::math::Vertex3D, normal));
    attribute(gl, GShader::LOCATION_TEX, 2, offsetof(gen::math::Vertex3D, texCoord));

    gl.glGenBuffers(1, &EBO);
    gl.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, EBO);
    gl.glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                    static_cast<GLsizeiptr>(indices.size() * sizeof(unsigned int)), indices.data(),
                    GL_STATIC_DRAW);

    set_has_GPU(true);
}

void GLMesh::render(GShader& shader)
{
    // Vertex array 0 has no index buffer: drawing with it would read indices
    // from client address 0.
    if (VAO == 0) {
        return;
    }
    GL_FUNCTIONS& gl = shader.functions();
    if (has_texture()) {
        gl.glActiveTexture(GL_TEXTURE0);
        gl.glBindTexture(GL_TEXTURE_2D, idTexture);
        shader.set_int(QStringLiteral("uTex"), 0);
        shader.set_int(QStringLiteral("hasTexture"), 1);
    } else {
        shader.set_int(QStringLiteral("hasTexture"), 0);
    }
    gl.glBindVertexArray(VAO);
    gl.glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_INT, nullptr);
    gl.glBindVertexArray(0);
    if (has_texture()) {
        gl.glBindTexture(GL_TEXTURE_2D, 0);
    }
}

void GLMesh::clear(GShader& shader)
{
    GL_FUNCTIONS& gl = shader.functions();
    delete_buffers(gl, *this);
    if (idTexture != 0) {
        gl.glDeleteTextures(1, &idTexture);
        idTexture = 0;
    }
    vertices.clear();
    indices.clear();
    matModel = glm::mat4(1.0f);
}

bool GLMesh::load_texture(GShader& shader, QString const& path, QFlags<Qt::Orientation> flip)
{
    return texture::load(shader, idTexture, path, flip);
}

bool GLMesh::load_texture(GShader& shader, QImage const& image)
{
    return texture::load(shader, idTexture, image);
}

std::string GLMesh::to_string() const
{
    std::string text = "GLMesh";
    if (!name.empty()) {
        text += "@" + name;
    }
    text += gen::str::xprintF(0, "id:$, idParent:$  VAO:$, VBO:$, EBO:$ {$}", id, idParent, VAO,
                              VBO, EBO, state_to_string());
    return text;
}

}  // namespace gen::qt::gl
