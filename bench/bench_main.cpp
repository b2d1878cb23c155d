// The one main of the benchmarks: every bench/*.cpp only registers its cases.
#include <benchmark/benchmark.h>

BENCHMARK_MAIN();
