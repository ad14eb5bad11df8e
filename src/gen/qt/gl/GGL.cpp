#include <gen/qt/gl/GGL.h>

#include <gen/log/pp.h>
#include <gen/math/ViewPort.h>
#include <gen/qt/gl/driver_check.h>
#include <gen/qt/guitools/GGui.h>
#include <gen/tools/os.h>

#include <QCoreApplication>
#include <QMessageBox>

namespace gen::qt::gl {

GGL::GGL() : shader(*this) {}

GGL::~GGL() = default;

bool GGL::ini_and_check_gl(int requestedMajor, int requestedMinor)
{
    if (!resolve_gl_functions()) {
        gen::pp_error("GGL::ini_and_check_gl, $.$", requestedMajor, requestedMinor);
        gen::pp_error("GGL::ini_and_check_gl - FAILED");
        return false;
    }
    gen::pp("GGL::ini_and_check_gl, $.$", requestedMajor, requestedMinor);

    char const* const sVersion = gl_text(GL_VERSION);
    if (sVersion == nullptr) {
        gen::pp_error("GGL::ini_and_check_gl - sVersion == nullptr");
        return false;
    }
    auto const version = driver::parse_version(sVersion);
    if (!version) {
        gen::pp_error("GGL::ini_and_check_gl - gl version parse error, 2");
        return false;
    }
    major = version->major;
    minor = version->minor;

    if (simulateES2) {
        return true;
    }

    if (runs_on_linux() && !is_graphics_card_compatible()) {
        QString const text = driver::incompatible_text();
        gen::pp_error("GLPlanet::initializeGL, problems with graphics card <<<$>>>", text);
        gen::qt::copy_to_clipboard(text);
        show_refusal_box(driver::incompatible_title(), text);
        QCoreApplication::exit(1);
        return false;
    }

    if (major < requestedMajor) {
        return false;
    }
    return mapPointerToES3();
}

bool GGL::is_graphics_card_compatible()
{
    return driver::is_compatible(gl_text(GL_VENDOR), gl_text(GL_RENDERER));
}

void GGL::gl_Viewport(gen::math::ViewPort const& vp)
{
    glViewport(0, 0, static_cast<GLsizei>(vp.width), static_cast<GLsizei>(vp.height));
}

bool GGL::resolve_gl_functions()
{
    return initializeOpenGLFunctions();
}

char const* GGL::gl_text(unsigned int name)
{
    return reinterpret_cast<char const*>(glGetString(name));
}

bool GGL::runs_on_linux() const
{
    return gen::os::is_linux();
}

void GGL::show_refusal_box(QString const& title, QString const& text)
{
    QMessageBox::critical(nullptr, title, text, QMessageBox::Ok);
}

}  // namespace gen::qt::gl
