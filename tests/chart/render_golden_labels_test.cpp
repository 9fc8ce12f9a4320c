// Whole plot pictures compared with golden images: the eleven background area modes, the
// background image in each fill mode, and text labels in every mode and alignment. Each
// picture is made of plot images only (the axes around the plot are not part of them).
// Every cell of the area and image pictures names its mode in a label.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "golden_image.h"
#include "platform/gfx/image_file.h"
#include "render_test_support.h"

namespace kurvex {
namespace {

namespace fs = std::filesystem;

// A chart whose plot is (pw + 1) x (ph + 1) pixels at control (6, 6), layer 1 mapping
// x 0..100 and y 0..100 onto it, with a sine curve in navy.
std::unique_ptr<TKurvex> MakeCellChart(int pw, int ph) {
  auto chart = std::make_unique<TKurvex>(nullptr);
  chart->SetBounds(0, 0, pw + 12, ph + 12);
  for (auto set : {&TKurvex::SetMarginLeft, &TKurvex::SetMarginRight, &TKurvex::SetMarginTop,
                   &TKurvex::SetMarginBottom}) {
    (chart.get()->*set)(6);
  }
  chart->HandleNeeded();
  chart->SetAutoRedraw(false);
  chart->SetLayerRange(1, 0, 0, 100, 100);
  chart->SetDataColor(clNavy);
  chart->MoveToPoint(0.0, 50.0);
  for (int i = 1; i <= 100; ++i) chart->LineToPoint(static_cast<double>(i), 50 + 35 * std::sin(i * 0.1));
  return chart;
}

// Label n with a caption at control pixel (x, y), left-justified below the anchor.
TTextLabel& Caption(TKurvex& chart, int n, const std::string& text, int x = 10, int y = 9) {
  TTextLabel& label = chart.TextLabel(n);
  label.SetAttachToData(TTxtLblAttachMode::tlamNone);
  label.SetPosX(x);
  label.SetPosY(y);
  label.SetAlignment(TAlignment::taLeftJustify);
  label.SetVerticalAlignment(TVerticalAlignment::vaTop);
  label.SetCaption(text);
  label.SetMode(TTxtLblMode::tlsimple);
  label.SetVisible(true);
  return label;
}

// The plot images side by side, `columns` to a row, 4 silver pixels apart.
Bitmap Compose(const std::vector<Bitmap>& cells, int columns) {
  const int w = cells.front().Width(), h = cells.front().Height();
  const int rows = (static_cast<int>(cells.size()) + columns - 1) / columns;
  Bitmap out(4 + columns * (w + 4), 4 + rows * (h + 4));
  out.Fill(clSilver);
  TCanvas canvas(&out);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const int c = static_cast<int>(i) % columns, r = static_cast<int>(i) / columns;
    canvas.Draw(4 + c * (w + 4), 4 + r * (h + 4), cells[i]);
  }
  return out;
}

TEST(RenderGoldenLabels, BackgroundAreaModes) {
  std::vector<Bitmap> cells;
  for (int m = 0; m <= static_cast<int>(TBGAreaMode::bamHStripeInv); ++m) {
    const auto mode = static_cast<TBGAreaMode>(m);
    auto chart = MakeCellChart(160, 110);
    TBakGndImg& area = chart->BackGroundImg();
    area.SetAreaColor(0xFFE0C0);
    area.SetAreaLeft(30);
    area.SetAreaRight(70);
    area.SetAreaTop(80);
    area.SetAreaBottom(40);
    area.SetAreaMode(mode);
    Caption(*chart, 1, std::string(EnumName(mode))).SetTransparent(true);
    chart->Paint();
    cells.push_back(chart->PlotBitmap());
  }
  ExpectMatchesGolden(Compose(cells, 4), "chart/background_area_modes");
}

// A 40 x 30 picture: a diagonal colour ramp, a dark border and a red disc.
Bitmap SamplePicture() {
  Bitmap b(40, 30);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      TColor c = static_cast<TColor>((0xA0 + 2 * x) | ((0xC0 + y) << 8) | ((0xF0 - x - y) << 16));
      if (x == 0 || y == 0 || x == 39 || y == 29) c = 0x604020;
      if ((x - 26) * (x - 26) + (y - 12) * (y - 12) <= 36) c = 0x2020D0;
      b.SetPixel(x, y, c);
    }
  }
  return b;
}

