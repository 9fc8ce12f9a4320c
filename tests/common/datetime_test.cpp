#include "common/datetime.h"

#include <gtest/gtest.h>

#include <limits>

#include "common/errors.h"

namespace kurvex {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

double At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  return EncodeDateTime({y, mo, d, h, mi, s, ms});
}

TEST(Calendar, KnownDayNumbersAndLeapYears) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
  EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
  EXPECT_EQ(EncodeDate(1900, 3, 1), 61);  // 1900 has no 29 February
  EXPECT_EQ(EncodeDate(2000, 3, 1) - EncodeDate(2000, 2, 28), 2);
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_FALSE(IsLeapYear(2100));
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(2000, 13), 0);
  EXPECT_EQ(DayOfWeek(0), 7);  // Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 7)), 2);  // Monday
  EXPECT_EQ(DayOfWeek(-1.25), 5);  // 1899-12-28, a Thursday
}

TEST(Calendar, InvalidDatesAndTimesAreRefused) {
  double out = 123;
  EXPECT_FALSE(TryEncodeDate(1900, 2, 29, out));
  EXPECT_FALSE(TryEncodeDate(2001, 13, 1, out));
  EXPECT_FALSE(TryEncodeDate(0, 12, 31, out));
  EXPECT_FALSE(TryEncodeDate(10000, 1, 1, out));
  EXPECT_FALSE(TryEncodeDate(2001, 4, 31, out));
  EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, out));
  EXPECT_FALSE(TryEncodeTime(0, 0, 0, 1000, out));
  EXPECT_EQ(out, 123);
  EXPECT_THROW(EncodeDate(1900, 2, 29), EConvertError);
  EXPECT_THROW(EncodeTime(12, 60, 0, 0), EConvertError);
  try {
    EncodeDate(2023, 2, 30);
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "invalid date: year 2023, month 2, day 30");
  }
}

TEST(Calendar, EveryDayOfYears1To9999RoundTrips) {
  // Walks the calendar day by day with plain month lengths and compares with the arithmetic.
  int y = 1, m = 1, d = 1;
  for (int n = kMinDateDay; n <= kMaxDateDay; ++n) {
    int dy = 0, dm = 0, dd = 0;
    ASSERT_TRUE(DecodeDate(n + 0.5, dy, dm, dd)) << n;
    ASSERT_TRUE(dy == y && dm == m && dd == d) << n << ": " << dy << "-" << dm << "-" << dd;
    ASSERT_EQ(EncodeDate(y, m, d), n);
    if (++d > DaysInMonth(y, m)) {
      d = 1;
      if (++m > 12) {
        m = 1;
        ++y;
      }
    }
  }
  EXPECT_EQ(y, 10000);
}

TEST(Calendar, TimesRoundTripOnNearAndFarDates) {
  for (double day : {0.0, -693593.0, 2958465.0, -1.0}) {
    for (int sec = 0; sec < 86400; sec += 7) {
      const int ms = sec % 1000;
      const double v = day + EncodeTime(sec / 3600, sec / 60 % 60, sec % 60, ms);
      TDateTimeParts t;
      ASSERT_TRUE(DecodeDateTime(v, t));
      ASSERT_EQ(EncodeDate(t.year, t.month, t.day), day);
      ASSERT_EQ((t.hour * 60 + t.minute) * 60 + t.second, sec) << day;
      ASSERT_EQ(t.millisecond, ms) << day;
    }
  }
}

TEST(Calendar, NegativeValuesAreLinearInTime) {
  TDateTimeParts t;
  ASSERT_TRUE(DecodeDateTime(-1.25, t));
  EXPECT_EQ(t.year, 1899);
  EXPECT_EQ(t.month, 12);
  EXPECT_EQ(t.day, 28);
  EXPECT_EQ(t.hour, 18);
  EXPECT_EQ(At(1899, 12, 28, 18), -1.25);
  EXPECT_EQ(At(1899, 12, 29, 6), -0.75);
}

