#pragma once
// A texture loaded without holding up the GUI thread: a PyramidLoader reads,
// mirrors, converts and reduces the image on a worker; the GUI thread then
// only uploads, level by level in bands of rows, one band per pass of the
// event loop, so painting and input go on between the bands. The owner gets
// the new texture only when every level is in; until then it keeps drawing
// the old one. Nothing runs (no timer) while nothing is loading.
//
// Every GL call goes through the shader's function table with its
// make_current hook. The owner calls release() while its context still
// exists (a window from its release_gl).

#include <gen/qt/gl/texture_pyramid.h>

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

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
    // else left to its context, which is going away with it.
    void release(bool contextCurrent);

    bool busy() const { return loader.busy() || uploading(); }
    // The levels are in hand and going up.
    bool uploading() const { return !pyramid.levels.empty(); }

    // Most bytes of pixels one step uploads: 16 MB, 512 rows of an 8k map.
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
    void stop(bool deleteTexture);

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
