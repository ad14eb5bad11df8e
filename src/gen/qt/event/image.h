#pragma once
// Two image operations of the texture loader and the tools; they need Qt Gui,
// so they live with the input helpers rather than in gen::tools.

#include <QImage>

namespace gen::image {

// Mirrored horizontally for Qt::Horizontal and vertically for Qt::Vertical.
QImage to_flipped(QImage const& image, Qt::Orientations how);

// Grey-scale copy of the same size in QImage::Format_Indexed8 whose palette
// entry i is opaque grey i. Each pixel is read as a 32-bit 0xAARRGGBB word
// (other formats are converted first) and its grey value is
// (11 * b0 + 16 * b1 + 5 * b2) / 32 of its bytes b0, b1, b2 in memory order,
// which on little-endian machines are blue, green and red. A null image
// gives a null image.
QImage to_gray(QImage const& image);

}  // namespace gen::image
