// Meshes and textures on a real context, checked on read-back frames and
// texels.
#include "SceneWindow.h"

#include <gen/qt/gl/texture.h>

#include <QImageReader>
#include <QTemporaryDir>

#include <array>

using gen::qt::gl::GLMesh;
using test::SceneWindow;
using test::add_sphere;
using test::filled;
using test::same_colour;
using GLMeshRenderTest = test::GLWindowTest;
using TextureTest = test::GLWindowTest;
namespace texture = gen::qt::gl::texture;

namespace {

QColor const kRed(255, 0, 0);
QColor const kBlue(0, 0, 255);

// Level `level` of texture `id` as RGBA bytes, rows in upload order.
QImage read_back(SceneWindow& w, unsigned int id, int level = 0)
{
    GLint width = 0;
    GLint height = 0;
    w.glBindTexture(GL_TEXTURE_2D, id);
    w.glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
    w.glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &height);
    QImage out(width, height, QImage::Format_RGBA8888);
    w.glGetTexImage(GL_TEXTURE_2D, level, GL_RGBA, GL_UNSIGNED_BYTE, out.bits());
    return out;
}

}  // namespace

TEST_F(GLMeshRenderTest, PlanetShowsTextureLitSideDarkSideNorthPoleRowAndVertexColourWithoutIt)
{
    // The planet view's root: a unit sphere (60 x 60) with a uniform texture,
    // at the start turn (model and view no longer commute).
    QColor const texColour(200, 100, 50);
    SceneWindow& w = start(QSize(200, 200), [&texColour](SceneWindow& s) {
        GLMesh& root = add_sphere(s, 1, 1.0f, glm::vec4(0, 1, 0, 1), glm::vec3(0.0f));
        ASSERT_TRUE(root.load_texture(s.shader, filled(texColour)));
        root.set_rotation(0.0, 0.0);
    });
    QImage frame = w.render_frame();
    EXPECT_TRUE(same_colour(frame.pixelColor(100, 100), texColour));
    EXPECT_TRUE(same_colour(frame.pixelColor(2, 197), w.clearColor));

    w.light.vPos = glm::vec3(10.0f, 0.0f, 0.0f);
    frame = w.render_frame();
    QColor const lit = frame.pixelColor(130, 100);
    EXPECT_TRUE(same_colour(frame.pixelColor(70, 100), QColor(0, 0, 0), 1));
    EXPECT_TRUE(lit.red() > lit.green() && lit.green() > lit.blue());  // still the texture's hue

    // Red above blue: the first image row lies at the north pole.
    QImage split = filled(kBlue, 1, 16);
    for (int y = 0; y < 8; ++y) {
        split.setPixelColor(0, y, kRed);
    }
    w.light.vPos = glm::vec3(0.0f, 0.0f, 5.0f);
    ASSERT_TRUE(w.graph.get_root().load_texture(w.shader, split));
    frame = w.render_frame();
    QColor const north = frame.pixelColor(100, 75);
    QColor const south = frame.pixelColor(100, 125);
    EXPECT_TRUE(north.red() > 150 && north.blue() < 20) << north.name().toStdString();
    EXPECT_TRUE(south.blue() > 150 && south.red() < 20) << south.name().toStdString();

    // A missing file deletes the old texture: the vertex colour shows.
    unsigned int const old = w.graph.get_root().idTexture;
    test::LogCapture errors(gen::log::LEVEL_ERROR);
    EXPECT_FALSE(w.graph.get_root().load_texture(w.shader, QStringLiteral(":/wb/img/no_such_map.jpg"), Qt::Horizontal));
    EXPECT_EQ(w.graph.get_root().idTexture, 0u);
    EXPECT_FALSE(w.glIsTexture(old));
    EXPECT_EQ(errors.texts(), std::vector<std::string>{"Figure::load_texture <<<:/wb/img/no_such_map.jpg>>> failed"});
    EXPECT_TRUE(same_colour(w.render_frame().pixelColor(100, 100), QColor(0, 255, 0)));
}

