// The GL window base on a real context: construction lines, the driver check
// on this machine, the initialisation listener, viewport, context hooks and
// the shader program built by init_shader.
#include "SceneWindow.h"

#include <gen/log/GLog.h>
#include <gen/math/ViewPort.h>
#include <gen/qt/GSettings.h>

#include "support/RecordingSink.h"
#include "support/TempStore.h"

#include <QCoreApplication>
#include <QOpenGLContext>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

using gen::qt::gl::GShader;
using test::SceneWindow;

namespace {

class GLWindowTest : public ::testing::Test {
protected:
    SceneWindow& make_window()
    {
        window = std::make_unique<SceneWindow>();
        return *window;
    }

    test::TempStore settings;
    test::LogLevelGuard level{gen::log::LEVEL_DEBUG};
    test::RecordingSink sink;
    std::unique_ptr<SceneWindow> window;
};

}  // namespace

TEST_F(GLWindowTest, ConstructionWritesBuildVersionAndPlatformLines)
{
    make_window();
    // The three lines follow each other; anything the platform reports
    // while the window is built may come before them.
    auto lines = sink.lines();
    auto const first = std::find_if(lines.begin(), lines.end(),
                                    [](test::LoggedLine const& l) { return l.text.starts_with("Build at:"); });
    ASSERT_GE(std::distance(first, lines.end()), 3) << "no construction lines";
    for (auto it = first; it != first + 3; ++it) {
        EXPECT_EQ(it->level, gen::log::LEVEL_INFO) << it->text;
    }
    EXPECT_GT(first[0].text.size(), std::string("Build at:").size());
    EXPECT_EQ(first[1].text, "Version:0");  // no configuration check ran in this process
    EXPECT_TRUE(first[2].text.ends_with(std::string(" / Qt:") + QT_VERSION_STR)) << first[2].text;
}

TEST_F(GLWindowTest, InitialisationPassesCheckAndFiresListenerOnceWithSceneReady)
{
    SceneWindow& w = make_window();
    int fired = 0;
    unsigned int programAtFire = 0;
    std::size_t meshesAtFire = 0;
    w.fnBuildScene = [](SceneWindow& s) { s.graph.ensure_root(); };
    w.lisIniGL += [&]() {
        ++fired;
        programAtFire = w.shader.programId;
        meshesAtFire = w.graph.size();
    };
    EXPECT_EQ(w.major_gl_version(), 0);
    ASSERT_TRUE(w.show_and_wait(QSize(320, 240)));

    // Repaints and resizes do not initialise again.
    w.render_frame();
    w.resize(300, 200);
    w.requestUpdate();
    QCoreApplication::processEvents();
    w.render_frame();

    EXPECT_TRUE(w.checkPassed);  // llvmpipe: renderer without "mesa"
    EXPECT_GE(w.major_gl_version(), 3);
    EXPECT_EQ(w.iniGlCalls, 1);
    EXPECT_EQ(fired, 1);
    EXPECT_NE(programAtFire, 0u);
    EXPECT_EQ(meshesAtFire, 1u);
    EXPECT_TRUE(sink.contains("GGL::ini_and_check_gl, 3.0"));
}

TEST_F(GLWindowTest, DefaultFramebufferHasADepthBuffer)
{
    SceneWindow& w = make_window();
    ASSERT_TRUE(w.show_and_wait(QSize(160, 120)));
    w.makeCurrent();
    GLint depthBits = 0;
    w.glGetFramebufferAttachmentParameteriv(GL_DRAW_FRAMEBUFFER, GL_DEPTH,
                                            GL_FRAMEBUFFER_ATTACHMENT_DEPTH_SIZE, &depthBits);
    EXPECT_GE(depthBits, 16);
}

TEST_F(GLWindowTest, ViewportSizesAreTruncated)
{
    SceneWindow& w = make_window();
    ASSERT_TRUE(w.show_and_wait(QSize(320, 240)));
    w.makeCurrent();
    w.gl_Viewport(gen::math::ViewPort{799.9f, 600.0f});
    GLint vp[4] = {-1, -1, -1, -1};
    w.glGetIntegerv(GL_VIEWPORT, vp);
    EXPECT_EQ(vp[0], 0);
    EXPECT_EQ(vp[1], 0);
    EXPECT_EQ(vp[2], 799);
    EXPECT_EQ(vp[3], 600);
}

TEST_F(GLWindowTest, ContextHooksMakeCurrentAndRelease)
{
    SceneWindow& w = make_window();
    ASSERT_TRUE(w.show_and_wait(QSize(160, 120)));
    gen::qt::gl::GL_FUNCTIONS& table = w;  // as code holding only the table sees it

    table.done_current();
    EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
    table.make_current();
    EXPECT_EQ(QOpenGLContext::currentContext(), w.context());
    EXPECT_TRUE(sink.contains("AbstractGLWindow::done_current"));
    EXPECT_TRUE(sink.contains("AbstractGLWindow::make_current"));
}

