// Texture loading on a real context: pixels and row order as uploaded,
// mirroring, mipmaps, the bundled maps, and the failure paths.
#include "SceneWindow.h"

#include <gen/log/GLog.h>
#include <gen/qt/GSettings.h>
#include <gen/qt/gl/mesh_generators.h>
#include <gen/qt/gl/texture.h>

#include "support/RecordingSink.h"
#include "support/TempStore.h"

#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using gen::qt::gl::GLMesh;
using test::SceneWindow;
namespace texture = gen::qt::gl::texture;

namespace {

// Four distinct columns, two distinct rows.
QImage make_pattern()
{
    QImage image(4, 2, QImage::Format_ARGB32);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            image.setPixelColor(x, y, QColor(10 + 60 * x, 200 - 100 * y, 30 * x + 7 * y, 255 - 20 * x));
        }
    }
    return image;
}

class TextureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<SceneWindow>();
        ASSERT_TRUE(window->show_and_wait(QSize(200, 200)));
        window->makeCurrent();
    }
    // Level `level` of texture `id` as RGBA bytes, rows in upload order.
    QImage read_back(unsigned int id, int level = 0)
    {
        SceneWindow& w = *window;
        w.makeCurrent();
        GLint width = 0;
        GLint height = 0;
        w.glBindTexture(GL_TEXTURE_2D, id);
        w.glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
        w.glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &height);
        QImage out(width, height, QImage::Format_RGBA8888);
        if (width > 0 && height > 0) {
            w.glPixelStorei(GL_PACK_ALIGNMENT, 4);
            w.glGetTexImage(GL_TEXTURE_2D, level, GL_RGBA, GL_UNSIGNED_BYTE, out.bits());
        }
        w.glBindTexture(GL_TEXTURE_2D, 0);
        return out;
    }

    test::TempStore settings;
    test::LogLevelGuard level{gen::log::LEVEL_DEBUG};
    test::RecordingSink sink;
    std::unique_ptr<SceneWindow> window;
};

}  // namespace

TEST_F(TextureTest, ImageIsUploadedAsRgbaInRowOrderWithMipmaps)
{
    unsigned int id = 0;
    QImage const image = make_pattern();
    ASSERT_TRUE(texture::load(window->shader, id, image));
    ASSERT_NE(id, 0u);
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);  // the caller's image is untouched

    QImage const back = read_back(id);
    ASSERT_EQ(back.size(), image.size());
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(back.pixelColor(x, y), image.pixelColor(x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(read_back(id, 1).size(), QSize(2, 1));
    EXPECT_EQ(read_back(id, 2).size(), QSize(1, 1));

    GLint minFilter = 0;
    GLint wrap = 0;
    window->glBindTexture(GL_TEXTURE_2D, id);
    window->glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    window->glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrap);
    EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_LINEAR);
    EXPECT_EQ(wrap, GL_REPEAT);
}

TEST_F(TextureTest, ReloadDeletesTheOldTexture)
{
    unsigned int id = 0;
    ASSERT_TRUE(texture::load(window->shader, id, make_pattern()));
    unsigned int const first = id;
    ASSERT_TRUE(texture::load(window->shader, id, make_pattern()));
    EXPECT_NE(id, 0u);
    if (id != first) {
        EXPECT_FALSE(window->glIsTexture(first));
    }
    EXPECT_TRUE(sink.contains("unload, DELETED old texture ID:" + std::to_string(first)));
}

TEST_F(TextureTest, NullImageLeavesTheOldTextureAlone)
{
    unsigned int id = 0;
    ASSERT_TRUE(texture::load(window->shader, id, make_pattern()));
    unsigned int const old = id;
    EXPECT_FALSE(texture::load(window->shader, id, QImage()));
    EXPECT_EQ(id, old);
    EXPECT_TRUE(window->glIsTexture(old));
    EXPECT_TRUE(sink.contains("pp_error::load_texture, img.isNull()"));
}

TEST_F(TextureTest, FileIsMirroredAsAskedAndReported)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString const path = dir.filePath("pattern.png");
    QImage const image = make_pattern();
    ASSERT_TRUE(image.save(path));

    unsigned int id = 0;
    ASSERT_TRUE(texture::load(window->shader, id, path, Qt::Horizontal));
    QImage back = read_back(id);
    EXPECT_EQ(back.pixelColor(0, 0), image.pixelColor(3, 0));
    EXPECT_EQ(back.pixelColor(3, 1), image.pixelColor(0, 1));
    EXPECT_TRUE(sink.contains("TEXTURE,'" + path.toStdString() + "', 4.2  ID:" + std::to_string(id)));

    ASSERT_TRUE(texture::load(window->shader, id, path, Qt::Vertical));
    back = read_back(id);
    EXPECT_EQ(back.pixelColor(0, 0), image.pixelColor(0, 1));

    ASSERT_TRUE(texture::load(window->shader, id, path, {}));
    back = read_back(id);
    EXPECT_EQ(back.pixelColor(1, 0), image.pixelColor(1, 0));
}

TEST_F(TextureTest, MissingFileDeletesOldTextureSoTheMeshShowsVertexColours)
{
    SceneWindow& w = *window;
    GLMesh& root = w.graph.ensure_root();
    gen::qt::gl::mesh::create_sphere(root, 1.0f, 40, 40, glm::vec4(0, 1, 0, 1));
    root.create_buffer_bind(w.shader);
    QImage blue(8, 8, QImage::Format_RGB32);
    blue.fill(QColor(0, 0, 255));
    ASSERT_TRUE(root.load_texture(w.shader, blue));
    unsigned int const old = root.idTexture;
    QImage frame = w.render_frame();
    EXPECT_TRUE(test::same_colour(frame.pixelColor(100, 100), QColor(0, 0, 255)));

    sink.clear();
    QString const missing = QStringLiteral(":/wb/img/no_such_map.jpg");
    EXPECT_FALSE(root.load_texture(w.shader, missing, Qt::Horizontal));
    EXPECT_EQ(root.idTexture, 0u);
    EXPECT_FALSE(w.glIsTexture(old));
    bool errorLine = false;
    for (auto const& line : sink.lines()) {
        errorLine |= line.level == gen::log::LEVEL_ERROR &&
                     line.text == "Figure::load_texture <<<:/wb/img/no_such_map.jpg>>> failed";
    }
    EXPECT_TRUE(errorLine);

    frame = w.render_frame();
    EXPECT_TRUE(test::same_colour(frame.pixelColor(100, 100), QColor(0, 255, 0)))
        << frame.pixelColor(100, 100).name().toStdString();
}

TEST_F(TextureTest, BundledEarthMapLoadsMirrored)
{
    QString const path = QStringLiteral(":/wb/img/2k_earth.jpg");
    QImage const decoded = QImageReader(path).read();
    ASSERT_FALSE(decoded.isNull()) << "resource bundle not linked";

    unsigned int id = 0;
    ASSERT_TRUE(texture::load(window->shader, id, path, Qt::Horizontal));
    QImage const back = read_back(id);
    ASSERT_EQ(back.size(), QSize(2048, 1024));
    for (QPoint p : {QPoint(0, 0), QPoint(100, 300), QPoint(2047, 1023), QPoint(1500, 700)}) {
        QColor const expected = decoded.pixelColor(2047 - p.x(), p.y());
        EXPECT_TRUE(test::same_colour(back.pixelColor(p), expected, 0)) << p.x() << "," << p.y();
    }
    EXPECT_TRUE(sink.contains("TEXTURE,':/wb/img/2k_earth.jpg', 2048.1024  ID:" + std::to_string(id)));
}
