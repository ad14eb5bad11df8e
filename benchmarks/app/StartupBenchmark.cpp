// The real program's start and memory, on the display's driver (llvmpipe
// under Xvfb):
// - cold_start: from starting the executable (fresh private settings) to its
//   first painted frame with the texture, the "counterPaint:1" line of its
//   console log; median of 5 runs;
// - memory: resident and peak memory of a main window in this process after
//   its start (Earth/small) and after switching to Earth/big.
// Run: xvfb-run -a -s "-screen 0 1280x1024x24" build/benchmarks/app/bench_app

#include "GLPlanet.h"
#include "Window.h"

#include "support/TempSettings.h"

#include <gen/qt/GApp.h>
#include <gen/qt/GSettings.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void cold_start(benchmark::State& state)
{
    for (auto _ : state) {
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.path() + "/.config");
        QProcess program;
        program.setProcessEnvironment(env);
        QElapsedTimer timer;
        timer.start();
        program.start(QStringLiteral(SKYVALE_EXE), {});
        QByteArray out;
        while (!out.contains("counterPaint:1\n") && timer.elapsed() < 30000 &&
               program.state() != QProcess::NotRunning) {
            program.waitForReadyRead(50);
            out += program.readAllStandardOutput();
        }
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        if (!out.contains("counterPaint:1\n")) {
            state.SkipWithError("no first frame within 30 s");
        }
        program.kill();
        program.waitForFinished();
    }
}

// "VmRSS" or "VmHWM" of this process in MB.
double memory_mb(char const* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (QByteArray const& line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(static_cast<qsizetype>(qstrlen(field)) + 1).trimmed().split(' ').first().toDouble() / 1024.0;
        }
    }
    return 0.0;
}

void memory(benchmark::State& state)
{
    test::TempSettings store;
    gen::qt::GSettings::reset_instance();
    for (auto _ : state) {
        auto win = std::make_unique<orrin::Window>();
        win->resize(800, 600);
        win->setup();
        win->show();
        QElapsedTimer timer;
        timer.start();
        while (win->glPlanet->counterPaint == 0 && timer.elapsed() < 30000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        state.counters["rss_start_mb"] = memory_mb("VmRSS:");
        win->choose_planet(QStringLiteral("Earth/big"));
        QCoreApplication::processEvents();
        state.counters["rss_big_mb"] = memory_mb("VmRSS:");
        state.counters["peak_mb"] = memory_mb("VmHWM:");
        win->close();
    }
}

}  // namespace

BENCHMARK(cold_start)->UseManualTime()->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);
BENCHMARK(memory)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    gen::qt::GApp app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
