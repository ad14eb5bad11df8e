// Test entry: an application object exists for the whole run (queued
// listeners, screens, images, widgets). Tests default to the offscreen
// platform so they run without a display; GL tests are built with
// SKYVALE_TEST_GL and keep the platform of the display they run on (Xvfb).
#if defined(SKYVALE_TEST_WIDGETS) || defined(SKYVALE_TEST_GL)
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

#include <gtest/gtest.h>

#ifdef SKYVALE_TEST_GL
// Under LeakSanitizer: Mesa's llvmpipe keeps small allocations from its JIT
// code until exit, with no symbol to suppress them by, so leak checking is
// off for the GL test programs only. Ignored in builds without sanitizers.
extern "C" char const* __lsan_default_options()
{
    return "detect_leaks=0";
}
#endif

int main(int argc, char** argv)
{
#ifndef SKYVALE_TEST_GL
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#endif
    ::testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
