#include <gen/qt/gl/AbstractGLComponent.h>

#include <gen/log/fatal.h>
#include <gen/log/pp.h>
#include <gen/qt/GSettings.h>
#include <gen/tools/os.h>

#include <QElapsedTimer>
#include <QEvent>
#include <QFont>
#include <QOpenGLContext>
#include <QPainter>
#include <QSurfaceFormat>

#include <algorithm>
#include <cstdint>

namespace gen::qt::gl {

AbstractGLComponent::AbstractGLComponent() : QOpenGLWindow(QOpenGLWindow::NoPartialUpdate, nullptr)
{
    // Qt's default format leaves the depth buffer to the platform, and some
    // (GLX under Xvfb) give none: depth testing would then do nothing and the
    // far side of a sphere would be drawn over the near one. Everything else
    // stays as Qt chooses it.
    QSurfaceFormat requested = format();
    if (requested.depthBufferSize() < 16) {
        requested.setDepthBufferSize(24);
        setFormat(requested);
    }
    gen::pp_info("Build at:$", gen::get_build_timestamp());
    gen::pp_info("Version:$", GSettings::instance().get_version());
    gen::pp_info("$ / Qt:$", gen::os::get_os_name(), QT_VERSION_STR);
}

AbstractGLComponent::~AbstractGLComponent()
{
    // QOpenGLWindow destroys the context only after this object's members
    // are gone: release now, and keep the signal away from the remains.
    QObject::disconnect(contextGone);
    AbstractGLComponent::release_gl();
}

void AbstractGLComponent::release_gl()
{
    QOpenGLContext* const ctx = context();
    // Without resolved entry points no GL object can have been made.
    if (ctx == nullptr || !ctx->isValid() || !isInitialized()) {
        return;
    }
    // Deleting names in whatever other context is current would hit that
    // context's objects.
    if (QOpenGLContext::currentContext() != ctx && !ctx->makeCurrent(this)) {
        return;
    }
    graph.release_gl(shader);
    if (shader.programId != 0) {
        // A program still in use would outlive its deletion.
        glUseProgram(0);
        glDeleteProgram(shader.programId);
        shader.programId = 0;
        shader.uniformCache.clear();
    }
}

bool AbstractGLComponent::standard_gl_setup(QColor clearColor)
{
    if (!ini_and_check_gl(3, 0)) {
        return false;
    }
    auto const text = [this](GLenum name) {
        char const* const t = gl_text(name);
        return t != nullptr ? t : "?";
    };
    gen::pp_info("GL vendor:$, renderer:$, version:$, GLSL:$", text(GL_VENDOR),
                 text(GL_RENDERER), text(GL_VERSION), text(GL_SHADING_LANGUAGE_VERSION));
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_TRUE);
    gl_clear_color(clearColor);
    init_shader();
    return true;
}

void AbstractGLComponent::init_shader()
{
    // Desktop GLSL accepts the fragment text's precision statement only from
    // version 1.30 on (strict drivers such as Mesa refuse it in the default
    // 1.10), so desktop contexts get a version line as a separate first
    // string; the texts themselves go to the driver unchanged. GL 3.0, which
    // the driver check demands, guarantees GLSL 1.30. ES takes them as they are.
    QOpenGLContext const* const ctx = QOpenGLContext::currentContext();
    bool const desktop = ctx != nullptr && !ctx->isOpenGLES();
    auto const compile = [this, desktop](GLenum type, char const* text) {
        GLuint const object = glCreateShader(type);
        char const* const sources[2] = {GShader::DESKTOP_VERSION_LINE, text};
        glShaderSource(object, desktop ? 2 : 1, desktop ? sources : sources + 1, nullptr);
        glCompileShader(object);
        return object;
    };
    GLuint const vertex = compile(GL_VERTEX_SHADER, GShader::VERTEX_TEXT);
    GLuint const fragment = compile(GL_FRAGMENT_SHADER, GShader::FRAGMENT_TEXT);

    // Uniform locations belong to one program.
    if (shader.programId != 0) {
        glDeleteProgram(shader.programId);
        shader.uniformCache.clear();
    }
    shader.programId = glCreateProgram();
    glAttachShader(shader.programId, vertex);
    glAttachShader(shader.programId, fragment);
    glBindAttribLocation(shader.programId, GShader::LOCATION_POS, "inPos");
    glBindAttribLocation(shader.programId, GShader::LOCATION_COLOR, "inColor");
    glBindAttribLocation(shader.programId, GShader::LOCATION_NORMAL, "inNormal");
    glBindAttribLocation(shader.programId, GShader::LOCATION_TEX, "inTex");
    glLinkProgram(shader.programId);

    // Without this line a failed program would show only as uniform lookups
    // that find nothing.
    GLint linked = GL_FALSE;
    glGetProgramiv(shader.programId, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE) {
        char info[1024] = {};
        glGetProgramInfoLog(shader.programId, sizeof info, nullptr, info);
        gen::pp_error("AbstractGLComponent::init_shader, link failed <<<$>>>", info);
    }

    // Flagged for deletion; they live on inside the program.
    glDeleteShader(vertex);
    glDeleteShader(fragment);
}

