#include <gen/qt/gl/BackgroundTexture.h>

#include <gen/log/pp.h>
#include <gen/qt/gl/GL_FUNCTIONS.h>
#include <gen/qt/gl/GShader.h>

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <utility>

namespace gen::qt::gl::texture {

namespace {

// Wrapping, filters and the level range of the bound texture, through either
// function table (the view's or the worker context's).
template <class Functions>
void set_parameters(Functions& gl, std::size_t levels)
{
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, static_cast<GLint>(levels - 1));
}

}  // namespace

// A thread with a context in the view's share group, current on an offscreen
// surface. The surface is the GUI thread's to make and destroy; the context
// is the worker's to use and delete.
struct BackgroundTexture::Worker {
    QOpenGLContext const* share = nullptr;  // the view's, only compared
    quint64 since = 0;                      // the first load it may answer
    QThread thread;
    QObject inbox;  // moved to `thread`: calls posted to it run there
    QOffscreenSurface surface;
    QOpenGLContext* context = nullptr;
    std::atomic<quint64> wanted{0};  // any other load stops at its next level

    template <class F>
    void post(F&& call)
    {
        QMetaObject::invokeMethod(&inbox, std::forward<F>(call), Qt::QueuedConnection);
    }
    QOpenGLFunctions& current()
    {
        context->makeCurrent(&surface);
        return *context->functions();
    }
};

BackgroundTexture::BackgroundTexture(GShader& shader_) : shader(shader_)
{
    pump.setInterval(0);
    QObject::connect(&pump, &QTimer::timeout, this, [this]() { step(); });
    watch.setInterval(5);
    watch.setTimerType(Qt::PreciseTimer);
    QObject::connect(&watch, &QTimer::timeout, this,
                     [this]() { longestStallMs = std::max(longestStallMs, sinceTick.restart()); });
}

// A texture the worker is still filling is deleted by the worker; one the
// GUI thread was filling can only be forgotten without the context, so
// owners release() first while they still have it.
BackgroundTexture::~BackgroundTexture()
{
    end_worker();
}

void BackgroundTexture::load(QString const& path, QFlags<Qt::Orientation> flip, Ready ready, Failed failed)
{
    stop(true);
    onReady = std::move(ready);
    onFailed = std::move(failed);
    longestStallMs = 0;
    longestStepMs = 0;
    sinceRequest.start();
    sinceTick.start();
    watch.start();
    loader.request(path, flip, [this](Pyramid& levels) { arrived(levels); });
}

void BackgroundTexture::release(bool contextCurrent)
{
    stop(contextCurrent);
    end_worker();  // its context must not outlive the view's
}

void BackgroundTexture::stop(bool deleteTexture)
{
    loader.cancel();
    pump.stop();
    watch.stop();
    pyramid = {};
    ++loads;
    sent = false;
    if (worker) {
        worker->wanted = 0;
    }
    if (name != 0 && deleteTexture) {
        shader.functions().make_current();
        shader.functions().glDeleteTextures(1, &name);
    }
    name = 0;
    onReady = nullptr;
    onFailed = nullptr;
}

void BackgroundTexture::fail(bool notLoaded)
{
    if (notLoaded) {
        // Too big for the driver, or no name given: the upload would leave
        // an empty texture.
        gen::pp_error("TEXTURE,'$', $.$  ID:$ - NOT LOADED", pyramid.path, width, height, 0);
    } else {
        gen::pp_error("Figure::load_texture <<<$>>> failed", pyramid.path);
    }
    Failed failed = std::move(onFailed);
    stop(true);
    if (failed) {
        failed();
    }
}

void BackgroundTexture::arrived(Pyramid& levels)
{
    QElapsedTimer stepTime;
    stepTime.start();
    pyramid = std::move(levels);
    if (!pyramid.ok()) {
        fail(false);
        return;
    }
    width = pyramid.levels.front().width();
    height = pyramid.levels.front().height();
    level = 0;
    row = 0;
    GL_FUNCTIONS& gl = shader.functions();
    gl.make_current();
    GLint maxSize = 0;
    gl.glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    if (maxSize > 0 && (width > maxSize || height > maxSize)) {
        fail(true);
        return;
    }
    // The platform is asked only now, once a load needs it: on X it tries a
    // context of its own, which may leave another one current.
    QOpenGLContext* const view = QOpenGLContext::currentContext();
    threaded = threaded && QOpenGLContext::supportsThreadedOpenGL();
    if (QOpenGLContext::currentContext() != view) {
        gl.make_current();
    }
    if (threaded && send(view)) {
        longestStepMs = std::max(longestStepMs, stepTime.elapsed());
        return;
    }
    gl.glGenTextures(1, &name);
    if (name == 0) {
        fail(true);
        return;
    }
    gl.glActiveTexture(GL_TEXTURE0);
    gl.glBindTexture(GL_TEXTURE_2D, name);
    set_parameters(gl, pyramid.levels.size());
    gl.glBindTexture(GL_TEXTURE_2D, 0);
    longestStepMs = std::max(longestStepMs, stepTime.elapsed());
    pump.start();
}

