#include <gen/qt/gl/BackgroundTexture.h>

#include <gen/log/pp.h>
#include <gen/qt/gl/GL_FUNCTIONS.h>
#include <gen/qt/gl/GShader.h>

#include <algorithm>
#include <utility>

namespace gen::qt::gl::texture {

BackgroundTexture::BackgroundTexture(GShader& shader_) : shader(shader_)
{
    pump.setInterval(0);
    QObject::connect(&pump, &QTimer::timeout, this, [this]() { step(); });
    watch.setInterval(5);
    watch.setTimerType(Qt::PreciseTimer);
    QObject::connect(&watch, &QTimer::timeout, this,
                     [this]() { longestStallMs = std::max(longestStallMs, sinceTick.restart()); });
}

// Without the context a half-filled texture can only be forgotten; owners
// release() before this while they still have it.
BackgroundTexture::~BackgroundTexture() = default;

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
}

void BackgroundTexture::stop(bool deleteTexture)
{
    loader.cancel();
    pump.stop();
    watch.stop();
    pyramid = {};
    if (name != 0 && deleteTexture) {
        shader.functions().make_current();
        shader.functions().glDeleteTextures(1, &name);
    }
    name = 0;
    onReady = nullptr;
    onFailed = nullptr;
}

void BackgroundTexture::arrived(Pyramid& levels)
{
    pyramid = std::move(levels);
    if (!pyramid.ok()) {
        gen::pp_error("Figure::load_texture <<<$>>> failed", pyramid.path);
        Failed failed = std::move(onFailed);
        stop(true);
        if (failed) {
            failed();
        }
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
    if (maxSize <= 0 || (width <= maxSize && height <= maxSize)) {
        gl.glGenTextures(1, &name);
    }
    if (name == 0) {
        // Too big for the driver, or no name given: the upload would leave
        // an empty texture.
        gen::pp_error("TEXTURE,'$', $.$  ID:$ - NOT LOADED", pyramid.path, width, height, 0);
        Failed failed = std::move(onFailed);
        stop(true);
        if (failed) {
            failed();
        }
        return;
    }
    gl.glActiveTexture(GL_TEXTURE0);
    gl.glBindTexture(GL_TEXTURE_2D, name);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_BASE_LEVEL, 0);
    gl.glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, static_cast<GLint>(pyramid.levels.size() - 1));
    gl.glBindTexture(GL_TEXTURE_2D, 0);
    pump.start();
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
    unsigned int id = std::exchange(name, 0);
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
        gl.glDeleteTextures(1, &id);
    }
}

}  // namespace gen::qt::gl::texture
