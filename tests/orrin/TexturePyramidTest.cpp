// The context-free half of a background texture load: the levels a worker
// builds, their mirror and averages, and which request gets answered.

#include <gen/qt/gl/texture_pyramid.h>

#include "support/WaitFor.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QThreadPool>

using namespace gen::qt::gl::texture;

namespace {
QString const kBig = QStringLiteral(":/wb/img/8k_earth.jpg");
QString const kSmall = QStringLiteral(":/wb/img/1k_earth.jpg");
}  // namespace

TEST(TexturePyramidTest, LevelsHalveToOnePixelMirroredAndAveraged)
{
    QTemporaryDir dir;
    struct Row { QSize size; std::vector<QSize> levels; };
    for (Row const& r : {Row{{8, 2}, {{8, 2}, {4, 1}, {2, 1}, {1, 1}}}, Row{{5, 3}, {{5, 3}, {2, 1}, {1, 1}}},
                         Row{{1, 1}, {{1, 1}}}}) {
        SCOPED_TRACE(r.size.width());
        // Column x has red 30 * x, row y blue 100 * y.
        QImage image(r.size, QImage::Format_RGB32);
        for (int y = 0; y < r.size.height(); ++y) {
            for (int x = 0; x < r.size.width(); ++x) {
                image.setPixel(x, y, qRgb(30 * x, 0, 100 * y));
            }
        }
        QString const path = dir.filePath(QStringLiteral("m%1.png").arg(r.size.width()));
        ASSERT_TRUE(image.save(path));
        Pyramid const p = build_pyramid(path, Qt::Horizontal);
        ASSERT_EQ(p.levels.size(), r.levels.size());
        for (std::size_t i = 0; i < p.levels.size(); ++i) {
            EXPECT_EQ(p.levels[i].size(), r.levels[i]) << i;
            EXPECT_EQ(p.levels[i].format(), QImage::Format_RGBA8888) << i;
        }
        int const last = r.size.width() - 1;
        EXPECT_EQ(p.levels[0].pixelColor(0, 0), QColor(30 * last, 0, 0));  // mirrored: the last column first
        if (r.size == QSize(8, 2)) {
            // The 2 x 2 block of old columns 7 and 6, rows 0 and 1: red 210 and 180, blue 0 and 100.
            EXPECT_EQ(p.levels[1].pixelColor(0, 0), QColor(195, 0, 50));
            EXPECT_EQ(p.bytes(), (16 + 4 + 2 + 1) * 4);
        }
    }
    EXPECT_FALSE(build_pyramid(dir.filePath("none.png"), Qt::Horizontal).ok());
    EXPECT_FALSE(build_pyramid(kSmall, {}, [] { return true; }).ok());  // cancelled
}

TEST(TexturePyramidTest, OnlyTheLastRequestIsAnsweredAndADeadLoaderAnswersNothing)
{
    std::vector<std::string> answered;
    auto const note = [&](Pyramid& p) { answered.push_back((p.ok() ? p.path : "failed " + p.path).toStdString()); };
    PyramidLoader loader;
    loader.request(kBig, Qt::Horizontal, note);  // finishes long after the small one
    loader.request(kSmall, Qt::Horizontal, note);
    EXPECT_TRUE(loader.busy());
    EXPECT_TRUE(test::wait_for([&] { return !loader.busy(); }));
    QThreadPool::globalInstance()->waitForDone();  // the big one's worker too
    QCoreApplication::processEvents();
    EXPECT_EQ(answered, std::vector<std::string>{kSmall.toStdString()});

    loader.request(QStringLiteral(":/wb/img/none.jpg"), {}, note);
    EXPECT_TRUE(test::wait_for([&] { return !loader.busy(); }));
    EXPECT_EQ(answered.back(), "failed :/wb/img/none.jpg");
    loader.request(kSmall, {}, note);
    loader.cancel();
    EXPECT_FALSE(loader.busy());

    auto dying = std::make_unique<PyramidLoader>();
    dying->request(kBig, {}, note);
    dying.reset();
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    EXPECT_EQ(answered.size(), 2u);
}
