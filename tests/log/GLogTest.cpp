#include <gen/log/GLog.h>
#include <gen/log/LogAppender.h>
#include <gen/tools/format.h>

#include "support/RecordingSink.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

using namespace gen::log;

namespace {
std::string prefix(unsigned int bits, unsigned int number = 1, LOG_LEVEL level = LEVEL_DEBUG)
{
    return trailler(number, level, gen::GBits<unsigned int>(bits));
}

bool matches(std::string const& text, char const* pattern)
{
    return QRegularExpression(QString::fromLatin1(pattern)).match(QString::fromStdString(text)).hasMatch();
}
}  // namespace

TEST(GLogLevels, LinesAboveTheLevelAreNeitherDeliveredNorCounted)
{
    test::LogLevelGuard level(LEVEL_DEBUG);
    test::RecordingSink sink;
    log_string(LEVEL_INFO, "first");
    log_string(LEVEL_TRACE, "dropped");
    log_string(LEVEL_DEBUG, "second");
    log_string(LEVEL_ERROR, std::string("third"));

    auto const lines = sink.lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, "first");
    EXPECT_EQ(lines[1].text, "second");
    EXPECT_EQ(lines[1].number, lines[0].number + 1);
    EXPECT_EQ(lines[2].number, lines[1].number + 1);
    EXPECT_EQ(lines[2].level, LEVEL_ERROR);

    set_log_level(LEVEL_ERROR);
    log_string(LEVEL_WARN, "warn");
    EXPECT_EQ(sink.lines().size(), 3u);
}

TEST(GLogLevels, OutOfRangeLevelIsRefusedWithANotice)
{
    test::LogLevelGuard level(LEVEL_INFO);
    for (int bad : {5, -1, 1000}) {
        testing::internal::CaptureStdout();
        set_log_level(bad);
        std::string const out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(out, "set_log_level out of range 0-4, level:" + std::to_string(bad) + " ?\n");
        EXPECT_EQ(get_log_level(), LEVEL_INFO);
    }
    set_log_level(LEVEL_TRACE);
    EXPECT_EQ(get_log_level(), LEVEL_TRACE);
}

TEST(GLogLevels, TagsAndNullTexts)
{
    EXPECT_EQ(logLevel_to_string(0), "ERR");
    EXPECT_EQ(logLevel_to_string(1), "WRN");
    EXPECT_EQ(logLevel_to_string(2), "INF");
    EXPECT_EQ(logLevel_to_string(3), "DEB");
    EXPECT_EQ(logLevel_to_string(4), "TRA");
    EXPECT_EQ(logLevel_to_string(5), "");
    EXPECT_EQ(logLevel_to_qstring(4294967295u), QString());
    EXPECT_EQ(logLevel_to_qstring(2), QStringLiteral("INF"));

    test::LogLevelGuard level(LEVEL_DEBUG);
    test::RecordingSink sink;
    log_string(LEVEL_DEBUG, static_cast<char const*>(nullptr));
    ASSERT_EQ(sink.lines().size(), 1u);
    EXPECT_TRUE(sink.lines()[0].textWasNull);
}

TEST(GLogPrefix, ColumnsFollowTheControlBits)
{
    EXPECT_EQ(prefix(0), " ");
    EXPECT_EQ(prefix(control::NUMBER, 1), "[000001]  ");
    EXPECT_EQ(prefix(control::NUMBER, 1234567), "[1234567]  ");
    EXPECT_EQ(prefix(control::LEVEL, 1, LEVEL_WARN), "[WRN]  ");
    EXPECT_EQ(prefix(control::LEVEL, 1, static_cast<LOG_LEVEL>(9)), "[]  ");
    EXPECT_EQ(prefix(control::THREAD), gen::str::sprintF("[%04u] ", gen::get_fast_thread_id()));
    EXPECT_EQ(prefix(control::NUMBER | control::LEVEL, 42), "[000042] [DEB]  ");
    // Bits the core does not read change nothing.
    EXPECT_EQ(prefix(0x0E | control::ENABLED), " ");

    EXPECT_TRUE(matches(prefix(control::TIME | control::ABS_TIME | control::MICRO_SECONDS),
                        R"(^\[\d\d:\d\d:\d\d,\d{6}\]  $)"));
    EXPECT_TRUE(matches(prefix(control::TIME | control::ABS_TIME), R"(^\[\d\d:\d\d:\d\d,\d{3}\]  $)"));
    // Elapsed time since the log start: hours:minutes,seconds,fraction.
    start_log_time();
    EXPECT_TRUE(matches(prefix(control::TIME), R"(^\[00:00,0\d,\d{3}\]  $)")) << prefix(control::TIME);
    EXPECT_TRUE(matches(prefix(control::TIME | control::MICRO_SECONDS), R"(^\[00:00,0\d,\d{6}\]  $)"));

    EXPECT_TRUE(matches(prefix(control::CONSOLE_DEFAULT, 42, LEVEL_DEBUG),
                        R"(^\[000042\] \[DEB\] \[\d\d:\d\d:\d\d,\d{6}\] \[\d{4}\] $)"));
    EXPECT_EQ(qs_trailler(7, LEVEL_INFO, gen::GBits<unsigned int>(control::NUMBER | control::LEVEL)),
              QStringLiteral("[000007] [INF]  "));
}

