#include "SceneWindow.h"

#include <gen/math/ViewPort.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <glm/gtc/matrix_transform.hpp>

#include <cmath>
#include <cstdlib>

namespace test {

SceneWindow::SceneWindow()
{
    cam.ini(glm::vec3(0.0f, 0.0f, 5.0f), 45.0f, 1.0f, 0.1f, 100.0f, 5.0f);
    light.vPos = glm::vec3(0.0f, 0.0f, 5.0f);
    light.vColor = glm::vec3(1.0f);
    light.intensity = 1.0f;
}

void SceneWindow::ini_gl()
{
    ++iniGlCalls;
    checkPassed = ini_and_check_gl(3, 0);
    if (!checkPassed) {
        return;
    }
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_TRUE);
    gl_clear_color(clearColor);
    init_shader();
    if (fnBuildScene) {
        fnBuildScene(*this);
    }
}

void SceneWindow::paintGL()
{
    float aspect = static_cast<float>(width()) / static_cast<float>(height());
    if (!std::isfinite(aspect)) {
        aspect = 1.0f;
    }
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_TRUE);
    shader.use();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    shader.set_light_pos(light.vPos);
    shader.set_light_color(light.vColor);
    shader.set_light_itensity(light.intensity);
    glm::mat4 const projection = glm::perspective(glm::radians(cam.fov), aspect, cam.zNear, cam.zFar);
    graph.render(shader, projection, cam.get_view_matrix());
}

bool SceneWindow::show_and_wait(QSize size)
{
    resize(size);
    show();
    QElapsedTimer timer;
    timer.start();
    while (!isValid() && timer.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return isValid();
}

QImage SceneWindow::render_frame()
{
    makeCurrent();
    gl_Viewport(gen::math::ViewPort{static_cast<float>(width()), static_cast<float>(height())});
    paintGL();
    glFinish();
    return grabFramebuffer();
}

bool same_colour(QColor const& actual, QColor const& expected, int tolerance)
{
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

}  // namespace test
