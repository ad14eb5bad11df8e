// Drawing through the object graph on a real context, checked on the read-
// back frame: a lit textured sphere, the dark side away from the light, the
// background, clones and roll-over substitution, and the GL objects a mesh
// uploads and releases.
#include "SceneWindow.h"

#include <gen/log/GLog.h>
#include <gen/qt/GSettings.h>
#include <gen/qt/gl/mesh_generators.h>
#include <gen/tools/xprintf.h>

#include "support/RecordingSink.h"
#include "support/TempStore.h"

#include <QImage>

#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include <memory>

using gen::qt::gl::GLMesh;
using test::SceneWindow;
using test::same_colour;

namespace {

constexpr int kSize = 200;
QColor const kTexColour(200, 100, 50);

// Uniform colour, or red above blue when `split`.
QImage make_image(bool split)
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(kTexColour);
    if (split) {
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                image.setPixelColor(x, y, y < 8 ? QColor(255, 0, 0) : QColor(0, 0, 255));
            }
        }
    }
    return image;
}

GLMesh& add_sphere(SceneWindow& w, unsigned int id, float radius, glm::vec4 const& colour,
                   glm::vec3 const& at, bool upload = true)
{
    GLMesh& m = w.graph.ensure_mesh(id);
    gen::qt::gl::mesh::create_sphere(m, radius, 24, 24, colour);
    m.matModel = glm::translate(glm::mat4(1.0f), at);
    if (upload) {
        m.create_buffer_bind(w.shader);
    }
    return m;
}

class GLMeshRenderTest : public ::testing::Test {
protected:
    SceneWindow& start(std::function<void(SceneWindow&)> build)
    {
        window = std::make_unique<SceneWindow>();
        window->fnBuildScene = std::move(build);
        EXPECT_TRUE(window->show_and_wait(QSize(kSize, kSize)));
        EXPECT_TRUE(window->checkPassed);
        return *window;
    }

    // The planet view's root: a green unit sphere (60 x 60) with `texture`.
    SceneWindow& start_planet(QImage const& texture)
    {
        return start([texture](SceneWindow& s) {
            GLMesh& root = s.graph.ensure_root();
            gen::qt::gl::mesh::create_sphere(root, 1.0f, 60, 60, glm::vec4(0, 1, 0, 1));
            ASSERT_TRUE(root.load_texture(s.shader, texture));
            root.create_buffer_bind(s.shader);
        });
    }

    test::TempStore settings;
    std::unique_ptr<SceneWindow> window;
};

}  // namespace

TEST_F(GLMeshRenderTest, TexturedSphereLitFromTheCameraShowsTheTextureColour)
{
    SceneWindow& w = start_planet(make_image(false));
    QImage const frame = w.render_frame();
    ASSERT_EQ(frame.width(), kSize);
    QColor const centre = frame.pixelColor(kSize / 2, kSize / 2);
    EXPECT_TRUE(same_colour(centre, kTexColour)) << centre.name().toStdString();
    for (QPoint corner : {QPoint(2, 2), QPoint(kSize - 3, 2), QPoint(2, kSize - 3), QPoint(kSize - 3, kSize - 3)}) {
        EXPECT_TRUE(same_colour(frame.pixelColor(corner), w.clearColor)) << corner.x() << "," << corner.y();
    }
}

TEST_F(GLMeshRenderTest, SideAwayFromTheLightIsBlack)
{
    SceneWindow& w = start_planet(make_image(false));
    w.light.vPos = glm::vec3(10.0f, 0.0f, 0.0f);
    QImage const frame = w.render_frame();
    QColor const dark = frame.pixelColor(kSize / 2 - 30, kSize / 2);
    QColor const lit = frame.pixelColor(kSize / 2 + 30, kSize / 2);
    EXPECT_TRUE(same_colour(dark, QColor(0, 0, 0), 1)) << dark.name().toStdString();
    EXPECT_GT(lit.red(), 60);
    EXPECT_GT(lit.red(), lit.green());  // still the texture's hue
    EXPECT_GT(lit.green(), lit.blue());
}

TEST_F(GLMeshRenderTest, FirstImageRowLiesAtTheNorthPole)
{
    SceneWindow& w = start_planet(make_image(true));
    QImage const frame = w.render_frame();
    QColor const north = frame.pixelColor(kSize / 2, kSize / 2 - 25);
    QColor const south = frame.pixelColor(kSize / 2, kSize / 2 + 25);
    EXPECT_GT(north.red(), 150);
    EXPECT_LT(north.blue(), 20);
    EXPECT_GT(south.blue(), 150);
    EXPECT_LT(south.red(), 20);
}

