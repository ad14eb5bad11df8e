// The planet view's costs on the display's driver (llvmpipe under Xvfb):
// - hover: show_geo_coordinate (pick, nearest city, roll-over), per call;
// - frame: the full scene (sphere with the 8k texture, all 119 cylinders,
//   overlay on) at 800 x 600, drawn and finished with glFinish; median,
//   minimum and maximum of 100 frames as counters;
// - first frame: from show() of a view with the 1k texture to its first
//   swapped frame (context, set-up, first paint).
// Run: xvfb-run -a build/benchmarks/orrin/bench_planet --__log_level 2

#include "GLPlanet.h"
#include "TimedPlanet.h"

#include <gen/math/sphere.h>
#include <gen/store/configure.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<TimedPlanet> shown_planet(QString const& texture)
{
    auto view = std::make_unique<TimedPlanet>();
    view->sTexture = texture;
    view->resize(800, 600);
    QSignalSpy swapped(view.get(), &QOpenGLWindow::frameSwapped);
    view->show();
    swapped.wait(30000);
    return view;
}

void hover(benchmark::State& state)
{
    auto view = shown_planet(QStringLiteral(":/wb/img/1k_earth.jpg"));
    QPoint const points[] = {{399, 163}, {400, 300}, {450, 250}, {10, 10}};
    std::size_t i = 0;
    for (auto _ : state) {
        view->show_geo_coordinate(points[i++ % std::size(points)]);
    }
    QCoreApplication::processEvents();
}

// The parts of a hover on their own.
void hover_parts(benchmark::State& state)
{
    auto view = shown_planet(QStringLiteral(":/wb/img/1k_earth.jpg"));
    QPoint const point(399, 163);
    gen::math::ViewPort const vp = view->get_viewport();
    glm::vec2 g{};
    for (auto _ : state) {
        switch (state.range(0)) {
        case 0: g = gen::math::sphere::get_geo_coordinate(view->cam, vp, point, view->get_planet_turn()); break;
        case 1: benchmark::DoNotOptimize(gen::qt::gl::glTools::City::city_from_coordinate(view->cities, g)); break;
        case 2: view->graph.clear_roll_over(); break;
        case 3: view->graph.transform(); break;
        default: view->update(); break;
        }
        benchmark::DoNotOptimize(g);
    }
}

void frame_full_scene(benchmark::State& state)
{
    auto view = shown_planet(QStringLiteral(":/wb/img/8k_earth.jpg"));
    view->show_geo_coordinate(QPoint(399, 163));  // overlay text and one highlighted city
    std::vector<double> ms;
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i) {
            QElapsedTimer timer;
            timer.start();
            view->draw_frame();
            ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["min_ms"] = ms.front();
    state.counters["max_ms"] = ms.back();
}

void first_frame_1k(benchmark::State& state)
{
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        auto view = shown_planet(QStringLiteral(":/wb/img/1k_earth.jpg"));
        state.counters["first_frame_ms"] = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        state.PauseTiming();
        view.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(hover)->Unit(benchmark::kMicrosecond);
BENCHMARK(hover_parts)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK(frame_full_scene)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(first_frame_1k)->Iterations(5)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    // What a user runs with: `--__log_level 4` (trace, the program's default)
    // adds the hover's and paint's trace lines to the cost.
    gen::log::configure(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
