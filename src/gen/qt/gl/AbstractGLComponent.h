#pragma once
// Base of every GL view: a QOpenGLWindow that is its own function table,
// owns the window's shader program and scene graph, tells interested parties
// through lisIniGL when its GL set-up is complete, and releases the GL
// objects of both when its context goes away.
//
// A subclass's ini_gl() is expected to: call standard_gl_setup() and give up
// when it returns false; build its scene. lisIniGL fires after ini_gl()
// whatever it achieved, once per initialisation of the context.

#include <gen/Listener.h>
#include <gen/qt/gl/GGL.h>
#include <gen/qt/gl/ObjectGraph.h>

#include <QColor>
#include <QMetaObject>
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

    // Releases the scene's GL objects (ObjectGraph::release_gl) and deletes
    // the shader program, with this window's context made current. Runs by
    // itself when the window is deleted and whenever the context announces
    // its destruction (aboutToBeDestroyed); does nothing without a valid
    // context or once everything is released. A subclass with GL objects of its own extends
    // it and calls it from its own destructor too: the base's destructor can
    // reach only the base's part.
    virtual void release_gl();

    Listener<NO_PAYLOAD> lisIniGL;
    ObjectGraph graph;

protected:
    // The set-up every view's ini_gl starts with. Needs the context current
    // (as in ini_gl). Runs the driver check for GL 3.0 (ini_and_check_gl);
    // when that fails, returns false and does nothing else. Otherwise logs
    // one INFO line "GL vendor:$, renderer:$, version:$, GLSL:$" with the
    // driver's texts, leaves depth testing on with GL_LEQUAL and depth writes
    // on, sets `clearColor` as the clear colour, builds the shader program
    // (init_shader, not yet in use) and returns true.
    bool standard_gl_setup(QColor clearColor);

    void initializeGL() override;
    void resizeGL(int w, int h) override;
    void paintOverGL() override;
    // Drops paints that reach a window whose native window is gone.
    bool event(QEvent* event) override;

private:
    QMetaObject::Connection contextGone;
};

}  // namespace gen::qt::gl
