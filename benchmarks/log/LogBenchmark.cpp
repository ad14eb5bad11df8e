// Cost of a filtered log call and of a delivered line.
#include <gen/log/LogAppender.h>
#include <gen/log/pp.h>

#include <benchmark/benchmark.h>

namespace {

class DiscardingSink : public gen::log::LogAppender {
public:
    DiscardingSink()
    {
        set_enabled(true);
        gen::log::add_log_appender(this);
    }
    ~DiscardingSink() override { gen::log::remove_log_appender(this); }
    void log_string(unsigned int number, gen::log::LOG_LEVEL, char const* text) override
    {
        benchmark::DoNotOptimize(number);
        benchmark::DoNotOptimize(text);
    }
};

// A call above the current level: only the atomic level test runs.
void BM_FilteredCall(benchmark::State& state)
{
    gen::log::set_log_level(gen::log::LEVEL_INFO);
    int i = 0;
    for (auto _ : state) {
        gen::pp("value $", ++i);
    }
    benchmark::DoNotOptimize(i);
}
BENCHMARK(BM_FilteredCall);

// A delivered line with a prebuilt text: numbering, locking, dispatch.
void BM_DeliveredLine(benchmark::State& state)
{
    static DiscardingSink* sink = nullptr;
    if (state.thread_index() == 0) {
        gen::log::set_log_level(gen::log::LEVEL_TRACE);
        sink = new DiscardingSink;
    }
    std::string const text = "a delivered line of typical length, about sixty characters";
    for (auto _ : state) {
        gen::log::log_string(gen::log::LEVEL_DEBUG, text);
    }
    if (state.thread_index() == 0) {
        delete sink;
        sink = nullptr;
    }
}
BENCHMARK(BM_DeliveredLine)->Threads(1)->Threads(2)->UseRealTime();

// A delivered line including formatting of the text.
void BM_DeliveredFormattedLine(benchmark::State& state)
{
    gen::log::set_log_level(gen::log::LEVEL_TRACE);
    DiscardingSink sink;
    int i = 0;
    for (auto _ : state) {
        gen::pp("value $", ++i);
    }
}
BENCHMARK(BM_DeliveredFormattedLine);

}  // namespace

BENCHMARK_MAIN();
