#include <gen/log/GLog.h>
#include <gen/log/LogAppender.h>
#include <gen/log/pp.h>

#include "support/LogCapture.h"
#include "support/Rows.h"

#include <QRegularExpression>

#include <new>
#include <set>
#include <thread>

using namespace gen::log;

namespace {
std::string prefix(unsigned int bits, unsigned int number = 1, LOG_LEVEL level = LEVEL_DEBUG)
{
    return trailler(number, level, gen::GBits<unsigned int>(bits));
}

struct CountsRenders {
    static inline int renders = 0;
    std::string to_string() const { return "rendered" + std::to_string(++renders); }
};

// Relies on the base destructor alone to leave the sink set.
struct CountingSink : LogAppender {
    int calls = 0;
    void log_string(unsigned int, LOG_LEVEL, char const*) override { ++calls; }
};
}  // namespace

TEST(GLogSinks, LinesAboveTheLevelAreFilteredEachCallLogsAtItsLevelOnlyEnabledRegisteredLiveSinksAreCalledOnce)
{
    test::LogCapture log(LEVEL_DEBUG);
    char const* nullText = nullptr;
    log_string(LEVEL_TRACE, "dropped");
    log_string(LEVEL_ERROR, std::string("error"));
    log_string(LEVEL_DEBUG, nullText);
    gen::pp();
    gen::pp(2, "x");
    gen::pp(QStringLiteral("Zürich"));
    gen::pp("value:$!", 42);
    gen::pp_info(std::string("i"));
    gen::pp_warn(3, nullText);
    gen::pp_error("$ and $", QStringLiteral("q"));
    gen::pp_trace("<<<$>>>", std::string());
    gen::pp_line();  // separator lines count separately
    gen::pp_line();
    gen::pp_info_line();
    std::vector<std::pair<int, std::string>> got;
    for (auto const& line : log.lines()) {
        EXPECT_EQ(line.number, log.lines()[0].number + got.size());
        got.emplace_back(line.level, line.text);
    }
    EXPECT_EQ(got, (std::vector<std::pair<int, std::string>>{
                       {LEVEL_ERROR, "error"}, {LEVEL_DEBUG, ""}, {LEVEL_DEBUG, ""}, {LEVEL_DEBUG, "  x"},
                       {LEVEL_DEBUG, "Z\xC3\xBCrich"}, {LEVEL_DEBUG, "value:42!"}, {LEVEL_INFO, "i"},
                       {LEVEL_WARN, "   nullptr"}, {LEVEL_ERROR, "q and $"}, {LEVEL_DEBUG, "---- [ 1 ] ------"},
                       {LEVEL_DEBUG, "---- [ 2 ] ------"}, {LEVEL_INFO, "=== [ 1 ] ======"}}));
    EXPECT_TRUE(log.lines()[1].textWasNull);
    // Filtered calls do not even render their values; bad levels are refused.
    set_log_level(LEVEL_ERROR);
    log.clear();
    gen::pp("debug $", CountsRenders{});
    gen::pp_error("error $", CountsRenders{});
    EXPECT_EQ(log.texts(), std::vector<std::string>{"error rendered1"});
    for (int bad : {5, -1}) {
        testing::internal::CaptureStdout();
        set_log_level(bad);
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  "set_log_level out of range 0-4, level:" + std::to_string(bad) + " ?\n");
        EXPECT_EQ(get_log_level(), LEVEL_ERROR);
    }
    EXPECT_EQ(logLevel_to_string(0) + logLevel_to_qstring(4).toStdString() + logLevel_to_string(5), "ERRTRA");
    // Only enabled, registered, live sinks are called, once per line.
    test::LogLevelGuard level(LEVEL_DEBUG);
    test::RecordingSink a;
    test::RecordingSink b;
    add_log_appender(&a);  // already registered: no second call per line
    b.set_enabled(false);
    log_string(LEVEL_DEBUG, "one");
    b.set_enabled(true);
    remove_log_appender(&a);
    remove_log_appender(&a);  // not in the set: nothing happens
    log_string(LEVEL_DEBUG, "two");
    EXPECT_EQ(a.texts(), std::vector<std::string>{"one"});
    EXPECT_EQ(b.texts(), std::vector<std::string>{"two"});
    // A destroyed sink leaves the set: a new sink later built at the same
    // address, never registered, must not be called through the old entry.
    alignas(CountingSink) unsigned char storage[sizeof(CountingSink)];
    auto* first = new (storage) CountingSink;
    first->set_enabled(true);
    add_log_appender(first);
    first->~CountingSink();
    auto* second = new (storage) CountingSink;
    second->set_enabled(true);
    log_string(LEVEL_DEBUG, "after");
    EXPECT_EQ(second->calls, 0);
    second->~CountingSink();
}

