// Test entry for the program's window tests: the framework's application
// object on the display the tests run on (Xvfb), so the planet views get a
// real GL context.
#include <gen/log/GLog.h>
#include <gen/qt/GApp.h>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    gen::qt::GApp app(argc, argv);
    gen::log::set_log_level(gen::log::LEVEL_DEBUG);
    app.setQuitOnLastWindowClosed(false);  // tests close windows one by one
    return RUN_ALL_TESTS();
}
