// The driver check without a driver: a GGL whose entry points, driver texts,
// platform and refusal box are injected.
#include <gen/qt/gl/GGL.h>
#include <gen/qt/gl/driver_check.h>

#include <gen/log/GLog.h>

#include "support/RecordingSink.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <optional>
#include <string>

using gen::qt::gl::GGL;
namespace driver = gen::qt::gl::driver;

namespace {

class FakeDriverGGL : public GGL {
public:
    bool resolves = true;
    std::optional<QByteArray> version = QByteArray("4.6.0 NVIDIA 535.0");
    std::optional<QByteArray> vendor = QByteArray("NVIDIA Corporation");
    std::optional<QByteArray> renderer = QByteArray("NVIDIA GeForce RTX 3060/PCIe/SSE2");
    bool onLinux = true;

    int boxCalls = 0;
    QString boxTitle;
    QString boxText;

protected:
    bool resolve_gl_functions() override { return resolves; }

    char const* gl_text(unsigned int name) override
    {
        std::optional<QByteArray> const* text = nullptr;
        switch (name) {
        case GL_VERSION: text = &version; break;
        case GL_VENDOR: text = &vendor; break;
        case GL_RENDERER: text = &renderer; break;
        default: return nullptr;
        }
        return *text ? (*text)->constData() : nullptr;
    }

    bool runs_on_linux() const override { return onLinux; }

    void show_refusal_box(QString const& title, QString const& text) override
    {
        ++boxCalls;
        boxTitle = title;
        boxText = text;
    }
};

class GGLCheckTest : public ::testing::Test {
protected:
    test::LogLevelGuard level{gen::log::LEVEL_TRACE};
    test::RecordingSink sink;
    FakeDriverGGL gl;

    bool has_line(gen::log::LOG_LEVEL lvl, std::string const& text) const
    {
        for (auto const& line : sink.lines()) {
            if (line.level == lvl && line.text == text) {
                return true;
            }
        }
        return false;
    }
    std::size_t count_level(gen::log::LOG_LEVEL lvl) const
    {
        std::size_t n = 0;
        for (auto const& line : sink.lines()) {
            n += line.level == lvl ? 1 : 0;
        }
        return n;
    }
};

}  // namespace

TEST(DriverVersionParse, ReadsLeadingMajorMinorAndRefusesOtherTexts)
{
    auto v = driver::parse_version("4.6.0 NVIDIA 535.0");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->major, 4);
    EXPECT_EQ(v->minor, 6);

    v = driver::parse_version("4.5 (Compatibility Profile) Mesa 22.3.6");
    ASSERT_TRUE(v);
    EXPECT_EQ(v->major, 4);
    EXPECT_EQ(v->minor, 5);

    EXPECT_FALSE(driver::parse_version("OpenGL ES 3.2 Mesa 22.3.6"));
    EXPECT_FALSE(driver::parse_version("3"));
    EXPECT_FALSE(driver::parse_version(""));
    EXPECT_FALSE(driver::parse_version(nullptr));
}

TEST(DriverCompatibility, IntelVendorOrMesaRendererRefusedInAnyLetterCase)
{
    EXPECT_TRUE(driver::is_compatible("NVIDIA Corporation", "NVIDIA GeForce RTX 3060"));
    // This machine's software rasteriser: only the renderer is tested for "mesa".
    EXPECT_TRUE(driver::is_compatible("Mesa/X.org", "llvmpipe (LLVM 15.0.6, 256 bits)"));

    for (char const* vendor : {"Intel", "INTEL Open Source Technology Center", "iNtEl inc"}) {
        EXPECT_FALSE(driver::is_compatible(vendor, "NVIDIA GeForce")) << vendor;
    }
    for (char const* renderer : {"Mesa Intel(R) UHD", "MESA DRI", "llvmpipe mEsA"}) {
        EXPECT_FALSE(driver::is_compatible("NVIDIA Corporation", renderer)) << renderer;
    }
    EXPECT_FALSE(driver::is_compatible(nullptr, "NVIDIA GeForce"));
    EXPECT_FALSE(driver::is_compatible("NVIDIA Corporation", nullptr));
}

TEST_F(GGLCheckTest, ModernVersionPassesAndStoresNumbers)
{
    EXPECT_EQ(gl.major_gl_version(), 0);
    EXPECT_TRUE(gl.ini_and_check_gl(3, 0));
    EXPECT_EQ(gl.major_gl_version(), 4);
    EXPECT_EQ(gl.minor_gl_version(), 6);
    EXPECT_TRUE(has_line(gen::log::LEVEL_DEBUG, "GGL::ini_and_check_gl, 3.0"));
    EXPECT_EQ(count_level(gen::log::LEVEL_ERROR), 0u);
    EXPECT_EQ(gl.boxCalls, 0);
}

