// Appending a long polyline: MoveToPoint + n x LineToPoint with AllocSize 1000, against the
// floor of writing 16 bytes (x, y) per point into an array allocated once. Both fill fresh
// memory, so both pay the same first-touch page faults.
//
// BM_ChartCommands goes through a chart's public drawing commands. BM_StoreAppend does the
// store's share of that work alone (the attribute-set id is looked up once, as the commands
// do while the attributes are unchanged). The *PeakMemory benchmarks run the same work in a
// fresh child process and report its peak resident memory growth per item (VmHWM delta;
// for the chart, measured after the chart was created, so it is the items' cost).

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "chart/model/item_store.h"
#include "chart/model/kurvex.h"

namespace {

using namespace kurvex;

constexpr std::size_t kAllocSize = 1000;

void FillFloor(std::size_t n) {
  std::unique_ptr<double[]> xy(new double[2 * (n + 1)]);
  for (std::size_t i = 0; i <= n; ++i) {
    xy[2 * i] = static_cast<double>(i);
    xy[2 * i + 1] = static_cast<double>(i) * 0.5;
  }
  benchmark::DoNotOptimize(xy.get());
  benchmark::ClobberMemory();
}

void FillStore(std::size_t n) {
  TKxItemContainer items;
  TkxChartItem move;
  move.Kind = ItemKind::MoveTo;
  move.Layer = 1;
  move.LineWidth = 1;
  TkxChartItem line = move;
  line.Kind = ItemKind::LineTo;
  line.FillColor = clSilver;
  items.AppendPoint(items.InternAttrs(move), 0, 0, kAllocSize);
  const std::uint32_t id = items.InternAttrs(line);
  for (std::size_t i = 1; i <= n; ++i) {
    items.AppendPoint(id, static_cast<double>(i), static_cast<double>(i) * 0.5, kAllocSize);
  }
  benchmark::DoNotOptimize(items.Count());
}

void FillChart(TKurvex& chart, std::size_t n) {
  chart.ClearItems();
  chart.MoveToPoint(0, 0);
  for (std::size_t i = 1; i <= n; ++i) chart.LineToPoint(static_cast<double>(i), static_cast<double>(i) * 0.5);
  benchmark::DoNotOptimize(chart.ItemCount());
}

void BM_Floor(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  for (auto _ : state) FillFloor(n);
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(n + 1));
}

void BM_StoreAppend(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  for (auto _ : state) FillStore(n);
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(n + 1));
}

void BM_ChartCommands(benchmark::State& state) {
  const auto n = static_cast<std::size_t>(state.range(0));
  TKurvex chart(nullptr);
  chart.SetAllocSize(static_cast<int>(kAllocSize));
  for (auto _ : state) FillChart(chart, n);
  chart.ClearItems();
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(n + 1));
}

// A value (kB) of /proc/self/status: "VmHWM:" the peak resident memory so far, "VmRSS:"
// the resident memory now.
long StatusKb(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(key, 0) == 0) return std::stol(line.substr(std::strlen(key)));
  }
  return -1;
}

// Runs "<this program> --peak=<what>:<n>" as a fresh process (so that no memory of earlier
// benchmarks is reused) and returns the growth of its peak resident memory in bytes.
double PeakGrowthBytes(const std::string& what, std::size_t n) {
  int fds[2];
  if (pipe(fds) != 0) return -1;
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(fds[1], STDOUT_FILENO);
    close(fds[0]);
    close(fds[1]);
    const std::string arg = "--peak=" + what + ":" + std::to_string(n);
    execl("/proc/self/exe", "kx-micro-append", arg.c_str(), static_cast<char*>(nullptr));
    _exit(1);
  }
  close(fds[1]);
  char buffer[64] = {};
  const ssize_t got = read(fds[0], buffer, sizeof buffer - 1);
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  return got > 0 ? std::atof(buffer) : -1;
}

// The child's side: does the work and prints its peak memory growth.
int MeasurePeak(const std::string& spec) {
  const std::size_t colon = spec.find(':');
  const std::string what = spec.substr(0, colon);
  const auto n = static_cast<std::size_t>(std::stoull(spec.substr(colon + 1)));
  // Freed heap memory goes back to the system first, so that the work cannot reuse pages
  // that are already resident; the growth is then the peak minus what is resident now.
  if (what == "floor") {
    malloc_trim(0);
    const long before = StatusKb("VmRSS:");
    FillFloor(n);
    std::printf("%.0f\n", static_cast<double>(StatusKb("VmHWM:") - before) * 1024.0);
    return 0;
  }
  TKurvex chart(nullptr);
  chart.SetAllocSize(static_cast<int>(kAllocSize));
  malloc_trim(0);
  const long before = StatusKb("VmRSS:");
  FillChart(chart, n);
  std::printf("%.0f\n", static_cast<double>(StatusKb("VmHWM:") - before) * 1024.0);
  return 0;
}

void ReportPeak(benchmark::State& state, const std::string& what) {
  const auto n = static_cast<std::size_t>(state.range(0));
  double growth = 0;
  for (auto _ : state) growth = PeakGrowthBytes(what, n);
  state.counters["peak_MB"] = growth / 1e6;
  state.counters["bytes_per_item"] = growth / static_cast<double>(n + 1);
}

void BM_FloorPeakMemory(benchmark::State& state) { ReportPeak(state, "floor"); }
void BM_ChartCommandsPeakMemory(benchmark::State& state) { ReportPeak(state, "chart"); }

BENCHMARK(BM_Floor)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreAppend)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartCommands)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloorPeakMemory)->Arg(1'000'000)->Arg(10'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChartCommandsPeakMemory)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strncmp(argv[1], "--peak=", 7) == 0) return MeasurePeak(argv[1] + 7);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
