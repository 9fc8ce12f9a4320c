#include "chart/render/text_label_geometry.h"

#include <algorithm>
#include <cmath>

namespace kurvex::render {

namespace {

// A pixel value given as a double (tlamNone and the pixel half of the one-axis modes).
int RoundPixel(double v) {
  if (!(v > -2147483647.0)) return -2147483647;  // also NaN
  if (v > 2147483647.0) return 2147483647;
  return static_cast<int>(std::nearbyint(v));
}

int Far(long long v) { return static_cast<int>(std::clamp<long long>(v, -kFarPixel, kFarPixel)); }

}  // namespace

bool TextLabelShown(const TCustomKurvex& chart, const TCustomTextLabel& label) {
  return label.Mode() != TTxtLblMode::tlOff && label.Visible() && chart.LayerVisible(label.Layer());
}

TPoint TextLabelAnchor(const TCustomKurvex& chart, const TCustomTextLabel& label) {
  const TLayerMap& map = chart.LayerMap(label.Layer());
  const TTxtLblAttachMode mode = label.AttachToData();
  const bool world_x = mode == TTxtLblAttachMode::tlamXOnly || mode == TTxtLblAttachMode::tlamBoth;
  const bool world_y = mode == TTxtLblAttachMode::tlamYOnly || mode == TTxtLblAttachMode::tlamBoth;
  return Point(world_x ? map.X.ToPixel(label.PosX()) : RoundPixel(label.PosX()),
               world_y ? map.Y.ToPixel(label.PosY()) : RoundPixel(label.PosY()));
}

TTextLabelPlacement PlaceTextLabel(const TCustomKurvex& chart, const TCustomTextLabel& label, TCanvas& canvas) {
  canvas.Font().Assign(label.Font());
  const std::string& caption = label.Caption();
  TTextLabelPlacement p;
  p.Anchor = TextLabelAnchor(chart, label);
  p.Lines = 0;
  int widest = 0;
  ForEachCaptionLine(caption, [&](std::string_view line, int) {
    ++p.Lines;
    widest = std::max(widest, canvas.TextWidth(line));
  });
  p.MaxWidth = widest == 0 ? canvas.TextWidth(caption) : widest;
  p.LineHeight = canvas.TextHeight(caption);

  // The anchor becomes the left end and the bottom of the text block. Block height and
  // width are never negative, so the halves round toward zero as intended.
  const long long block = static_cast<long long>(p.LineHeight) * p.Lines;
  long long x = p.Anchor.X;
  long long y = p.Anchor.Y;
  if (label.VerticalAlignment() == TVerticalAlignment::vaTop) y += block;
  if (label.VerticalAlignment() == TVerticalAlignment::vaCenter) y += block / 2;
  if (label.Alignment() == TAlignment::taRightJustify) x -= p.MaxWidth;
  if (label.Alignment() == TAlignment::taCenter) x -= p.MaxWidth / 2;
  p.X = Far(x);
  p.Y = Far(y);
  p.Box = Rect(Far(x - 4), Far(y - block - 2), Far(x + p.MaxWidth + 4), Far(y + 2));
  return p;
}

TTextLabelPlacement PlaceTextLabel(const TCustomKurvex& chart, const TCustomTextLabel& label) {
  TCanvas canvas;
  return PlaceTextLabel(chart, label, canvas);
}

}  // namespace kurvex::render
