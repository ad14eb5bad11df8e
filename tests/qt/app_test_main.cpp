// Test entry for the window tests: the application object is the framework's
// GApp, on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <gen/qt/GApp.h>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");  // also for the peer processes
    }
    ::testing::InitGoogleTest(&argc, argv);
    gen::qt::GApp app(argc, argv);
    app.setQuitOnLastWindowClosed(false);  // tests close windows one by one
    return RUN_ALL_TESTS();
}
