// The whole canvas in one picture, compared with tests/golden/gfx/primitives.png: lines in
// all directions, styled and wide pens, figures, arcs, polygons, pen modes, bitmaps and
// text in the fonts the library uses.

#include <gtest/gtest.h>

#include <cmath>

#include "golden_image.h"
#include "platform/gfx/canvas.h"

namespace kurvex {
namespace {

void DrawLines(TCanvas& c) {
  // A star of 1-pixel lines in 24 directions around (60, 60).
  for (int i = 0; i < 24; ++i) {
    const double a = i * 3.14159265358979 / 12;
    c.MoveTo(60, 60);
    c.LineTo(60 + static_cast<int>(std::lround(50 * std::cos(a))), 60 - static_cast<int>(std::lround(50 * std::sin(a))));
  }
  // Styled pens, gaps in the brush colour (yellow) and left alone (clear brush).
  const TPenStyle styles[] = {TPenStyle::psSolid, TPenStyle::psDash, TPenStyle::psDot, TPenStyle::psDashDot,
                              TPenStyle::psDashDotDot};
  for (int i = 0; i < 5; ++i) {
    c.Pen().SetStyle(styles[i]);
    c.Brush().SetColor(clYellow);
    c.MoveTo(125, 14 + 8 * i);
    c.LineTo(225, 14 + 8 * i);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.MoveTo(125, 18 + 8 * i);
    c.LineTo(225, 18 + 8 * i);
  }
  c.Pen().SetStyle(TPenStyle::psDash);
  c.Brush().SetColor(clAqua);
  const TPoint zigzag[] = {{125, 100}, {150, 60}, {175, 100}, {200, 60}, {225, 100}};
  c.Polyline(zigzag);
  c.Pen().SetStyle(TPenStyle::psSolid);
  // Wide pens: round ends and joins.
  c.Pen().SetColor(clNavy);
  for (int w = 2; w <= 7; ++w) {
    c.Pen().SetWidth(w);
    c.MoveTo(240 + 14 * (w - 2), 15);
    c.LineTo(250 + 14 * (w - 2), 95);
  }
  c.Pen().SetWidth(5);
  c.Pen().SetColor(clGreen);
  const TPoint wide[] = {{330, 90}, {350, 20}, {375, 80}, {400, 30}};
  c.Polyline(wide);
  c.Pen().SetWidth(1);
  c.Pen().SetColor(clBlack);
}

void DrawFigures(TCanvas& c) {
  c.Brush().SetColor(clSilver);
  c.Rectangle(10, 120, 60, 160);
  c.Pen().SetStyle(TPenStyle::psClear);
  c.Brush().SetColor(clTeal);
  c.Rectangle(70, 120, 120, 160);
  c.Pen().SetStyle(TPenStyle::psSolid);
  c.Pen().SetWidth(4);
  c.Pen().SetColor(clMaroon);
  c.Brush().SetColor(clWhite);
  c.Rectangle(135, 125, 185, 160);
  c.Pen().SetStyle(TPenStyle::psInsideFrame);
  c.Rectangle(195, 120, 245, 160);
  c.Pen().SetStyle(TPenStyle::psSolid);
  c.Pen().SetWidth(1);
  c.Pen().SetColor(clBlack);

  c.Brush().SetColor(clLime);
  c.Ellipse(260, 115, 320, 165);
  c.Brush().SetStyle(TBrushStyle::bsClear);
  c.Ellipse(330, 115, 420, 165);
  c.Pen().SetWidth(3);
  c.Pen().SetColor(clPurple);
  c.Ellipse(345, 125, 405, 155);
  c.Pen().SetWidth(1);
  c.Pen().SetColor(clBlack);
  // Small marks: circles and squares of the chart's mark sizes.
  for (int i = 0; i < 6; ++i) {
    const int x = 432 + (i % 2) * 20;
    const int y = 120 + (i / 2) * 16;
    c.Brush().SetColor(i % 2 == 0 ? clBlack : clWhite);
    c.Ellipse(x - 2 - i / 2, y - 2 - i / 2, x + 3 + i / 2, y + 3 + i / 2);
  }

  // Arcs: four quarters in four colours and a three-quarter arc.
  const TColor colours[] = {clRed, clGreen, clBlue, clFuchsia};
  const TPoint directions[] = {{1000, 200}, {40, -1000}, {-1000, 200}, {40, 1000}};
  for (int q = 0; q < 4; ++q) {
    c.Pen().SetColor(colours[q]);
    const TPoint from = directions[q];
    const TPoint to = directions[(q + 1) % 4];
    c.Arc(10, 175, 71, 226, from.X, from.Y, to.X, to.Y);
  }
  c.Pen().SetWidth(3);
  c.Pen().SetColor(clOlive);
  c.Arc(85, 175, 136, 226, 110, -1000, 1000, 200);
  c.Pen().SetWidth(1);

  // Polygons: a pentagram (alternate fill leaves the centre) and a triangle.
  c.Pen().SetColor(clBlack);
  c.Brush().SetColor(clRed);
  TPoint star[5];
  for (int i = 0; i < 5; ++i) {
    const double a = 3.14159265358979 / 2 + i * 4 * 3.14159265358979 / 5;
    star[i] = Point(185 + static_cast<int>(std::lround(28 * std::cos(a))),
                    202 - static_cast<int>(std::lround(28 * std::sin(a))));
  }
  c.Polygon(star);
  c.Brush().SetColor(clAqua);
  const TPoint triangle[] = {{230, 228}, {260, 176}, {290, 228}};
  c.Polygon(triangle);
}

void DrawModesAndBitmaps(TCanvas& c) {
  // XOR and NOT pens over stripes.
  for (int i = 0; i < 6; ++i) {
    c.Brush().SetColor(i % 2 == 0 ? clBlue : clYellow);
    c.Pen().SetStyle(TPenStyle::psClear);
    c.Rectangle(305 + 10 * i, 175, 316 + 10 * i, 230);
  }
  c.Pen().SetStyle(TPenStyle::psSolid);
  c.Pen().SetMode(TPenMode::pmXor);
  c.Pen().SetColor(clWhite);
  c.Brush().SetStyle(TBrushStyle::bsClear);
  c.Rectangle(310, 185, 360, 220);
  c.Pen().SetMode(TPenMode::pmNot);
  c.MoveTo(300, 225);
  c.LineTo(370, 180);
  c.Pen().SetMode(TPenMode::pmCopy);
  c.Pen().SetColor(clBlack);

  // A small bitmap copied, AND-ed onto a grey square, and stretched and mirrored.
  Bitmap tile(8, 8);
  TCanvas t(&tile);
  t.Brush().SetColor(clWhite);
  t.FillRect(Rect(0, 0, 8, 8));
  t.Pen().SetColor(clRed);
  t.MoveTo(0, 0);
  t.LineTo(8, 8);
  t.Pen().SetColor(clBlue);
  t.MoveTo(0, 7);
  t.LineTo(4, 7);
  c.Draw(378, 180, tile);
  c.Brush().SetColor(clSilver);
  c.FillRect(Rect(390, 178, 404, 192));
  c.SetCopyMode(TCopyMode::cmSrcAnd);
  c.Draw(393, 181, tile);
  c.SetCopyMode(TCopyMode::cmSrcCopy);
  c.StretchDraw(Rect(408, 178, 436, 206), tile);
  c.StretchDraw(Rect(470, 178, 442, 206), tile);
}

void DrawTexts(TCanvas& c) {
  c.Font().SetColor(clBlack);
  c.Font().SetHeight(-13);
  c.Brush().SetStyle(TBrushStyle::bsClear);
  const char* sample = "Kurvex 0123.45 \xC2\xB0" "C \xC3\x9C" "ber \xC2\xB5s \xC2\xA7 \xC3\x84rger";
  int y = 240;
  for (const char* family : {"Arial", "MS Sans Serif"}) {
    c.Font().SetName(family);
    c.Font().SetStyle({});
    c.TextOut(10, y, std::string(family) + " -13: " + sample);
    y += 16;
  }
  c.Font().SetName("Arial");
  c.Font().SetStyle({TFontStyle::fsBold});
  c.TextOut(10, y, "Bold: Time to draw internally: 0.123 s");
  y += 16;
  c.Font().SetStyle({TFontStyle::fsItalic});
  c.TextOut(10, y, "Italic: Total drawing time: 1.5 s");
  y += 16;
  c.Font().SetStyle({TFontStyle::fsUnderline});
  c.TextOut(10, y, "Underline");
  c.Font().SetStyle({TFontStyle::fsStrikeOut});
  c.TextOut(100, y, "Strike-out");
  c.Font().SetStyle({});
  c.Brush().SetColor(clNavy);
  c.Font().SetColor(clWhite);
  c.TextOut(200, y, " Opaque cell ");
  c.Brush().SetColor(clInfoBk);
  c.Font().SetColor(clWindowText);
  c.TextRect(Rect(320, y, 380, y + 15), 322, y, "Clipped by TextRect");
  y += 20;
  c.Font().SetHeight(-24);
  c.Font().SetColor(clMaroon);
  c.Brush().SetStyle(TBrushStyle::bsClear);
  c.TextOut(10, y, "Large -24 Wg\xC3\x84\xC3\x96\xC3\x9C");
}

Bitmap Primitives() {
  Bitmap b(480, 360);
  TCanvas c(&b);
  DrawLines(c);
  DrawFigures(c);
  DrawModesAndBitmaps(c);
  DrawTexts(c);
  return b;
}

TEST(Golden, Primitives) {
  const Bitmap picture = Primitives();
  ExpectMatchesGolden(picture, "gfx/primitives");
}

TEST(Golden, RenderingIsDeterministic) {
  const Bitmap a = Primitives();
  const Bitmap b = Primitives();
  EXPECT_TRUE(std::equal(a.Bits(), a.Bits() + a.Width() * a.Height(), b.Bits()));
}

}  // namespace
}  // namespace kurvex
