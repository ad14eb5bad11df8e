#include <gen/qt/event/image.h>

namespace gen::image {

QImage to_flipped(QImage const& image, Qt::Orientations how)
{
    return image.mirrored(how.testFlag(Qt::Horizontal), how.testFlag(Qt::Vertical));
}

QImage to_gray(QImage const& image)
{
    if (image.isNull()) {
        return {};
    }
    QImage::Format const format = image.format();
    bool const wordPixels = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                            format == QImage::Format_ARGB32_Premultiplied;
    QImage const source = wordPixels ? image : image.convertToFormat(QImage::Format_ARGB32);

    QImage gray(source.size(), QImage::Format_Indexed8);
    if (source.isNull() || gray.isNull()) {
        return {};  // out of memory
    }
    QList<QRgb> palette(256);
    for (int i = 0; i < 256; ++i) {
        palette[i] = qRgb(i, i, i);
    }
    gray.setColorTable(palette);

    for (int y = 0; y < source.height(); ++y) {
        uchar const* in = source.constScanLine(y);
        uchar* out = gray.scanLine(y);
        for (int x = 0; x < source.width(); ++x, in += 4) {
            out[x] = static_cast<uchar>((11 * in[0] + 16 * in[1] + 5 * in[2]) / 32);
        }
    }
    return gray;
}

}  // namespace gen::image
