#include <gen/tools/os.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <algorithm>

namespace os = gen::os;

TEST(Os, PredicatesOfThisTarget)
{
#if defined(Q_OS_LINUX) && !defined(Q_OS_ANDROID)
    EXPECT_TRUE(os::is_linux());
    EXPECT_TRUE(os::is_desktop());
    EXPECT_TRUE(os::is_window_based_platform());
    EXPECT_FALSE(os::is_mobile());
    EXPECT_FALSE(os::is_windows());
    EXPECT_FALSE(os::is_android());
    EXPECT_FALSE(os::is_mac());
    EXPECT_FALSE(os::is_wasm());
    EXPECT_FALSE(os::is_sandboxed());
#endif
    EXPECT_NE(os::is_64_bit(), os::is_32_bit());
    EXPECT_EQ(os::get_os_bit_system(), os::is_64_bit() ? 64 : 32);
    EXPECT_NE(os::is_desktop(), os::is_mobile());
}

TEST(Os, ScreenQueries)
{
    QScreen const* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    QSize const expected = screen->size();

    EXPECT_EQ(os::primary_screen_size(), expected);
    bool ok = false;
    EXPECT_EQ(os::get_view_port_size(ok), expected);
    EXPECT_TRUE(ok);
    int const smaller = std::min(expected.width(), expected.height());
    EXPECT_EQ(os::smallest_width_or_height(), smaller);
    EXPECT_EQ(os::is_small_device(), smaller < 600);

    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        EXPECT_FALSE(os::is_touch_device());
    }
}

TEST(Os, ProgramAndSystemNames)
{
    QString const expected = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(os::get_program_name_qs(), expected);
    EXPECT_EQ(os::get_program_name(), expected.toStdString());
    EXPECT_FALSE(os::get_os_name().empty());
    EXPECT_EQ(os::get_os_name(), os::get_os_name_qs().toStdString());
}
