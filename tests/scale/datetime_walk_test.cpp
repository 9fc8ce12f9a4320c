// Calendar and elapsed-time axes: levels and their thresholds, messages, label formats,
// date labels, and the time walk with its fallback to numbers.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/datetime.h"
#include "scale/datetime_labels.h"
#include "scale_test_support.h"

namespace kurvex {
namespace {

using scale_test::Configure;
using scale_test::Labels;
using scale_test::Values;
using scale_test::Walk;
using testing::DoubleNear;
using testing::ElementsAre;
using testing::Pointwise;

constexpr auto kXB = TScaleType::sctXB;
constexpr auto kYL = TScaleType::sctYL;
constexpr double kSecond = 1.0 / 86400;

std::vector<std::string> DateLabels(const TTickList& list) {
  std::vector<std::string> out;
  for (const TTick& t : list.Ticks) {
    if (t.Dated) out.push_back(t.DateLabel);
  }
  return out;
}

class DateTimeScale : public testing::Test {
 protected:
  DateTimeScale() { s.SetLabelType(TFigType::ftDateTime); }
  TTickList WalkOver(double low, double high, int min_ticks = 3, TScaleType type = kXB) {
    Configure(s, low, high, min_ticks, type);
    return Walk(s);
  }
  TScale s{nullptr};
};

TEST_F(DateTimeScale, OneDayInHoursWithADateAtEachMidnight) {
  s.SetShortTicks(false);
  TTickList list = WalkOver(0, 1);
  EXPECT_THAT(Labels(list), ElementsAre("00:00", "08:00", "16:00", "00:00"));
  EXPECT_THAT(DateLabels(list), ElementsAre("30-Dec-1899", "31-Dec-1899"));
  EXPECT_TRUE(list.Ticks[0].Dated);
  EXPECT_TRUE(list.Ticks[3].Dated);
  s.SetShortTicks(true);  // short ticks every 2 hours, recorded with the long ones
  list = WalkOver(0, 1);
  EXPECT_THAT(Values(list, TTickMark::tmShort),
              Pointwise(DoubleNear(1e-12), {2 / 24., 4 / 24., 6 / 24., 10 / 24., 12 / 24., 14 / 24., 18 / 24.,
                                            20 / 24., 22 / 24.}));
  EXPECT_EQ(scale_test::Recorded(list).size(), 13u);
  s.DateFormat().SetDateForTime(TDateForTime::dtOnePerChart);
  EXPECT_THAT(DateLabels(WalkOver(0, 1)), ElementsAre("30-Dec-1899"));
  s.DateFormat().SetDateForTime(TDateForTime::dtAllTicks);
  EXPECT_EQ(DateLabels(WalkOver(0, 1)).size(), 4u);
  s.DateFormat().SetDateForTime(TDateForTime::dtNone);
  EXPECT_TRUE(DateLabels(WalkOver(0, 1)).empty());
}

TEST_F(DateTimeScale, FirstTickIsTheFirstWholeStepAfterMidnight) {
  s.SetShortTicks(false);
  const double day = EncodeDate(2026, 12, 7);
  EXPECT_THAT(Labels(WalkOver(day + 0.3, day + 1.3)), ElementsAre("08:00", "16:00", "00:00"));
  // Minutes: 10:07 .. 10:37 over 3 ticks gives 10-minute steps from 10:10.
  const TTickList list = WalkOver(day + (10 * 60 + 7) / 1440., day + (10 * 60 + 37) / 1440.);
  EXPECT_THAT(Labels(list), ElementsAre("10:10", "10:20", "10:30"));
  // A tick exactly on RangeLow is kept although the value carries a rounding error.
  EXPECT_THAT(Labels(WalkOver(day + 1 / 3., day + 4 / 3.)), ElementsAre("08:00", "16:00", "00:00", "08:00"));
}

TEST_F(DateTimeScale, TheOneSecondThresholdOnBothOrientations) {
  // 5 s over 10 ticks: too fine for a horizontal scale, hundredths on a vertical one.
  TTickList list = WalkOver(0, 5 * kSecond, 10, kXB);
  EXPECT_EQ(list.Message, TScaleMessage::smBelowOneSecond);
  EXPECT_TRUE(list.Ticks.empty());
  list = WalkOver(0, 5 * kSecond, 10, kYL);
  EXPECT_EQ(list.Message, TScaleMessage::smNone);
  EXPECT_EQ(Labels(list)[1], "00:00:00.500");
  // An interval of exactly one second: seconds horizontally, hundredths vertically.
  list = WalkOver(0, 3 * kSecond, 3, kXB);
  EXPECT_EQ(Labels(list)[1], "00:00:01");
  list = WalkOver(0, 3 * kSecond, 3, kYL);
  EXPECT_EQ(Labels(list)[1], "00:00:00.500");
  // Below a hundredth of a second per tick even a vertical scale gives up.
  EXPECT_EQ(WalkOver(0, 0.02 * kSecond, 2, kYL).Message, TScaleMessage::smBelowOneSecond);
}

TEST_F(DateTimeScale, InvalidRanges) {
  EXPECT_EQ(WalkOver(10, 0).Message, TScaleMessage::smInvalidDateTime);
  EXPECT_EQ(WalkOver(-700000, 0).Message, TScaleMessage::smInvalidDateTime);
  EXPECT_EQ(WalkOver(0, 3000001).Message, TScaleMessage::smInvalidDateTime);
  const TTickList list = WalkOver(10, 0);
  EXPECT_TRUE(list.Ticks.empty());
  EXPECT_EQ(list.MessagePos, s.ValueToPixel(5));
}

TEST_F(DateTimeScale, DaysWithLabelledDaysOnTheStep) {
  s.DateFormat().SetMonthName(false);
  s.DateFormat().SetDateOrder(TDateOrder::doMMDDYY);
  const double dec1 = EncodeDate(2026, 12, 1);
  const TTickList list = WalkOver(dec1, dec1 + 14);  // 3-day steps counted from January 1
  EXPECT_THAT(Labels(list), ElementsAre("12-03-2026", "12-06-2026", "12-09-2026", "12-12-2026", "12-15-2026"));
  EXPECT_EQ(Values(list, TTickMark::tmShort).size(), 10u);  // the other days
  EXPECT_EQ(Values(list, TTickMark::tmShort).front(), dec1);
}

TEST_F(DateTimeScale, MonthsCarryIntoTheNextYear) {
  s.SetShortTicks(false);
  const double low = EncodeDate(2025, 10, 1), high = EncodeDate(2026, 4, 1);
  EXPECT_THAT(Labels(WalkOver(low, high)),
              ElementsAre("Oct-2025", "Nov-2025", "Dec-2025", "Jan-2026", "Feb-2026", "Mar-2026", "Apr-2026"));
  // Steps of two months fall on January and every second month from it.
  const double sep15 = EncodeDate(2025, 9, 15);
  EXPECT_THAT(Labels(WalkOver(sep15, sep15 + 365, 5)),
              ElementsAre("Nov-2025", "Jan-2026", "Mar-2026", "May-2026", "Jul-2026", "Sep-2026"));
  s.SetShortTicks(true);  // every month drawn, the same ones labelled
  const TTickList list = WalkOver(sep15, sep15 + 365, 5);
  EXPECT_THAT(Labels(list),
              ElementsAre("Nov-2025", "Jan-2026", "Mar-2026", "May-2026", "Jul-2026", "Sep-2026"));
  EXPECT_EQ(Values(list, TTickMark::tmShort).size(), 6u);
  s.DateFormat().SetDateOrder(TDateOrder::doYYMMDD);
  s.DateFormat().SetYearLength(TYearLength::ylNone);
  EXPECT_EQ(Labels(WalkOver(sep15, sep15 + 365, 5))[0], "-Nov");
}

TEST_F(DateTimeScale, YearsWithShortTicksBetweenTheSteps) {
  const double low = EncodeDate(1990, 1, 1), high = EncodeDate(2030, 1, 1);
  TTickList list = WalkOver(low, high);
  EXPECT_THAT(Labels(list), ElementsAre("1990", "2000", "2010", "2020", "2030"));
  EXPECT_THAT(Values(list, TTickMark::tmShort),
              ElementsAre(EncodeDate(1995, 1, 1), EncodeDate(2005, 1, 1), EncodeDate(2015, 1, 1),
                          EncodeDate(2025, 1, 1)));
  s.DateFormat().SetYearLength(TYearLength::ylYY);
  EXPECT_THAT(Labels(WalkOver(low, high)), ElementsAre("90", "00", "10", "20", "30"));
  s.DateFormat().SetYearLength(TYearLength::ylNone);
  EXPECT_THAT(Labels(WalkOver(low, high)), ElementsAre("", "", "", "", ""));
}

TEST_F(DateTimeScale, TheCalendarEndsWithTheYear9999) {
  s.SetShortTicks(false);
  const TTickList list = WalkOver(EncodeDate(9000, 1, 1), 3000000);
  ASSERT_FALSE(list.Ticks.empty());
  EXPECT_EQ(Labels(list).back(), "9800");  // steps of 200 years
  EXPECT_TRUE(WalkOver(2958466, 2990000).Ticks.empty());  // all of it after 9999-12-31
  // Days near the end stop with its last day rather than writing "invalid date".
  const TTickList days = WalkOver(kMaxDateDay - 5, kMaxDateDay + 20, 10);
  EXPECT_EQ(Labels(days).back(), "31-Dec-9999");
}

TEST_F(DateTimeScale, MinTicksZeroTakesTheFewestTicks) {
  s.SetShortTicks(false);
  EXPECT_THAT(Labels(WalkOver(0, 1, 0)), ElementsAre("00:00", "12:00", "00:00"));
}

TEST(DateTimeLabels, DateFormatsInEachOrder) {
  using enum TDateOrder;
  using enum TYearLength;
  EXPECT_EQ(BuildDateFormat(true, ylYYYY, doDDMMYY, '-'), "dd\"-\"mmm\"-\"yyyy");
  EXPECT_EQ(BuildDateFormat(false, ylYY, doMMDDYY, '/'), "mm\"/\"dd\"/\"yy");
  EXPECT_EQ(BuildDateFormat(true, ylYYYY, doYYMMDD, '.'), "yyyy\".\"mmm\".\"dd");
  EXPECT_EQ(BuildDateFormat(true, ylNone, doYYMMDD, '.'), "mmm\".\"dd");
  EXPECT_EQ(BuildDateFormat(true, ylNone, doDDMMYY, '-'), "dd\"-\"mmm");
  // A double quote as separator is still taken literally; character 0 is no separator.
  const double day = EncodeDate(2026, 12, 7);
  EXPECT_EQ(FormatAxisDateTime(BuildDateFormat(false, ylYYYY, doYYMMDD, '"'), day), "2026\"12\"07");
  EXPECT_EQ(FormatAxisDateTime(BuildDateFormat(false, ylYYYY, doYYMMDD, '\0'), day), "20261207");
  TDTLabel l;
  l.SetMonthName(true);
  l.SetDateOrder(doDDMMYY);
  l.SetDateSeparator('-');
  EXPECT_EQ(FormatAxisDateTime(DayTickFormat(l), day), "07-Dec-");
  l.SetYearLength(ylYYYY);
  EXPECT_EQ(FormatAxisDateTime(MonthTickFormat(l), day), "Dec-2026");
}

TEST(DateTimeLabels, TimeFormatsAndValuesBeforeTheEpoch) {
  TDTLabel l;
  l.SetTimeSeparator(':');
  const double t = EncodeDate(2026, 12, 7) + EncodeTime(14, 5, 30, 120);
  using enum TTimeLevel;
  EXPECT_EQ(FormatAxisDateTime(TimeTickFormat(l, tlHundredths), t), "14:05:30.120");
  l.SetTimeFormat(TTimeFormat::tfHHhMM);
  EXPECT_EQ(FormatAxisDateTime(TimeTickFormat(l, tlHours), t), "14h");
  EXPECT_EQ(FormatAxisDateTime(TimeTickFormat(l, tlSeconds), t), "14h05:30");
  l.SetTimeFormat(TTimeFormat::tfAMPM);
  EXPECT_EQ(FormatAxisDateTime(TimeTickFormat(l, tlHours), t), "2pm");
  EXPECT_EQ(FormatAxisDateTime(TimeTickFormat(l, tlMinutes), t), "2:05pm");
  EXPECT_EQ(FormatAxisDateTime(TimeTickFormat(l, tlSeconds), t), "2:05.30pm");
  EXPECT_EQ(FormatAxisDateTime(TimeTickFormat(l, tlHours), 0), "12am");
  EXPECT_EQ(FormatAxisDateTime("yyyy-mm-dd hh:nn", -1.25), "1899-12-28 18:00");
  EXPECT_EQ(FormatAxisDateTime("hh:nn:ss", -1e-9), "00:00:00");  // near zero counts as zero
}

TEST(SecondsToText, ClockTexts) {
  EXPECT_EQ(SecondsToText(5025.5, true), " 01:23:45.500");
  EXPECT_EQ(SecondsToText(5025.5, false), " 01:23:45");
  EXPECT_EQ(SecondsToText(-61, false), "-00:01:01");
  EXPECT_EQ(SecondsToText(360000, false), " 100:00:00");  // hours are not wrapped at 24
  EXPECT_EQ(SecondsToText(1.9999999, true), " 00:00:02.000");
}

class TimeScale : public DateTimeScale {
 protected:
  TimeScale() { s.SetLabelType(TFigType::ftTime); }
};

TEST_F(TimeScale, ClockLabelsOnWholeSteps) {
  TTickList list = WalkOver(0, 3600);
  EXPECT_THAT(Labels(list), ElementsAre(" 00:00:00", " 00:20:00", " 00:40:00", " 01:00:00"));
  EXPECT_EQ(Values(list, TTickMark::tmShort).size(), 19u);  // every 200 s
  list = WalkOver(0, 1.5, 3);  // steps of 0.5 s show milliseconds
  EXPECT_THAT(Labels(list), ElementsAre(" 00:00:00.000", " 00:00:00.500", " 00:00:01.000", " 00:00:01.500"));
}

TEST_F(TimeScale, NegativeTimesAndReversedScales) {
  // -10 .. 50 s: steps of 20 s with short ticks every 5 s, from -10 s on.
  TTickList list = WalkOver(-10, 50);
  EXPECT_THAT(Labels(list), ElementsAre(" 00:00:00", " 00:00:20", " 00:00:40"));
  EXPECT_THAT(Values(list, TTickMark::tmShort).front(), -10);
  list = WalkOver(3600, 0);
  EXPECT_THAT(Labels(list), ElementsAre(" 01:00:00", " 00:40:00", " 00:20:00", " 00:00:00"));
  EXPECT_EQ(Values(list, TTickMark::tmShort).front(), 3600);
}

TEST_F(TimeScale, FallsBackToNumbersOutsideItsSteps) {
  TTickList list = WalkOver(0, 864000);  // ten days
  EXPECT_THAT(Labels(list), ElementsAre("0.0", "200000.0000", "400000.0000", "600000.0000", "800000.0000"));
  s.SetDecPlaces(1);
  list = WalkOver(0, 0.002);  // below a millisecond per tick
  EXPECT_EQ(Labels(list)[1], "0.0");
}

}  // namespace
}  // namespace kurvex
