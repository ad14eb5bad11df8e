// Cost of building the scene geometry on the CPU: the planet sphere and the
// city population cylinders, as the planet view builds them at start-up.
#include <gen/log/GLog.h>
#include <gen/qt/gl/mesh_generators.h>

#include <benchmark/benchmark.h>

#include <array>

namespace {

glm::vec4 const kGreen(0, 1, 0, 1);
glm::vec4 const kGray(0.5f, 0.5f, 0.5f, 1);
glm::vec4 const kYellow(1, 1, 0, 1);

// The sphere's DEBUG line would otherwise measure the log sinks.
struct QuietLog {
    QuietLog() { gen::log::set_log_level(gen::log::LEVEL_WARN); }
};

void BM_PlanetSphere60x60(benchmark::State& state)
{
    QuietLog quiet;
    for (auto _ : state) {
        gen::qt::gl::Mesh m;
        gen::qt::gl::mesh::create_sphere(m, 1.0f, 60, 60, kGreen);
        benchmark::DoNotOptimize(m.vertices.data());
        benchmark::DoNotOptimize(m.indices.data());
    }
}
BENCHMARK(BM_PlanetSphere60x60)->Unit(benchmark::kMicrosecond);

// One mesh per city (119 cities and the highlight cylinder), 32 segments,
// radii 0.5, height 0.6: the base cylinder every city mesh is built from.
void BM_CityCylinders120(benchmark::State& state)
{
    QuietLog quiet;
    for (auto _ : state) {
        std::array<gen::qt::gl::Mesh, 120> meshes;
        for (gen::qt::gl::Mesh& m : meshes) {
            gen::qt::gl::mesh::create_cylinder(m, 0.5f, 0.5f, 0.6f, 32, kGreen, kGray, kYellow);
        }
        benchmark::DoNotOptimize(meshes.data());
    }
    state.SetItemsProcessed(state.iterations() * 120);
}
BENCHMARK(BM_CityCylinders120)->Unit(benchmark::kMicrosecond);

// One cylinder into a mesh whose storage is already there: the generator's
// own cost without the allocator and page faults of fresh meshes.
void BM_CityCylinderReusedMesh(benchmark::State& state)
{
    QuietLog quiet;
    gen::qt::gl::Mesh m;
    for (auto _ : state) {
        m.vertices.clear();
        m.indices.clear();
        gen::qt::gl::mesh::create_cylinder(m, 0.5f, 0.5f, 0.6f, 32, kGreen, kGray, kYellow);
        benchmark::DoNotOptimize(m.vertices.data());
    }
}
BENCHMARK(BM_CityCylinderReusedMesh)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
