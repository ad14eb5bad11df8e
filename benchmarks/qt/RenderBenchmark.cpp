// GL timings on the display's driver (llvmpipe under Xvfb):
// - frame: the planet scene (textured sphere 1/60/60 plus 120 city
//   cylinders of 32 segments) at 800 x 600, drawn into the back buffer and
//   finished with glFinish; median, minimum and maximum of 100 frames as
//   counters. grabFramebuffer (read-back) is timed on its own; it also
//   reports the share of covered pixels and saves the last frame to the
//   path in SKYVALE_BENCH_FRAME when that is set.
// - texture: the loader's stages from a resource path to a mipmapped
//   texture (decode, mirror, RGBA conversion, upload with mipmaps), each
//   timed by hand and reported as counters in ms, plus the whole
//   texture::load(path) call.
#include <gen/qt/gl/AbstractGLComponent.h>
#include <gen/qt/gl/mesh_generators.h>
#include <gen/qt/gl/texture.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>

#include <benchmark/benchmark.h>

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace {

using gen::qt::gl::GLMesh;

class BenchWindow : public gen::qt::gl::AbstractGLComponent {
public:
    void ini_gl() override
    {
        ok = standard_gl_setup(Qt::black);
    }

    // The planet view's scene: textured sphere and 120 cylinders standing on
    // it, children of the root, plus the roll-over template.
    void build_planet_scene()
    {
        makeCurrent();
        GLMesh& root = graph.ensure_root();
        gen::qt::gl::mesh::create_sphere(root, 1.0f, 60, 60, glm::vec4(0, 1, 0, 1));
        root.load_texture(shader, QStringLiteral(":/wb/img/8k_earth.jpg"), Qt::Horizontal);
        root.create_buffer_bind(shader);
        root.set_rotation(0.0, 0.0);
        for (unsigned int i = 0; i <= 120; ++i) {
            unsigned int const id = i < 120 ? i + 2 : 1000;
            GLMesh& city = graph.ensure_mesh(root, id);
            float const radius = 0.01f + 0.0002f * static_cast<float>(i);
            gen::qt::gl::mesh::create_cylinder(city, radius, radius, 0.05f, 32, glm::vec4(0, 1, 0, 1),
                                               glm::vec4(0.5f, 0.5f, 0.5f, 1), glm::vec4(1, 1, 0, 1));
            city.create_buffer_bind(shader);
            float const lat = -60.0f + static_cast<float>((i * 37) % 120);
            float const lon = -180.0f + static_cast<float>((i * 97) % 360);
            city.fnTransform = [lat, lon](glm::mat4 parent) {
                glm::mat4 m = glm::rotate(parent, glm::radians(lon), glm::vec3(0, 1, 0));
                m = glm::rotate(m, glm::radians(lat), glm::vec3(0, 0, 1));
                m = glm::translate(m, glm::vec3(1.02f, 0, 0));
                return glm::rotate(m, glm::radians(-90.0f), glm::vec3(0, 0, 1));
            };
            city.idRollOver = 1000;
        }
        graph.get_mesh(1000).set_clone(true);
        graph.transform();
    }

    void paintGL() override
    {
        glEnable(GL_DEPTH_TEST);
        shader.use();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        shader.set_light_pos(glm::vec3(1, 1, 5));
        shader.set_light_color(glm::vec3(1));
        shader.set_light_itensity(1.0f);
        float const aspect = static_cast<float>(width()) / static_cast<float>(height());
        glm::mat4 const projection = glm::perspective(glm::radians(45.0f), aspect, 0.1f, 100.0f);
        glm::mat4 const view = glm::lookAt(glm::vec3(0, 0, 5), glm::vec3(0), glm::vec3(0, 1, 0));
        graph.render(shader, projection, view);
    }

    bool show_and_wait(int w, int h)
    {
        resize(w, h);
        show();
        QElapsedTimer timer;
        timer.start();
        while (!isValid() && timer.elapsed() < 10000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return isValid() && ok;
    }

    bool ok = false;
};

std::unique_ptr<BenchWindow> gWindow;

BenchWindow* window()
{
    if (!gWindow) {
        gWindow = std::make_unique<BenchWindow>();
        if (!gWindow->show_and_wait(800, 600)) {
            return nullptr;
        }
        gWindow->build_planet_scene();
    }
    return gWindow.get();
}

double ms_since(QElapsedTimer const& t)
{
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    std::size_t const n = v.size();
    return n % 2 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]);
}

