// Time to decode each Earth map from the resource bundle into a QImage, and
// the same followed by what the texture loader does before the upload
// (horizontal mirror, conversion to RGBA8888).
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <benchmark/benchmark.h>

namespace {

// Decodes `path` once per iteration; `forUpload` adds the loader's mirror and
// conversion.
void run(benchmark::State& state, const char* path, bool forUpload)
{
    for (auto _ : state) {
        QImageReader reader(path);
        QImage img = reader.read();
        if (img.isNull()) {
            state.SkipWithError(qPrintable(reader.errorString()));
            break;
        }
        if (forUpload) {
            img = img.mirrored(true, false).convertToFormat(QImage::Format_RGBA8888);
        }
        benchmark::DoNotOptimize(img.constBits());
    }
}

void decode(benchmark::State& state, const char* path)
{
    run(state, path, false);
}

void decode_for_upload(benchmark::State& state, const char* path)
{
    run(state, path, true);
}

}  // namespace

BENCHMARK_CAPTURE(decode, 1k_earth, ":/wb/img/1k_earth.jpg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decode, 2k_earth, ":/wb/img/2k_earth.jpg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decode, 8k_earth, ":/wb/img/8k_earth.jpg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decode_for_upload, 1k_earth, ":/wb/img/1k_earth.jpg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decode_for_upload, 2k_earth, ":/wb/img/2k_earth.jpg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decode_for_upload, 8k_earth, ":/wb/img/8k_earth.jpg")->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
