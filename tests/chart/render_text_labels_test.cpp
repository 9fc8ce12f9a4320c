// Text labels on a chart: the box around the anchor for every alignment, each decoration
// mode opaque and transparent, the filters that hide labels, anchors in pixels or world
// values while the chart pans, the drawing order and anchors far outside the control.

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <string>

#include "chart/render/text_label_geometry.h"
#include "render_test_support.h"

namespace kurvex {
namespace {

// Plot 201 x 161 at control (30, 20); layer 1: x 0..100 on columns 0..200, y -5..5 on rows 160..0.
std::unique_ptr<TKurvex> MakeChart() { return test::MakeSmallPlotChart(); }

// A shadow colour that no blend of the black text with white or yellow can produce.
constexpr TColor kShadow = 0x3366CC;

// Label n switched on in a mode, anchored at control pixel (x, y), with a blue border on
// yellow and a shadow 3 pixels off.
TTextLabel& ShowLabel(TKurvex& chart, int n, TTxtLblMode mode, double x, double y, const std::string& caption) {
  TTextLabel& label = chart.TextLabel(n);
  label.SetAttachToData(TTxtLblAttachMode::tlamNone);
  label.SetPosX(x);
  label.SetPosY(y);
  label.SetCaption(caption);
  label.SetColorBorder(clBlue);
  label.SetColorBkg(clYellow);
  label.SetColorShadow(kShadow);
  label.SetAlignment(TAlignment::taLeftJustify);
  label.SetMode(mode);
  label.SetVisible(true);
  return label;
}

// The smallest rectangle (right and bottom exclusive) holding every pixel of a colour.
TRect BoundsOf(const Bitmap& b, TColor color) {
  TRect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      if (b.Pixel(x, y) != color) continue;
      r = Rect(std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1));
    }
  }
  return r;
}

// Text metrics of the chart's font, measured on a canvas of the test's own.
struct Metrics {
  int h;
  int w;
};
Metrics Measure(const TFont& font, const std::string& longest_line) {
  TCanvas canvas;
  canvas.Font().Assign(font);
  return {canvas.TextHeight("X"), canvas.TextWidth(longest_line)};
}

TEST(TextLabels, BoxLiesAroundTheAnchorByBothAlignments) {
  const std::string caption = "Top\nthe longer line";
  for (const TAlignment a : {TAlignment::taLeftJustify, TAlignment::taRightJustify, TAlignment::taCenter}) {
    for (const TVerticalAlignment v : {TVerticalAlignment::vaTop, TVerticalAlignment::vaCenter,
                                       TVerticalAlignment::vaBottom}) {
      SCOPED_TRACE(testing::Message() << EnumName(a) << " " << EnumName(v));
      auto chart = MakeChart();
      TTextLabel& label = ShowLabel(*chart, 1, TTxtLblMode::tlBox, 130, 100, caption);
      label.SetAlignment(a);
      label.SetVerticalAlignment(v);
      chart->Paint();
      const Metrics m = Measure(label.Font(), "the longer line");
      // The anchor is plot pixel (100, 80); x and y become the text block's left end and bottom.
      const int x = a == TAlignment::taLeftJustify ? 100 : a == TAlignment::taRightJustify ? 100 - m.w : 100 - m.w / 2;
      const int y = v == TVerticalAlignment::vaTop ? 80 + 2 * m.h : v == TVerticalAlignment::vaCenter ? 80 + m.h : 80;
      const TRect expected = Rect(x - 4, y - 2 * m.h - 2, x + m.w + 4, y + 2);
      EXPECT_EQ(BoundsOf(chart->PlotBitmap(), clBlue), expected);
      // The geometry the mouse code uses says the same, in control pixels.
      const render::TTextLabelPlacement p = render::PlaceTextLabel(*chart, label);
      EXPECT_EQ(p.Anchor, Point(130, 100));
      EXPECT_EQ(p.Box, Rect(expected.Left + 30, expected.Top + 20, expected.Right + 30, expected.Bottom + 20));
    }
  }
}

