#include <gen/log/LogConsole.h>

#include "support/RecordingSink.h"

#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <thread>

using namespace gen::log;

namespace {
// Registers the console sink for one test with the given columns.
class ConsoleScope {
public:
    explicit ConsoleScope(unsigned int bits)
    {
        consoleLogger.logConfig.logControl.set(bits);
        add_log_appender(&consoleLogger);
    }
    ~ConsoleScope() { remove_log_appender(&consoleLogger); }
};
}  // namespace

TEST(LogConsole, WritesPrefixTextAndLineFeed)
{
    test::LogLevelGuard level(LEVEL_DEBUG);
    ConsoleScope console(control::ENABLED | control::LEVEL);
    testing::internal::CaptureStdout();
    log_string(LEVEL_INFO, "hello");
    log_string(LEVEL_ERROR, static_cast<char const*>(nullptr));
    log_string(LEVEL_TRACE, "filtered");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "[INF]  hello\n[ERR]  nullptr\n");
}

TEST(LogConsole, DisabledConsoleWritesNothing)
{
    test::LogLevelGuard level(LEVEL_DEBUG);
    ConsoleScope console(control::LEVEL);
    testing::internal::CaptureStdout();
    log_string(LEVEL_INFO, "hidden");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST(LogConsole, StartUpEnablesEveryColumn)
{
    test::LogLevelGuard level(LEVEL_DEBUG);
    testing::internal::CaptureStdout();
    start_console_logging();
    log_string(LEVEL_DEBUG, "text");
    remove_log_appender(&consoleLogger);
    std::string const out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(consoleLogger.logConfig.logControl.get(), control::CONSOLE_DEFAULT);
    EXPECT_TRUE(gen::is_main_thread());
    QRegularExpression const line(R"(^\[\d{6}\] \[DEB\] \[\d\d:\d\d:\d\d,\d{6}\] \[\d{4}\] text\n$)");
    EXPECT_TRUE(line.match(QString::fromStdString(out)).hasMatch()) << out;
}

TEST(LogConsole, LinesFromManyThreadsNeverInterleave)
{
    test::LogLevelGuard level(LEVEL_TRACE);
    constexpr int kThreads = 4;
    constexpr int kLines = 500;
    testing::internal::CaptureStdout();
    {
        ConsoleScope console(control::CONSOLE_DEFAULT);
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
    }
    QStringList const lines = QString::fromStdString(testing::internal::GetCapturedStdout()).split('\n');
    ASSERT_EQ(lines.size(), kThreads * kLines + 1);  // the last element follows the final line feed
    EXPECT_TRUE(lines.back().isEmpty());
    QRegularExpression const whole(R"(^\[(\d{6,})\] \[DEB\] \[[\d:,]+\] \[\d{4}\] ([a-d])\2{199}$)");
    unsigned int previous = 0;
    for (int i = 0; i < lines.size() - 1; ++i) {
        auto const match = whole.match(lines[i]);
        ASSERT_TRUE(match.hasMatch()) << lines[i].toStdString();
        unsigned int const number = match.captured(1).toUInt();
        if (i > 0) {
            ASSERT_EQ(number, previous + 1);
        }
        previous = number;
    }
}
