// The linear and logarithmic walks as exact lists: labels, marks and the recorded values.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scale_test_support.h"

namespace kurvex {
namespace {

using scale_test::Configure;
using scale_test::Labels;
using scale_test::Recorded;
using scale_test::Values;
using scale_test::Walk;
using testing::DoubleNear;
using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::Pointwise;

constexpr auto kXB = TScaleType::sctXB;
constexpr auto kYL = TScaleType::sctYL;

std::vector<double> Steps(double from, double step, int count) {
  std::vector<double> out;
  for (int i = 0; i < count; ++i) out.push_back(from + i * step);
  return out;
}

TEST(LinearWalk, LabelsWithAutomaticDecimals) {
  TScale s(nullptr);
  Configure(s, 0, 1);
  EXPECT_THAT(Labels(Walk(s)), ElementsAre("0.00", "0.20", "0.40", "0.60", "0.80", "1.00"));
  Configure(s, -3, 3);
  EXPECT_THAT(Labels(Walk(s)), ElementsAre("-3.0", "-2.0", "-1.0", "0.0", "1.0", "2.0", "3.0"));
  Configure(s, -5, 5);
  EXPECT_THAT(Labels(Walk(s)), ElementsAre("-4.0", "-2.0", "0.0", "2.0", "4.0"));
  Configure(s, 0, 0.5);
  EXPECT_THAT(Labels(Walk(s)), ElementsAre("0.00", "0.10", "0.20", "0.30", "0.40", "0.50"));
  Configure(s, 10, 0);
  EXPECT_THAT(Labels(Walk(s)), ElementsAre("10.0", "8.0", "6.0", "4.0", "2.0", "0.0"));
}

TEST(LinearWalk, ExponentLabelsAndWholeNumberLabels) {
  TScale s(nullptr);
  Configure(s, 0, 2e6);
  EXPECT_THAT(Labels(Walk(s)), ElementsAre("0.0", " 5.0E+05", " 1.0E+06", " 1.5E+06", " 2.0E+06"));
  // An exponent of three digits does not fit the label.
  Configure(s, 0, 3e100);
  EXPECT_THAT(Labels(Walk(s)), ElementsAre("0.0", "********", "********", "********"));
  s.SetDecPlaces(0);
  Configure(s, 0, 1);
  EXPECT_THAT(Labels(Walk(s)), ElementsAre("0", "", "", "", "", "1"));
}

TEST(LinearWalk, ATickThatMissesZeroByRoundingIsZero) {
  TScale s(nullptr);
  s.SetDecPlaces(-1);
  Configure(s, -0.11, 0.3, 5);  // -0.1 + 2 x 0.05 comes out as 6.8e-21
  const TTickList list = Walk(s);
  ASSERT_GE(Labels(list).size(), 3u);
  EXPECT_EQ(Labels(list)[2], " 0.0E+00");
  EXPECT_EQ(Values(list, TTickMark::tmLong)[2], 0.0);
}

TEST(LinearWalk, UnitTicksWithMinTicksZero) {
  TScale s(nullptr);
  Configure(s, 0.2, 0.7, 0);
  // The only labelled tick lies beyond RangeHigh and is drawn all the same.
  EXPECT_THAT(Values(Walk(s), TTickMark::tmLong), ElementsAre(1.0));
  // A reversed range walks down, and ends.
  Configure(s, 4, 0, 0);
  EXPECT_THAT(Values(Walk(s), TTickMark::tmLong), ElementsAre(4, 3, 2, 1, 0));
  // A range of 10^12 units walks at most 250 labelled ticks.
  Configure(s, 0, 1e12, 0);
  const TTickList wide = Walk(s);
  EXPECT_EQ(Values(wide, TTickMark::tmLong).size(), 201u);  // steps of 5e9
  EXPECT_EQ(Values(wide, TTickMark::tmShort).size(), 201u);
}

TEST(LinearWalk, ShortTicksAndWhatEachOrientationRecords) {
  TScale s(nullptr);
  Configure(s, 0, 1, 3, kXB);
  TTickList list = Walk(s);
  // Short ticks every 0.05 from RangeLow (the step before the first is skipped), falling
  // on the labelled ticks too; the labelled ones follow.
  EXPECT_THAT(Values(list, TTickMark::tmShort), Pointwise(DoubleNear(1e-12), Steps(0, 0.05, 21)));
  EXPECT_THAT(Values(list, TTickMark::tmLong), Pointwise(DoubleNear(1e-12), Steps(0, 0.2, 6)));
  EXPECT_EQ(list.Ticks.front().Mark, TTickMark::tmShort);
  // Horizontal scales record the short ticks only; vertical ones both.
  EXPECT_THAT(Recorded(list), Pointwise(DoubleNear(1e-12), Steps(0, 0.05, 21)));
  Configure(s, 0, 1, 3, kYL);
  EXPECT_EQ(Recorded(Walk(s)).size(), 27u);
  s.SetShortTicks(false);
  list = Walk(s);
  EXPECT_THAT(Recorded(list), Pointwise(DoubleNear(1e-12), Steps(0, 0.2, 6)));
  Configure(s, 0, 1, 3, kXB);
  EXPECT_THAT(Recorded(Walk(s)), Pointwise(DoubleNear(1e-12), Steps(0, 0.2, 6)));
}

TEST(LinearWalk, MarksStandOnTheMappedPixels) {
  TScale s(nullptr);  // span 359 px from x = 20
  Configure(s, 0, 359);
  for (const TTick& t : Walk(s).Ticks) EXPECT_EQ(t.Pos, 20 + static_cast<int>(t.Value));
  Configure(s, 0, 359, 3, kYL);  // high at the top
  for (const TTick& t : Walk(s).Ticks) EXPECT_EQ(t.Pos, 379 - static_cast<int>(t.Value));
}

TEST(LinearWalk, UserTextsInscriptionsAndNoFigures) {
  TScale s(nullptr);
  Configure(s, 0, 4, 4);  // five labelled ticks
  s.SetLabelType(TFigType::ftUserText);
  s.SetUserTickText("a|b|c");
  EXPECT_THAT(Labels(Walk(s)), ElementsAre("a", "b", "c", "c", "c"));
  s.SetUserTickText("a|b|");
  EXPECT_THAT(Labels(Walk(s)), ElementsAre("a", "b", "", "", ""));
  s.SetLabelType(TFigType::ftNum);
  s.SetDecPlaces(0);
  s.SetScaleInscript("$&");
  EXPECT_THAT(Labels(Walk(s)), ElementsAre("$0", "$1", "$2", "$3", "$4"));
  s.SetScaleInscript("& V");
  EXPECT_EQ(Labels(Walk(s))[1], "1 V");
  s.SetLabelType(TFigType::ftNoFigs);
  const TTickList list = Walk(s);
  EXPECT_TRUE(Labels(list).empty());
  EXPECT_EQ(Values(list, TTickMark::tmLong).size(), 5u);
}

TEST(LogWalk, DecadesAndTheTwoToNineTicks) {
  TScale s(nullptr);
  s.SetLogarithmic(true);
  Configure(s, 1, 1000);  // 3 > 3.5 fails: decades only
  TTickList list = Walk(s);
  EXPECT_THAT(Labels(list), ElementsAre("1", "10", "100", "1000"));
  EXPECT_TRUE(Values(list, TTickMark::tmShort).empty());
  Configure(s, 1, 1000, 5);
  list = Walk(s);
  EXPECT_THAT(Labels(list), ElementsAre("1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"));
  EXPECT_THAT(Values(list, TTickMark::tmShort),
              Pointwise(DoubleNear(1e-9), {3., 4., 6., 7., 8., 9., 30., 40., 60., 70., 80., 90., 300., 400., 600.,
                                           700., 800., 900.}));
  // Without short ticks a horizontal scale still reports the minor ticks, unmarked and
  // unrecorded; a vertical one leaves them out.
  s.SetShortTicks(false);
  list = Walk(s);
  EXPECT_EQ(list.Ticks.size(), 28u);
  EXPECT_EQ(Recorded(list).size(), 10u);
  Configure(s, 1, 1000, 5, kYL);
  EXPECT_EQ(Walk(s).Ticks.size(), 10u);
  s.SetShortTicks(true);
  list = Walk(s);
  EXPECT_EQ(Values(list, TTickMark::tmLong).size(), 28u);  // vertical: every tick long
  EXPECT_EQ(Recorded(list).size(), 28u);
}

TEST(LogWalk, LabelDecimals) {
  TScale s(nullptr);
  s.SetLogarithmic(true);
  Configure(s, 0.1, 100);  // two decimals, trailing zeros removed
  EXPECT_THAT(Labels(Walk(s)), ElementsAre("0.1", "1", "10", "100"));
  s.SetDecPlaces(2);
  EXPECT_THAT(Labels(Walk(s)), ElementsAre("0.10", "1.00", "10.00", "100.00"));
  s.SetDecPlaces(-3);  // the decade's exponent; the 2 and 5 ticks stay empty
  Configure(s, 1, 1000, 6);
  EXPECT_THAT(Labels(Walk(s)), ElementsAre("0", "", "", "1", "", "", "2", "", "", "3"));
  s.SetDecPlaces(-2);
  Configure(s, 1, 1e8);
  EXPECT_EQ(Labels(Walk(s))[1], " 1.0E+01");
}

TEST(LogWalk, NarrowOrNonPositiveRanges) {
  TScale s(nullptr);
  s.SetLogarithmic(true);
  Configure(s, 2, 15);  // less than a decade: the linear walk
  EXPECT_THAT(Labels(Walk(s)), ElementsAre("2.0", "4.0", "6.0", "8.0", "10.0", "12.0", "14.0"));
  s.SetRange(100, -5);  // no logarithm below zero: no ticks at all
  EXPECT_TRUE(Walk(s).Ticks.empty());
  s.SetRange(100, 0);
  EXPECT_TRUE(Walk(s).Ticks.empty());
}

}  // namespace
}  // namespace kurvex
