// The seven standard layouts: margins, chart caption and the axes of layers 1..4.

#include "chart/model/kurvex.h"

namespace kurvex {

namespace {

using TA = TAlignment;
using UA = TScaleUnitAnchor;
using CAH = TCaptionAnchorHoriz;

struct AxisSpec {
  bool visible;
  bool far_side;  // slTop for x axes, slRight for y axes
  int pos;
  int cap_x, cap_y;
  TAlignment align;
  TScaleUnitAnchor anchor;
};

struct LayoutSpec {
  int ml, mr, mt, mb;
  int cap_x, cap_y;
  TAlignment cap_align;
  TCaptionAnchorHoriz cap_anchor;
  AxisSpec x[4];
  AxisSpec y[4];
};

// Axes a layout does not show.
constexpr AxisSpec kHiddenX{false, false, 0, 10, 100, TA::taCenter, UA::uaSclCenter};
constexpr AxisSpec kHiddenY{false, false, 0, 10, 100, TA::taRightJustify, UA::uaSclTopLft};
constexpr AxisSpec kX1{true, false, 0, 0, 22, TA::taCenter, UA::uaSclCenter};

constexpr AxisSpec LeftY(int pos) { return AxisSpec{true, false, pos, 0, -23, TA::taRightJustify, UA::uaSclTopLft}; }

constexpr LayoutSpec kLayouts[] = {
    // kxl_X1Bottom_Y1Left
    {50, 20, 20, 40, 0, -16, TA::taRightJustify, CAH::cahChartRight,
     {kX1, kHiddenX, kHiddenX, kHiddenX},
     {{true, false, 0, 0, -16, TA::taLeftJustify, UA::uaSclTopLft}, kHiddenY, kHiddenY, kHiddenY}},
    // kxl_X1Bottom_Y2Left
    {100, 20, 24, 40, 0, -16, TA::taRightJustify, CAH::cahChartRight,
     {kX1, kHiddenX, kHiddenX, kHiddenX},
     {LeftY(0), LeftY(50), kHiddenY, kHiddenY}},
    // kxl_X1Bottom_Y3Left
    {150, 20, 24, 40, 0, -16, TA::taRightJustify, CAH::cahChartRight,
     {kX1, kHiddenX, kHiddenX, kHiddenX},
     {LeftY(0), LeftY(50), LeftY(100), kHiddenY}},
    // kxl_X1Bottom_Y4Left
    {200, 20, 24, 40, 0, -16, TA::taRightJustify, CAH::cahChartRight,
     {kX1, kHiddenX, kHiddenX, kHiddenX},
     {LeftY(0), LeftY(50), LeftY(100), LeftY(150)}},
    // kxl_X1Bottom_Y2Both
    {50, 50, 24, 40, 0, -20, TA::taCenter, CAH::cahChartCenter,
     {kX1, kHiddenX, kHiddenX, kHiddenX},
     {LeftY(0), {true, true, 0, 0, -23, TA::taLeftJustify, UA::uaSclTopLft}, kHiddenY, kHiddenY}},
    // kxl_X2Bottom_Y2Left
    {100, 20, 24, 70, 0, -16, TA::taRightJustify, CAH::cahChartRight,
     {{true, false, 0, -20, 7, TA::taRightJustify, UA::uaSclTopLft},
      {true, false, 30, -20, 7, TA::taRightJustify, UA::uaSclTopLft}, kHiddenX, kHiddenX},
     {LeftY(0), LeftY(50), kHiddenY, kHiddenY}},
    // kxl_X2Both_Y2Both
    {50, 50, 64, 40, 0, -60, TA::taCenter, CAH::cahChartCenter,
     {{true, false, 0, 0, 20, TA::taCenter, UA::uaSclCenter}, {true, true, 0, 0, -40, TA::taCenter, UA::uaSclCenter},
      kHiddenX, kHiddenX},
     {{true, false, 0, 0, -40, TA::taRightJustify, UA::uaSclTopLft},
      {true, true, 0, 0, -40, TA::taLeftJustify, UA::uaSclTopLft},
      {false, false, 0, 0, -23, TA::taRightJustify, UA::uaSclTopLft},
      {false, false, 0, 0, -23, TA::taRightJustify, UA::uaSclTopLft}}},
};

void ApplyAxis(TScaleProps& p, const AxisSpec& a) {
  p.SetCaptionPosX(a.cap_x);
  p.SetCaptionPosY(a.cap_y);
  p.SetCaptionAlignment(a.align);
  p.SetCaptionAnchor(a.anchor);
  p.SetScalePos(a.pos);
  p.SetVisible(a.visible);
}

}  // namespace

void TCustomKurvex::SetStandardLayout(TkxLayout v) {
  const auto index = static_cast<std::size_t>(v);
  if (index >= std::size(kLayouts)) return;
  const LayoutSpec& spec = kLayouts[index];
  const bool held = paint_hold_;
  paint_hold_ = true;
  try {
    SetMarginLeft(spec.ml);
    SetMarginRight(spec.mr);
    SetMarginTop(spec.mt);
    SetMarginBottom(spec.mb);
    SetCaptionPosX(spec.cap_x);
    SetCaptionPosY(spec.cap_y);
    SetCaptionAlignment(spec.cap_align);
    SetCaptionAnchorHoriz(spec.cap_anchor);
    SetCaptionAnchorVert(TCaptionAnchorVert::cavChartTop);
    for (int n = 1; n <= 4; ++n) {
      const AxisSpec& xs = spec.x[n - 1];
      ScaleXProps(n).SetScaleLocation(xs.far_side ? TScaleLocationHoriz::slTop : TScaleLocationHoriz::slBottom);
      ApplyAxis(ScaleXProps(n), xs);
      const AxisSpec& ys = spec.y[n - 1];
      ScaleYProps(n).SetScaleLocation(ys.far_side ? TScaleLocationVert::slRight : TScaleLocationVert::slLeft);
      ApplyAxis(ScaleYProps(n), ys);
    }
    for (int n = 5; n <= kLayers; ++n) {
      ScaleXProps(n).SetVisible(false);
      ScaleYProps(n).SetVisible(false);
    }
    standard_layout_ = v;
    SyncScaleControls();
  } catch (...) {
    paint_hold_ = held;
    throw;
  }
  HoldPaint(held);
}

}  // namespace kurvex