TEST_F(GLMeshRenderTest, ClonesAndUnuploadedMeshesAreNotDrawnRollOverDrawsTheSubstituteClearReleases)
{
    SceneWindow& w = start(QSize(200, 200), [](SceneWindow& s) {
        add_sphere(s, 2, 0.4f, glm::vec4(1, 0, 0, 1), glm::vec3(-1, 0, 0)).idRollOver = 3;
        add_sphere(s, 3, 0.4f, glm::vec4(0, 0, 1, 1), glm::vec3(1, 0, 0)).set_clone(true);
        gen::qt::gl::mesh::create_sphere(s.graph.ensure_mesh(4), 0.4f, 8, 8, glm::vec4(0, 1, 0, 1));
    });
    auto const expect_frame = [&](QColor const& atCity) {
        QImage const frame = w.render_frame();
        EXPECT_TRUE(same_colour(frame.pixelColor(52, 100), atCity, 8)) << frame.pixelColor(52, 100).name().toStdString();
        EXPECT_TRUE(same_colour(frame.pixelColor(148, 100), w.clearColor));  // the clone's place
        EXPECT_TRUE(same_colour(frame.pixelColor(100, 100), w.clearColor));  // never uploaded
    };
    expect_frame(kRed);  // vertex colour without a texture
    w.graph.get_mesh(2).set_rollover(true);
    expect_frame(kBlue);
    // A substitute that is not valid, missing or never uploaded: the rolled-over
    // mesh is skipped; without a substitute it draws itself, unless invisible.
    w.graph.get_mesh(3).set_valid(false);
    expect_frame(w.clearColor);
    GLMesh& city = w.graph.get_mesh(2);
    for (auto const& [substitute, atCity] :
         {std::pair{9u, w.clearColor}, std::pair{4u, w.clearColor}, std::pair{0u, kRed}}) {
        city.idRollOver = substitute;
        expect_frame(atCity);
    }
    city.set_visible(false);
    expect_frame(w.clearColor);
    city.set_visible(true);

    // A second upload replaces the first objects; clear releases them all,
    // and the cleared mesh draws nothing.
    GLuint const first = city.VBO;
    city.create_buffer_bind(w.shader);
    EXPECT_FALSE(w.glIsBuffer(first) && city.VBO != first);
    ASSERT_TRUE(city.load_texture(w.shader, filled(kRed)));
    std::array<GLuint, 3> const names{city.VAO, city.VBO, city.idTexture};
    city.clear(w.shader);
    EXPECT_FALSE(w.glIsVertexArray(names[0]) || w.glIsBuffer(names[1]) || w.glIsTexture(names[2]));
    EXPECT_TRUE(city.VAO + city.VBO + city.EBO + city.idTexture == 0u && city.vertices.empty() && city.indices.empty());
    w.graph.clear_roll_over();
    EXPECT_FALSE(city.is_rollover());
    expect_frame(w.clearColor);
}

TEST_F(TextureTest, LoadsTexelExactMirroredWithMipmapsReloadDeletesTheOldOversizeIsRefused)
{
    SceneWindow& w = start();
    // Four distinct columns, two distinct rows, varying alpha.
    QImage image(4, 2, QImage::Format_ARGB32);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            image.setPixelColor(x, y, QColor(10 + 60 * x, 200 - 100 * y, 30 * x + 7 * y, 255 - 20 * x));
        }
    }
    QTemporaryDir dir;
    QString const path = dir.filePath("pattern.png");
    ASSERT_TRUE(image.save(path));
    unsigned int id = 0;
    for (Qt::Orientations const flip : {Qt::Orientations(Qt::Horizontal), Qt::Orientations(Qt::Vertical), Qt::Orientations()}) {
        SCOPED_TRACE(flip.toInt());
        unsigned int const old = id;
        ASSERT_TRUE(texture::load(w.shader, id, path, flip));
        EXPECT_TRUE(old == 0 || old == id || !w.glIsTexture(old));  // the driver may hand a freed name out again
        QImage const expected = image.mirrored(flip.testFlag(Qt::Horizontal), flip.testFlag(Qt::Vertical));
        EXPECT_EQ(read_back(w, id), expected.convertToFormat(QImage::Format_RGBA8888));
    }
    EXPECT_EQ(read_back(w, id, 1).size(), QSize(2, 1));
    EXPECT_EQ(read_back(w, id, 2).size(), QSize(1, 1));
    GLint minFilter = 0;
    w.glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_LINEAR);

    // From an image: the caller's copy is left as it was; a null image keeps the old texture.
    ASSERT_TRUE(texture::load(w.shader, id, image));
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
    EXPECT_EQ(read_back(w, id).pixelColor(3, 1), image.pixelColor(3, 1));
    unsigned int const kept = id;
    EXPECT_FALSE(texture::load(w.shader, id, QImage()));
    EXPECT_TRUE(id == kept && w.glIsTexture(kept));

    // The bundled map, then one larger than the driver allows.
    QString const earth = QStringLiteral(":/wb/img/2k_earth.jpg");
    QImage const decoded = QImageReader(earth).read();
    ASSERT_TRUE(texture::load(w.shader, id, earth, Qt::Horizontal));
    QImage const back = read_back(w, id);
    ASSERT_EQ(back.size(), QSize(2048, 1024));
    for (QPoint p : {QPoint(0, 0), QPoint(100, 300), QPoint(2047, 1023)}) {
        EXPECT_EQ(back.pixelColor(p).rgb(), decoded.pixelColor(2047 - p.x(), p.y()).rgb()) << p.x() << "," << p.y();
    }

    GLint maxSize = 0;
    w.glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    QString const wide = dir.filePath("wide.png");
    ASSERT_TRUE(filled(Qt::gray, maxSize + 1, 1).save(wide));
    EXPECT_FALSE(texture::load(w.shader, id, wide, {}));
    EXPECT_EQ(id, 0u);
    EXPECT_TRUE(log.contains(std::to_string(maxSize + 1) + " x 1 exceeds GL_MAX_TEXTURE_SIZE " + std::to_string(maxSize)));
    EXPECT_TRUE(log.contains("TEXTURE,'" + wide.toStdString() + "', " + std::to_string(maxSize + 1) + ".1  ID:0 - NOT LOADED"));
}
