// The driver check without a driver: a GGL whose entry points, driver texts,
// platform and refusal box are injected.
#include <gen/qt/gl/GGL.h>
#include <gen/qt/gl/driver_check.h>

#include "support/LogCapture.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

using gen::qt::gl::GGL;

namespace {

// One driver situation: entry points resolved, simulated ES2 (the version is parsed, the checks skipped), its
// texts and platform, the result, the version parsed and the one ERROR line expected (none when empty).
struct Row {
    bool resolves, simulateES2;
    char const *version, *vendor, *renderer;
    bool onLinux, passes;
    int major, minor;
    char const* error;
};

class FakeDriverGGL : public GGL {
public:
    explicit FakeDriverGGL(Row const& row) : row(row) { set_simulate_ES2(row.simulateES2); }

    Row const& row;
    int boxCalls = 0;
    QString boxText;

protected:
    bool resolve_gl_functions() override { return row.resolves; }
    char const* gl_text(unsigned int name) override
    {
        return name == GL_VERSION ? row.version : name == GL_VENDOR ? row.vendor : row.renderer;
    }
    bool runs_on_linux() const override { return row.onLinux; }
    void show_refusal_box(QString const& /*title*/, QString const& text) override { ++boxCalls; boxText = text; }
};

}  // namespace

// A refusal also puts its text on the clipboard and into the box.
TEST(GGLCheck, DriverSituations)
{
    char const* const refused = "GLPlanet::initializeGL, problems with graphics card <<<";
    char const* const parseError = "GGL::ini_and_check_gl - gl version parse error, 2";
    char const* const nv = "NVIDIA Corporation";
    Row const rows[] = {
        {true, false, "4.6.0 NVIDIA 535.0", nv, "GeForce", true, true, 4, 6, ""},
        {false, false, "4.6", nv, "GeForce", true, false, 0, 0, "GGL::ini_and_check_gl - FAILED"},
        {true, false, nullptr, nv, "GeForce", true, false, 0, 0, "GGL::ini_and_check_gl - sVersion == nullptr"},
        {true, false, "OpenGL ES 3.2 Mesa 22.3.6", nv, "GeForce", true, false, 0, 0, parseError},
        {true, true, "3", nv, "GeForce", true, false, 0, 0, parseError},
        {true, true, "2.0 Mesa", "Intel", "GeForce", true, true, 2, 0, ""},
        {true, false, "2.1 Mesa", "Intel", "GeForce", false, false, 2, 1, ""},  // old major, off Linux
        {true, false, "3.0 Mesa", nv, "GeForce", true, true, 3, 0, ""},         // only the majors are compared
        {true, false, "4.6", "iNtEl inc", "GeForce", false, true, 4, 6, ""},
        {true, false, "4.6", "iNtEl inc", "GeForce", true, false, 4, 6, refused},
        {true, false, "4.6", nv, "Mesa DRI llvmpipe mEsA", true, false, 4, 6, refused},
        {true, false, "4.6", nullptr, "GeForce", true, false, 4, 6, refused},
    };
    QString const text = gen::qt::gl::driver::incompatible_text();
    for (Row const& row : rows) {
        SCOPED_TRACE("row " + std::to_string(&row - rows));
        test::LogCapture log(gen::log::LEVEL_ERROR);
        QGuiApplication::clipboard()->clear();
        FakeDriverGGL gl(row);
        ASSERT_EQ(gl.is_simulated_ES2(), row.simulateES2);
        EXPECT_EQ(gl.ini_and_check_gl(3, 3), row.passes);
        EXPECT_EQ(gl.major_gl_version(), row.major);
        EXPECT_EQ(gl.minor_gl_version(), row.minor);
        EXPECT_EQ(log.texts().size(), *row.error == '\0' ? 0u : 1u + (row.resolves ? 0u : 1u));
        EXPECT_TRUE(*row.error == '\0' || log.contains(row.error)) << row.error;
        bool const refusal = row.error == refused;
        EXPECT_EQ(gl.boxCalls, refusal ? 1 : 0);
        EXPECT_TRUE(!refusal || (log.contains(refused + text.toStdString() + ">>>") && gl.boxText == text &&
                                 QGuiApplication::clipboard()->text() == text));
    }
    // The parser on its own also takes no text at all.
    EXPECT_FALSE(gen::qt::gl::driver::parse_version(nullptr));
}
