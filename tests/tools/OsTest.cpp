#include <gen/tools/os.h>

#include <QCoreApplication>
#include <QFileInfo>

#include <gtest/gtest.h>

// Run, not only compiled, so the predicates are checked for this target.
TEST(Os, PredicatesAndNamesOfThisLinuxDesktopBuild)
{
    namespace os = gen::os;
    EXPECT_TRUE(os::is_linux() && os::is_window_based_platform() && os::is_desktop() && !os::is_mobile());
    EXPECT_FALSE(os::is_windows() || os::is_android() || os::is_mac() || os::is_wasm() || os::is_sandboxed());
    EXPECT_EQ(os::get_os_bit_system(), os::is_64_bit() && !os::is_32_bit() ? 64 : 32);
    EXPECT_EQ(os::get_program_name(), QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString());
}
