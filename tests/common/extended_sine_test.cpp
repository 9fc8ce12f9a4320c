#include "common/extended_sine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

namespace kurvex {
namespace {

// Distance of two doubles in units in the last place (both finite, same sign region).
std::int64_t UlpDistance(double a, double b) {
  std::int64_t ia, ib;
  std::memcpy(&ia, &a, sizeof a);
  std::memcpy(&ib, &b, sizeof b);
  if (ia < 0) ia = std::numeric_limits<std::int64_t>::min() - ia;
  if (ib < 0) ib = std::numeric_limits<std::int64_t>::min() - ib;
  return ia > ib ? ia - ib : ib - ia;
}

TEST(ExtendedSine, SpeedTestArgumentsRoundToWithinOneUlpOfSinl) {
  // Exactly the arguments the speed test evaluates: 0.01 * i in extended precision.
  std::int64_t worst = 0;
  for (int i = 0; i <= 1000000; ++i) {
    const long double x = 0.01L * i;
    const std::int64_t d = UlpDistance(static_cast<double>(SinExtended(x)), static_cast<double>(sinl(x)));
    if (d > worst) worst = d;
  }
  EXPECT_LE(worst, 1);
}

TEST(ExtendedSine, RandomArgumentsAgreeWithSinl) {
  std::mt19937_64 gen(20261208);
  std::uniform_real_distribution<long double> wide(-1048576.0L, 1048576.0L);
  std::uniform_real_distribution<long double> narrow(-4.0L, 4.0L);
  for (int i = 0; i < 200000; ++i) {
    const long double x = (i % 2 == 0) ? wide(gen) : narrow(gen);
    const long double ours = SinExtended(x);
    const long double ref = sinl(x);
    ASSERT_LE(UlpDistance(static_cast<double>(ours), static_cast<double>(ref)), 1) << static_cast<double>(x);
    // In extended precision the two agree to a few units of the 64-bit mantissa.
    ASSERT_LE(fabsl(ours - ref), 8.0L * std::numeric_limits<long double>::epsilon() * fabsl(ref) + 1e-30L)
        << static_cast<double>(x);
  }
}

TEST(ExtendedSine, ArgumentsNearMultiplesOfHalfPiKeepTheirRelativeAccuracy) {
  // Close to k*pi the sine is tiny; a naive reduction would lose all its digits here.
  const long double pi = 3.14159265358979323846264338327950288L;
  for (int k = 1; k < 300000; k += 7919) {
    const long double x = k * pi;
    const long double ref = sinl(x);
    EXPECT_LE(fabsl(SinExtended(x) - ref), 1e-6L * fabsl(ref)) << k;
  }
}

TEST(ExtendedSine, ExactValuesAndSpecialInputs) {
  EXPECT_EQ(SinExtended(0.0L), 0.0L);
  EXPECT_TRUE(std::signbit(SinExtended(-0.0L)));
  EXPECT_NEAR(static_cast<double>(SinExtended(0.5235987755982988731L)), 0.5, 1e-18);
  EXPECT_TRUE(std::isnan(SinExtended(std::numeric_limits<long double>::quiet_NaN())));
  EXPECT_TRUE(std::isnan(SinExtended(std::numeric_limits<long double>::infinity())));
  // Beyond the fast range the result still matches sinl.
  EXPECT_EQ(SinExtended(1e9L), sinl(1e9L));
  EXPECT_EQ(SinExtended(-3e7L), sinl(-3e7L));
}

}  // namespace
}  // namespace kurvex