void report_frames(benchmark::State& state, std::vector<double> const& ms)
{
    state.counters["median_ms"] = median(ms);
    state.counters["min_ms"] = *std::min_element(ms.begin(), ms.end());
    state.counters["max_ms"] = *std::max_element(ms.begin(), ms.end());
    state.counters["frames"] = static_cast<double>(ms.size());
}

// One iteration = 100 frames after 5 warm-up frames.
void frame_planet_scene(benchmark::State& state)
{
    BenchWindow* w = window();
    if (w == nullptr) {
        state.SkipWithError("no GL window");
        return;
    }
    std::vector<double> ms;
    for (auto _ : state) {
        w->makeCurrent();
        for (int i = 0; i < 5; ++i) {
            w->paintGL();
        }
        w->glFinish();
        ms.clear();
        for (int i = 0; i < 100; ++i) {
            QElapsedTimer t;
            t.start();
            w->paintGL();
            w->glFinish();
            ms.push_back(ms_since(t));
        }
    }
    report_frames(state, ms);
}

// The read-back of an 800 x 600 frame alone (after a finished frame).
void grab_framebuffer(benchmark::State& state)
{
    BenchWindow* w = window();
    if (w == nullptr) {
        state.SkipWithError("no GL window");
        return;
    }
    std::vector<double> ms;
    QImage last;
    for (auto _ : state) {
        ms.clear();
        for (int i = 0; i < 100; ++i) {
            w->makeCurrent();
            w->paintGL();
            w->glFinish();
            QElapsedTimer t;
            t.start();
            QImage const img = w->grabFramebuffer();
            ms.push_back(ms_since(t));
            benchmark::DoNotOptimize(img.constBits());
            last = img;
        }
    }
    report_frames(state, ms);
    // Share of pixels the scene covers, to show the frame is not empty.
    qsizetype covered = 0;
    for (int y = 0; y < last.height(); ++y) {
        for (int x = 0; x < last.width(); ++x) {
            covered += (last.pixel(x, y) & 0xffffffu) != 0 ? 1 : 0;
        }
    }
    state.counters["covered_pct"] = 100.0 * static_cast<double>(covered) /
                                    std::max<double>(1.0, static_cast<double>(last.width()) * last.height());
    if (qEnvironmentVariableIsSet("SKYVALE_BENCH_FRAME")) {
        last.save(qEnvironmentVariable("SKYVALE_BENCH_FRAME"));
    }
}

// Stages of loading `path`; counters are per-iteration averages in ms.
void texture_stages(benchmark::State& state, char const* path)
{
    BenchWindow* w = window();
    if (w == nullptr) {
        state.SkipWithError("no GL window");
        return;
    }
    unsigned int id = 0;
    double decode = 0, mirror = 0, convert = 0, upload = 0, whole = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        QImage image = QImageReader(QString::fromLatin1(path)).read();
        decode += ms_since(t);
        if (image.isNull()) {
            state.SkipWithError("image not readable");
            return;
        }
        t.restart();
        image.mirror(true, false);
        mirror += ms_since(t);
        t.restart();
        image.convertTo(QImage::Format_RGBA8888);
        convert += ms_since(t);
        t.restart();
        gen::qt::gl::texture::load(w->shader, id, std::move(image));  // RGBA already: no conversion
        w->glFinish();
        upload += ms_since(t);

        t.restart();
        gen::qt::gl::texture::load(w->shader, id, QString::fromLatin1(path), Qt::Horizontal);
        w->glFinish();
        whole += ms_since(t);
    }
    gen::qt::gl::texture::unload(w->shader, id);
    auto const avg = [&](double v) { return benchmark::Counter(v, benchmark::Counter::kAvgIterations); };
    state.counters["decode_ms"] = avg(decode);
    state.counters["mirror_ms"] = avg(mirror);
    state.counters["convert_ms"] = avg(convert);
    state.counters["upload_mip_ms"] = avg(upload);
    state.counters["load_path_ms"] = avg(whole);
}

}  // namespace

BENCHMARK(frame_planet_scene)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(grab_framebuffer)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(texture_stages, 2k_earth, ":/wb/img/2k_earth.jpg")->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(texture_stages, 8k_earth, ":/wb/img/8k_earth.jpg")->Iterations(3)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication::setOrganizationName(QStringLiteral("SkyvaleBenchmark"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    gWindow.reset();
    return 0;
}
