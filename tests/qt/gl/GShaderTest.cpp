// Shader handle behaviour that needs no context: lookups without a program.
#include <gen/qt/gl/GShader.h>
#include <gen/qt/gl/GL_FUNCTIONS.h>

#include <gen/log/GLog.h>

#include "support/RecordingSink.h"

#include <gtest/gtest.h>

#include <glm/mat3x3.hpp>
#include <glm/mat4x4.hpp>


using gen::qt::gl::GL_FUNCTIONS;
using gen::qt::gl::GShader;

TEST(GShaderWithoutProgram, EverySetterLogsMissingProgramAndIssuesNoGLCall)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    GL_FUNCTIONS table;  // unresolved: any GL call through it would crash
    GShader const shader(table);

    shader.set_int("hasTexture", 1);
    shader.set_float("uLightIntensity", 1.0f);
    shader.set_vec3("uLightPos", glm::vec3(1.0f));
    shader.set_vec4("v", glm::vec4(1.0f));
    shader.set_mat3("uNormalMat", glm::mat3(1.0f));
    shader.set_mat4("uMvp", glm::mat4(1.0f));
    shader.set_mvp(glm::mat4(1.0f));
    shader.set_matrix_model(glm::mat4(1.0f));
    shader.set_matrix_3_normale(glm::mat3(1.0f));
    shader.set_light_pos(glm::vec3(0.0f));
    shader.set_light_color(glm::vec3(1.0f));
    shader.set_light_itensity(0.5f);

    auto const texts = sink.texts();
    ASSERT_EQ(texts.size(), 12u);
    for (auto const& text : texts) {
        EXPECT_EQ(text, "GShader::get_uniform_location, !programId");
    }
    EXPECT_TRUE(shader.uniformCache.isEmpty());
}

TEST(GShaderWithoutProgram, EmptyNameIsRefusedBeforeAnyDriverQuery)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    GL_FUNCTIONS table;
    GShader shader(table);
    shader.programId = 7;  // pretend; an empty name must not reach the driver
    EXPECT_EQ(shader.get_uniform_location(QString()), -1);
    EXPECT_TRUE(sink.contains("GShader::get_uniform_location, name.isEmpty()"));
}

TEST(GShaderWithoutProgram, CopiesShareProgramAndTableButNotLaterCacheEntries)
{
    GL_FUNCTIONS table;
    GShader shader(table);
    shader.programId = 3;
    shader.uniformCache.insert("uMvp", 2);
    GShader copy = shader;
    EXPECT_EQ(copy.programId, 3u);
    EXPECT_EQ(&copy.functions(), &table);
    EXPECT_EQ(copy.get_uniform_location("uMvp"), 2);  // from the copied cache, no driver call
    copy.uniformCache.insert("uModel", 0);
    EXPECT_FALSE(shader.uniformCache.contains("uModel"));
}
