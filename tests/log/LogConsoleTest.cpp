#include <gen/log/LogConsole.h>
#include <gen/tools/xprintf.h>

#include "support/RecordingSink.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <functional>
#include <thread>

using namespace gen::log;

namespace {
// Runs `body` with the console sink registered for the given columns, answers what it wrote.
std::string console_output(unsigned int bits, std::function<void()> const& body)
{
    testing::internal::CaptureStdout();
    consoleLogger.logConfig.logControl.set(bits);
    add_log_appender(&consoleLogger);
    body();
    remove_log_appender(&consoleLogger);
    return testing::internal::GetCapturedStdout();
}
}  // namespace

TEST(LogConsole, WritesOnlyWhenEnabledStartUpEnablesEveryColumnLinesNeverInterleaveConfigStoredAsFourWords)
{
    test::LogLevelGuard level(LEVEL_DEBUG);
    auto const twoLines = [] {
        log_string(LEVEL_ERROR, static_cast<char const*>(nullptr));
        log_string(LEVEL_TRACE, "filtered");
    };
    EXPECT_EQ(console_output(control::ENABLED | control::LEVEL, twoLines), "[ERR]  nullptr\n");
    EXPECT_EQ(console_output(control::LEVEL, twoLines), "");

    constexpr int kThreads = 4, kLines = 500;
    std::string const out = console_output(0, [] {
        remove_log_appender(&consoleLogger);
        start_console_logging();
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([t] {
                // Long texts make a torn write likely if lines were not whole.
                std::string const body(200, static_cast<char>('a' + t));
                for (int i = 0; i < kLines; ++i) {
                    log_string(LEVEL_DEBUG, body);
                }
            });
        }
        for (auto& thread : threads) {
            thread.join();
        }
    });
    EXPECT_EQ(consoleLogger.logConfig.logControl.get(), control::CONSOLE_DEFAULT);
    EXPECT_TRUE(gen::is_main_thread());
    QStringList const lines = QString::fromStdString(out).split('\n');
    ASSERT_EQ(lines.size(), kThreads * kLines + 1);  // the last element follows the final line feed
    EXPECT_TRUE(lines.back().isEmpty());
    QRegularExpression const whole(R"(^\[(\d{6,})\] \[DEB\] \[\d\d:\d\d:\d\d,\d{6}\] \[\d{4}\] ([a-d])\2{199}$)");
    for (int i = 0; i < lines.size() - 1; ++i) {
        auto const match = whole.match(lines[i]);
        ASSERT_TRUE(match.hasMatch()) << lines[i].toStdString();
        ASSERT_TRUE(i == 0 || match.captured(1).toUInt() == whole.match(lines[i - 1]).captured(1).toUInt() + 1) << i;
    }
    // Its configuration: stored as four words in field order, with presets and text forms.
    LogConfig config{.digits = 1, .logLevel = 2, .logControl = gen::GBits<unsigned int>(3), .fontSize = 4};
    EXPECT_EQ((std::bit_cast<std::array<unsigned int, 4>>(config)), (std::array<unsigned int, 4>{1, 2, 3, 4}));
    config = LogConfig();
    config.ini();
    testing::internal::CaptureStdout();
    config.show();  // the control word only as set or not
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "LogConfig:\n   logControl:1\n   digits:6\n   logLevel:3\n   fontSize:10\n");
    EXPECT_EQ(config.to_string(), QStringLiteral("LogConfig, DISABLED,  DEB, logControl:990, digits:6"));
    config.ini_mobile();
    config.logLevel = 0;
    // The formatter renders it through to_string().
    EXPECT_EQ(gen::str::xprintF(0, "<$>", config), "<LogConfig, ERR, logControl:1048640, digits:6>");
}

