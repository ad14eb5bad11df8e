#include <gen/tools/image.h>

#include <QSysInfo>

#include <gtest/gtest.h>

namespace {

// 2 x 2: red, green in the first row; blue, white in the second.
QImage quad()
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(0, 1, qRgb(0, 0, 255));
    image.setPixel(1, 1, qRgb(255, 255, 255));
    return image;
}

}  // namespace

TEST(Image, Flip)
{
    QImage const source = quad();
    QImage const h = gen::image::to_flipped(source, Qt::Horizontal);
    EXPECT_EQ(h.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(h.pixel(1, 1), qRgb(0, 0, 255));

    QImage const v = gen::image::to_flipped(source, Qt::Vertical);
    EXPECT_EQ(v.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(v.pixel(1, 0), qRgb(255, 255, 255));

    QImage const both = gen::image::to_flipped(source, Qt::Horizontal | Qt::Vertical);
    EXPECT_EQ(both.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(both.pixel(1, 1), qRgb(255, 0, 0));

    EXPECT_EQ(gen::image::to_flipped(source, {}), source);
    EXPECT_TRUE(gen::image::to_flipped(QImage(), Qt::Vertical).isNull());
}

TEST(Image, Gray)
{
    if (QSysInfo::ByteOrder != QSysInfo::LittleEndian) {
        GTEST_SKIP() << "expected values assume blue, green, red in memory";
    }
    EXPECT_TRUE(gen::image::to_gray(QImage()).isNull());

    QImage const gray = gen::image::to_gray(quad());
    ASSERT_EQ(gray.format(), QImage::Format_Indexed8);
    ASSERT_EQ(gray.size(), QSize(2, 2));
    ASSERT_EQ(gray.colorCount(), 256);
    EXPECT_EQ(gray.color(0), qRgb(0, 0, 0));
    EXPECT_EQ(gray.color(128), qRgb(128, 128, 128));
    EXPECT_EQ(gray.color(255), qRgb(255, 255, 255));
    // Memory order blue, green, red: weights 11, 16 and 5 of 32.
    EXPECT_EQ(gray.pixelIndex(0, 0), 5 * 255 / 32);   // red
    EXPECT_EQ(gray.pixelIndex(1, 0), 16 * 255 / 32);  // green
    EXPECT_EQ(gray.pixelIndex(0, 1), 11 * 255 / 32);  // blue
    EXPECT_EQ(gray.pixelIndex(1, 1), 255);            // white

    // Other formats are read as their 32-bit colours; an odd width checks
    // that the padded rows of the indexed image are addressed correctly.
    QImage rgb(3, 2, QImage::Format_RGB888);
    rgb.fill(QColor(0, 0, 0));
    rgb.setPixel(2, 0, qRgb(255, 0, 0));
    rgb.setPixel(0, 1, qRgb(64, 128, 32));
    QImage const fromRgb = gen::image::to_gray(rgb);
    ASSERT_EQ(fromRgb.size(), QSize(3, 2));
    EXPECT_EQ(fromRgb.pixelIndex(2, 0), 5 * 255 / 32);
    EXPECT_EQ(fromRgb.pixelIndex(0, 1), (11 * 32 + 16 * 128 + 5 * 64) / 32);
    EXPECT_EQ(fromRgb.pixelIndex(1, 1), 0);
    EXPECT_EQ(fromRgb.pixelIndex(2, 1), 0);
}
