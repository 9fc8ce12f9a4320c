// The step choice and the label decimals of numeric axes.

#include <gtest/gtest.h>

#include <cmath>

#include "scale/tick_step.h"

namespace kurvex {
namespace {

struct StepCase {
  const char* name;
  int min_ticks;
  double low, high;
  double first, step;
  int subdivisions;
};

class CalcTickStepTest : public testing::TestWithParam<StepCase> {};

TEST_P(CalcTickStepTest, ChoosesStepFirstTickAndSubdivisions) {
  const StepCase& c = GetParam();
  const TTickStep r = CalcTickStep(c.min_ticks, c.low, c.high);
  EXPECT_NEAR(static_cast<double>(r.Step), c.step, std::fabs(c.step) * 1e-12);
  EXPECT_NEAR(static_cast<double>(r.First), c.first, std::fabs(c.step) * 1e-9);
  EXPECT_EQ(r.Subdivisions, c.subdivisions);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, CalcTickStepTest,
    testing::Values(
        // Range / MinTicks of 0.333: mantissa 2.
        StepCase{"ZeroToOne", 3, 0, 1, 0, 0.2, 4},
        // A quotient of exactly 2 or 5 x 10^k takes the next smaller mantissa.
        StepCase{"QuotientExactlyTwo", 3, -3, 3, -3, 1, 5},
        StepCase{"QuotientExactlyFive", 2, 0, 10, 0, 2, 4},
        StepCase{"QuotientJustAboveTwo", 3, -3, 3.0001, -2, 2, 4},
        StepCase{"MinusFiveToFive", 3, -5, 5, -4, 2, 4},
        StepCase{"ZeroToHalf", 3, 0, 0.5, 0, 0.1, 5},
        StepCase{"ExactDecade", 2, 0, 20, 0, 10, 5},
        StepCase{"Millions", 3, 0, 2e6, 0, 5e5, 5},
        StepCase{"SmallExactFive", 4, 0.0011, 0.0013, 0.0011, 0.00002, 4},
        StepCase{"Reversed", 3, 10, 0, 10, -2, 4},
        StepCase{"ReversedNegative", 3, -1, -9, -2, -2, 4},
        // Unit steps: the first tick may lie past RangeHigh.
        StepCase{"UnitsOnNarrowRange", 0, 0.2, 0.7, 1, 1, 5},
        StepCase{"UnitsOnWideRange", 0, -0.5, 20, 0, 1, 1},
        StepCase{"UnitsOnReversedRange", 0, 10.5, 2, 10, -1, 5},
        // More units than the tick list holds: the smallest 1-2-5 step within 250 ticks.
        StepCase{"UnitsBoundedOnHugeRange", 0, 0, 1e12, 0, 5e9, 1},
        StepCase{"UnitsBoundedJustAboveLimit", 0, 0, 251, 0, 2, 1}),
    [](const testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

TEST(CalcTickStep, NothingToWalkOnEqualOrInfiniteEnds) {
  EXPECT_EQ(CalcTickStep(3, 5, 5).Step, 0);
  EXPECT_EQ(CalcTickStep(0, 0, INFINITY).Step, 0);
  EXPECT_EQ(CalcTickStep(3, NAN, 1).Step, 0);
}

TEST(ResolveDecimals, AutomaticDecimalsFollowTheWidth) {
  EXPECT_EQ(ResolveDecimals(-2, 0, 1), 2);
  EXPECT_EQ(ResolveDecimals(-2, 0, 10), 1);
  EXPECT_EQ(ResolveDecimals(-2, 0, 50), 0);
  EXPECT_EQ(ResolveDecimals(-2, 0, 0.1), 3);
  EXPECT_EQ(ResolveDecimals(-3, 0.01, 0), 4);  // -3 is automatic too, ends in any order
  EXPECT_EQ(ResolveDecimals(-2, 0, 100), 0);
  EXPECT_EQ(ResolveDecimals(-2, 0, 1e6), -1);
  EXPECT_EQ(ResolveDecimals(-2, 1, 1.0001), -1);
  EXPECT_EQ(ResolveDecimals(5, 0, 1e9), 5);  // given decimals are kept
  EXPECT_EQ(ResolveDecimals(-1, 0, 1), -1);
}

TEST(ResolveLogDecimals, AutomaticDecimalsFollowTheLowerEnd) {
  EXPECT_EQ(ResolveLogDecimals(-2, 1, 1000), 0);
  EXPECT_EQ(ResolveLogDecimals(-2, 1000, 0.01), 3);  // lower end 0.01
  EXPECT_EQ(ResolveLogDecimals(-2, 0.5, 50), 1);
  EXPECT_EQ(ResolveLogDecimals(-2, 1, 1e7), -1);
  EXPECT_EQ(ResolveLogDecimals(-3, 1, 1000), -3);  // decade labels: passed through
  EXPECT_EQ(ResolveLogDecimals(2, 1, 1000), 2);
}

}  // namespace
}  // namespace kurvex
