#include "common/random.h"

namespace kurvex {

namespace {

std::uint32_t gSeed = 0;
std::array<std::uint8_t, 256> gPermutation{};
std::array<std::uint8_t, 256> gInverse{};

std::uint32_t NextState() {
  gSeed = gSeed * 134775813u + 1u;  // unsigned arithmetic wraps modulo 2^32
  return gSeed;
}

}  // namespace

double Random() { return NextState() / 4294967296.0; }

std::int32_t RandomInt(std::int32_t n) {
  const std::uint64_t s = NextState();
  if (n <= 0) return 0;
  return static_cast<std::int32_t>((s * static_cast<std::uint64_t>(n)) >> 32);
}

std::uint32_t RandSeed() { return gSeed; }
void SetRandSeed(std::uint32_t seed) { gSeed = seed; }

void InitRandomTable(std::uint32_t seed) {
  gSeed = seed;
  gPermutation.fill(0);
  gInverse.fill(0);
  for (int i = 1; i <= 255; ++i) {
    int r = 0;
    do {
      r = RandomInt(255) + 1;
    } while (gInverse[r] != 0);
    gPermutation[i] = static_cast<std::uint8_t>(r);
    gInverse[r] = static_cast<std::uint8_t>(i);
  }
}

const std::array<std::uint8_t, 256>& RandomPermutation() { return gPermutation; }
const std::array<std::uint8_t, 256>& RandomPermutationInverse() { return gInverse; }

void InitSharedHelpers() {
  InitRandomTable(1234);
  for (int i = 0; i < 3; ++i) Random();
}

}  // namespace kurvex
