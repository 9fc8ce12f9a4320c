// Whole pictures compared with golden images: every item kind with every coordinate mode,
// all mark shapes and character marks, and both shadow styles with captions at several
// anchors. In the item pictures every coordinate mode is given the same world position, so
// the shapes of one row must look alike; one out of line is a wrong mode.

#include <gtest/gtest.h>

#include <string>

#include "golden_image.h"
#include "render_test_support.h"

namespace kurvex {
namespace {

using test::ItemCanvas;
using test::MakeItem;

// The item pictures: a 401 x 301 plot, layer 1 mapping x 0..100 and y 0..75 onto it at four
// pixels per unit.
struct Pt {
  double x, y;
};
Pt Pixels(Pt w) { return {4 * w.x, 300 - 4 * w.y}; }

constexpr TColor kModeColors[6] = {clBlack, clRed, clBlue, clGreen, clPurple, clTeal};

// Point kinds: coordinates of world point p written for the item's coordinate mode.
void PlacePoint(TkxChartItem& it, std::uint8_t mode, Pt p) {
  const Pt px = Pixels(p);
  it.CoordMode = mode;
  it.X1 = mode == 1 || mode == 3 || mode == 4 ? px.x : p.x;
  it.Y1 = mode == 1 || mode == 3 || mode == 5 ? px.y : p.y;
}

// Two-point kinds: both points written for the mode (4: x in pixels, 5: y in pixels).
void PlaceTwo(TkxChartItem& it, std::uint8_t mode, Pt a, Pt b) {
  const Pt pa = Pixels(a), pb = Pixels(b);
  it.CoordMode = mode;
  const bool first = mode == 1 || mode == 3, second = mode == 1 || mode == 2;
  it.X1 = first || mode == 4 ? pa.x : a.x;
  it.Y1 = first || mode == 5 ? pa.y : a.y;
  it.X2 = second || mode == 4 ? pb.x : b.x;
  it.Y2 = second || mode == 5 ? pb.y : b.y;
}

TkxChartItem Coloured(std::uint8_t kind, TColor color, TColor fill) {
  TkxChartItem it = MakeItem(kind, 0, 0, 0, 0, color);
  it.FillColor = fill;
  return it;
}

TEST(RenderGolden, LineKinds) {
  ItemCanvas t(400, 300, 100, 75);
  // Lines in all six modes.
  for (std::uint8_t m = 0; m < 6; ++m) {
    TkxChartItem it = Coloured(ItemKind::Line, kModeColors[m], clWhite);
    PlaceTwo(it, m, {4.0 + 16 * m, 72}, {14.0 + 16 * m, 63});
    t.Draw(it);
  }
  // A zigzag polyline whose points cycle through the point modes.
  TkxChartItem move = Coloured(ItemKind::MoveTo, clBlack, clWhite);
  PlacePoint(move, 0, {4, 59});
  t.Draw(move);
  for (int k = 1; k <= 23; ++k) {
    TkxChartItem it = Coloured(ItemKind::LineTo, k < 12 ? clBlack : clRed, clWhite);
    PlacePoint(it, static_cast<std::uint8_t>(k % 6), {4.0 + 4 * k, k % 2 ? 51.0 : 59.0});
    t.Draw(it);
  }
  // Pen styles with their gap colour, then widths.
  const TPenStyle styles[] = {TPenStyle::psDash, TPenStyle::psDot, TPenStyle::psDashDot, TPenStyle::psDashDotDot};
  for (int k = 0; k < 4; ++k) {
    TkxChartItem it = Coloured(ItemKind::Line, clNavy, clYellow);
    it.PenStyle = styles[k];
    PlaceTwo(it, 0, {4.0 + 12 * k, 47}, {14.0 + 12 * k, 40});
    t.Draw(it);
  }
  for (int k = 0; k < 4; ++k) {
    TkxChartItem it = Coloured(ItemKind::Line, clMaroon, clWhite);
    it.LineWidth = 2 + k;
    PlaceTwo(it, 0, {52.0 + 12 * k, 47}, {62.0 + 12 * k, 40});
    t.Draw(it);
  }
  // Offset segments: the same world segment moved by pixel offsets.
  for (int k = 0; k < 3; ++k) {
    TkxChartItem it = Coloured(ItemKind::OffsetLine, kModeColors[k], clWhite);
    PlaceTwo(it, 0, {4, 35}, {20, 28});
    it.Param1 = 8 * k;
    it.Param2 = -4 * k;
    t.Draw(it);
  }
  // A vector continued by line-tos, and a staircase of relative moves and lines.
  TkxChartItem vector = Coloured(ItemKind::Vector, clBlue, clWhite);
  PlacePoint(vector, 0, {30, 28});
  vector.X2 = 16;
  vector.Y2 = -20;
  t.Draw(vector);
  TkxChartItem cont = Coloured(ItemKind::LineTo, clBlue, clWhite);
  PlacePoint(cont, 0, {42, 28});
  t.Draw(cont);
  TkxChartItem start = Coloured(ItemKind::MoveTo, clBlack, clWhite);
  PlacePoint(start, 0, {48, 28});
  t.Draw(start);
  for (int k = 0; k < 6; ++k) {
    TkxChartItem rel = Coloured(k % 3 == 2 ? ItemKind::RelMove : ItemKind::RelLine, clGreen, clWhite);
    rel.X1 = k % 3 == 0 ? 6 : k % 3 == 1 ? 0 : 3;
    rel.Y1 = k % 3 == 1 ? 6 : 0;
    t.Draw(rel);
  }
  // Error bars, vertical and horizontal, with their marks.
  for (int k = 0; k < 2; ++k) {
    TkxChartItem it = Coloured(ItemKind::MarkErrorBars, k ? clRed : clBlack, clWhite);
    PlacePoint(it, 0, {74.0 + 12 * k, 28});
    it.X2 = -3;
    it.Y2 = 5;
    it.Param1 = k;
    it.MarkType = k ? 24 : 12;
    t.Draw(it);
  }
  // Arcs: a quarter, a half and three quarters, counter-clockwise from 0.
  for (int k = 1; k <= 3; ++k) {
    TkxChartItem it = Coloured(ItemKind::Arc, kModeColors[k], clWhite);
    PlacePoint(it, 0, {-8.0 + 16 * k, 12});
    it.X2 = 6;
    it.Y2 = 5;
    it.Param2 = static_cast<std::int32_t>(k * 157079633);
    t.Draw(it);
  }
  // Vertical lines through x = 93 in the modes that place x (world, pixels 1 and 3, 4, 5),
  // and horizontal lines through y = 2.
  for (std::uint8_t m = 0; m < 6; ++m) {
    TkxChartItem v = Coloured(ItemKind::VertLine, kModeColors[m], clWhite);
    PlacePoint(v, m, {88.0 + 2 * m, 40});
    t.Draw(v);
    TkxChartItem h = Coloured(ItemKind::HorizLine, kModeColors[m], clWhite);
    PlacePoint(h, m, {50, 1.0 + 0.75 * m});
    t.Draw(h);
  }
  t.Flush();
  ExpectMatchesGolden(t.bitmap, "chart/render_items_lines");
}

TEST(RenderGolden, FigureKinds) {
  ItemCanvas t(400, 300, 100, 75);
  t.bitmap.Fill(0xE8E8E8);
  const TColor fills[6] = {0xC0C0FF, 0xC0FFC0, 0xFFC0C0, 0xC0FFFF, 0xFFC0FF, 0xFFFFC0};
  for (std::uint8_t m = 0; m < 6; ++m) {
    TkxChartItem filled = Coloured(ItemKind::Rectangle, kModeColors[m], fills[m]);
    PlaceTwo(filled, m, {4.0 + 16 * m, 72}, {14.0 + 16 * m, 64});
    t.Draw(filled);
    TkxChartItem hollow = Coloured(ItemKind::Rectangle, kModeColors[m], fills[m]);
    hollow.Hollow = true;
    hollow.PenStyle = m % 2 ? TPenStyle::psDot : TPenStyle::psSolid;
    PlaceTwo(hollow, m, {4.0 + 16 * m, 60}, {14.0 + 16 * m, 52});
    t.Draw(hollow);
  }
  // Framed boxes: lowered, raised, embossed, engraved; then two more modes and no edges.
  for (int k = 0; k < 6; ++k) {
    TkxChartItem it = Coloured(ItemKind::FramedBox, clBlack, clSilver);
    it.ShadeColor = clGray;
    it.HiliteColor = clWhite;
    it.FrameStyle = static_cast<std::uint8_t>(k < 4 ? 2 + k : k == 4 ? 2 : 0);
    PlaceTwo(it, static_cast<std::uint8_t>(k == 4 ? 1 : k == 5 ? 3 : 0), {4.0 + 16 * k, 48}, {14.0 + 16 * k, 40});
    t.Draw(it);
  }
  // 3-D bars at 30, 60 and 135 degrees.
  const int angles[] = {30, 60, 135};
  for (int k = 0; k < 3; ++k) {
    TkxChartItem it = Coloured(ItemKind::Bar3D, clBlack, fills[k]);
    PlaceTwo(it, 0, {6.0 + 14 * k, 34}, {14.0 + 14 * k, 20});
    it.Param1 = angles[k];
    it.Param2 = 12;
    t.Draw(it);
  }
  // Ellipses, filled and hollow.
  for (int k = 0; k < 2; ++k) {
    TkxChartItem it = Coloured(ItemKind::Ellipse, clNavy, fills[2]);
    PlacePoint(it, 0, {56.0 + 14 * k, 27});
    it.X2 = 6;
    it.Y2 = 5;
    it.Hollow = k == 1;
    t.Draw(it);
  }
  // Pixel boxes, filled and hollow, around world points.
  for (int k = 0; k < 2; ++k) {
    TkxChartItem it = Coloured(ItemKind::PixelBox, clMaroon, fills[4]);
    PlacePoint(it, 0, {84.0 + 10 * k, 27});
    it.Param1 = 12;
    it.Param2 = 8;
    it.Hollow = k == 1;
    t.Draw(it);
  }
  // Crosses in every mode: 0 all world, 1 and 3 pixels, 2, 4 and 5 pixel half sizes.
  for (std::uint8_t m = 0; m < 6; ++m) {
    TkxChartItem it = Coloured(ItemKind::Cross, kModeColors[m], clWhite);
    const Pt c = {9.0 + 16 * m, 8};
    PlacePoint(it, m, c);
    if (m == 0) {
      it.X2 = 4;
      it.Y2 = 4;
    } else if (m == 1 || m == 3) {
      it.X2 = 16;
      it.Y2 = -16;  // pixel y grows downwards
    } else {
      it.X2 = 16;
      it.Y2 = 16;
    }
    t.Draw(it);
  }
  ExpectMatchesGolden(t.bitmap, "chart/render_items_figures");
}

TEST(RenderGolden, ArrowAndTextKinds) {
  ItemCanvas t(400, 300, 100, 75);
  for (std::uint8_t m = 0; m < 6; ++m) {
    TkxChartItem arrow = Coloured(ItemKind::Arrow, kModeColors[m], kModeColors[m]);
    PlaceTwo(arrow, m, {4.0 + 16 * m, 64}, {14.0 + 16 * m, 72});
    arrow.Param1 = 9;
    t.Draw(arrow);
    TkxChartItem twice = Coloured(ItemKind::DoubleArrow, kModeColors[m], clWhite);
    PlaceTwo(twice, m, {4.0 + 16 * m, 52}, {14.0 + 16 * m, 60});
    twice.Param1 = 8;
    twice.Hollow = true;
    t.Draw(twice);
  }
  // A dashed arrow whose fill equals its colour (gaps in the contrasting colour), one
  // without a head, and arrows straight up, down, left and right.
  TkxChartItem dashed = Coloured(ItemKind::Arrow, clNavy, clNavy);
  dashed.PenStyle = TPenStyle::psDash;
  dashed.Param1 = 10;
  PlaceTwo(dashed, 0, {4, 44}, {30, 44});
  t.Draw(dashed);
  TkxChartItem headless = Coloured(ItemKind::Arrow, clBlack, clBlack);
  PlaceTwo(headless, 0, {4, 40}, {30, 40});
  t.Draw(headless);
  const Pt ends[4][2] = {{{40, 38}, {40, 47}}, {{46, 47}, {46, 38}}, {{62, 42}, {52, 42}}, {{66, 42}, {76, 42}}};
  for (const auto& e : ends) {
    TkxChartItem it = Coloured(ItemKind::Arrow, clRed, clRed);
    it.Param1 = 7;
    PlaceTwo(it, 0, e[0], e[1]);
    t.Draw(it);
  }
  // Texts: the four point modes, the three alignments, an opaque two-line text, a text
  // moved by pixels, and a long text.
  const char* words[] = {"Left", "Right", "Centre", "Other"};
  const std::uint8_t text_modes[] = {0, 1, 4, 5};
  for (int k = 0; k < 4; ++k) {
    TkxChartItem it = Coloured(ItemKind::Text, kModeColors[k], clYellow);
    PlacePoint(it, text_modes[k], {12.0 + 24 * k, 32});
    it.ShortText.Set(words[k]);
    it.LineWidth = 0;
    it.Param1 = 10;
    it.MarkType = k % 3;
    t.Draw(it);
    TkxChartItem dot = Coloured(ItemKind::Mark, clRed, clWhite);
    PlacePoint(dot, 0, {12.0 + 24 * k, 32});
    dot.MarkType = 0;
    t.Draw(dot);
  }
  TkxChartItem box = Coloured(ItemKind::Text, clBlack, clYellow);
  PlacePoint(box, 0, {25, 18});
  box.ShortText.Set("Two lines\nhere");
  box.LineWidth = 0;
  box.Param1 = 10;
  box.Param2 = 1;
  box.MarkType = 2;
  t.Draw(box);
  TkxChartItem moved = Coloured(ItemKind::TextOffset, clBlue, clAqua);
  PlacePoint(moved, 0, {55, 18});
  moved.X2 = 10;
  moved.Y2 = -10;
  moved.ShortText.Set("moved");
  moved.LineWidth = 0;
  moved.Param1 = 12;
  moved.Param2 = 1;
  t.Draw(moved);
  t.texts.SetText(2, "A long text of the list");
  TkxChartItem longer = Coloured(ItemKind::Text, clGreen, clWhite);
  PlacePoint(longer, 0, {75, 8});
  longer.LineWidth = 2;
  longer.Param1 = 9;
  longer.MarkType = 2;
  t.Draw(longer);
  ExpectMatchesGolden(t.bitmap, "chart/render_items_arrows_texts");
}

TEST(RenderGolden, MarkShapesAndCharacters) {
  // 13 marks per row, 30 pixels apart; the last row holds character marks.
  ItemCanvas t(390, 150, 100, 75);
  const auto mark = [&](int type, int column, int row, TColor color) {
    TkxChartItem it = Coloured(ItemKind::Mark, color, clWhite);
    it.CoordMode = CoordMode::Pixels;
    it.X1 = 15 + 30 * column;
    it.Y1 = 15 + 30 * row;
    it.MarkType = type;
    t.Draw(it);
  };
  for (int type = 0; type < 52; ++type) mark(type, type % 13, type / 13, clNavy);
  const int chars[] = {200, 201, 202, 203, 204, 205, 206, 207, 208, 209, 65, 0xE9, 0x80};
  for (int k = 0; k < 13; ++k) mark(chars[k], k, 4, clRed);
  ExpectMatchesGolden(t.bitmap, "chart/render_marks");
}

// Six charts, three per shadow style, each with its caption at another anchor, side by side.
TEST(RenderGolden, ShadowsAndCaptions) {
  struct Case {
    TShadowStyle style;
    int shadow;
    const char* caption;
    TCaptionAnchorHoriz horiz;
    TCaptionAnchorVert vert;
    TAlignment align;
    int x, y;
    int margin_left = 20;
  };
  const Case cases[] = {
      {TShadowStyle::ssFlying, 6, "Right, chart top", TCaptionAnchorHoriz::cahChartRight,
       TCaptionAnchorVert::cavChartTop, TAlignment::taRightJustify, 0, -16},
      {TShadowStyle::ssFlying, 3, "Left, chart bottom", TCaptionAnchorHoriz::cahChartLeft,
       TCaptionAnchorVert::cavChartBottom, TAlignment::taLeftJustify, 0, 4},
      {TShadowStyle::ssFlying, 10, "Control corner", TCaptionAnchorHoriz::cahControlLeft,
       TCaptionAnchorVert::cavControlBottom, TAlignment::taLeftJustify, 4, -30},
      {TShadowStyle::ssBox, 6, "Centred", TCaptionAnchorHoriz::cahChartCenter, TCaptionAnchorVert::cavChartTop,
       TAlignment::taCenter, 0, -16},
      {TShadowStyle::ssBox, 4, "Middle", TCaptionAnchorHoriz::cahChartLeft, TCaptionAnchorVert::cavChartCenter,
       TAlignment::taRightJustify, -4, -7, 60},
      {TShadowStyle::ssBox, 12, "Control right", TCaptionAnchorHoriz::cahControlRight,
       TCaptionAnchorVert::cavControlTop, TAlignment::taRightJustify, -16, 2},
  };
  Bitmap sheet(3 * 240, 2 * 160);
  sheet.Fill(clWhite);
  TCanvas sheet_canvas(&sheet);
  for (int k = 0; k < 6; ++k) {
    const Case& c = cases[k];
    TKurvex chart(nullptr);
    chart.SetBounds(0, 0, 236, 156);
    chart.HandleNeeded();
    chart.SetAutoRedraw(false);
    chart.Scale1X().SetVisible(false);
    chart.Scale1Y().SetVisible(false);
    chart.Font().SetName("Arial");
    chart.SetMarginLeft(c.margin_left);
    chart.SetMarginRight(20);
    chart.SetMarginTop(26);
    chart.SetMarginBottom(26);
    chart.SetShadowWidth(c.shadow);
    chart.SetShadowStyle(c.style);
    chart.SetShadowColor(clGray);
    chart.SetShadowBakColor(clWhite);
    chart.SetWindColor(0xE0F0F0);
    chart.SetChartColor(0xFFF8F0);
    chart.SetChartFrameColor(clNavy);
    chart.SetCaption(c.caption);
    chart.SetCaptionAnchorHoriz(c.horiz);
    chart.SetCaptionAnchorVert(c.vert);
    chart.SetCaptionAlignment(c.align);
    chart.SetCaptionPosX(c.x);
    chart.SetCaptionPosY(c.y);
    chart.SetLayerRange(1, 0, 0, 10, 10);
    chart.SetDataColor(clRed);
    chart.MoveToPoint(0.0, 2.0);
    chart.LineToPoint(10.0, 8.0);
    chart.Paint();
    sheet_canvas.Draw(2 + 240 * (k % 3), 2 + 160 * (k / 3), chart.Surface());
  }
  ExpectMatchesGolden(sheet, "chart/render_shadows_and_captions");
}

}  // namespace
}  // namespace kurvex
