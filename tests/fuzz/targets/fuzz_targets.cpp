#include "fuzz/targets/fuzz_targets.h"

#include "chart/model/chart_registry.h"
#include "numlab/numlab.h"
#include "scale/scale_registry.h"

namespace kurvex::fuzz {

std::span<const Target> Targets() {
  static const Target kTargets[] = {
      {"layout", &FuzzLayout}, {"png", &FuzzPng},   {"jpeg", &FuzzJpeg},     {"bmp", &FuzzBmp},
      {"formatting", &FuzzFormatting}, {"chart", &FuzzChart}, {"canvas", &FuzzCanvas},
  };
  return kTargets;
}

void SetUpOnce() {
  static const bool done = [] {
    RegisterChartClasses();
    RegisterScaleClasses();
    RegisterNumLabClasses();
    return true;
  }();
  (void)done;
}

}  // namespace kurvex::fuzz
