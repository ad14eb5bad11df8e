#pragma once
// The OpenGL function table every GL object of the toolkit calls through.
// Entry points are resolved by initializeOpenGLFunctions() with a context
// current; until then no gl* call may be issued through the table.

#include <QOpenGLFunctions_3_3_Core>

namespace gen::qt::gl {

class GL_FUNCTIONS : public QOpenGLFunctions_3_3_Core {
public:
    GL_FUNCTIONS() = default;
    ~GL_FUNCTIONS() override = default;
    GL_FUNCTIONS(GL_FUNCTIONS const&) = delete;
    GL_FUNCTIONS& operator=(GL_FUNCTIONS const&) = delete;

    // Hooks through which code that holds only the table (textures loaded
    // from a menu action) makes the owning window's context current and
    // releases it again. Nothing to do for a bare table.
    virtual void make_current() {}
    virtual void done_current() {}

    // Desktop and ES drivers share one set of entry points here.
    bool mapPointerToES3() { return true; }
};

}  // namespace gen::qt::gl
