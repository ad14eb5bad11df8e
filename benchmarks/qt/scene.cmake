# Mesh generator benchmarks.
