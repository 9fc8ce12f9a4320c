// The libFuzzer entry of one target, chosen when the program is built (KX_FUZZ_TARGET).

#include <cstring>

#include "fuzz/targets/fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const kurvex::fuzz::TargetFunction run = [] {
    for (const kurvex::fuzz::Target& t : kurvex::fuzz::Targets()) {
      if (std::strcmp(t.name, KX_FUZZ_TARGET) == 0) return t.run;
    }
    __builtin_trap();
  }();
  run(data, size);
  return 0;
}
