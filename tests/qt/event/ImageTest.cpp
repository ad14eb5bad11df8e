#include <gen/qt/event/image.h>

#include <QSysInfo>

#include <gtest/gtest.h>

namespace {

// 2 x 2: red, green in the first row; blue, white in the second.
QImage quad()
{
    static QRgb const pixels[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
    return QImage(reinterpret_cast<uchar const*>(pixels), 2, 2, QImage::Format_ARGB32).copy();
}

}  // namespace

TEST(Image, FlipMirrorsTheGivenAxesAndGrayWeighsTheBytesInMemoryOrder)
{
    // The pixel that lands in the top left corner tells the axes apart.
    std::pair<Qt::Orientations, QRgb> const rows[] = {{Qt::Horizontal, qRgb(0, 255, 0)},
                                                      {Qt::Vertical, qRgb(0, 0, 255)},
                                                      {Qt::Horizontal | Qt::Vertical, qRgb(255, 255, 255)}};
    for (auto const& [how, corner] : rows) {
        EXPECT_EQ(gen::image::to_flipped(quad(), how).pixel(0, 0), corner) << how.toInt();
    }

    if (QSysInfo::ByteOrder != QSysInfo::LittleEndian) {
        GTEST_SKIP() << "grey values assume blue, green, red in memory";
    }
    EXPECT_TRUE(gen::image::to_gray(QImage()).isNull());
    QImage const gray = gen::image::to_gray(quad());
    ASSERT_EQ(gray.format(), QImage::Format_Indexed8);
    EXPECT_EQ(gray.color(128), qRgb(128, 128, 128));
    // Memory order blue, green, red: weights 11, 16 and 5 of 32.
    EXPECT_EQ(QList({gray.pixelIndex(0, 0), gray.pixelIndex(1, 0), gray.pixelIndex(0, 1)}),
              QList({5 * 255 / 32, 16 * 255 / 32, 11 * 255 / 32}));

    // Other formats are read as their 32-bit colours; an odd width checks
    // that the padded rows of the indexed image are addressed correctly.
    QImage const rgb = gen::image::to_gray(quad().copy(0, 0, 3, 2).convertToFormat(QImage::Format_RGB888));
    EXPECT_EQ(rgb.pixelIndex(0, 1), 11 * 255 / 32);
}
