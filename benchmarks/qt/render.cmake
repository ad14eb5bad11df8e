# Frame time and texture upload benchmarks (need a display).
