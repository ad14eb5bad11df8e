#pragma once
// Handle to a GL window's one shader program: the program id, the function
// table every call goes through, and a cache of uniform locations. Copies
// share the program and the table; their caches grow independently. Nothing
// here deletes the program: it lives as long as the context.
//
// Every operation needs the owning window's context current, except that a
// lookup with program id 0 or an empty name returns -1 without a GL call.

#include <QHash>
#include <QString>

#include <glm/mat3x3.hpp>
#include <glm/mat4x4.hpp>
#include <glm/vec3.hpp>
#include <glm/vec4.hpp>

namespace gen::qt::gl {

class GL_FUNCTIONS;

class GShader {
public:
    // Attribute locations bound before linking; they match Vertex3D.
    static constexpr unsigned int LOCATION_POS = 0;
    static constexpr unsigned int LOCATION_COLOR = 1;
    static constexpr unsigned int LOCATION_NORMAL = 2;
    static constexpr unsigned int LOCATION_TEX = 3;

    // The two program texts, in the GLSL dialect shared by desktop GLSL 1.10
    // and GLSL ES 1.00, without a version line.
    static char const* const VERTEX_TEXT;
    static char const* const FRAGMENT_TEXT;
    // Handed to desktop (non-ES) drivers before each text; see init_shader.
    static char const* const DESKTOP_VERSION_LINE;

    explicit GShader(GL_FUNCTIONS& gl);

    void use() const;

    // The location, or -1 (no program, empty name, or a uniform the program
    // does not have; the last is asked again next time). Found locations are
    // cached on the assumption that the program id does not change.
    int get_uniform_location(QString const& name) const;

    // Act on the current program; nothing happens when the lookup gives -1.
    void set_int(QString const& name, int value) const;
    void set_float(QString const& name, float value) const;
    void set_vec3(QString const& name, glm::vec3 const& value) const;
    void set_vec4(QString const& name, glm::vec4 const& value) const;
    void set_mat3(QString const& name, glm::mat3 const& value) const;
    void set_mat4(QString const& name, glm::mat4 const& value) const;

    void set_mvp(glm::mat4 const& m) const;
    void set_matrix_model(glm::mat4 const& m) const;
    void set_matrix_3_normale(glm::mat3 const& m) const;
    void set_light_pos(glm::vec3 const& v) const;
    void set_light_color(glm::vec3 const& v) const;  // components 0..1
    void set_light_itensity(float f) const;

    GL_FUNCTIONS& functions() const { return *gl; }

    unsigned int programId = 0;  // 0: no program; written by init_shader()
    GL_FUNCTIONS* gl;            // not owned
    mutable QHash<QString, int> uniformCache;
};

}  // namespace gen::qt::gl