TEST_F(GLMeshRenderTest, VertexColourWithoutTextureAndNoDrawBeforeUpload)
{
    SceneWindow& w = start([](SceneWindow& s) {
        add_sphere(s, 2, 0.4f, glm::vec4(1, 0, 0, 1), glm::vec3(-1, 0, 0));
        add_sphere(s, 3, 0.4f, glm::vec4(0, 1, 0, 1), glm::vec3(1, 0, 0), false);
    });
    QImage const frame = w.render_frame();
    EXPECT_TRUE(same_colour(frame.pixelColor(52, 100), QColor(255, 0, 0), 8))
        << frame.pixelColor(52, 100).name().toStdString();
    EXPECT_TRUE(same_colour(frame.pixelColor(148, 100), w.clearColor));
}

TEST_F(GLMeshRenderTest, CloneIsNeverDrawnAndRollOverDrawsTheSubstituteInPlace)
{
    SceneWindow& w = start([](SceneWindow& s) {
        add_sphere(s, 2, 0.4f, glm::vec4(1, 0, 0, 1), glm::vec3(-1, 0, 0)).idRollOver = 3;
        add_sphere(s, 3, 0.4f, glm::vec4(0, 0, 1, 1), glm::vec3(1, 0, 0)).set_clone(true);
    });
    QPoint const city(52, 100);
    QPoint const cloneSpot(148, 100);
    QColor const red(255, 0, 0);
    QColor const blue(0, 0, 255);

    QImage frame = w.render_frame();
    EXPECT_TRUE(same_colour(frame.pixelColor(city), red, 8));
    EXPECT_TRUE(same_colour(frame.pixelColor(cloneSpot), w.clearColor));

    w.graph.get_mesh(2).set_rollover(true);
    frame = w.render_frame();
    EXPECT_TRUE(same_colour(frame.pixelColor(city), blue, 8)) << frame.pixelColor(city).name().toStdString();
    EXPECT_TRUE(same_colour(frame.pixelColor(cloneSpot), w.clearColor));

    w.graph.clear_roll_over();
    frame = w.render_frame();
    EXPECT_TRUE(same_colour(frame.pixelColor(city), red, 8));

    // A substitute that is not valid: the rolled-over mesh is skipped.
    w.graph.get_mesh(2).set_rollover(true);
    w.graph.get_mesh(3).set_valid(false);
    frame = w.render_frame();
    EXPECT_TRUE(same_colour(frame.pixelColor(city), w.clearColor));
}

TEST_F(GLMeshRenderTest, UploadAndClearManageTheGLObjects)
{
    SceneWindow& w = start([](SceneWindow& s) { add_sphere(s, 2, 0.4f, glm::vec4(1, 0, 0, 1), glm::vec3(0)); });
    w.makeCurrent();
    GLMesh& m = w.graph.get_mesh(2);
    ASSERT_TRUE(m.has_GPU());
    GLuint const vao = m.VAO;
    GLuint const vbo = m.VBO;
    GLuint const ebo = m.EBO;
    EXPECT_TRUE(w.glIsVertexArray(vao));
    EXPECT_TRUE(w.glIsBuffer(vbo));
    GLint bytes = 0;
    w.glBindBuffer(GL_ARRAY_BUFFER, vbo);
    w.glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &bytes);
    EXPECT_EQ(bytes, static_cast<GLint>(m.vertices.size() * 48));
    w.glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, ebo);
    w.glGetBufferParameteriv(GL_ELEMENT_ARRAY_BUFFER, GL_BUFFER_SIZE, &bytes);
    EXPECT_EQ(bytes, static_cast<GLint>(m.indices.size() * 4));
    EXPECT_EQ(m.to_string(), gen::str::xprintF(0, "GLMeshid:2, idParent:0  VAO:$, VBO:$, EBO:$ {VALID | VISIBLE | HAS_GPU | }", vao, vbo, ebo));

    // A second upload replaces the first objects instead of leaking them.
    m.create_buffer_bind(w.shader);
    EXPECT_FALSE(w.glIsBuffer(vbo) && m.VBO != vbo);

    ASSERT_TRUE(m.load_texture(w.shader, make_image(false)));
    GLuint const tex = m.idTexture;
    GLuint const vbo2 = m.VBO;
    m.clear(w.shader);
    EXPECT_FALSE(w.glIsBuffer(vbo2));
    EXPECT_FALSE(w.glIsTexture(tex));
    EXPECT_EQ(m.VAO + m.VBO + m.EBO + m.idTexture, 0u);
    EXPECT_TRUE(m.vertices.empty());
    EXPECT_TRUE(m.indices.empty());
    EXPECT_TRUE(m.has_GPU());  // bits stay

    // Drawn after clear: nothing, and no crash.
    QImage const frame = w.render_frame();
    EXPECT_TRUE(same_colour(frame.pixelColor(100, 100), w.clearColor));
}