TEST(Calendar, MillisecondRoundingCarriesIntoTheDate) {
  const char* pattern = "yyyy-mm-dd hh:nn:ss.zzz";
  const double almostMidnight = 86399999.6 / 86400000.0;
  EXPECT_EQ(FormatDateTime(pattern, almostMidnight), "1899-12-31 00:00:00.000");
  EXPECT_EQ(FormatDateTime(pattern, 86399999.4 / 86400000.0), "1899-12-30 23:59:59.999");
  EXPECT_EQ(FormatDateTime(pattern, EncodeDate(1999, 12, 31) + almostMidnight), "2000-01-01 00:00:00.000");
  EXPECT_EQ(FormatDateTime(pattern, -1e-12), "1899-12-30 00:00:00.000");
  int y = 0, m = 0, d = 0;
  ASSERT_TRUE(DecodeDate(almostMidnight, y, m, d));
  EXPECT_EQ(d, 31);
}

TEST(Calendar, ValuesOutsideTheSupportedDatesAreNotDecoded) {
  TDateTimeParts t;
  t.year = 42;
  for (double bad : {-693593.5, 2958466.0, 2958465.9999999995, 1e300, -1e300, kNaN, kInf, -kInf}) {
    EXPECT_FALSE(DecodeDateTime(bad, t)) << bad;
    EXPECT_EQ(FormatDateTime("yyyy", bad), kInvalidDateText) << bad;
    EXPECT_EQ(DayOfWeek(bad), 0);
  }
  EXPECT_EQ(t.year, 42);
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd", -693593), "0001-01-01");
  EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", 2958465.999), "9999-12-31 23:58");
}

TEST(FormatDateTime, DateFieldsAndNames) {
  const double v = At(2026, 12, 7, 14, 5, 30, 120);
  EXPECT_EQ(FormatDateTime("mmm-dd, yyyy", v), "Dec-07, 2026");
  EXPECT_EQ(FormatDateTime("mmm-dd, yyyy", 0), "Dec-30, 1899");
  EXPECT_EQ(FormatDateTime("dd.mm.yy", v), "07.12.26");
  EXPECT_EQ(FormatDateTime("m/d/y", v), "12/7/26");
  EXPECT_EQ(FormatDateTime("mmmm dddd ddd", v), "December Monday Mon");
  EXPECT_EQ(FormatDateTime("YYYY-MM-DD", v), "2026-12-07");
  EXPECT_EQ(FormatDateTime("yyy", At(5, 3, 1)), "0005");
  EXPECT_EQ(FormatDateTime("yy", At(2005, 3, 1)), "05");
}

TEST(FormatDateTime, TimeFieldsAndMilliseconds) {
  const double v = At(2026, 12, 7, 14, 5, 30, 120);
  EXPECT_EQ(FormatDateTime("hh:nn:ss.zz", v), "14:05:30.120");
  EXPECT_EQ(FormatDateTime("h:n:s", At(2026, 1, 1, 7, 8, 9)), "7:8:9");
  EXPECT_EQ(FormatDateTime("zz", At(2026, 1, 1, 0, 0, 0, 5)), "05");
  EXPECT_EQ(FormatDateTime("z zzz", At(2026, 1, 1, 0, 0, 0, 5)), "5 005");
}

TEST(FormatDateTime, TwelveHourClock) {
  EXPECT_EQ(FormatDateTime("h:nnam/pm", At(2026, 1, 1, 0, 5)), "12:05am");
  EXPECT_EQ(FormatDateTime("h:nnam/pm", At(2026, 1, 1, 12, 30)), "12:30pm");
  EXPECT_EQ(FormatDateTime("ham/pm", At(2026, 1, 1, 14)), "2pm");
  EXPECT_EQ(FormatDateTime("hham/pm", At(2026, 1, 1, 9)), "09am");
  EXPECT_EQ(FormatDateTime("h AM/PM", At(2026, 1, 1, 23)), "11 PM");
  EXPECT_EQ(FormatDateTime("h \"am/pm\"", At(2026, 1, 1, 14)), "14 am/pm");
}

TEST(FormatDateTime, LiteralsAndOtherCharacters) {
  const double v = At(2026, 12, 7, 14, 5);
  EXPECT_EQ(FormatDateTime("h\"h\"nn", v), "14h05");
  EXPECT_EQ(FormatDateTime("yyyy'T'hh", v), "2026T14");
  EXPECT_EQ(FormatDateTime("\"-\"dd\"-\"", v), "-07-");
  EXPECT_EQ(FormatDateTime("dd \"open", v), "07 open");
  EXPECT_EQ(FormatDateTime("Q e x @ a.b.", v), "Q e x @ a.b.");
  EXPECT_EQ(FormatDateTime("", v), "");
}

}  // namespace
}  // namespace kurvex
