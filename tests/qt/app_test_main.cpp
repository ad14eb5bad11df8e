// Test entry for the window tests: the application object is the
// framework's GApp (event filter, window set, quit handling), on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise. The log level
// is debug so that the console is readable; tests raise it where needed.
#include <gen/log/GLog.h>
#include <gen/qt/GApp.h>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ::testing::InitGoogleTest(&argc, argv);
    gen::qt::GApp app(argc, argv);
    gen::log::set_log_level(gen::log::LEVEL_DEBUG);
    // Tests close windows one by one; that must not end the application.
    app.setQuitOnLastWindowClosed(false);
    return RUN_ALL_TESTS();
}