TEST_F(GGLCheckTest, UnresolvedEntryPointsReportRequestedVersionAndFail)
{
    gl.resolves = false;
    EXPECT_FALSE(gl.ini_and_check_gl(3, 2));
    EXPECT_TRUE(has_line(gen::log::LEVEL_ERROR, "GGL::ini_and_check_gl, 3.2"));
    EXPECT_TRUE(has_line(gen::log::LEVEL_ERROR, "GGL::ini_and_check_gl - FAILED"));
    EXPECT_EQ(gl.major_gl_version(), 0);
}

TEST_F(GGLCheckTest, MissingVersionTextFails)
{
    gl.version.reset();
    EXPECT_FALSE(gl.ini_and_check_gl(3, 0));
    EXPECT_TRUE(has_line(gen::log::LEVEL_ERROR, "GGL::ini_and_check_gl - sVersion == nullptr"));
}

TEST_F(GGLCheckTest, EsVersionTextIsAParseErrorAndLeavesNumbersZero)
{
    gl.version = QByteArray("OpenGL ES 3.2 Mesa 22.3.6");
    EXPECT_FALSE(gl.ini_and_check_gl(3, 0));
    EXPECT_TRUE(has_line(gen::log::LEVEL_ERROR, "GGL::ini_and_check_gl - gl version parse error, 2"));
    EXPECT_EQ(gl.major_gl_version(), 0);
    EXPECT_EQ(gl.minor_gl_version(), 0);
}

TEST_F(GGLCheckTest, OldMajorOffLinuxFailsWithoutRefusalLine)
{
    gl.onLinux = false;
    gl.version = QByteArray("2.1 Mesa");
    gl.vendor = QByteArray("Intel");  // would be refused on Linux
    EXPECT_FALSE(gl.ini_and_check_gl(3, 0));
    EXPECT_EQ(gl.major_gl_version(), 2);
    EXPECT_EQ(gl.minor_gl_version(), 1);
    EXPECT_EQ(count_level(gen::log::LEVEL_ERROR), 0u);
    EXPECT_EQ(gl.boxCalls, 0);
}

TEST_F(GGLCheckTest, OnlyMajorNumbersAreCompared)
{
    gl.version = QByteArray("3.0 Mesa");
    EXPECT_TRUE(gl.ini_and_check_gl(3, 3));
    EXPECT_EQ(gl.minor_gl_version(), 0);
}

TEST_F(GGLCheckTest, IntelOnLinuxIsRefusedWithLogClipboardAndBox)
{
    QGuiApplication::clipboard()->clear();
    gl.vendor = QByteArray("Intel Open Source Technology Center");
    EXPECT_FALSE(gl.ini_and_check_gl(3, 0));

    QString const text = driver::incompatible_text();
    EXPECT_TRUE(text.startsWith("No dedicated graphics card found\nJust Intel or Mesa\n\n"));
    EXPECT_TRUE(text.endsWith("see clipboard contents\n\n"));
    EXPECT_TRUE(has_line(gen::log::LEVEL_ERROR,
                         "GLPlanet::initializeGL, problems with graphics card <<<" + text.toStdString() + ">>>"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    EXPECT_EQ(gl.boxCalls, 1);
    EXPECT_EQ(gl.boxTitle, "Graphics System not compatible");
    EXPECT_EQ(gl.boxText, text);
    // The version was parsed before the refusal.
    EXPECT_EQ(gl.major_gl_version(), 4);
}

TEST_F(GGLCheckTest, MesaRendererOnLinuxIsRefusedButPassesElsewhere)
{
    gl.vendor = QByteArray("Mesa/X.org");
    gl.renderer = QByteArray("Mesa DRI Intel(R) HD Graphics");
    EXPECT_FALSE(gl.ini_and_check_gl(3, 0));
    EXPECT_EQ(gl.boxCalls, 1);

    gl.onLinux = false;
    EXPECT_TRUE(gl.ini_and_check_gl(3, 0));
    EXPECT_EQ(gl.boxCalls, 1);
}

TEST_F(GGLCheckTest, MissingRendererTextOnLinuxIsRefused)
{
    gl.renderer.reset();
    EXPECT_FALSE(gl.is_graphics_card_compatible());
    EXPECT_FALSE(gl.ini_and_check_gl(3, 0));
    EXPECT_EQ(gl.boxCalls, 1);
}

TEST_F(GGLCheckTest, SimulatedES2SkipsDriverCheckAndMajorComparison)
{
    gl.set_simulate_ES2(true);
    EXPECT_TRUE(gl.is_simulated_ES2());
    gl.vendor = QByteArray("Intel");
    gl.version = QByteArray("2.0 Mesa");
    EXPECT_TRUE(gl.ini_and_check_gl(3, 0));
    EXPECT_EQ(gl.major_gl_version(), 2);
    EXPECT_EQ(gl.boxCalls, 0);

    // Parsing still comes first.
    gl.version = QByteArray("OpenGL ES 2.0");
    EXPECT_FALSE(gl.ini_and_check_gl(3, 0));
}
