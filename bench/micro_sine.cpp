// Extended-precision sine of the speed test: ours against the C library's sinl.
#include <benchmark/benchmark.h>

#include <cmath>

#include "common/extended_sine.h"

namespace {

void BM_SinExtended(benchmark::State& state) {
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kurvex::SinExtended(0.01L * (++i & 0xFFFFF)));
  }
}
BENCHMARK(BM_SinExtended);

void BM_Sinl(benchmark::State& state) {
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(sinl(0.01L * (++i & 0xFFFFF)));
  }
}
BENCHMARK(BM_Sinl);

}  // namespace

BENCHMARK_MAIN();
