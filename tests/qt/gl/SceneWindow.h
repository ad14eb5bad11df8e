#pragma once
// A minimal GL view drawing the planet view's frame, its scene built by a
// closure inside ini_gl; and the fixture that shows one.

#include <gen/math/ViewPort.h>
#include <gen/qt/gl/AbstractGLComponent.h>
#include <gen/qt/gl/Camera.h>
#include <gen/qt/gl/Light.h>
#include <gen/qt/gl/mesh_generators.h>

#include "support/LogCapture.h"
#include "support/TempStore.h"
#include "support/WaitFor.h"

#include <QImage>

#include <gtest/gtest.h>

#include <glm/gtc/matrix_transform.hpp>

#include <cstdlib>
#include <functional>
#include <memory>

namespace test {

class SceneWindow : public gen::qt::gl::AbstractGLComponent {
public:
    SceneWindow() { cam.ini(glm::vec3(0.0f, 0.0f, 5.0f), 45.0f, 1.0f, 0.1f, 100.0f, 5.0f); }

    void ini_gl() override
    {
        checkPassed = standard_gl_setup(clearColor);
        if (checkPassed && fnBuildScene) {
            fnBuildScene(*this);
        }
    }

    void paintGL() override
    {
        shader.use();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        shader.set_light_pos(light.vPos);
        shader.set_light_color(light.vColor);
        shader.set_light_itensity(light.intensity);
        float const aspect = static_cast<float>(width()) / static_cast<float>(height());
        graph.render(shader, cam.get_projection_matrix(aspect), cam.get_view_matrix());
    }

    // Draws one frame and reads it back before any swap.
    QImage render_frame()
    {
        makeCurrent();
        gl_Viewport(gen::math::ViewPort{static_cast<float>(width()), static_cast<float>(height())});
        paintGL();
        return grabFramebuffer();
    }

    gen::qt::gl::Camera cam;
    gen::qt::gl::Light light{glm::vec3(0.0f, 0.0f, 5.0f), glm::vec3(1.0f)};
    QColor clearColor{20, 40, 200};
    std::function<void(SceneWindow&)> fnBuildScene;
    bool checkPassed = false;
};

inline QImage filled(QColor const& colour, int width = 4, int height = 4)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// An uploaded 60 x 60 sphere of one vertex colour.
inline gen::qt::gl::GLMesh& add_sphere(SceneWindow& w, unsigned int id, float radius, glm::vec4 const& colour,
                                       glm::vec3 const& at = glm::vec3(0.0f))
{
    gen::qt::gl::GLMesh& m = w.graph.ensure_mesh(id);
    gen::qt::gl::mesh::create_sphere(m, radius, 60, 60, colour);
    m.matModel = glm::translate(glm::mat4(1.0f), at);
    m.create_buffer_bind(w.shader);
    return m;
}

inline bool same_colour(QColor const& a, QColor const& b, int tolerance = 3)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// Private settings, a debug log capture and one window, shown (within 10 s)
// with its context current.
class GLWindowTest : public ::testing::Test {
protected:
    SceneWindow& start(QSize size = QSize(200, 200), std::function<void(SceneWindow&)> build = nullptr)
    {
        window = std::make_unique<SceneWindow>();
        window->fnBuildScene = std::move(build);
        window->resize(size);
        window->show();
        EXPECT_TRUE(wait_for([this] { return window->isValid(); }) && window->checkPassed);
        window->makeCurrent();
        return *window;
    }

    TempStore settings;
    LogCapture log{gen::log::LEVEL_DEBUG};
    std::unique_ptr<SceneWindow> window;
};

}  // namespace test
