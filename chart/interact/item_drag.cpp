// maDragCrossH and maDragLabel: the nearest crosshair or text label is chosen on the first
// move of a drag and then jumps to the mouse on every move.

#include <cmath>
#include <cstdint>

#include "chart/interact/gestures.h"
#include "chart/render/text_label_geometry.h"

namespace kurvex::interact {

namespace {

// Squared pixel distances, exact for any two 32-bit coordinates (a sum of two squares
// needs 65 bits).
__extension__ using TDistance = unsigned __int128;

TDistance Square(int a, int b) {
  const std::int64_t d = static_cast<std::int64_t>(a) - b;
  const auto m = static_cast<std::uint64_t>(d < 0 ? -d : d);
  return static_cast<TDistance>(m) * m;
}

bool MarksX(TCrossHMode mode) {
  return mode == TCrossHMode::chVert || mode == TCrossHMode::chBoth || mode == TCrossHMode::chCrossBox ||
         mode == TCrossHMode::chBox;
}

bool MarksY(TCrossHMode mode) {
  return mode == TCrossHMode::chHoriz || mode == TCrossHMode::chBoth || mode == TCrossHMode::chCrossBox ||
         mode == TCrossHMode::chBox;
}

}  // namespace

int NearestCrossHair(const TCustomKurvex& chart, TPoint p) {
  int candidate = 1;
  TDistance best = ~TDistance{0};
  for (int n = 1; n <= 4; ++n) {
    const TCrossHair& c = chart.CrossHair(n);
    if (c.Mode() == TCrossHMode::chOff) continue;
    const TPoint at = chart.WorldToPixel(c.Layer(), c.PosX(), c.PosY());
    // Only a strictly smaller distance wins: on a tie the lower number stays.
    if (MarksX(c.Mode()) && Square(at.X, p.X) < best) {
      best = Square(at.X, p.X);
      candidate = n;
    }
    if (MarksY(c.Mode()) && Square(at.Y, p.Y) < best) {
      best = Square(at.Y, p.Y);
      candidate = n;
    }
  }
  return candidate;
}

int NearestTextLabel(const TCustomKurvex& chart, TPoint p) {
  int candidate = 1;
  TDistance best = ~TDistance{0};
  for (int n = 1; n <= TCustomKurvex::kTextLabels; ++n) {
    const TTextLabel& label = chart.TextLabel(n);
    if (label.Mode() == TTxtLblMode::tlOff || !label.Visible()) continue;
    const TPoint a = render::TextLabelAnchor(chart, label);
    const TDistance d = Square(a.X, p.X) + Square(a.Y, p.Y);
    if (d < best) {
      best = d;
      candidate = n;
    }
  }
  return candidate;
}

void CrossHairDragMove(TCustomKurvex& chart, TPoint p) {
  if (!AreaOf(chart).Contains(p)) return;
  TMouseState& m = chart.MouseState();
  // A drag that became active on an axis band before any crosshair was ever chosen
  // chooses one here.
  if (!m.DragActive || m.DraggedCrossHair < 1) {
    const int n = NearestCrossHair(chart, p);
    TCrossHair& c = chart.CrossHair(n);
    const TPoint at = chart.WorldToPixel(c.Layer(), c.PosX(), c.PosY());
    bool allow = true;
    if (chart.OnBeforeCrossHairMove) {
      chart.OnBeforeCrossHairMove(&chart, c, SubSaturated(p.X, at.X), SubSaturated(p.Y, at.Y), allow);
    }
    if (!allow) return;  // asked again on the next move
    m.DraggedCrossHair = n;
    TakeDragStart(chart, p);
    return;
  }
  TCrossHair& c = chart.CrossHair(m.DraggedCrossHair);
  double wx, wy;
  chart.PixelToWorld(c.Layer(), p.X, p.Y, wx, wy);
  // Both coordinates change before the one paint of the move.
  WithPaintHeld(chart, [&] {
    c.SetPosX(wx);
    c.SetPosY(wy);
  });
  if (chart.OnCrossHairMove) chart.OnCrossHairMove(&chart, c);
}

void LabelDragMove(TCustomKurvex& chart, TPoint p) {
  TMouseState& m = chart.MouseState();
  if (!m.DragActive || m.DraggedTextLabel < 1) {
    TakeDragStart(chart, p);
    m.DraggedTextLabel = NearestTextLabel(chart, p);
    return;
  }
  TTextLabel& label = chart.TextLabel(m.DraggedTextLabel);
  double wx, wy;
  chart.PixelToWorld(label.Layer(), p.X, p.Y, wx, wy);
  const TTxtLblAttachMode attach = label.AttachToData();
  const bool world_x = attach == TTxtLblAttachMode::tlamXOnly || attach == TTxtLblAttachMode::tlamBoth;
  const bool world_y = attach == TTxtLblAttachMode::tlamYOnly || attach == TTxtLblAttachMode::tlamBoth;
  WithPaintHeld(chart, [&] {
    label.SetPosX(world_x ? wx : p.X);
    label.SetPosY(world_y ? wy : p.Y);
  });
  if (chart.OnTextLabelMove) chart.OnTextLabelMove(&chart, label);
}

}  // namespace kurvex::interact
