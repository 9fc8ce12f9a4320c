#pragma once
// What the item drawing needs to know about one render: the target canvas and where the
// plot's top-left corner lies on it, the chart geometry, every layer's mapping and ranges,
// the text font and event, and the per-chart render state. The pipeline fills it from the
// chart at the start of each data render; tests fill it by hand.

#include <array>
#include <cmath>
#include <string>

#include "chart/model/chart_item.h"
#include "chart/model/chart_types.h"
#include "chart/model/layer_mapping.h"
#include "chart/model/long_texts.h"
#include "chart/render/render_state.h"
#include "common/saturate.h"
#include "platform/gfx/canvas.h"

namespace kurvex {

// One layer as the items see it: the mapping and the ranges as set (RangeLow, RangeHigh;
// High may lie below Low on a reversed axis).
struct TLayerView {
  TLayerMap Map;
  TAxisRange X;
  TAxisRange Y;
};

struct TItemContext {
  static constexpr int kLayers = 16;

  TCanvas* Canvas = nullptr;
  TRenderState* State = nullptr;
  int OffsetX = 0;
  int OffsetY = 0;
  bool Monochrome = false;
  TPlotGeometry Geometry;
  std::array<TLayerView, kLayers + 1> Layers{};  // 1..16; entry 0 unused
  const TFont* TextFont = nullptr;                // name and style of text items
  TObject* Sender = nullptr;
  const TBeforeRenderTextEvent* OnBeforeRenderText = nullptr;
  bool AvoidDuplicateMarks = false;

  TCanvas& C() const { return *Canvas; }
  TCanvasCache& Cache() const { return State->Cache; }
  TPathBuffer& Path() const { return State->Path; }
  // The layer of an item; numbers outside 1..16 use layer 1, as the mapping does.
  const TLayerView& Layer(int n) const { return Layers[n < 1 || n > kLayers ? 1 : n]; }

  // Canvas attributes through the cache: set only when the wanted value differs.
  void SetPenColor(TColor c) const {
    if (c != Cache().CachedPenColor) {
      Canvas->Pen().SetColor(c);
      Cache().CachedPenColor = c;
    }
  }
  void SetPenStyle(TPenStyle s) const {
    if (s != Cache().CachedPenStyle) {
      Canvas->Pen().SetStyle(s);
      Cache().CachedPenStyle = s;
    }
  }
  void SetBrushColor(TColor c) const {
    if (c != Cache().CachedBrushColor) {
      Canvas->Brush().SetColor(c);
      Cache().CachedBrushColor = c;
    }
  }
  void SetFontColor(TColor c) const {
    if (c != Cache().CachedFontColor) {
      Canvas->Font().SetColor(c);
      Cache().CachedFontColor = c;
    }
  }
  // Pen colour, style and brush colour, the three attributes of the line kinds.
  void SetLineAttributes(TColor pen, TPenStyle style, TColor brush) const {
    SetPenColor(pen);
    SetPenStyle(style);
    SetBrushColor(brush);
  }
  bool LineAttributesDiffer(TColor pen, TPenStyle style, TColor brush) const {
    return pen != Cache().CachedPenColor || style != Cache().CachedPenStyle || brush != Cache().CachedBrushColor;
  }

  // ---- Coordinates ----
  // A control pixel moved onto the canvas (clamped to the drawable range first).
  int CanvasX(int control_x) const { return ClampDrawable(control_x) - Geometry.MarginLeft + OffsetX; }
  int CanvasY(int control_y) const { return ClampDrawable(control_y) - Geometry.MarginTop + OffsetY; }
  // World values of a layer on the canvas.
  int WorldX(int layer, double x) const { return CanvasX(Layer(layer).Map.X.ToPixel(x)); }
  int WorldY(int layer, double y) const { return CanvasY(Layer(layer).Map.Y.ToPixel(y)); }
  TPoint World(int layer, double x, double y) const { return Point(WorldX(layer, x), WorldY(layer, y)); }
  // Plot pixels (from the plot's top-left corner) on the canvas, rounded and clamped.
  int PixelX(double x) const { return DrawableRound(x) + OffsetX; }
  int PixelY(double y) const { return DrawableRound(y) + OffsetY; }

  // Nearest integer of a pixel value (ties to even) within the drawable range; NaN has no
  // position and goes to the lower limit, as in the world mapping.
  static int DrawableRound(double v) {
    if (!(v >= -kDrawableLimit)) return -kDrawableLimit;
    if (v > kDrawableLimit) return kDrawableLimit;
    return static_cast<int>(std::nearbyint(v));
  }
};

// Nearest integer with ties to even, limited to the 32-bit range (NaN gives 0): offsets,
// sizes and angles computed by the item kinds.
int RoundInt(double v);

// Draws one item (a copy: kinds never change the stored record) with the long texts of its
// list. Index and IsAnnotation are passed on to OnBeforeRenderText.
void DrawItem(const TItemContext& ctx, const TkxChartItem& item, const TLongTextArray& texts, bool is_annotation,
              int index);

// Whether drawing a line-to item with these attributes would only append its point to the
// pending path: its pen width and line attributes are those the canvas has.
bool LineToOnlyAppends(const TItemContext& ctx, const TkxChartItem& attrs);

// Draws mark type t (low 8 bits) centred on canvas pixel (x, y) with the canvas's pen.
void DrawMark(TCanvas& canvas, int type, int x, int y);

// Lines, line height, total height and widest line of a text on the canvas's font.
struct TTextMetrics {
  int Lines = 1;
  int LineHeight = 0;
  int TotalHeight = 0;
  int MaxWidth = 0;
};
TTextMetrics MeasureText(const std::string& text, TCanvas& canvas);

}  // namespace kurvex
