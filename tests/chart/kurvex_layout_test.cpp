// Stored layouts of a chart through the platform's property registry.

#include <gtest/gtest.h>

#include "chart/model/chart_registry.h"
#include "chart/model/kurvex.h"
#include "platform/layout.h"

namespace kurvex {
namespace {

class ChartLayout : public ::testing::Test {
 protected:
  void SetUp() override { RegisterChartClasses(); }
};

TEST_F(ChartLayout, LogarithmicAxisBeforeItsRange) {
  const char* json = R"({"class": "TKurvex", "name": "Kurvex1", "properties": {
      "Width": 400, "Height": 300, "MarginRight": 20,
      "Scale1Y": {"Logarithmic": true, "RangeLow": 0.1, "RangeHigh": 1000.0},
      "Scale2X": {"ScaleLocation": "slTop", "ScalePos": 30, "Visible": true,
                  "DateFormat": {"DateSeparator": "/"}},
      "JointLayers": {"L03xControlledBy": 1},
      "BackGroundImg": {"IncludePath": true, "Name": "/images/back.bmp"},
      "CrossHair2": {"Mode": "chBoth", "Layer": 5}}})";
  auto chart = ReadLayoutAs<TKurvex>(json, "test");
  EXPECT_TRUE(chart->Scale1Y().Logarithmic());
  EXPECT_EQ(chart->Scale1Y().RangeLow(), 0.1);
  EXPECT_FALSE(chart->Scale1Y().Loading());
  EXPECT_TRUE(chart->ScaleY(1).Logarithmic());
  // 0.1..1000 is four decades over the plot height: 10, two decades up, sits half way.
  const int bottom = 300 - 40;
  const int top = 20;
  EXPECT_EQ(chart->WorldToPixel(1, 0, 10).Y, bottom - (bottom - top) / 2);
  EXPECT_EQ(chart->Scale2X().ScaleType(), TScaleType::sctXB);
  EXPECT_EQ(chart->Scale2X().ScalePos(), 30);
  EXPECT_EQ(chart->Scale2X().DateFormat().DateSeparator(), '/');
  EXPECT_EQ(chart->JointLayers().XControlledBy(3), 1);
  EXPECT_EQ(chart->BackGroundImg().Name(), "/images/back.bmp");
  EXPECT_EQ(chart->CrossHair(2).Mode(), TCrossHMode::chBoth);
  EXPECT_EQ(chart->CrossHair(2).Layer(), 5);
  EXPECT_EQ(chart->MarginRight(), 20);
}

TEST_F(ChartLayout, WritesValuesOtherThanTheDeclaredDefaultsAndReadsThemBack) {
  TKurvex chart(nullptr);
  chart.SetName("Kurvex1");
  chart.SetCaption("Signal");
  chart.SetGridStyle(GridStyleType::gsDotLines);
  chart.Scale1X().SetRangeHigh(250);
  chart.SetStandardLayout(TkxLayout::kxl_X1Bottom_Y2Both);
  const Json layout = LayoutToJson(chart);
  const Json& p = layout["properties"];
  EXPECT_FALSE(p.contains("MarginLeft"));  // 50 is the default
  EXPECT_EQ(p["MarginTop"], 24);           // the layout's values, which differ from a
  EXPECT_EQ(p["MarginRight"], 50);         // new chart's 20 and 20
  EXPECT_FALSE(p.contains("StandardLayout"));
  EXPECT_FALSE(p.contains("LRim"));
  EXPECT_EQ(p["Caption"], "Signal");

  auto copy = ReadLayoutAs<TKurvex>(WriteLayout(chart), "round trip");
  EXPECT_EQ(copy->Caption(), "Signal");
  EXPECT_EQ(copy->GridStyle(), GridStyleType::gsDotLines);
  EXPECT_EQ(copy->Scale1X().RangeHigh(), 250.0);
  EXPECT_EQ(copy->MarginRight(), 50);
  EXPECT_EQ(copy->Scale2Y().ScaleLocation(), TScaleLocationVert::slRight);
  EXPECT_TRUE(copy->Scale2Y().Visible());
}

// Values that a new chart does not hold, but that coincide with a class-wide default (margins
// 10/16/32, a hidden first axis, a black second axis, a time axis with 2 decimals), must
// survive writing and reading back.
TEST_F(ChartLayout, RoundTripKeepsValuesThatEqualAnotherChartsDefaults) {
  TKurvex chart(nullptr);
  chart.SetName("Kurvex1");
  chart.SetMarginRight(10);
  chart.SetMarginTop(16);
  chart.SetMarginBottom(32);
  chart.Scale1X().SetVisible(false);
  chart.Scale2X().SetColorScale(clBlack);
  chart.Scale3Y().SetLabelType(TFigType::ftTime);
  chart.Scale3Y().SetDecPlaces(2);

  auto copy = ReadLayoutAs<TKurvex>(WriteLayout(chart), "round trip");
  EXPECT_EQ(copy->MarginRight(), 10);
  EXPECT_EQ(copy->MarginTop(), 16);
  EXPECT_EQ(copy->MarginBottom(), 32);
  EXPECT_FALSE(copy->Scale1X().Visible());
  EXPECT_EQ(copy->Scale2X().ColorScale(), clBlack);
  EXPECT_EQ(copy->Scale3Y().LabelType(), TFigType::ftTime);
  EXPECT_EQ(copy->Scale3Y().DecPlaces(), 2);
  EXPECT_EQ(WriteLayout(*copy), WriteLayout(chart));
}

TEST_F(ChartLayout, BadValuesAreReported) {
  const char* unknown = R"({"class": "TKurvex", "name": "K", "properties": {"Scale1X": {"RangeLo": 1}}})";
  EXPECT_THROW(ReadLayoutAs<TKurvex>(unknown, "test"), ELayoutError);
  const char* bad_joint = R"({"class": "TKurvex", "name": "K", "properties": {"JointLayers": {"L02xControlledBy": 40}}})";
  try {
    ReadLayoutAs<TKurvex>(bad_joint, "test");
    FAIL() << "no error";
  } catch (const ELayoutError& e) {
    EXPECT_NE(std::string(e.what()).find("Destination layer 40 is out of range"), std::string::npos) << e.what();
  }
  // A logarithmic axis whose range never became positive fails when the chart is loaded.
  const char* negative = R"({"class": "TKurvex", "name": "K", "properties": {"Scale1X": {"Logarithmic": true}}})";
  EXPECT_ANY_THROW(ReadLayoutAs<TKurvex>(negative, "test"));
}

}  // namespace
}  // namespace kurvex
