#include "app/gallery_form.h"

#include <unistd.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "app/gallery_picture.h"
#include "app/gallery_support.h"

namespace kurvex {

namespace {

using gallery::AddCurve;
using gallery::SetArial;

constexpr int kEdge = 8;  // window edge to the first chart
constexpr int kGap = 6;   // between charts
constexpr int kSmallWidth = 170;
constexpr int kSmallHeight = 150;
constexpr int kLargeWidth = 708;
constexpr int kLargeHeight = 420;
constexpr int kBackgroundWidth = 7 * kSmallWidth + 6 * kGap - kLargeWidth - kGap;

constexpr TColor kCurve = 0x800000;  // navy
constexpr TColor kGridGrey = 0xB4B4B4;
constexpr TColor kAreaBlue = 0xF8E4CC;

// Axis marks, labels and caption in one colour.
void StyleAxis(TScaleProps& axis, TColor color) {
  SetArial(axis.Font(), -11, color);
  axis.SetColorScale(color);
  axis.SetVisible(true);
}

// The small charts' curve over x 0..10 and y 0..10.
double Wave(double x) { return 5 + 3.2 * std::sin(0.9 * x) * std::exp(-0.06 * x); }

}  // namespace

TGalleryForm::TGalleryForm(TComponent* AOwner) : TForm(AOwner) {
  SetCaption("Kurvex gallery");
  SetColor(clBtnFace);
  SetClientWidth(2 * kEdge + 7 * kSmallWidth + 6 * kGap);
  SetClientHeight(2 * kEdge + kLargeHeight + 2 * (kGap + kSmallHeight));
  image_file_ = (std::filesystem::temp_directory_path() /
                 ("kurvex-gallery-" + std::to_string(::getpid()) + ".png"))
                    .string();
  WriteGalleryPicture(image_file_);

  AddLayersChart({kEdge, kEdge, kLargeWidth, kLargeHeight});
  AddBackgroundCharts(kEdge + kLargeWidth + kGap, kEdge, kBackgroundWidth);
  AddGridStyleCharts(kEdge + kLargeHeight + kGap);
  AddLogGridAndAreaCharts(kEdge + kLargeHeight + 2 * kGap + kSmallHeight);
}

TGalleryForm::~TGalleryForm() {
  std::error_code ignored;
  std::filesystem::remove(image_file_, ignored);
}

TKurvex* TGalleryForm::ChartCaptioned(const std::string& caption) const {
  for (TKurvex* chart : charts_) {
    if (chart->Caption() == caption) return chart;
  }
  return nullptr;
}

TKurvex& TGalleryForm::AddChart(const std::string& caption, Cell cell, int marginLeft, int marginRight,
                                int marginTop, int marginBottom) {
  auto* chart = new TKurvex(this);
  chart->SetParent(this);
  chart->SetBounds(cell.Left, cell.Top, cell.Width, cell.Height);
  chart->SetMarginLeft(marginLeft);
  chart->SetMarginRight(marginRight);
  chart->SetMarginTop(marginTop);
  chart->SetMarginBottom(marginBottom);
  chart->SetWindColor(clBtnFace);
  chart->SetChartColor(clWhite);
  chart->SetChartFrameColor(clGray);
  SetArial(chart->Font(), -12, clBlack, true);
  chart->SetCaption(caption);
  chart->SetCaptionAnchorHoriz(TCaptionAnchorHoriz::cahChartLeft);
  chart->SetCaptionAlignment(TAlignment::taLeftJustify);
  chart->SetCaptionAnchorVert(TCaptionAnchorVert::cavChartTop);
  chart->SetCaptionPosX(0);
  chart->SetCaptionPosY(-18);
  chart->SetMouseAction(TMouseActMode::maPan);
  charts_.push_back(chart);
  return *chart;
}

// ---- The small charts: x 0..10 below, y 0..10 left, the wave over them ----

namespace {

TKurvex& PrepareSmall(TKurvex& chart) {
  chart.SetLayerRange(1, 0, 0, 10, 10);
  for (TScaleProps* axis : {static_cast<TScaleProps*>(&chart.Scale1X()), static_cast<TScaleProps*>(&chart.Scale1Y())}) {
    StyleAxis(*axis, clBlack);
    axis->SetCaption("");
    axis->SetDecPlaces(0);
  }
  return chart;
}

}  // namespace

void TGalleryForm::AddGridStyleCharts(int top) {
  static constexpr std::array<GridStyleType, 7> kStyles = {
      GridStyleType::gsPoints,       GridStyleType::gsVertLines,     GridStyleType::gsHorizLines,
      GridStyleType::gsLines,        GridStyleType::gsHorizDotLines, GridStyleType::gsVertDotLines,
      GridStyleType::gsDotLines};
  for (std::size_t i = 0; i < kStyles.size(); ++i) {
    const Cell cell{kEdge + static_cast<int>(i) * (kSmallWidth + kGap), top, kSmallWidth, kSmallHeight};
    TKurvex& chart = PrepareSmall(AddChart(std::string(EnumName(kStyles[i])), cell, 28, 12, 22, 22));
    chart.SetGridStyle(kStyles[i]);
    // Points and dotted lines need a darker grey than solid lines to show as well.
    const bool solid = kStyles[i] == GridStyleType::gsVertLines || kStyles[i] == GridStyleType::gsHorizLines ||
                       kStyles[i] == GridStyleType::gsLines;
    chart.SetGridColor(kStyles[i] == GridStyleType::gsPoints ? clBlack : solid ? kGridGrey : clGray);
    chart.SetGridDx(1);
    chart.SetGridDy(1);
    AddCurve(chart, kCurve, 0, 10, 100, Wave);
  }
}

void TGalleryForm::AddLogGridAndAreaCharts(int top) {
  const struct {
    const char* caption;
    double step;
  } logs[] = {{"GridDx -1: decades", -1}, {"GridDx -2: 1, 2, 5", -2}, {"GridDx -3: 1 to 9", -3}};
  int left = kEdge;
  for (const auto& rule : logs) {
    TKurvex& chart = PrepareSmall(AddChart(rule.caption, {left, top, kSmallWidth, kSmallHeight}, 28, 12, 22, 22));
    chart.SetLayerRange(1, 1, 0, 1000, 10);
    chart.Scale1X().SetLogarithmic(true);
    chart.Scale1X().SetDecPlaces(-2);
    chart.SetGridStyle(GridStyleType::gsVertLines);
    chart.SetGridColor(kGridGrey);
    chart.SetGridDx(rule.step);
    AddCurve(chart, kCurve, 1, 1000, 200, [](double x) { return 1 + 2.8 * std::log10(x); });
    left += kSmallWidth + kGap;
  }
  static constexpr std::array<TBGAreaMode, 4> kAreas = {TBGAreaMode::bamVStripe, TBGAreaMode::bamHStripe,
                                                        TBGAreaMode::bamRect, TBGAreaMode::bamRectInv};
  for (const TBGAreaMode mode : kAreas) {
    TKurvex& chart =
        PrepareSmall(AddChart(std::string(EnumName(mode)), {left, top, kSmallWidth, kSmallHeight}, 28, 12, 22, 22));
    TBakGndImg& area = chart.BackGroundImg();
    area.SetAreaLeft(3);
    area.SetAreaRight(7);
    area.SetAreaTop(7.5);
    area.SetAreaBottom(2.5);
    area.SetAreaColor(kAreaBlue);
    area.SetAreaMode(mode);
    AddCurve(chart, kCurve, 0, 10, 100, Wave);
    left += kSmallWidth + kGap;
  }
}

void TGalleryForm::AddBackgroundCharts(int left, int top, int width) {
  const int height = (kLargeHeight - 2 * kGap) / 3;
  const struct {
    const char* caption;
    TBkgFill fill;
  } fills[] = {{"bfSimple: the picture at its size", TBkgFill::bfSimple},
               {"bfStretch: stretched over the plot", TBkgFill::bfStretch},
               {"bfTile: tiled from the top left", TBkgFill::bfTile}};
  for (const auto& f : fills) {
    TKurvex& chart = PrepareSmall(AddChart(f.caption, {left, top, width, height}, 28, 12, 22, 22));
    TBakGndImg& image = chart.BackGroundImg();
    image.SetIncludePath(true);
    image.SetName(image_file_);
    image.SetFillMode(f.fill);
    AddCurve(chart, kCurve, 0, 10, 200, Wave);
    top += height + kGap;
  }
}

}  // namespace kurvex
