// The canvas primitives with coordinates from the whole int range, any pen and brush, an
// origin and a clip rectangle: nothing may be written outside the bitmap.

#include <vector>

#include "fuzz/targets/fuzz_input.h"
#include "fuzz/targets/fuzz_targets.h"
#include "platform/gfx/canvas.h"

namespace kurvex::fuzz {

namespace {

TPoint AnyPoint(FuzzInput& in) { return Point(in.Int(), in.Int()); }

void SetAttributes(FuzzInput& in, TCanvas& c) {
  c.Pen().SetColor(in.Raw<TColor>());
  c.Pen().SetMode(static_cast<TPenMode>(in.Byte() % 16));
  c.Pen().SetStyle(static_cast<TPenStyle>(in.Byte() % 7));
  c.Pen().SetWidth(in.Byte() % 4 == 0 ? in.Int() : in.Byte() % 12);
  c.Brush().SetColor(in.Raw<TColor>());
  c.Brush().SetStyle(static_cast<TBrushStyle>(in.Byte() % 8));
  c.SetCopyMode(static_cast<TCopyMode>(in.Byte() % 4));
  if (in.Flag()) c.SetOrigin(in.Int(), in.Int());
  if (in.Flag()) c.SetClipRect(Rect(in.Int(), in.Int(), in.Int(), in.Int()));
}

void DrawOne(FuzzInput& in, TCanvas& c, const Bitmap& source) {
  const TPoint a = AnyPoint(in);
  const TPoint b = AnyPoint(in);
  switch (in.Byte() % 13) {
    case 0: c.MoveTo(a.X, a.Y); c.LineTo(b.X, b.Y); break;
    case 1:
    case 2: {
      std::vector<TPoint> points{a, b};
      for (int n = in.Byte() % 8; n > 0; --n) points.push_back(AnyPoint(in));
      if (in.Flag()) c.Polyline(points); else c.Polygon(points);
      break;
    }
    case 3: c.Rectangle(a.X, a.Y, b.X, b.Y); break;
    case 4: c.FillRect(Rect(a.X, a.Y, b.X, b.Y)); break;
    case 5: c.Ellipse(a.X, a.Y, b.X, b.Y); break;
    case 6: {
      const TPoint p = AnyPoint(in);
      const TPoint q = AnyPoint(in);
      c.Arc(a.X, a.Y, b.X, b.Y, p.X, p.Y, q.X, q.Y);
      break;
    }
    case 7: c.SetPixel(a.X, a.Y, in.Raw<TColor>()); (void)c.Pixel(b.X, b.Y); break;
    case 8: c.TextOut(a.X, a.Y, in.Text(8)); break;
    case 9: c.TextRect(Rect(a.X, a.Y, b.X, b.Y), in.Int(), in.Int(), in.Text(8)); break;
    case 10: c.Draw(a.X, a.Y, source); break;
    case 11: c.StretchDraw(Rect(a.X, a.Y, b.X, b.Y), source); break;
    default: SetAttributes(in, c); break;
  }
}

}  // namespace

void FuzzCanvas(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  Bitmap target(1 + in.Byte() % 64, 1 + in.Byte() % 48);
  Bitmap source(1 + in.Byte() % 9, 1 + in.Byte() % 9);
  source.Fill(clBlue);
  TCanvas c(&target);
  c.Font().SetName("Arial");
  SetAttributes(in, c);
  for (int step = 0; step < 24 && !in.Empty(); ++step) DrawOne(in, c, source);
}

}  // namespace kurvex::fuzz
