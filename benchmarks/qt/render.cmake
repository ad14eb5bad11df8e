# Frame time and texture upload benchmarks (need a display: run under
# xvfb-run). Sources are named from this file's folder.
skyvale_benchmark(bench_render
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/RenderBenchmark.cpp
  LIBS gen::qt_gl skyvale::res Qt6::Widgets)
