#pragma once
// A minimal GL view for the render tests: the set-up sequence and frame of
// the planet view (driver check, depth test, clear colour, shader, light
// uniforms, perspective camera, object graph), with the scene built by a
// closure and frames rendered and read back on demand.

#include <gen/qt/gl/AbstractGLComponent.h>
#include <gen/qt/gl/Camera.h>
#include <gen/qt/gl/Light.h>
#include <gen/qt/gl/ObjectGraph.h>

#include <QColor>
#include <QImage>
#include <QSize>

#include <functional>

namespace test {

class SceneWindow : public gen::qt::gl::AbstractGLComponent {
public:
    SceneWindow();

    void ini_gl() override;
    void paintGL() override;

    // Shows the window at `size` and runs the event loop until the context
    // is initialised; false after 10 s.
    bool show_and_wait(QSize size);
    // Makes the context current, draws one frame and reads it back (before
    // any buffer swap, so the content is this frame's).
    QImage render_frame();

    gen::qt::gl::ObjectGraph graph;
    gen::qt::gl::Camera cam;
    gen::qt::gl::Light light;
    QColor clearColor{20, 40, 200};
    std::function<void(SceneWindow&)> fnBuildScene;  // runs inside ini_gl
    bool checkPassed = false;
    int iniGlCalls = 0;
};

// Colour channels within `tolerance` of each other.
bool same_colour(QColor const& actual, QColor const& expected, int tolerance = 3);

}  // namespace test
