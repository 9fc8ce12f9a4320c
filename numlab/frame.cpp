#include "numlab/frame.h"

#include "platform/gfx/canvas.h"

namespace kurvex {

namespace {

struct ShadeColors {
  TColor outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
};

// Lines leave out their end pixel, so each corner belongs to exactly one edge: the outer
// top edge runs one pixel past the right side to close the top-right corner, and the outer
// bottom edge one pixel past the left side to close the bottom-left one.
void DrawShadedFrame(TCanvas& c, int l, int t, int r, int b, const ShadeColors& colors) {
  c.Pen().SetColor(colors.outerTopLeft);
  c.MoveTo(l, b);
  c.LineTo(l, t);
  c.LineTo(r + 1, t);
  c.MoveTo(r, t + 1);
  c.Pen().SetColor(colors.outerBottomRight);
  c.LineTo(r, b);
  c.LineTo(l - 1, b);
  c.Pen().SetColor(colors.innerTopLeft);
  c.MoveTo(l + 1, b - 1);
  c.LineTo(l + 1, t + 1);
  c.LineTo(r, t + 1);
  c.MoveTo(r - 1, t + 2);
  c.Pen().SetColor(colors.innerBottomRight);
  c.LineTo(r - 1, b - 1);
  c.LineTo(l, b - 1);
}

}  // namespace

void DrawFrame(TCanvas& canvas, int style, int left, int top, int right, int bottom, TColor light,
               TColor lightGrey, TColor darkGrey, TColor dark, TColor simple) {
  const int s = ((style % 128) + 128) % 128;
  switch (static_cast<TFrameStyle>(s)) {
    case TFrameStyle::fsNone:
      return;
    case TFrameStyle::fsSimple:
      canvas.Pen().SetColor(simple);
      canvas.MoveTo(left, top);
      canvas.LineTo(left, bottom);
      canvas.LineTo(right, bottom);
      canvas.LineTo(right, top);
      canvas.LineTo(left, top);
      return;
    case TFrameStyle::fsLowered:
      DrawShadedFrame(canvas, left, top, right, bottom, {darkGrey, light, dark, lightGrey});
      return;
    case TFrameStyle::fsRaised:
      DrawShadedFrame(canvas, left, top, right, bottom, {light, dark, lightGrey, darkGrey});
      return;
    case TFrameStyle::fsEmbossed:
      DrawShadedFrame(canvas, left, top, right, bottom, {light, darkGrey, darkGrey, light});
      return;
    case TFrameStyle::fsEngraved:
      DrawShadedFrame(canvas, left, top, right, bottom, {darkGrey, light, light, darkGrey});
      return;
  }
  // Any other value is not a frame style: nothing is drawn.
}

void DrawFrame(TCanvas& canvas, TFrameStyle style, int left, int top, int right, int bottom, TColor light,
               TColor lightGrey, TColor darkGrey, TColor dark, TColor simple) {
  DrawFrame(canvas, static_cast<int>(style), left, top, right, bottom, light, lightGrey, darkGrey, dark, simple);
}

}  // namespace kurvex
