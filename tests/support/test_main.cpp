// Test entry: an application object exists for the whole run (queued
// listeners, screens, images, widgets), on the offscreen platform unless the
// program is a GL test (SKYVALE_TEST_GL), which keeps its display's (Xvfb).
// Window tests (SKYVALE_TEST_APP) run with the framework's own application.
#if defined(SKYVALE_TEST_APP)
#include <gen/qt/GApp.h>
using TestApplication = gen::qt::GApp;
#elif defined(SKYVALE_TEST_WIDGETS) || defined(SKYVALE_TEST_GL)
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

#include <gtest/gtest.h>

#ifdef SKYVALE_TEST_GL
// Mesa's llvmpipe keeps small allocations of its JIT code until exit, with no
// symbol to suppress them by: no leak checking for the GL test programs.
extern "C" char const* __lsan_default_options() { return "detect_leaks=0"; }
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
#ifdef SKYVALE_TEST_APP
    app.setQuitOnLastWindowClosed(false);  // tests close windows one by one
#endif
    return RUN_ALL_TESTS();
}
