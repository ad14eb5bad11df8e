#pragma once
// A texture loaded without holding up the GUI thread: a PyramidLoader reads,
// mirrors, converts and reduces the image on a worker. A second worker with
// its own context, sharing objects with the view's, then allocates and fills
// the texture and hands back only its name: allocating an 8k mip chain alone
// holds a software driver for longer than a frame. Where the platform has no
// threaded GL, the GUI thread uploads instead, level by level in bands of
// rows, one band per pass of the event loop. The owner gets the new texture
// only when every level is in; until then it keeps drawing the old one.
// Nothing runs (no timer) while nothing is loading.
//
// Every GL call goes through the shader's function table with its
// make_current hook. The owner calls release() while its context still
// exists (a window from its release_gl).

#include <gen/qt/gl/texture_pyramid.h>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class QOpenGLContext;

namespace gen::qt::gl {
class GShader;
}

namespace gen::qt::gl::texture {

class BackgroundTexture : public QObject {
public:
    // Runs with the context current; the texture `id` now belongs to the callee.
    using Ready = std::function<void(unsigned int id)>;
    using Failed = std::function<void()>;

    explicit BackgroundTexture(GShader& shader);
    ~BackgroundTexture() override;
    BackgroundTexture(BackgroundTexture const&) = delete;
    BackgroundTexture& operator=(BackgroundTexture const&) = delete;

    // Starts loading `path`, mirrored by `flip`. A load still under way is
    // dropped, its half-uploaded texture deleted, its callbacks never run:
    // the last load wins. Unreadable image: ERROR "Figure::load_texture
    // <<<path>>> failed", then `failed`. Done: INFO "TEXTURE,'path', w.h
    // ID:id", then `ready`.
    void load(QString const& path, QFlags<Qt::Orientation> flip, Ready ready, Failed failed);
    // Drops the load under way. Its texture is deleted when `contextCurrent`,
    // else left to its context, which is going away with it. The worker's
    // context is deleted, after its upload, if any, stopped and deleted its
    // texture: it must not outlive the view's.
    void release(bool contextCurrent);

    bool busy() const { return loader.busy() || uploading(); }
    // The levels are in hand and going up.
    bool uploading() const { return !pyramid.levels.empty() || sent; }

    // Upload on a worker context where the platform allows it; false keeps
    // the upload on the GUI thread.
    bool threaded = true;

    // Most bytes of pixels one GUI-thread step uploads: 16 MB, 512 rows of an 8k map.
    qsizetype bandBytes = qsizetype(16) << 20;
    // Of the last load, in milliseconds: the longest time the event loop
    // did not come round, the longest upload step, and the time from the
    // request to ready.
    qint64 longestStallMs = 0;
    qint64 longestStepMs = 0;
    qint64 lastLoadMs = 0;

private:
    void arrived(Pyramid& levels);
    void step();
    void finish(unsigned int id);
    void fail(bool notLoaded);
    void stop(bool deleteTexture);
    bool send(QOpenGLContext* view);
    void uploaded(quint64 load, unsigned int id);
    void end_worker();

    struct Worker;
    std::unique_ptr<Worker> worker;  // lives while its share group may
    quint64 loads = 0;               // numbers the loads; the last one counts
    bool sent = false;               // the levels are with the worker

    GShader& shader;
    PyramidLoader loader;
    Pyramid pyramid;
    std::size_t level = 0;  // next level to upload, and its next row
    int row = 0;
    unsigned int name = 0;  // the texture being filled
    int width = 0;
    int height = 0;
    Ready onReady;
    Failed onFailed;
    QTimer pump;   // one band per timeout while uploading
    QTimer watch;  // ticks while loading to find the longest stall
    QElapsedTimer sinceRequest;
    QElapsedTimer sinceTick;
};

}  // namespace gen::qt::gl::texture