// Each mode on a white plot, the anchor at plot (60, 80), left-justified, bottom-aligned:
// the box spans columns 56..w+63 and rows 80-h-2..81; the text cell rows 80-h..79.
TEST(TextLabels, ModesDrawTheirDecorationOpaqueAndTransparent) {
  struct Case {
    TTxtLblMode mode;
    bool transparent;
  };
  for (const Case c : {Case{TTxtLblMode::tlsimple, false}, Case{TTxtLblMode::tlsimple, true},
                       Case{TTxtLblMode::tlBox, false}, Case{TTxtLblMode::tlBox, true},
                       Case{TTxtLblMode::tlUnderline, false}, Case{TTxtLblMode::tlUnderline, true},
                       Case{TTxtLblMode::tlShadow, false}, Case{TTxtLblMode::tlShadow, true}}) {
    SCOPED_TRACE(testing::Message() << EnumName(c.mode) << (c.transparent ? " transparent" : ""));
    auto chart = MakeChart();
    TTextLabel& label = ShowLabel(*chart, 1, c.mode, 90, 100, "Label");
    label.SetTransparent(c.transparent);
    chart->Paint();
    const Bitmap& plot = chart->PlotBitmap();
    const Metrics m = Measure(label.Font(), "Label");
    const TColor background = c.transparent ? clWhite : clYellow;
    const bool bordered = c.mode == TTxtLblMode::tlBox || c.mode == TTxtLblMode::tlShadow;
    const bool painted = !c.transparent || bordered;
    // Box corners and the row under the text inside the box.
    EXPECT_EQ(plot.Pixel(56, 81), bordered ? clBlue : painted ? clYellow : clWhite);
    EXPECT_EQ(plot.Pixel(m.w + 63, 80 - m.h - 2), bordered ? clBlue : painted ? clYellow : clWhite);
    EXPECT_EQ(plot.Pixel(58, 80), background);
    EXPECT_EQ(test::CountColor(plot, clBlue, Rect(0, 81, 201, 82)), bordered ? m.w + 8 : 0);
    // The underline runs from the text's left end for its width, on the row of the anchor.
    if (c.mode == TTxtLblMode::tlUnderline) {
      EXPECT_EQ(BoundsOf(plot, clBlue), Rect(60, 80, 60 + m.w, 81));
    }
    // The shadow: the box moved 3 pixels right and down, under the box.
    const bool shadow = c.mode == TTxtLblMode::tlShadow;
    EXPECT_EQ(plot.Pixel(m.w + 66, 84), shadow ? kShadow : clWhite);  // its bottom-right corner
    EXPECT_EQ(plot.Pixel(m.w + 65, 83), shadow && !c.transparent ? kShadow : clWhite);
    EXPECT_EQ(plot.Pixel(57, 83), clWhite);
    if (shadow) {
      EXPECT_EQ(BoundsOf(plot, kShadow), Rect(59, 80 - m.h + 1, m.w + 67, 85));
    }
    // The text cell takes the background unless transparent.
    EXPECT_EQ(test::CountColor(plot, clYellow) > 0, !c.transparent);
  }
}

TEST(TextLabels, OffInvisibleAndFilteredLabelsAreNotDrawn) {
  auto chart = MakeChart();
  ShowLabel(*chart, 1, TTxtLblMode::tlOff, 60, 50, "off");
  ShowLabel(*chart, 2, TTxtLblMode::tlBox, 60, 80, "hidden").SetVisible(false);
  ShowLabel(*chart, 3, TTxtLblMode::tlBox, 60, 110, "layer 3").SetLayer(3);
  ShowLabel(*chart, 4, TTxtLblMode::tlBox, 60, 140, "layer 1").SetColorBorder(clRed);
  chart->SetLayerVisible(3, false);
  chart->Paint();
  EXPECT_EQ(test::CountColor(chart->PlotBitmap(), clBlue), 0);
  EXPECT_GT(test::CountColor(chart->PlotBitmap(), clRed), 0);
  chart->SetLayerVisible(3, true);
  chart->Paint();
  EXPECT_EQ(BoundsOf(chart->PlotBitmap(), clBlue).Bottom, 110 - 20 + 2);
  EXPECT_FALSE(render::TextLabelShown(*chart, chart->TextLabel(1)));
  EXPECT_FALSE(render::TextLabelShown(*chart, chart->TextLabel(2)));
  EXPECT_TRUE(render::TextLabelShown(*chart, chart->TextLabel(3)));
}

