// The gallery's large chart: three layers with axes on all four sides. Layer 1 (a damped
// sine) has its axes below and left of the plot; layer 2 (a growth over two weeks) a date
// axis above and a logarithmic axis on the right; layer 3 (a charging curve) an elapsed-time
// axis and a percent axis moved out from the plot. A grid on layer 1's ticks, an area fixed
// to its data and a text label of every mode.

#include <cmath>

#include "app/gallery_form.h"
#include "app/gallery_support.h"
#include "common/datetime.h"

namespace kurvex {

namespace {

using gallery::AddCurve;
using gallery::SetArial;

constexpr TColor kNavy = 0x800000, kGreen = 0x007000, kMaroon = 0x000090;
constexpr int kMarginLeft = 96, kMarginRight = 64, kMarginTop = 58, kMarginBottom = 84;

// Marks, labels and caption in the layer's colour; the caption stands at (x, y) from the
// axis's start, aligned as given.
void StyleAxis(TScaleProps& axis, TColor color, const std::string& caption, int x, int y, TAlignment alignment) {
  SetArial(axis.Font(), -11, color);
  axis.SetColorScale(color);
  axis.SetCaption(caption);
  axis.SetCaptionAnchor(TScaleUnitAnchor::uaSclTopLft);
  axis.SetCaptionPosX(x);
  axis.SetCaptionPosY(y);
  axis.SetCaptionAlignment(alignment);
  axis.SetVisible(true);
}

struct LabelSpec {
  TTxtLblMode mode;
  const char* caption;
  TColor color, background;
  int layer;
  TTxtLblAttachMode attach;  // tlamBoth: world values of the layer; tlamNone: control pixels
  double x, y;
  TAlignment alignment;
  TVerticalAlignment vertical;
};

void ShowLabel(TTextLabel& label, const LabelSpec& spec) {
  TFont font;
  SetArial(font, -12, spec.color);
  label.SetFont(font);
  label.SetCaption(spec.caption);
  label.SetColorBorder(spec.color);
  label.SetColorBkg(spec.background);
  label.SetLayer(spec.layer);
  label.SetAttachToData(spec.attach);
  label.SetPosX(spec.x);
  label.SetPosY(spec.y);
  label.SetAlignment(spec.alignment);
  label.SetVerticalAlignment(spec.vertical);
  label.SetMode(spec.mode);
  label.SetVisible(true);
}

}  // namespace

void TGalleryForm::AddLayersChart(Cell cell) {
  TKurvex& chart = AddChart("Three layers: axes on all four sides", cell, kMarginLeft, kMarginRight, kMarginTop,
                            kMarginBottom);
  chart.SetCaptionAnchorHoriz(TCaptionAnchorHoriz::cahChartCenter);
  chart.SetCaptionAlignment(TAlignment::taCenter);
  chart.SetCaptionAnchorVert(TCaptionAnchorVert::cavControlTop);
  chart.SetCaptionPosY(6);
  const double first_day = EncodeDate(2026, 12, 1);

  // Layer 1: seconds below, volts on the left.
  chart.SetLayerRange(1, 0, -1.2, 10, 1.2);
  StyleAxis(chart.ScaleXProps(1), kNavy, "seconds", -26, 7, TAlignment::taRightJustify);
  StyleAxis(chart.ScaleYProps(1), kNavy, "volts", 0, -52, TAlignment::taRightJustify);
  chart.SetCurrentLayer(1);
  AddCurve(chart, kNavy, 0, 10, 400, [](double t) { return std::sin(2.8 * t) * std::exp(-t / 3.5); });

  // Layer 2: dates above, a logarithmic count on the right.
  chart.SetLayerRange(2, first_day, 0.5, first_day + 14, 20000);
  TScalePropsHoriz& dates = chart.ScaleXProps(2);
  dates.SetScaleLocation(TScaleLocationHoriz::slTop);
  dates.SetScalePos(0);
  dates.SetLabelType(TFigType::ftDateTime);
  dates.SetMinTicks(5);
  StyleAxis(dates, kGreen, "date", -42, -21, TAlignment::taRightJustify);
  TScalePropsVert& counts = chart.ScaleYProps(2);
  counts.SetScaleLocation(TScaleLocationVert::slRight);
  counts.SetScalePos(0);
  counts.SetLogarithmic(true);
  StyleAxis(counts, kGreen, "count", 0, -52, TAlignment::taLeftJustify);
  chart.SetCurrentLayer(2);
  AddCurve(chart, kGreen, first_day, first_day + 14, 56,
           [first_day](double d) { return 2 * std::exp(0.55 * (d - first_day)); });

  // Layer 3: elapsed time 40 pixels below layer 1's axis, percent 50 pixels left of it.
  chart.SetLayerRange(3, 0, 0, 5400, 100);
  TScalePropsHoriz& elapsed = chart.ScaleXProps(3);
  elapsed.SetScalePos(40);
  elapsed.SetLabelType(TFigType::ftTime);
  StyleAxis(elapsed, kMaroon, "elapsed", -34, 7, TAlignment::taRightJustify);
  TScalePropsVert& percent = chart.ScaleYProps(3);
  percent.SetScalePos(50);
  StyleAxis(percent, kMaroon, "percent", 0, -52, TAlignment::taRightJustify);
  chart.SetCurrentLayer(3);
  AddCurve(chart, kMaroon, 0, 5400, 200, [](double t) { return 100 * (1 - std::exp(-t / 1300)); });

  // Grid and area follow the current layer.
  chart.SetCurrentLayer(1);
  chart.SetGridStyle(GridStyleType::gsLines);
  chart.SetGridColor(0xD8D8D8);
  chart.SetGridDx(0);
  chart.SetGridDy(0.4);
  TBakGndImg& area = chart.BackGroundImg();
  area.SetAreaLeft(4);
  area.SetAreaRight(6);
  area.SetAreaColor(0xD8F4FF);
  area.SetAreaMode(TBGAreaMode::bamVStripe);

  using enum TTxtLblMode;
  using enum TTxtLblAttachMode;
  using enum TAlignment;
  using enum TVerticalAlignment;
  const LabelSpec labels[] = {
      {tlsimple, "damped sine (simple)", kNavy, clWhite, 1, tlamBoth, 0.9, 0.95, taLeftJustify, vaCenter},
      {tlBox, "growth on a\nlogarithmic axis (box)", kGreen, 0xF2FFF2, 2, tlamBoth, first_day + 11.5, 25, taCenter,
       vaCenter},
      {tlUnderline, "charging (underline)", kMaroon, clWhite, 3, tlamBoth, 4100, 88, taCenter, vaTop},
      {tlShadow, "an area fixed to the data,\nlabels in every mode (shadow)", clBlack, 0xE8FFFF, 1, tlamNone,
       static_cast<double>(cell.Width - kMarginRight - 16), static_cast<double>(cell.Height - kMarginBottom - 14),
       taRightJustify, vaBottom},
  };
  for (int n = 1; n <= 4; ++n) ShowLabel(chart.TextLabel(n), labels[n - 1]);
}

}  // namespace kurvex
