// Cost of parsing a 20-argument command line into the attribute map.
#include <gen/store/GArgv.h>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// Keys with values, flags, a quoted value with blanks and one holding a
// double quote: every path of the tokenizer and the parser.
std::vector<std::string> command_line()
{
    return {"orrin",
            "--__log_level", "4",
            "-width", "1920",
            "-height", "1080",
            "-fullscreen",
            "-title", "Planet viewer",
            "-theme", "dark",
            "-verbose",
            "-config", "C:\\cfg\\a.ini",
            "-label", "say \"hi\"",
            "---x",
            "-planet", "earth",
            "-nosound"};
}

void BM_ParseTwentyArguments(benchmark::State& state)
{
    std::vector<std::string> args = command_line();
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    gen::store::GArgv prepared;
    prepared.set_arguments(static_cast<int>(argv.size()), argv.data());
    for (auto _ : state) {
        gen::store::GArgv parsed = prepared;
        bool const ok = parsed.parse();
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(parsed);
    }
}
BENCHMARK(BM_ParseTwentyArguments);

// The same line including set_arguments (UTF-8 decoding and quoting).
void BM_SetArgumentsAndParse(benchmark::State& state)
{
    std::vector<std::string> args = command_line();
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    for (auto _ : state) {
        gen::store::GArgv parsed;
        parsed.set_arguments(static_cast<int>(argv.size()), argv.data());
        bool const ok = parsed.parse();
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(parsed);
    }
}
BENCHMARK(BM_SetArgumentsAndParse);

}  // namespace

BENCHMARK_MAIN();
