#include "common/random.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace kurvex {
namespace {

// An independent model of the generator for checking the start-up sequence.
struct ModelGenerator {
  std::uint64_t s;
  std::uint64_t Next() {
    s = (s * 134775813u + 1u) % 4294967296u;
    return s;
  }
  int Below(int n) { return static_cast<int>(Next() * static_cast<std::uint64_t>(n) / 4294967296u); }
};

TEST(Random, FirstTableEntryFromTheSeedByHand) {
  // 1234 × 134775813 + 1 = 166313353243 = 38 × 2^32 + 3104595995, and
  // 3104595995 × 255 div 2^32 = 184, so the first entry is 185.
  InitRandomTable(1234);
  EXPECT_EQ(RandomPermutation()[1], 185);
  EXPECT_EQ(RandomPermutationInverse()[185], 1);
}

TEST(Random, TablesArePermutationAndInverse) {
  InitRandomTable(1234);
  const auto& p = RandomPermutation();
  const auto& q = RandomPermutationInverse();
  EXPECT_EQ(p[0], 0);
  EXPECT_EQ(q[0], 0);
  std::vector<int> seen(256, 0);
  for (int i = 1; i <= 255; ++i) {
    ASSERT_GE(p[i], 1);
    ++seen[p[i]];
    EXPECT_EQ(q[p[i]], i);
  }
  for (int v = 1; v <= 255; ++v) EXPECT_EQ(seen[v], 1) << v;
}

TEST(Random, StartUpSequenceMatchesTheRecurrence) {
  ModelGenerator model{1234};
  std::vector<bool> taken(256, false);
  for (int i = 1; i <= 255; ++i) {
    int r = 0;
    do {
      r = model.Below(255) + 1;
    } while (taken[r]);
    taken[r] = true;
  }
  for (int i = 0; i < 3; ++i) model.Next();

  InitSharedHelpers();
  EXPECT_EQ(RandSeed(), model.s);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(Random(), static_cast<double>(model.Next()) / 4294967296.0);
  }
  EXPECT_EQ(RandomInt(1000), model.Below(1000));
}

TEST(Random, EveryStartGivesTheSameDraws) {
  InitSharedHelpers();
  std::vector<double> first;
  for (int i = 0; i < 10; ++i) first.push_back(Random());
  Random();
  InitSharedHelpers();
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Random(), first[i]);
}

TEST(Random, RangesAtTheTopOfTheState) {
  // 1298181734 × 134775813 + 1 ≡ 2^32 − 1: the largest state the recurrence can reach.
  SetRandSeed(1298181734u);
  const double top = Random();
  EXPECT_LT(top, 1.0);
  EXPECT_EQ(top, 4294967295.0 / 4294967296.0);
  SetRandSeed(1298181734u);
  EXPECT_EQ(RandomInt(255), 254);
  SetRandSeed(1298181734u);
  EXPECT_EQ(RandomInt(0), 0);
  EXPECT_EQ(RandSeed(), 4294967295u);  // the empty range still advanced the generator
  EXPECT_EQ(RandomInt(-5), 0);
  SetRandSeed(0);
  EXPECT_EQ(Random(), 1.0 / 4294967296.0);
}

}  // namespace
}  // namespace kurvex
