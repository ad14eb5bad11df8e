#include <gen/qt/gl/GShader.h>

#include <gen/log/pp.h>
#include <gen/qt/gl/GL_FUNCTIONS.h>

#include <glm/gtc/type_ptr.hpp>

namespace gen::qt::gl {

// Stored verbatim: the layout (leading line break, indentation, trailing
// blanks) is part of the program text handed to the driver.
char const* const GShader::VERTEX_TEXT = R"(
            attribute vec3 inPos;
            attribute vec4 inColor;
            attribute vec3 inNormal;
            attribute vec2 inTex;

            uniform mat4 uMvp;
            uniform mat4 uModel;
            uniform mat3 uNormalMat;

            varying vec4 vColor;
            varying vec3 vFragPos;
            varying vec3 vNormal;
            varying vec2 vTex;

            void main()
            {
                vec4 worldPos = uModel * vec4(inPos, 1.0);

                vFragPos = worldPos.xyz;
                vNormal  = normalize(uNormalMat * inNormal);
                vTex     = inTex;
                vColor   = inColor;

                gl_Position = uMvp * vec4(inPos, 1.0);
            }

    )";

char const* const GShader::FRAGMENT_TEXT = R"(
            precision mediump float;

            varying vec4 vColor;
            varying vec3 vFragPos;
            varying vec3 vNormal;
            varying vec2 vTex;

            uniform vec3 uLightPos;
            uniform vec3 uLightColor;
            uniform float uLightIntensity;

            uniform sampler2D uTex;
            uniform int hasTexture;

            void main()
            {
                vec3 norm = normalize(vNormal);
                vec3 lightDir = normalize(uLightPos - vFragPos);

                float diff = max(dot(norm, lightDir), 0.0);
                vec3 diffuse = diff * uLightColor * uLightIntensity;

                vec4 baseColor = (hasTexture == 1)
                    ? texture2D(uTex, vTex)
                    : vColor;

                vec3 result = diffuse * baseColor.rgb;

                gl_FragColor = vec4(result, baseColor.a);
//                gl_FragColor = vColor; // basic hack test
            }
    )";

char const* const GShader::DESKTOP_VERSION_LINE = "#version 130\n";

GShader::GShader(GL_FUNCTIONS& gl) : gl(&gl) {}

void GShader::use() const
{
    gl->glUseProgram(programId);
}

int GShader::get_uniform_location(QString const& name) const
{
    if (programId == 0) {
        gen::pp("GShader::get_uniform_location, !programId");
        return -1;
    }
    if (name.isEmpty()) {
        gen::pp("GShader::get_uniform_location, name.isEmpty()");
        return -1;
    }
    auto const cached = uniformCache.constFind(name);
    if (cached != uniformCache.constEnd()) {
        return cached.value();
    }
    int const location = gl->glGetUniformLocation(programId, name.toUtf8().constData());
    if (location < 0) {
        gen::pp("GShader::get_uniform_location, name '$' not found", name);
        return -1;
    }
    uniformCache.insert(name, location);
    return location;
}

void GShader::set_int(QString const& name, int value) const
{
    int const location = get_uniform_location(name);
    if (location >= 0) {
        gl->glUniform1i(location, value);
    }
}

void GShader::set_float(QString const& name, float value) const
{
    int const location = get_uniform_location(name);
    if (location >= 0) {
        gl->glUniform1f(location, value);
    }
}

void GShader::set_vec3(QString const& name, glm::vec3 const& value) const
{
    int const location = get_uniform_location(name);
    if (location >= 0) {
        gl->glUniform3fv(location, 1, glm::value_ptr(value));
    }
}

void GShader::set_vec4(QString const& name, glm::vec4 const& value) const
{
    int const location = get_uniform_location(name);
    if (location >= 0) {
        gl->glUniform4fv(location, 1, glm::value_ptr(value));
    }
}

void GShader::set_mat3(QString const& name, glm::mat3 const& value) const
{
    int const location = get_uniform_location(name);
    if (location >= 0) {
        gl->glUniformMatrix3fv(location, 1, GL_FALSE, glm::value_ptr(value));
    }
}

void GShader::set_mat4(QString const& name, glm::mat4 const& value) const
{
    int const location = get_uniform_location(name);
    if (location >= 0) {
        gl->glUniformMatrix4fv(location, 1, GL_FALSE, glm::value_ptr(value));
    }
}

void GShader::set_mvp(glm::mat4 const& m) const
{
    set_mat4(QStringLiteral("uMvp"), m);
}

void GShader::set_matrix_model(glm::mat4 const& m) const
{
    set_mat4(QStringLiteral("uModel"), m);
}

void GShader::set_matrix_3_normale(glm::mat3 const& m) const
{
    set_mat3(QStringLiteral("uNormalMat"), m);
}

void GShader::set_light_pos(glm::vec3 const& v) const
{
    set_vec3(QStringLiteral("uLightPos"), v);
}

void GShader::set_light_color(glm::vec3 const& v) const
{
    set_vec3(QStringLiteral("uLightColor"), v);
}

void GShader::set_light_itensity(float f) const
{
    set_float(QStringLiteral("uLightIntensity"), f);
}

}  // namespace gen::qt::gl
