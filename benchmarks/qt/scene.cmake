# Scene generators (CPU only): planet sphere and the city cylinders.
skyvale_benchmark(bench_mesh SOURCES bench_mesh.cpp LIBS gen::qt_gl)
