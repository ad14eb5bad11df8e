#pragma once
// The CPU half of a texture load, free of any GL context so that it can run
// on a worker thread: the image read, mirrored, converted to RGBA8888 and
// reduced to every mipmap level down to 1 x 1. PyramidLoader builds pyramids
// off the GUI thread and hands each to the thread of its owner; only the
// last request is ever answered.

#include <QFlags>
#include <QImage>
#include <QObject>
#include <QString>
#include <Qt>

#include <functional>
#include <memory>
#include <vector>

namespace gen::qt::gl::texture {

struct Pyramid {
    QString path;
    // RGBA8888. levels[0] is the whole image (its first row becomes texture
    // row t = 0); each further level halves the one before, as GL sizes
    // mipmaps (rounded down, at least 1), down to 1 x 1.
    std::vector<QImage> levels;

    bool ok() const { return !levels.empty(); }
    // Bytes of pixels still held.
    qsizetype bytes() const;
};

// The next mipmap level of an RGBA8888 image: each pixel the mean of the 2 x 2
// block above it (an odd last column or row is folded into its neighbour).
QImage half_size(QImage const& level);

// Reads `path`, mirrors it by `flip` and builds the levels. Without levels
// when the image cannot be read or converted, or when `cancelled` (asked
// between the steps) says the result is no longer wanted.
Pyramid build_pyramid(QString const& path, QFlags<Qt::Orientation> flip,
                      std::function<bool()> const& cancelled = {});

class PyramidLoader : public QObject {
public:
    using Done = std::function<void(Pyramid&)>;

    PyramidLoader();
    // Drops whatever is still being built; its result never arrives.
    ~PyramidLoader() override;
    PyramidLoader(PyramidLoader const&) = delete;
    PyramidLoader& operator=(PyramidLoader const&) = delete;

    // Builds the pyramid of `path` on Qt's global thread pool and calls
    // `done` with it (failed ones without levels) on this object's thread,
    // unless request() or cancel() is called again first: the last request
    // wins, earlier ones stop at their next step and are never answered.
    void request(QString const& path, QFlags<Qt::Orientation> flip, Done done);
    void cancel();
    // A request is out and unanswered.
    bool busy() const { return pending; }

private:
    struct Shared;
    std::shared_ptr<Shared> shared;
    bool pending = false;
};

}  // namespace gen::qt::gl::texture