void AbstractGLComponent::make_current()
{
    gen::pp("AbstractGLWindow::make_current");
    QOpenGLWindow::makeCurrent();
}

void AbstractGLComponent::done_current()
{
    gen::pp("AbstractGLWindow::done_current");
    QOpenGLWindow::doneCurrent();
}

void AbstractGLComponent::gl_clear_color(QColor c)
{
    glClearColor(c.redF(), c.greenF(), c.blueF(), c.alphaF());
}

void AbstractGLComponent::initializeGL()
{
    // A new context (the window was shown again) replaces the old one.
    QObject::disconnect(contextGone);
    contextGone = QObject::connect(context(), &QOpenGLContext::aboutToBeDestroyed, this,
                                   [this]() { release_gl(); }, Qt::DirectConnection);
    ini_gl();
    if (!lisIniGL.empty()) {
        lisIniGL.fire_event(FIRE_EVENT::IMMEDIATE);
    }
}

void AbstractGLComponent::resizeGL(int w, int h)
{
    glViewport(0, 0, w, h);
}

bool AbstractGLComponent::event(QEvent* event)
{
    // Closing a top-level window destroys the native windows under it at
    // once, yet an expose queued before (a resize just then) still arrives,
    // and Qt turns it into a paint. Its makeCurrent fails without a native
    // window, and the paint then draws with whatever context is current:
    // another view's, or none, which crashes.
    QEvent::Type const type = event->type();
    bool const paints = type == QEvent::Expose || type == QEvent::Paint || type == QEvent::UpdateRequest;
    if (paints && handle() == nullptr) {
        return true;
    }
    return QOpenGLWindow::event(event);
}

void AbstractGLComponent::paintOverGL()
{
    QOpenGLWindow::paintOverGL();
}

void AbstractGLComponent::paint_overlay_test()
{
    gen::pp("AbstractGLWindow::paint_overlay_test");

    QElapsedTimer timer;
    timer.start();
    QPainter painter(this);
    auto const openedWithin = static_cast<std::uint64_t>(timer.nsecsElapsed() / 1000);
    gen::pp("AbstractGLWindow::paintOverGL, painter object within:$ mc", openedWithin);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    int const w = width();
    int const h = height();
    int const s = std::min(w, h);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 40, 200));
    int const rw = static_cast<int>(0.7 * s);
    int const rh = static_cast<int>(0.18 * s);
    QRect const banner((w - rw) / 2, (h - rh) / 2, rw, rh);
    painter.drawRoundedRect(banner, 12, 12, Qt::AbsoluteSize);

    QFont font = painter.font();
    font.setWeight(QFont::Bold);
    // A pixel size below 1 is refused by Qt with a warning; a tiny window
    // still gets a (clipped) banner text.
    font.setPixelSize(std::max(1, rh / 2));
    painter.setFont(font);
    painter.setPen(Qt::white);
    int const m = s / 20;
    painter.drawText(banner.adjusted(m, m, -m, -m), Qt::AlignCenter, QStringLiteral("Hello Overlay"));
}

}  // namespace gen::qt::gl
