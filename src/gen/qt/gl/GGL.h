#pragma once
// The function table of a GL window together with its shader program and
// the driver check: version parsing, the Linux refusal of Intel- and
// Mesa-only machines, and the major-version comparison.

#include <gen/qt/gl/GL_FUNCTIONS.h>
#include <gen/qt/gl/GShader.h>

#include <QString>

namespace gen::math {
struct ViewPort;
}

namespace gen::qt::gl {

class GGL : public GL_FUNCTIONS {
public:
    GGL();
    ~GGL() override;

    // Needs the context current. True when the entry points were resolved,
    // the version text was read and parsed, and the driver passes the
    // checks. Only the major numbers are compared; `minor` appears in the log
    // line only. On a refused Linux driver the text goes to the log (ERROR)
    // and the clipboard, a modal box shows it and the application is asked
    // to leave its event loop with exit code 1.
    bool ini_and_check_gl(int major, int minor);

    // Needs the context current; see driver::is_compatible.
    bool is_graphics_card_compatible();

    // glViewport(0, 0, w, h) with the sizes truncated to int.
    void gl_Viewport(gen::math::ViewPort const& vp);

    int major_gl_version() const { return major; }
    int minor_gl_version() const { return minor; }
    void set_simulate_ES2(bool on) { simulateES2 = on; }
    bool is_simulated_ES2() const { return simulateES2; }

    GShader shader;
    int major = 0;             // of the driver's GL version; 0 until parsed
    int minor = 0;
    bool simulateES2 = false;  // stop the check after parsing the version

protected:
    // Seams to the driver and the desktop, replaced by tests that run the
    // check without a context and without a modal box.
    virtual bool resolve_gl_functions();            // initializeOpenGLFunctions()
    virtual char const* gl_text(unsigned int name);  // glGetString; may be null
    virtual bool runs_on_linux() const;
    // Shows the modal critical box; returns when the user closed it.
    virtual void show_refusal_box(QString const& title, QString const& text);
};

}  // namespace gen::qt::gl