TEST(TextLabels, WorldAnchorsMoveWithAPanPixelAnchorsStay) {
  auto chart = MakeChart();
  const TColor colors[] = {clRed, clBlue, clGreen, clPurple};
  const TTxtLblAttachMode modes[] = {TTxtLblAttachMode::tlamBoth, TTxtLblAttachMode::tlamXOnly,
                                     TTxtLblAttachMode::tlamYOnly, TTxtLblAttachMode::tlamNone};
  // World (50, 0) is control (130, 100); the pixel halves are 40 below the top and 60 right.
  const double xs[] = {50, 50, 60, 200};
  const double ys[] = {0, 40, 0, 150};
  for (int i = 0; i < 4; ++i) {
    TTextLabel& label = ShowLabel(*chart, i + 1, TTxtLblMode::tlBox, xs[i], ys[i], "L");
    label.SetAttachToData(modes[i]);
    label.SetColorBorder(colors[i]);
  }
  chart->Paint();
  TRect before[4];
  for (int i = 0; i < 4; ++i) before[i] = BoundsOf(chart->PlotBitmap(), colors[i]);
  EXPECT_EQ(render::TextLabelAnchor(*chart, chart->TextLabel(1)), Point(130, 100));
  EXPECT_EQ(render::TextLabelAnchor(*chart, chart->TextLabel(2)), Point(130, 40));
  EXPECT_EQ(render::TextLabelAnchor(*chart, chart->TextLabel(3)), Point(60, 100));

  // Ten units right and one up: world anchors move 20 pixels left and 16 down.
  chart->SetLayerRange(1, 10, -4, 110, 6);
  chart->Paint();
  const int dx[] = {-20, -20, 0, 0};
  const int dy[] = {16, 0, 16, 0};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(EnumName(modes[i]));
    const TRect& b = before[i];
    EXPECT_EQ(BoundsOf(chart->PlotBitmap(), colors[i]), Rect(b.Left + dx[i], b.Top + dy[i], b.Right + dx[i],
                                                            b.Bottom + dy[i]));
  }
}

TEST(TextLabels, LabelOneEndsOnTopOfLabelTwo) {
  auto chart = MakeChart();
  ShowLabel(*chart, 2, TTxtLblMode::tlBox, 100, 100, "same").SetColorBkg(clAqua);
  ShowLabel(*chart, 1, TTxtLblMode::tlBox, 100, 100, "same");
  chart->Paint();
  EXPECT_EQ(test::CountColor(chart->PlotBitmap(), clAqua), 0);
  EXPECT_GT(test::CountColor(chart->PlotBitmap(), clYellow), 0);
}

// Anchors and offsets at the ends of their ranges are drawn where they are (outside the
// plot) without overflowing any coordinate; the sanitizer build checks the arithmetic.
TEST(TextLabels, AnchorsFarOutsideDrawNothingAndDoNotOverflow) {
  auto chart = MakeChart();
  const double huge = std::numeric_limits<double>::max();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  ShowLabel(*chart, 1, TTxtLblMode::tlShadow, huge, -huge, "far").SetAlignment(TAlignment::taRightJustify);
  ShowLabel(*chart, 2, TTxtLblMode::tlUnderline, nan, nan, "nan\nnan").SetVerticalAlignment(TVerticalAlignment::vaTop);
  TTextLabel& world = ShowLabel(*chart, 3, TTxtLblMode::tlBox, 1e300, -1e300, "world");
  world.SetAttachToData(TTxtLblAttachMode::tlamBoth);
  TTextLabel& shadow = ShowLabel(*chart, 4, TTxtLblMode::tlShadow, 2147483000.0, 100, "edge");
  shadow.SetShadowDx(INT_MAX);
  shadow.SetShadowDy(INT_MIN);
  chart->Paint();
  EXPECT_EQ(test::CountColor(chart->PlotBitmap(), clYellow), 0);
  EXPECT_EQ(test::CountColor(chart->PlotBitmap(), clBlue), 0);
  EXPECT_EQ(render::TextLabelAnchor(*chart, chart->TextLabel(1)), Point(2147483647, -2147483647));
  EXPECT_EQ(render::TextLabelAnchor(*chart, chart->TextLabel(2)), Point(-2147483647, -2147483647));
  // A label inside the plot with a shadow thrown out of range keeps its own box.
  shadow.SetPosX(100);
  chart->Paint();
  EXPECT_GT(test::CountColor(chart->PlotBitmap(), clBlue), 0);
  EXPECT_EQ(test::CountColor(chart->PlotBitmap(), kShadow), 0);
}

}  // namespace
}  // namespace kurvex