bool BackgroundTexture::send(QOpenGLContext* view)
{
    if (view == nullptr) {
        return false;
    }
    if (worker && worker->share != view) {
        end_worker();
    }
    if (!worker) {
        auto made = std::make_unique<Worker>();
        made->share = view;
        made->since = loads;
        made->surface.setFormat(view->format());
        made->surface.create();
        auto context = std::make_unique<QOpenGLContext>();
        context->setFormat(view->format());
        context->setShareContext(view);
        if (!made->surface.isValid() || !context->create() || !QOpenGLContext::areSharing(context.get(), view)) {
            threaded = false;  // not here: the GUI thread uploads from now on
            return false;
        }
        made->inbox.moveToThread(&made->thread);
        context->moveToThread(&made->thread);
        made->context = context.release();
        made->thread.start();
        worker = std::move(made);
    }
    // The path stays for the log lines; the pixels go to the worker.
    auto levels = std::make_shared<std::vector<QImage>>(std::move(pyramid.levels));
    pyramid.levels.clear();
    quint64 const load = loads;
    worker->wanted = load;
    sent = true;
    worker->post([this, w = worker.get(), load, levels]() {
        if (w->wanted != load) {
            return;
        }
        QOpenGLFunctions& gl = w->current();
        GLuint id = 0;
        gl.glGenTextures(1, &id);
        if (id != 0) {
            gl.glBindTexture(GL_TEXTURE_2D, id);
            set_parameters(gl, levels->size());
            // Whole levels: no frame waits here. Each decoded level goes
            // once the driver has its copy.
            for (std::size_t i = 0; i < levels->size() && w->wanted == load; ++i) {
                QImage& image = (*levels)[i];
                gl.glTexImage2D(GL_TEXTURE_2D, static_cast<GLint>(i), GL_RGBA, image.width(), image.height(), 0,
                                GL_RGBA, GL_UNSIGNED_BYTE, image.constBits());
                image = QImage();
            }
            gl.glBindTexture(GL_TEXTURE_2D, 0);
            // The view's context must find the contents complete.
            gl.glFinish();
            if (w->wanted != load) {
                gl.glDeleteTextures(1, &id);
                return;
            }
        }
        QMetaObject::invokeMethod(this, [this, load, id]() { uploaded(load, id); }, Qt::QueuedConnection);
    });
    return true;
}

void BackgroundTexture::uploaded(quint64 load, unsigned int id)
{
    if (load != loads || !sent) {
        // Dropped after the worker last looked. Only its own worker may
        // delete it; a name from an earlier one went with that share group.
        if (id != 0 && worker && load >= worker->since) {
            worker->post([w = worker.get(), id]() { w->current().glDeleteTextures(1, &id); });
        }
        return;
    }
    sent = false;
    if (id == 0) {
        fail(true);
        return;
    }
    shader.functions().make_current();  // the owner's callback expects its context
    finish(id);
}

void BackgroundTexture::end_worker()
{
    if (!worker) {
        return;
    }
    Worker* const w = worker.get();
    w->wanted = 0;
    // After whatever it is doing: an upload stops at its next level and
    // deletes its texture with this context.
    w->post([w]() {
        w->context->doneCurrent();
        delete w->context;
        w->context = nullptr;
        QThread::currentThread()->quit();
    });
    w->thread.wait();
    worker.reset();
}

void BackgroundTexture::step()
{
    QElapsedTimer stepTime;
    stepTime.start();
    GL_FUNCTIONS& gl = shader.functions();
    gl.make_current();
    gl.glActiveTexture(GL_TEXTURE0);
    gl.glBindTexture(GL_TEXTURE_2D, name);
    // RGBA8888 rows are whole multiples of 4 bytes and lie back to back, so
    // the default unpack state reads a band straight from the image.
    qsizetype budget = bandBytes;
    while (budget > 0 && level < pyramid.levels.size()) {
        QImage& image = pyramid.levels[level];
        auto const lod = static_cast<GLint>(level);
        if (row == 0) {
            // Storage of each level only when its turn comes: the driver's
            // copy of a level grows as the decoded one is let go.
            gl.glTexImage2D(GL_TEXTURE_2D, lod, GL_RGBA, image.width(), image.height(), 0, GL_RGBA,
                            GL_UNSIGNED_BYTE, nullptr);
        }
        qsizetype const line = image.bytesPerLine();
        int const rows = std::min(image.height() - row, static_cast<int>(std::max<qsizetype>(1, budget / line)));
        gl.glTexSubImage2D(GL_TEXTURE_2D, lod, 0, row, image.width(), rows, GL_RGBA, GL_UNSIGNED_BYTE,
                           image.constScanLine(row));
        budget -= rows * line;
        row += rows;
        if (row == image.height()) {
            image = QImage();  // uploaded: the decoded pixels go
            ++level;
            row = 0;
        }
    }
    gl.glBindTexture(GL_TEXTURE_2D, 0);
    longestStepMs = std::max(longestStepMs, stepTime.elapsed());
    if (level < pyramid.levels.size()) {
        return;
    }
    finish(std::exchange(name, 0));
}

void BackgroundTexture::finish(unsigned int id)
{
    QString const path = pyramid.path;
    Ready ready = std::move(onReady);
    lastLoadMs = sinceRequest.elapsed();
    stop(false);
    gen::pp_info("TEXTURE,'$', $.$  ID:$", path, width, height, id);
    gen::pp("BackgroundTexture, <<<$>>> ready after $ ms, longest stall $ ms, longest step $ ms", path, lastLoadMs,
            longestStallMs, longestStepMs);
    if (ready) {
        ready(id);
    } else {
        shader.functions().make_current();
        shader.functions().glDeleteTextures(1, &id);
    }
}

}  // namespace gen::qt::gl::texture
