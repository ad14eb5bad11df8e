// The `$` formatter against the printf family doing the same work.
#include <gen/tools/xprintf.h>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

QString const kName = QStringLiteral("Zürich");

void BM_xprintF_IntFloatQString(benchmark::State& state)
{
    int i = 0;
    for (auto _ : state) {
        std::string text = gen::str::xprintF(0, "city $ at $ named $", ++i, 47.37f, kName);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_xprintF_IntFloatQString);

void BM_snprintf_IntFloatQString(benchmark::State& state)
{
    int i = 0;
    for (auto _ : state) {
        QByteArray const utf8 = kName.toUtf8();
        char buffer[256];
        int const n = std::snprintf(buffer, sizeof buffer, "city %d at %2.2f named %s", ++i, 47.37f, utf8.constData());
        std::string text(buffer, static_cast<std::size_t>(n));
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_snprintf_IntFloatQString);

void BM_xprintF_Vec3(benchmark::State& state)
{
    glm::vec3 const v(1.5f, -2.25f, 3.f);
    for (auto _ : state) {
        std::string text = gen::str::xprintF(0, "pos $", v);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_xprintF_Vec3);

}  // namespace

BENCHMARK_MAIN();