TEST(GLogPrefix, ColumnsFollowTheControlBitsAndTheDigitWidth)
{
    using namespace control;
    unsigned int const saved = get_log_digits();
    test::expect_rows<std::string>({
        {prefix(0), " "}, {prefix(NUMBER, 1), "[000001]  "}, {prefix(NUMBER, 1234567), "[1234567]  "},
        {prefix(LEVEL, 1, static_cast<LOG_LEVEL>(9)), "[]  "},
        {prefix(0x0E | ENABLED), " "},  // bits the core does not read change nothing
        {qs_trailler(7, LEVEL_WARN, gen::GBits<unsigned int>(NUMBER | LEVEL)).toStdString(), "[000007] [WRN]  "},
    });
    // Elapsed time since the log start (hours:minutes,seconds) or the wall clock, in milliseconds.
    start_log_time();
    std::pair<unsigned int, char const*> const stamps[] = {{TIME, R"(^\[00:00,0\d,\d{3}\]  $)"},
                                                           {TIME | ABS_TIME, R"(^\[\d\d:\d\d:\d\d,\d{3}\]  $)"}};
    for (auto const& [bits, pattern] : stamps) {
        EXPECT_TRUE(QRegularExpression(pattern).match(QString::fromStdString(prefix(bits))).hasMatch()) << prefix(bits);
    }
    // The trailer bits are bits six to nine.
    auto const trailer = [](unsigned int bits) { return has_trailler_bits(gen::GBits<unsigned int>(bits)); };
    EXPECT_TRUE(!trailer(ENABLED | ABS_TIME | 0x0E) && trailer(NUMBER) && trailer(THREAD));
    set_log_digits(3);
    EXPECT_EQ(prefix(NUMBER, 1) + prefix(NUMBER, 12345), "[001]  [12345]  ");
    testing::internal::CaptureStdout();
    set_log_digits(kMaxLogDigits + 1);
    EXPECT_TRUE(testing::internal::GetCapturedStdout().starts_with("set_log_digits out of range") && get_log_digits() == 3u);
    set_log_digits(kMaxLogDigits);
    EXPECT_EQ(prefix(NUMBER, 5).size(), kMaxLogDigits + 4);
    set_log_digits(saved);
}

TEST(GLogThreads, EveryLineGetsExactlyOneConsecutiveNumberAndThreadsTheirOwnId)
{
    test::LogCapture log(LEVEL_TRACE);
    constexpr int kThreads = 6, kLinesPerThread = 2000;
    set_main_thread();
    unsigned int const mine = gen::get_fast_thread_id();
    EXPECT_TRUE(gen::is_main_thread() && gen::get_thread_id() == mine && get_current_threadID() == mine);
    std::vector<unsigned int> ids(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &ids] {
            ids[t] = gen::is_main_thread() ? 0 : gen::get_fast_thread_id();
            for (int i = 0; i < kLinesPerThread; ++i) {
                log_string(i % 2 ? LEVEL_DEBUG : LEVEL_TRACE, "t" + std::to_string(t) + ":" + std::to_string(i));
            }
        });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    ids.push_back(mine);
    std::set<unsigned int> const distinct(ids.begin(), ids.end());
    EXPECT_TRUE(distinct.size() == kThreads + 1u && !distinct.contains(0u));
    auto const lines = log.lines();
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kThreads * kLinesPerThread));
    // Delivered under the lock: in order of number, without gaps; each
    // thread's own lines in the order it logged them.
    std::vector<int> nextOfThread(kThreads, 0);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ASSERT_TRUE(i == 0 || lines[i].number == lines[i - 1].number + 1) << i;
        auto const colon = lines[i].text.find(':');
        int const t = std::stoi(lines[i].text.substr(1, colon - 1));
        ASSERT_EQ(std::stoi(lines[i].text.substr(colon + 1)), nextOfThread[t]++);
    }
}
