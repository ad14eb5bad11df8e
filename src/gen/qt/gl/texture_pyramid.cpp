#include <gen/qt/gl/texture_pyramid.h>

#include <QImageReader>
#include <QMetaObject>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <utility>

namespace gen::qt::gl::texture {

qsizetype Pyramid::bytes() const
{
    qsizetype sum = 0;
    for (QImage const& level : levels) {
        sum += level.sizeInBytes();
    }
    return sum;
}

QImage half_size(QImage const& src)
{
    int const w = std::max(1, src.width() / 2);
    int const h = std::max(1, src.height() / 2);
    QImage dst(w, h, QImage::Format_RGBA8888);
    if (dst.isNull() || src.isNull()) {
        return {};
    }
    int const lastX = src.width() - 1;
    int const lastY = src.height() - 1;
    for (int y = 0; y < h; ++y) {
        uchar const* a = src.constScanLine(std::min(2 * y, lastY));
        uchar const* b = src.constScanLine(std::min(2 * y + 1, lastY));
        uchar* out = dst.scanLine(y);
        for (int x = 0; x < w; ++x) {
            int const x0 = std::min(2 * x, lastX) * 4;
            int const x1 = std::min(2 * x + 1, lastX) * 4;
            for (int c = 0; c < 4; ++c) {
                out[4 * x + c] = static_cast<uchar>((a[x0 + c] + a[x1 + c] + b[x0 + c] + b[x1 + c] + 2) / 4);
            }
        }
    }
    return dst;
}

Pyramid build_pyramid(QString const& path, QFlags<Qt::Orientation> flip, std::function<bool()> const& cancelled)
{
    auto const stop = [&] { return cancelled && cancelled(); };
    Pyramid pyramid{path, {}};
    QImage image = QImageReader(path).read();
    if (image.isNull() || stop()) {
        return pyramid;
    }
    // In place: the reader's image is not shared, so neither step copies it
    // (an 8k map is 128 MB as RGBA).
    image.mirror(flip.testFlag(Qt::Horizontal), flip.testFlag(Qt::Vertical));
    image.convertTo(QImage::Format_RGBA8888);
    if (image.isNull() || stop()) {
        return pyramid;
    }
    std::vector<QImage> levels;
    levels.push_back(std::move(image));
    while (levels.back().width() > 1 || levels.back().height() > 1) {
        QImage next = half_size(levels.back());
        if (next.isNull() || stop()) {
            return pyramid;
        }
        levels.push_back(std::move(next));
    }
    pyramid.levels = std::move(levels);
    return pyramid;
}

struct PyramidLoader::Shared {
    std::mutex mutex;                   // guards owner against the owner's destruction
    PyramidLoader* owner = nullptr;     // null once the owner is gone
    std::atomic<unsigned> generation{0};  // number of the request that is still wanted
};

PyramidLoader::PyramidLoader() : shared(std::make_shared<Shared>())
{
    shared->owner = this;
}

PyramidLoader::~PyramidLoader()
{
    std::lock_guard<std::mutex> const lock(shared->mutex);
    shared->owner = nullptr;
    ++shared->generation;
}

void PyramidLoader::request(QString const& path, QFlags<Qt::Orientation> flip, Done done)
{
    unsigned const generation = ++shared->generation;
    pending = true;
    QThreadPool::globalInstance()->start([shared = shared, generation, path, flip, done = std::move(done)]() {
        auto const stale = [&] { return shared->generation.load() != generation; };
        auto pyramid = std::make_shared<Pyramid>(build_pyramid(path, flip, stale));
        // Posting under the lock: the owner cannot be destroyed in between,
        // and a posted call dies with it.
        std::lock_guard<std::mutex> const lock(shared->mutex);
        PyramidLoader* const owner = shared->owner;
        if (owner == nullptr || stale()) {
            return;
        }
        QMetaObject::invokeMethod(
            owner,
            [owner, shared, generation, pyramid, done]() {
                // A later request may have come in while this call waited.
                if (shared->generation.load() != generation) {
                    return;
                }
                owner->pending = false;
                done(*pyramid);
            },
            Qt::QueuedConnection);
    });
}

void PyramidLoader::cancel()
{
    ++shared->generation;
    pending = false;
}

}  // namespace gen::qt::gl::texture
