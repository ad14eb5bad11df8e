// The resource bundle: every body map is real imagery of its body laid out
// with longitude -180 at the left and north at the top; icons and font load.
#include <QDirIterator>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QIcon>
#include <QImageReader>

#include <gtest/gtest.h>

#include "BundleContents.h"

#include <cmath>
#include <functional>
#include <map>
#include <tuple>

namespace {

using bundle::BodyMap;

// Mean grey of 25 x 25 pixels around a position of an equirectangular map,
// wrapping across the date line.
double luma_at(QImage const& img, double lat, double lon)
{
    int const x = int(std::floor((lon + 180.0) / 360.0 * img.width()));
    int const y = std::clamp(int(std::floor((90.0 - lat) / 180.0 * img.height())), 12, img.height() - 13);
    double sum = 0.0;
    for (int dy = -12; dy <= 12; ++dy) {
        for (int dx = -12; dx <= 12; ++dx) {
            sum += qGray(img.pixel((x + dx + img.width()) % img.width(), y + dy));
        }
    }
    return sum / (25 * 25);
}

// WCAG contrast ratio of two colours.
double contrast(QColor const& a, QColor const& b)
{
    auto lum = [](QColor const& c) {
        auto lin = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
    };
    return (std::max(lum(a), lum(b)) + 0.05) / (std::min(lum(a), lum(b)) + 0.05);
}

TEST(ResourceBundle, HoldsExactlyTheNamedFilesAndARenamedTrueTypeMonospaceFont)
{
    // The application icon has no theme variants: only the window shows it.
    QSet<QString> expected{":/wb/fonts/SourceCodePro-Regular.ttf", ":/wb/icons/skyvale.svg"};
    for (BodyMap const& m : bundle::kBodyMaps) {
        expected.insert(m.path);
    }
    for (char const* dir : {"", "dark/", "green/"}) {
        for (char const* name : bundle::kIconNames) {
            expected.insert(QString(":/wb/icons/%1%2.svg").arg(dir, name));
        }
    }
    QSet<QString> found;
    for (QDirIterator it(":/wb", QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        found.insert(it.next());
    }
    EXPECT_EQ(found, expected);
    // The monospace font is TrueType; a converted font may not keep its Reserved Font Name ("Source", SIL OFL).
    QFile file(":/wb/fonts/SourceCodePro-Regular.ttf");
    QByteArray const data = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    EXPECT_TRUE(data.startsWith(QByteArray("\x00\x01\x00\x00", 4)));  // TrueType outlines, not "OTTO" (CFF)
    int const id = QFontDatabase::addApplicationFontFromData(data);
    QStringList const families = QFontDatabase::applicationFontFamilies(id);
    ASSERT_EQ(families, QStringList{"Skyvale Mono"});
    QFontMetrics const fm(QFont(families.first(), 20));  // monospace, with Latin-1 accents
    EXPECT_TRUE(fm.horizontalAdvance('i') == fm.horizontalAdvance('W') && fm.inFont(QChar(0x00E9)));
}

// Each body's mean colour: a swapped or placeholder map has the wrong one.
std::map<std::string, std::function<bool(QColor const&)>> const kBodyColour = {
    {"Mercury", [](QColor const& c) { return c.saturation() < 40 && c.value() > 60; }},
    {"Moon", [](QColor const& c) { return c.saturation() < 30 && c.value() > 80; }},
    {"Venus", [](QColor const& c) { return c.red() > c.blue() + 60 && c.green() > c.blue() + 30; }},
    {"Mars", [](QColor const& c) { return c.red() > c.green() + 25 && c.red() > c.blue() + 60; }},
    {"Jupiter", [](QColor const& c) { return c.red() > c.blue() + 25 && c.value() > 120; }},
    {"Saturn", [](QColor const& c) { return c.red() > c.blue() + 25 && c.value() > 150; }},
    {"Uranus",
     [](QColor const& c) { return c.blue() > c.red() + 30 && c.green() > c.red() + 20 && c.blue() - c.green() < 40; }},
    {"Neptune", [](QColor const& c) { return c.blue() > c.red() + 80 && c.blue() > c.green() + 50; }},
    {"Pluto", [](QColor const& c) { return c.red() > c.blue() + 20 && c.saturation() < 120; }},
    {"Earth/small", [](QColor const& c) { return c.blue() > c.red(); }},
};

// Places that a map rolled by half a turn, mirrored or upside down puts in
// the wrong place: body, what, then the latitude and longitude of a darker
// place and of a brighter one.
std::tuple<char const*, char const*, double, double, double, double> const kLandmarks[] = {
    {"Mars", "Syrtis Major vs Amazonis", 9, 69, 9, -111},
    {"Mars", "Syrtis Major vs Lunae Planum", 9, 69, 9, -69},
    {"Mars", "Acidalia vs Hellas", 47, -30, -42, 70},
    {"Moon", "Mare Crisium vs far side", 17, 59, 17, -121},
    {"Moon", "Mare Moscoviense vs its mirror", 27, 148, 27, -148},
    {"Moon", "Mare Imbrium vs south highlands", 33, -16, -33, -16},
    {"Pluto", "Charon-facing side vs Sputnik Planitia", 20, -5, 20, 177},
    {"Pluto", "Cthulhu vs its mirror", -5, 100, -5, -100},
    {"Earth", "Pacific vs Sahara", 0, -160, 23, 10},
    {"Earth", "Indian Ocean vs Australia", -20, 75, -25, 134},
    {"Earth", "South Atlantic vs Arabia", -30, -15, 23, 45},
};

class MapTest : public ::testing::TestWithParam<BodyMap> {};

TEST_P(MapTest, DecodesAtItsSizeAsImageryOfItsBodyWithLandmarksInPlace)
{
    BodyMap const& m = GetParam();
    QImageReader reader(m.path);
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    QImage const full = reader.read();
    ASSERT_EQ(full.size(), QSize(m.width, m.height)) << reader.errorString().toStdString();
    // Not a flat placeholder, and of the body's colour.
    QImage const img = full.scaled(512, 256, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QColor const mean = img.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0);
    double spread = 0;
    for (int i = 0; i < img.width() * img.height(); ++i) {
        spread += std::pow(qGray(img.pixel(i % img.width(), i / img.width())) - qGray(mean.rgb()), 2);
    }
    EXPECT_GT(std::sqrt(spread / (img.width() * img.height())), 4.0);
    if (auto it = kBodyColour.find(m.name); it != kBodyColour.end()) {
        EXPECT_TRUE(it->second(mean)) << "mean colour " << mean.name().toStdString();
    }
    for (auto const& [body, what, latDark, lonDark, latBright, lonBright] : kLandmarks) {
        if (std::string(m.name).starts_with(body)) {
            double const dark = luma_at(full, latDark, lonDark), bright = luma_at(full, latBright, lonBright);
            EXPECT_LT(dark + 10.0, bright) << what << " " << dark << " vs " << bright;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ResourceBundle, MapTest, ::testing::ValuesIn(bundle::kBodyMaps),
                         [](::testing::TestParamInfo<BodyMap> const& info) {
                             return QString(info.param.path).section('/', -1).section('.', 0, 0).toStdString();
                         });

// The big map has detail that an upscale of the medium one lacks (shorelines,
// rivers, borders): sharp steps between neighbouring pixels over Europe.
TEST(ResourceBundle, BigEarthHasMoreDetailThanMedium)
{
    auto sharp_steps = [](char const* path, int scale) {
        QImage const part = QImage(path).copy(QRect(QPoint(3900, 600) / scale, QSize(800, 500) / scale));
        QImage const img = part.scaled(800, 500, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        int steps = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 1; x < img.width(); ++x) {
                steps += std::abs(qGray(img.pixel(x, y)) - qGray(img.pixel(x - 1, y))) > 20;
            }
        }
        return steps / (800.0 * 500.0);
    };
    double const big = sharp_steps(":/wb/img/8k_earth.jpg", 1), medium = sharp_steps(":/wb/img/2k_earth.jpg", 4);
    EXPECT_TRUE(big > 0.005 && big > 10.0 * medium) << big << " vs " << medium;
}

TEST(ResourceBundle, EveryIconRendersAndStandsOutOnItsThemesPalette)
{
    // Directory, window and button colour of each theme.
    std::tuple<char const*, QColor, QColor> const themes[] = {{"", QColor(0xefefef), QColor(0xefefef)},
                                                              {"dark/", QColor(0x353535), QColor(0x353535)},
                                                              {"green/", QColor(0x1e321e), QColor(0x284628)}};
    for (auto const& [dir, window, button] : themes) {
        for (char const* name : bundle::kIconNames) {
            QString const path = QString(":/wb/icons/%1%2.svg").arg(dir, name);
            SCOPED_TRACE(path.toStdString());
            QImage const img = QIcon(path).pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
            ASSERT_EQ(img.size(), QSize(32, 32));
            int opaque = 0, legible = 0;
            for (int i = 0; i < 32 * 32; ++i) {
                QColor const c = img.pixelColor(i % 32, i / 32);
                opaque += c.alpha() >= 160;
                legible += c.alpha() >= 160 && contrast(c, window) >= 3.0 && contrast(c, button) >= 3.0;
            }
            EXPECT_TRUE(opaque > 32 * 32 / 20 && opaque < 32 * 32 * 3 / 4) << opaque << " opaque: empty or no background";
            EXPECT_GE(legible, opaque * 9 / 10) << legible << " of " << opaque << " drawn pixels reach 3:1 contrast";
        }
    }
}

}  // namespace
