#pragma once
// Base of every GL view: a QOpenGLWindow that is its own function table,
// owns the window's shader program and tells interested parties through
// lisIniGL when its GL set-up is complete.
//
// A subclass's ini_gl() is expected to: call ini_and_check_gl(3, 0) and give
// up when it returns false; set its GL state and clear colour; call
// init_shader(); build its scene. lisIniGL fires after ini_gl() whatever it
// achieved, once per initialisation of the context.

#include <gen/Listener.h>
#include <gen/qt/gl/GGL.h>

#include <QColor>
#include <QOpenGLWindow>

namespace gen::qt::gl {

class AbstractGLComponent : public QOpenGLWindow, public GGL {
public:
    // No parent window, NoPartialUpdate, Qt's default surface format except
    // that a depth buffer of at least 16 bits is asked for. Entry points are
    // resolved later, in ini_and_check_gl.
    AbstractGLComponent();
    ~AbstractGLComponent() override;

    // Compiles and links the program into `shader`; needs the context
    // current. A failed link is logged at ERROR with the driver's text. A
    // second call replaces the earlier program and forgets its uniforms.
    virtual void init_shader();
    void make_current() override;
    void done_current() override;
    // The subclass's GL set-up, run by initializeGL with the context current.
    virtual void ini_gl() = 0;

    // Needs the context current.
    void gl_clear_color(QColor c);

    // Diagnostic banner "Hello Overlay" centred over the GL content; call it
    // from paintOverGL.
    void paint_overlay_test();

    Listener<NO_PAYLOAD> lisIniGL;

protected:
    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintOverGL() override;
};

}  // namespace gen::qt::gl
