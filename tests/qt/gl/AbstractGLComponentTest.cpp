// The GL window base on a real context. (The viewport and attribute
// locations show in every frame GLMeshTest reads back.)
#include "SceneWindow.h"

#include <gen/qt/gl/GWrapGL.h>

#include <QLayout>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPaintEvent>
#include <QPointer>

#include <algorithm>
#include <array>

using test::SceneWindow;
using GLWindowTest = test::GLWindowTest;

TEST_F(GLWindowTest, StandardSetupRunsOnceLeavesDepthLinkedProgramDriverLineAndContextHooks)
{
    int fired = 0;
    unsigned int program = 0;
    SceneWindow& w = start(QSize(320, 240), [&](SceneWindow& s) {
        s.lisIniGL += [&]() {
            ++fired;
            program = s.shader.programId;
        };
    });
    // Repaints and resizes do not initialise again.
    w.resize(300, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(fired, 1);
    auto const text = [&w](GLenum name) { return std::string(reinterpret_cast<char const*>(w.glGetString(name))); };
    EXPECT_EQ(log.count("GL vendor:" + text(GL_VENDOR) + ", renderer:" + text(GL_RENDERER) + ", version:" +
                        text(GL_VERSION) + ", GLSL:" + text(GL_SHADING_LANGUAGE_VERSION)),
              1u);
    GLint depthBits = 0, depthFunc = 0, linked = GL_FALSE;
    w.glGetFramebufferAttachmentParameteriv(GL_DRAW_FRAMEBUFFER, GL_DEPTH, GL_FRAMEBUFFER_ATTACHMENT_DEPTH_SIZE, &depthBits);
    w.glGetIntegerv(GL_DEPTH_FUNC, &depthFunc);
    w.glGetProgramiv(program, GL_LINK_STATUS, &linked);
    EXPECT_TRUE(depthBits >= 16 && w.glIsEnabled(GL_DEPTH_TEST) && depthFunc == GL_LEQUAL && linked == GL_TRUE);

    gen::qt::gl::GL_FUNCTIONS& table = w;  // as code holding only the table sees it
    table.done_current();
    EXPECT_EQ(QOpenGLContext::currentContext(), nullptr);
    table.make_current();
    EXPECT_EQ(QOpenGLContext::currentContext(), w.context());
    // Missing uniforms are not cached: asked again each time.
    EXPECT_EQ(w.shader.get_uniform_location("uMissing") + w.shader.get_uniform_location("uMissing"), -2);
    EXPECT_EQ(log.count("GShader::get_uniform_location, name 'uMissing' not found"), 2u);
}

TEST_F(GLWindowTest, OverlayBannerIsDrawnOverTheFrameAndAWrapperOwnsItsWindow)
{
    SceneWindow& w = start();
    w.paintGL();
    w.paint_overlay_test();
    w.makeCurrent();
    QImage const frame = w.grabFramebuffer();
    // Banner 140 x 36 at (30, 82): RGBA (40, 40, 40, 200) over the clear
    // colour in its left margin, the white text across the middle row.
    EXPECT_TRUE(test::same_colour(frame.pixelColor(34, 100), QColor(36, 40, 75), 6));
    int brightest = 0;
    for (int x = 40; x < 160; ++x) {
        brightest = std::max(brightest, frame.pixelColor(x, 100).red());
    }
    EXPECT_GT(brightest, 200);
    EXPECT_TRUE(test::same_colour(frame.pixelColor(10, 10), w.clearColor));
    // A wrapper owns the window it holds.
    QPointer<SceneWindow> const watch(new SceneWindow());
    {
        gen::qt::gl::GWrapGL wrap(watch.data());
        EXPECT_EQ(wrap.layout()->indexOf(wrap.container), 0);
    }
    EXPECT_TRUE(watch.isNull());  // deleted with its container
}

// A probe context in the window's share group outlives the window's own and
// sees whether the shared objects (buffers, textures, programs) still exist.
TEST_F(GLWindowTest, DestroyedContextReleasesMeshesTexturesAndProgram)
{
    for (bool const deleteWindow : {false, true}) {
        SCOPED_TRACE(deleteWindow ? "window deleted" : "context announced its end");
        SceneWindow& w = start(QSize(64, 64), [](SceneWindow& s) {
            ASSERT_TRUE(test::add_sphere(s, 1, 1.0f, glm::vec4(0, 1, 0, 1)).load_texture(s.shader, test::filled(Qt::red)));
        });
        gen::qt::gl::GLMesh& root = w.graph.get_root();
        std::array<GLuint, 3> const names{root.VBO, root.idTexture, w.shader.programId};
        QOffscreenSurface surface;
        surface.create();
        QOpenGLContext probe;
        probe.setShareContext(w.context());
        ASSERT_TRUE(probe.create());
        auto const alive = [&]() {
            EXPECT_TRUE(probe.makeCurrent(&surface));
            QOpenGLFunctions* const f = probe.functions();
            return std::array<bool, 3>{f->glIsBuffer(names[0]) == GL_TRUE, f->glIsTexture(names[1]) == GL_TRUE,
                                       f->glIsProgram(names[2]) == GL_TRUE};
        };
        ASSERT_EQ(alive(), (std::array<bool, 3>{true, true, true}));
        if (!deleteWindow) {
            // What the context tells its users right before it goes away.
            emit w.context()->aboutToBeDestroyed();
            EXPECT_EQ(root.VAO + root.VBO + root.EBO + root.idTexture + w.shader.programId, 0u);
        }
        window.reset();
        EXPECT_EQ(alive(), (std::array<bool, 3>{false, false, false}));
        probe.doneCurrent();
    }
}

TEST_F(GLWindowTest, PaintQueuedBeforeItsNativeWindowWentIsDroppedAndTheViewShowsAgain)
{
    // Closing a top-level window destroys the native windows under it; an
    // expose queued just before still arrives, as a paint, and with no
    // context current Qt's paint path crashed.
    SceneWindow& w = start();
    w.destroy();
    w.doneCurrent();
    QPaintEvent paint(QRect(QPoint(), w.size()));
    QCoreApplication::sendEvent(&w, &paint);
    w.show();
    ASSERT_TRUE(test::wait_for([&w] { return w.isExposed(); }));
    EXPECT_TRUE(test::same_colour(w.render_frame().pixelColor(10, 10), w.clearColor));
}