TEST_F(GLWindowTest, ShaderProgramLinksWithFixedAttributeLocations)
{
    SceneWindow& w = make_window();
    ASSERT_TRUE(w.show_and_wait(QSize(160, 120)));
    w.makeCurrent();
    GLuint const program = w.shader.programId;
    ASSERT_NE(program, 0u);
    GLint linked = GL_FALSE;
    w.glGetProgramiv(program, GL_LINK_STATUS, &linked);
    char log[2048] = {};
    w.glGetProgramInfoLog(program, sizeof log, nullptr, log);
    EXPECT_EQ(linked, GL_TRUE) << log;
    EXPECT_EQ(w.glGetAttribLocation(program, "inPos"), 0);
    EXPECT_EQ(w.glGetAttribLocation(program, "inColor"), 1);
    EXPECT_EQ(w.glGetAttribLocation(program, "inNormal"), 2);
    EXPECT_EQ(w.glGetAttribLocation(program, "inTex"), 3);
    // Shader objects were flagged for deletion after linking.
    GLint attached = -1;
    w.glGetProgramiv(program, GL_ATTACHED_SHADERS, &attached);
    EXPECT_EQ(attached, 2);
    GLuint shaders[2] = {0, 0};
    w.glGetAttachedShaders(program, 2, nullptr, shaders);
    GLint flagged = GL_FALSE;
    w.glGetShaderiv(shaders[0], GL_DELETE_STATUS, &flagged);
    EXPECT_EQ(flagged, GL_TRUE);
}

TEST_F(GLWindowTest, UniformLookupsCacheFoundNamesOnly)
{
    SceneWindow& w = make_window();
    ASSERT_TRUE(w.show_and_wait(QSize(160, 120)));
    w.makeCurrent();
    GShader const& shader = w.shader;
    shader.uniformCache.clear();
    sink.clear();

    for (char const* name : {"uMvp", "uModel", "uNormalMat", "uLightPos", "uLightColor",
                             "uLightIntensity", "uTex", "hasTexture"}) {
        int const location = shader.get_uniform_location(name);
        EXPECT_GE(location, 0) << name;
        EXPECT_EQ(location, w.glGetUniformLocation(shader.programId, name)) << name;
        EXPECT_EQ(shader.uniformCache.value(name, -1), location) << name;
    }
    EXPECT_TRUE(sink.texts().empty());

    EXPECT_EQ(shader.get_uniform_location("uMissing"), -1);
    EXPECT_EQ(shader.get_uniform_location("uMissing"), -1);
    EXPECT_FALSE(shader.uniformCache.contains("uMissing"));
    auto const texts = sink.texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "GShader::get_uniform_location, name 'uMissing' not found"), 2);
}

TEST_F(GLWindowTest, TypedSettersReachTheProgram)
{
    SceneWindow& w = make_window();
    ASSERT_TRUE(w.show_and_wait(QSize(160, 120)));
    w.makeCurrent();
    GShader const& shader = w.shader;
    shader.use();
    shader.set_light_pos(glm::vec3(1.0f, 2.0f, 3.0f));
    shader.set_light_itensity(0.25f);
    shader.set_int("hasTexture", 1);
    glm::mat4 m(1.0f);
    m[3] = glm::vec4(4.0f, 5.0f, 6.0f, 1.0f);
    shader.set_mvp(m);

    GLuint const p = shader.programId;
    GLfloat v[16] = {};
    w.glGetUniformfv(p, shader.get_uniform_location("uLightPos"), v);
    EXPECT_FLOAT_EQ(v[2], 3.0f);
    w.glGetUniformfv(p, shader.get_uniform_location("uLightIntensity"), v);
    EXPECT_FLOAT_EQ(v[0], 0.25f);
    GLint i = 0;
    w.glGetUniformiv(p, shader.get_uniform_location("hasTexture"), &i);
    EXPECT_EQ(i, 1);
    w.glGetUniformfv(p, shader.get_uniform_location("uMvp"), v);
    EXPECT_FLOAT_EQ(v[12], 4.0f);  // column-major, not transposed
    EXPECT_FLOAT_EQ(v[14], 6.0f);
}

TEST_F(GLWindowTest, OverlayTestBannerIsDrawnOverTheFrame)
{
    SceneWindow& w = make_window();
    ASSERT_TRUE(w.show_and_wait(QSize(200, 200)));
    w.makeCurrent();
    w.paintGL();
    w.paint_overlay_test();
    w.makeCurrent();
    QImage const frame = w.grabFramebuffer();
    ASSERT_FALSE(frame.isNull());
    // Banner 140 x 36 at (30, 82): its left margin (no text) is dark grey over the
    // clear colour; outside it the clear colour remains.
    // RGBA (40, 40, 40, 200) over the clear colour (20, 40, 200).
    QColor const banner = frame.pixelColor(34, 100);
    EXPECT_TRUE(test::same_colour(banner, QColor(36, 40, 75), 6)) << banner.name().toStdString();
    int brightest = 0;
    for (int x = 40; x < 160; ++x) {
        brightest = std::max(brightest, frame.pixelColor(x, 100).red());
    }
    EXPECT_GT(brightest, 200);  // the white text crosses the middle row
    EXPECT_TRUE(test::same_colour(frame.pixelColor(10, 10), w.clearColor));
    EXPECT_TRUE(sink.contains("AbstractGLWindow::paint_overlay_test"));
    EXPECT_TRUE(sink.contains("AbstractGLWindow::paintOverGL, painter object within:"));
}