TEST(RenderGoldenLabels, BackgroundImageFillModes) {
  const fs::path dir = fs::temp_directory_path() / ("kx_golden_images_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const Bitmap small = SamplePicture();
  Bitmap large;
  large.SetSize(400, 300);
  TCanvas(&large).StretchDraw(Rect(0, 0, 400, 300), small);
  ASSERT_TRUE(SavePngFile((dir / "small.png").string(), small));
  ASSERT_TRUE(SavePngFile((dir / "large.png").string(), large));

  struct Cell {
    const char* file;
    TBkgFill fill;
    const char* caption;
  };
  std::vector<Bitmap> cells;
  for (const Cell c : {Cell{"small.png", TBkgFill::bfSimple, "bfSimple"},
                       Cell{"small.png", TBkgFill::bfStretch, "bfStretch"},
                       Cell{"small.png", TBkgFill::bfTile, "bfTile"},
                       Cell{"large.png", TBkgFill::bfTile, "bfTile, larger than the plot"}}) {
    auto chart = MakeCellChart(200, 140);
    chart->BackGroundImg().SetIncludePath(true);
    chart->BackGroundImg().SetName((dir / c.file).string());
    chart->BackGroundImg().SetFillMode(c.fill);
    Caption(*chart, 1, c.caption, 10, 40).SetColorBkg(0xE0FFFF);
    chart->Paint();
    ASSERT_FALSE(chart->BackGroundImg().Name().empty());
    cells.push_back(chart->PlotBitmap());
  }
  fs::remove_all(dir);
  ExpectMatchesGolden(Compose(cells, 2), "chart/background_image_fill_modes");
}

// A small red cross on the data at world (x, y): the anchor the label is placed around.
void Cross(TKurvex& chart, double x, double y) {
  const TColor color = chart.DataColor();
  chart.SetDataColor(clRed);
  chart.MoveToPoint(x - 1, y);
  chart.LineToPoint(x + 1.25, y);
  chart.MoveToPoint(x, y - 1.34);
  chart.LineToPoint(x, y + 1.67);
  chart.SetDataColor(color);
}

// Label n in a mode at world (x, y), the anchor marked with a cross.
TTextLabel& WorldLabel(TKurvex& chart, int n, TTxtLblMode mode, double x, double y, const std::string& text) {
  Cross(chart, x, y);
  TTextLabel& label = chart.TextLabel(n);
  label.SetPosX(x);
  label.SetPosY(y);
  label.SetCaption(text);
  label.SetColorBkg(0xE0FFFF);
  label.SetColorBorder(clNavy);
  label.SetMode(mode);
  label.SetVisible(true);
  return label;
}

TEST(RenderGoldenLabels, TextLabelModesAndAlignments) {
  auto chart = MakeCellChart(400, 300);
  // Left column: the four decorations opaque; beside them the same transparent.
  const TTxtLblMode modes[] = {TTxtLblMode::tlsimple, TTxtLblMode::tlBox, TTxtLblMode::tlUnderline,
                               TTxtLblMode::tlShadow};
  for (int i = 0; i < 4; ++i) {
    const std::string name(EnumName(modes[i]));
    WorldLabel(*chart, 1 + i, modes[i], 14, 92 - 10 * i, name);
    WorldLabel(*chart, 5 + i, modes[i], 40, 92 - 10 * i, name + " transparent").SetTransparent(true);
  }
  // Three-line captions in the three horizontal alignments, anchored at the bottom.
  const TAlignment alignments[] = {TAlignment::taLeftJustify, TAlignment::taCenter, TAlignment::taRightJustify};
  const double ax[] = {62, 80, 97};
  const double ay[] = {84, 66, 48};
  for (int i = 0; i < 3; ++i) {
    TTextLabel& label = WorldLabel(*chart, 9 + i, TTxtLblMode::tlBox, ax[i], ay[i],
                                   std::string(EnumName(alignments[i])) + "\nwide middle line\nend");
    label.SetAlignment(alignments[i]);
  }
  // The three vertical alignments around anchors on one height.
  const TVerticalAlignment verticals[] = {TVerticalAlignment::vaTop, TVerticalAlignment::vaCenter,
                                          TVerticalAlignment::vaBottom};
  for (int i = 0; i < 3; ++i) {
    WorldLabel(*chart, 12 + i, TTxtLblMode::tlShadow, 58 + 16 * i, 20, std::string(EnumName(verticals[i])))
        .SetVerticalAlignment(verticals[i]);
  }
  // A label with its own font and colours, and a shadow thrown up and left.
  TTextLabel& styled = WorldLabel(*chart, 15, TTxtLblMode::tlShadow, 20, 18, "Bold 12 pt\nsecond line");
  styled.Font().SetName("Arial");
  styled.Font().SetSize(12);
  styled.Font().SetStyle(TFontStyles{TFontStyle::fsBold});
  styled.Font().SetColor(clMaroon);
  styled.SetColorBkg(0xD0F0D0);
  styled.SetColorBorder(clGreen);
  styled.SetColorShadow(0x90B090);
  styled.SetShadowDx(-4);
  styled.SetShadowDy(-3);
  // Where two labels overlap, the lower number lies on top.
  WorldLabel(*chart, 17, TTxtLblMode::tlBox, 84, 34, "label 17 under");
  WorldLabel(*chart, 16, TTxtLblMode::tlBox, 86, 31, "label 16 on top").SetColorBkg(0xC0C0FF);
  chart->Paint();
  ExpectMatchesGolden(chart->PlotBitmap(), "chart/text_label_modes");
}

}  // namespace
}  // namespace kurvex