TEST(GLogPrefix, TrailerBitsAreBitsSixToNine)
{
    EXPECT_FALSE(has_trailler_bits(gen::GBits<unsigned int>(0)));
    EXPECT_FALSE(has_trailler_bits(gen::GBits<unsigned int>(control::ENABLED | control::ABS_TIME | 0x0E)));
    for (unsigned int bit : {control::NUMBER, control::LEVEL, control::TIME, control::THREAD}) {
        EXPECT_TRUE(has_trailler_bits(gen::GBits<unsigned int>(bit))) << bit;
    }
}

TEST(GLogPrefix, DigitsSetTheNumberWidthWithinBounds)
{
    unsigned int const saved = get_log_digits();
    set_log_digits(3);
    EXPECT_EQ(get_log_digits(), 3u);
    EXPECT_EQ(prefix(control::NUMBER, 1), "[001]  ");
    EXPECT_EQ(prefix(control::NUMBER, 12345), "[12345]  ");

    testing::internal::CaptureStdout();
    set_log_digits(1000000000u);
    std::string const notice = testing::internal::GetCapturedStdout();
    EXPECT_NE(notice.find("set_log_digits out of range"), std::string::npos);
    EXPECT_EQ(get_log_digits(), 3u);

    set_log_digits(kMaxLogDigits);
    EXPECT_EQ(prefix(control::NUMBER, 5).size(), kMaxLogDigits + 4);
    set_log_digits(saved);
}

TEST(GLogSinks, SetWithoutDuplicatesAndOnlyEnabledSinksAreCalled)
{
    test::LogLevelGuard level(LEVEL_DEBUG);
    test::RecordingSink a;
    test::RecordingSink b;
    add_log_appender(&a);  // already registered: no second call per line
    b.set_enabled(false);
    log_string(LEVEL_DEBUG, "one");
    EXPECT_EQ(a.lines().size(), 1u);
    EXPECT_TRUE(b.lines().empty());

    b.set_enabled(true);
    remove_log_appender(&a);
    remove_log_appender(&a);  // not in the set: nothing happens
    log_string(LEVEL_DEBUG, "two");
    EXPECT_EQ(a.lines().size(), 1u);
    ASSERT_EQ(b.lines().size(), 1u);
    EXPECT_EQ(b.lines()[0].text, "two");
}

TEST(GLogSinks, DestroyedSinkIsNoLongerCalled)
{
    test::LogLevelGuard level(LEVEL_DEBUG);
    test::RecordingSink survivor;
    {
        test::RecordingSink shortLived;
        log_string(LEVEL_DEBUG, "while alive");
    }
    log_string(LEVEL_DEBUG, "after");  // would touch freed memory if still registered
    EXPECT_EQ(survivor.lines().size(), 2u);
}

TEST(GLogThreads, EveryLineGetsExactlyOneConsecutiveNumber)
{
    test::LogLevelGuard level(LEVEL_TRACE);
    test::RecordingSink sink;
    constexpr int kThreads = 6;
    constexpr int kLinesPerThread = 2000;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < kLinesPerThread; ++i) {
                log_string(i % 2 ? LEVEL_DEBUG : LEVEL_TRACE, "t" + std::to_string(t) + ":" + std::to_string(i));
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    auto const lines = sink.lines();
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kThreads * kLinesPerThread));
    // Delivered under the lock: in order of number, without gaps.
    for (std::size_t i = 1; i < lines.size(); ++i) {
        ASSERT_EQ(lines[i].number, lines[i - 1].number + 1) << i;
    }
    // Each thread's own lines arrive in the order it logged them.
    std::vector<int> nextOfThread(kThreads, 0);
    for (auto const& line : lines) {
        auto const colon = line.text.find(':');
        int const t = std::stoi(line.text.substr(1, colon - 1));
        EXPECT_EQ(std::stoi(line.text.substr(colon + 1)), nextOfThread[t]++);
    }
}

TEST(GLogThreads, ThreadNumbersAreSmallStableAndDistinct)
{
    unsigned int const mine = gen::get_fast_thread_id();
    EXPECT_EQ(gen::get_fast_thread_id(), mine);
    EXPECT_EQ(gen::get_thread_id(), mine);
    EXPECT_EQ(get_current_threadID(), mine);
    set_main_thread();
    EXPECT_TRUE(gen::is_main_thread());

    unsigned int other = 0;
    bool otherIsMain = true;
    std::thread([&] {
        other = gen::get_fast_thread_id();
        otherIsMain = gen::is_main_thread();
    }).join();
    EXPECT_NE(other, mine);
    EXPECT_GT(other, 0u);
    EXPECT_FALSE(otherIsMain);
}
