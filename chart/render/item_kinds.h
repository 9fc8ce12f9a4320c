#pragma once
// The per-kind drawing routines behind DrawItem (private to the renderer).

#include "chart/render/item_context.h"

namespace kurvex::items {

// The colours of one item: P the line colour, F the fill colour, R the text background and
// G the gap colour of broken lines (FillColor; in monochrome rendering black, silver, white
// and white).
struct TItemColors {
  TColor P = 0;
  TColor F = 0;
  TColor R = 0;
  TColor G = 0;
};

// Points of an item by its coordinate mode.
TPoint PointByMode(const TItemContext& ctx, const TkxChartItem& it, double x, double y);
void TwoPointsByMode(const TItemContext& ctx, const TkxChartItem& it, TPoint& a, TPoint& b);

// Draws a single pixel in the given colour: what a figure whose corners coincide shows.
void DrawDot(const TItemContext& ctx, TPoint p, TColor color);

void DrawMoveTo(const TItemContext& ctx, const TkxChartItem& it);
void DrawLineTo(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c);
void DrawMarkItem(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c);
void DrawLine(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c);
void DrawRectangle(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c);
void DrawFramedBox(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c);
void DrawBar3D(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c);
void DrawTextItem(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c, const TLongTextArray& texts,
                  bool is_annotation, int index);
void DrawEllipse(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c);
void DrawRelativeMove(const TItemContext& ctx, const TkxChartItem& it);
void DrawRelativeLine(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c);
void DrawArrow(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c);
void DrawPixelBox(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c);
void DrawErrorBars(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c);
void DrawOffsetLine(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c);
void DrawArc(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c);
void DrawVector(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c);
void DrawVertLine(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c);
void DrawHorizLine(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c);
void DrawCross(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c);

}  // namespace kurvex::items
