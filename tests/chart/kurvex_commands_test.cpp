// Drawing commands and the chart's item lists: what each command stamps, growth, counts.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "chart/model/kurvex.h"
#include "chart_test_support.h"

namespace kurvex {
namespace {

TEST(ChartCommands, MoveToAndLineToStampTheCurrentAttributes) {
  TKurvex chart(nullptr);
  chart.SetClassDefault(7);
  chart.SetDataColor(0x123456);
  chart.MoveToPoint(0, 0);
  chart.LineToPoint(1, 0.5);
  ASSERT_EQ(chart.ItemCount(), 2u);

  TkxChartItem move;
  move.Kind = ItemKind::MoveTo;
  move.Layer = 1;
  move.ClassNo = 7;
  move.Color = 0x123456;
  move.LineWidth = 1;
  EXPECT_EQ(chart.Item(0), move);

  TkxChartItem line = move;
  line.Kind = ItemKind::LineTo;
  line.X1 = 1;
  line.Y1 = 0.5;
  line.FillColor = clSilver;  // only the line-to carries the fill colour
  EXPECT_EQ(chart.Item(1), line);
  EXPECT_EQ(chart.KindCount(ItemKind::MoveTo), 1);
  EXPECT_EQ(chart.KindCount(ItemKind::LineTo), 1);
}

TEST(ChartCommands, AttributeChangesApplyToLaterItemsOnly) {
  TKurvex chart(nullptr);
  chart.MoveToPoint(0.0, 0.0);
  chart.LineToPoint(1.0, 1.0);
  chart.SetDataColor(clRed);
  chart.SetPenStyle(TPenStyle::psDot);
  chart.SetLineWidth(3);
  chart.LineToPoint(2.0, 0.0);
  chart.SetClassDefault(255);  // ignored
  chart.SetCurrentLayer(4);
  chart.SetReservedAttribute(9);
  chart.SetFillColor(clBlue);
  chart.LineToPoint(3.0, 1.0);
  EXPECT_EQ(chart.ClassDefault(), 0);

  EXPECT_EQ(chart.Item(1).Color, clBlack);
  EXPECT_EQ(chart.Item(1).LineWidth, 1);
  const TkxChartItem third = chart.Item(2);
  EXPECT_EQ(third.Color, clRed);
  EXPECT_EQ(third.PenStyle, TPenStyle::psDot);
  EXPECT_EQ(third.LineWidth, 3);
  EXPECT_EQ(third.Layer, 1);
  const TkxChartItem fourth = chart.Item(3);
  EXPECT_EQ(fourth.Layer, 4);
  EXPECT_EQ(fourth.Reserved, 9);
  EXPECT_EQ(fourth.FillColor, clBlue);
  EXPECT_EQ(fourth.Color, clRed);
  EXPECT_THROW(chart.SetCurrentLayer(17), EKPXKurvexError);
}

TEST(ChartCommands, TypedFormsRecordTheirModeOnlyInTheAnnotationList) {
  TKurvex chart(nullptr);
  chart.MoveToPoint(1, 2);
  chart.LineToPoint(1, 2.5);
  EXPECT_EQ(chart.Item(0).CoordMode, 0);
  EXPECT_EQ(chart.Item(1).CoordMode, 0);

  chart.SetAnnotationMode(true);
  chart.MoveToPoint(1, 2);      // integers: pixels
  chart.LineToPoint(1, 2.5);    // x pixels, y world
  chart.LineToPoint(1.5, 2);    // x world, y pixels
  chart.LineToPoint(1.5, 2.5);  // world
  chart.LineToPoint(std::uint8_t{3}, 4.0, 5.0);
  ASSERT_EQ(chart.AnnotationCount(), 5u);
  EXPECT_EQ(chart.ItemCount(), 2u);
  const std::uint8_t expected[] = {1, 4, 5, 0, 3};
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(chart.AnnotationItem(i).CoordMode, expected[i]) << i;
  EXPECT_EQ(chart.AnnotationItem(4).X1, 4.0);
  // Annotation appends leave the per-kind counts alone.
  EXPECT_EQ(chart.KindCount(ItemKind::LineTo), 1);
}

TEST(ChartCommands, GrowthInAllocSizeStepsAndClear) {
  TKurvex chart(nullptr);
  chart.ClearItems();
  EXPECT_EQ(chart.ItemCount(), 0u);
  EXPECT_EQ(chart.ItemCapacity(), 0u);
  chart.SetAllocSize(0);          // ignored
  chart.SetAllocSize(1'000'001);  // ignored
  EXPECT_EQ(chart.AllocSize(), 1000);
  chart.SetAllocSize(10);
  for (int i = 0; i < 10; ++i) chart.LineToPoint(i, 0.0);
  EXPECT_EQ(chart.ItemCapacity(), 10u);
  chart.LineToPoint(10, 0.0);
  EXPECT_EQ(chart.ItemCapacity(), 20u);
  EXPECT_EQ(chart.Item(19), TkxChartItem{});
  chart.ClearItems();
  EXPECT_EQ(chart.ItemCount(), 0u);
  EXPECT_EQ(chart.ItemCapacity(), 0u);
  EXPECT_EQ(chart.KindCount(ItemKind::LineTo), 0);
  // Attributes survive the clear, and cached attribute sets are not reused after it.
  chart.SetDataColor(clLime);
  chart.ClearItems();
  chart.LineToPoint(1.0, 1.0);
  EXPECT_EQ(chart.Item(0).Color, clLime);
}

TEST(ChartCommands, AppendItemKeepsEveryFieldOfEveryKind) {
  TKurvex chart(nullptr);
  std::vector<TkxChartItem> expected;
  for (std::uint8_t kind = 1; kind <= 24; ++kind) {
    TkxChartItem item;
    item.Kind = kind;
    item.X1 = kind * 1.5;
    item.Y1 = -kind;
    item.X2 = kind % 3 == 0 ? 0.0 : kind * 2.25;
    item.Y2 = kind * 0.125;
    item.Color = 0x010203u * kind;
    item.FillColor = 0x0A0B0Cu + kind;
    item.ShadeColor = 0x808080;
    item.HiliteColor = 0xFFFFFF;
    item.PenStyle = static_cast<TPenStyle>(kind % 7);
    item.LineWidth = kind % 5;
    item.ClassNo = static_cast<std::uint8_t>(kind * 10);
    item.Layer = 1 + kind % 16;
    item.Hollow = kind % 2 == 0;
    item.FrameStyle = static_cast<std::uint8_t>(kind % 6);
    item.ShortText.Set("text " + std::to_string(kind));
    item.Param1 = kind * 100;
    item.Param2 = -kind;
    item.MarkType = kind % 3;
    item.CoordMode = 2;  // not kept in the main list
    chart.AppendItem(item);
    item.CoordMode = 0;
    expected.push_back(item);
  }
  ASSERT_EQ(chart.ItemCount(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(chart.Item(i), expected[i]) << "kind " << i + 1;
  for (int kind = 1; kind <= 24; ++kind) EXPECT_EQ(chart.KindCount(kind), 1);
  EXPECT_EQ(chart.KindCount(0), 0);
  EXPECT_EQ(chart.KindCount(25), 0);

  chart.SetAnnotationMode(true);
  TkxChartItem annotation = expected[6];
  annotation.CoordMode = 3;
  chart.AppendItem(annotation);
  EXPECT_EQ(chart.AnnotationItem(0), annotation);
}

// Random command sequences with random attribute changes, against a plain array of records
// built by hand from the rules of the commands.
TEST(ChartCommands, RandomCommandSequencesMatchAPlainRecordArray) {
  std::mt19937 rng(77);
  TKurvex chart(nullptr);
  chart.SetAllocSize(97);
  std::vector<TkxChartItem> reference;
  TColor color = 0, fill = clSilver;
  TPenStyle style = TPenStyle::psSolid;
  std::uint8_t width = 1, cls = 0;
  int layer = 1;
  for (int step = 0; step < 20000; ++step) {
    const int action = static_cast<int>(rng() % 100);
    if (action < 3) {
      color = rng() & 0xFFFFFF;
      chart.SetDataColor(color);
    } else if (action < 5) {
      fill = rng() & 0xFFFFFF;
      chart.SetFillColor(fill);
    } else if (action < 6) {
      style = static_cast<TPenStyle>(rng() % 7);
      chart.SetPenStyle(style);
    } else if (action < 7) {
      width = static_cast<std::uint8_t>(rng() % 6);
      chart.SetLineWidth(width);
    } else if (action < 8) {
      const auto c = static_cast<std::uint8_t>(rng() % 256);
      chart.SetClassDefault(c);
      if (c != 255) cls = c;
    } else if (action < 9) {
      layer = 1 + static_cast<int>(rng() % 16);
      chart.SetCurrentLayer(layer);
    } else {
      TkxChartItem item;
      item.Kind = action < 20 ? ItemKind::MoveTo : ItemKind::LineTo;
      item.Layer = layer;
      item.ClassNo = cls;
      item.Color = color;
      item.PenStyle = style;
      item.LineWidth = width;
      item.X1 = static_cast<double>(rng()) / 7;
      item.Y1 = -static_cast<double>(rng()) / 3;
      if (item.Kind == ItemKind::LineTo) {
        item.FillColor = fill;
        chart.LineToPoint(item.X1, item.Y1);
      } else {
        chart.MoveToPoint(item.X1, item.Y1);
      }
      reference.push_back(item);
    }
  }
  ASSERT_EQ(chart.ItemCount(), reference.size());
  EXPECT_EQ(chart.ItemCapacity(), (reference.size() + 96) / 97 * 97);
  for (std::size_t i = 0; i < reference.size(); ++i) ASSERT_EQ(chart.Item(i), reference[i]) << i;
}

TEST(ChartCommands, LongTextsPerList) {
  TKurvex chart(nullptr);
  chart.SetLongText(3, "main three");
  chart.SetAnnotationMode(true);
  chart.SetLongText(1, "annotation one");
  EXPECT_EQ(chart.LongTexts().Text(3), "main three");
  EXPECT_EQ(chart.LongTexts().Count(), 3);
  EXPECT_EQ(chart.AnnotationLongTexts().Text(1), "annotation one");
  EXPECT_EQ(chart.AnnotationLongTexts().Text(3), "");
  EXPECT_THROW(chart.SetLongText(51, "x"), EKPXKurvexError);
  EXPECT_THROW(chart.SetLongText(0, "x"), EKPXKurvexError);
}

TEST(ChartCommands, RefreshChartRecordsTheLastDrawnIndex) {
  TKurvex chart(nullptr);
  chart.MoveToPoint(0, 0);
  chart.LineToPoint(1, 1);
  chart.LineToPoint(2, 2);
  EXPECT_EQ(chart.LastDrawnIndex(), 0);
  chart.RefreshChart();
  EXPECT_EQ(chart.LastDrawnIndex(), 2);
  chart.ClearItems();
  EXPECT_EQ(chart.LastDrawnIndex(), 0);
}

}  // namespace
}  // namespace kurvex
