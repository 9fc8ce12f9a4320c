#pragma once
// TCanvas: draws into one Bitmap with exact raster rules.
//
// Pixel rules (all tested with exact pixel values):
//  - LineTo paints the line from PenPos to (x, y) without its end pixel (Bresenham; per
//    major-axis step the minor coordinate is the exact one rounded, a half to the smaller).
//  - Polyline draws all segments as by LineTo, does not paint the last point, leaves PenPos.
//  - Rectangle(x1, y1, x2, y2) with a visible pen outlines x1..x2-1, y1..y2-1 and fills the
//    inside with the brush; with psClear the fill covers x1..x2-2, y1..y2-2. The outline is
//    the closed path of lines from (x2-1, y1) counter-clockwise (a 1 x 1 box paints nothing).
//  - Ellipse(x1, y1, x2, y2) outlines the thin 8-connected curve through the centres of the
//    box's edge pixels (figure_rows.h) and fills what it encloses.
//  - Styled 1-pixel pens repeat dash/dot patterns; the gaps take the brush colour while the
//    brush is solid and are left alone while it is clear. Wider pens draw solid; their ends
//    and joins are the pen's disc (the ellipse of the pen's width).
//  - Nothing is ever written outside the bitmap or the clip rectangle, whatever the
//    coordinates (any 32-bit value).
//  - Figures take their corners in either order. The pen mode applies to figure fills and
//    dash gaps too; text and FillRect always copy. Dash patterns run along lines, polylines
//    and the outlines of every figure; on ellipses they start at the east and run
//    counter-clockwise, on arcs at the arc's start.
//  - StretchDraw into a rectangle with Right < Left (or Bottom < Top) mirrors the bitmap.
// All coordinates are relative to the origin (SetOrigin), which lets a windowless control
// draw on its parent's surface at its own position.

#include <span>
#include <string_view>

#include "common/color.h"
#include "common/geometry.h"
#include "common/types.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/font.h"

namespace kurvex {

class TPen {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color) { color_ = color; }
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style) { style_ = style; }
  int Width() const { return width_; }
  void SetWidth(int width) { width_ = width < 1 ? 1 : width; }
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode mode) { mode_ = mode; }

 private:
  TColor color_ = clBlack;
  TPenStyle style_ = TPenStyle::psSolid;
  int width_ = 1;
  TPenMode mode_ = TPenMode::pmCopy;
};

class TBrush {
 public:
  TColor Color() const { return color_; }
  // Setting the colour makes the brush solid.
  void SetColor(TColor color) {
    color_ = color;
    style_ = TBrushStyle::bsSolid;
  }
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style) { style_ = style; }

 private:
  TColor color_ = clWhite;
  TBrushStyle style_ = TBrushStyle::bsSolid;
};

class TCanvas {
 public:
  explicit TCanvas(Bitmap* target = nullptr);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  Bitmap* Target() const { return target_; }
  void SetTarget(Bitmap* target);

  TPen& Pen() { return pen_; }
  const TPen& Pen() const { return pen_; }
  TBrush& Brush() { return brush_; }
  const TBrush& Brush() const { return brush_; }
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }

  TPoint PenPos() const { return pen_pos_; }
  void SetPenPos(TPoint p) { pen_pos_ = p; }

  TCopyMode CopyMode() const { return copy_mode_; }
  void SetCopyMode(TCopyMode mode) { copy_mode_ = mode; }

  // Device offset added to every coordinate, and the clip rectangle in device pixels
  // (always intersected with the bitmap). ResetClip clips to the bitmap only.
  TPoint Origin() const { return origin_; }
  void SetOrigin(int x, int y) { origin_ = Point(x, y); }
  void SetClipRect(const TRect& device_rect);
  void ResetClip();
  // The clip rectangle as set (normalised), and whether one is set.
  bool HasClipRect() const { return has_clip_; }
  TRect ClipRect() const { return clip_; }

  void MoveTo(int x, int y) { pen_pos_ = Point(x, y); }
  void LineTo(int x, int y);
  void Polyline(std::span<const TPoint> points);
  void Polygon(std::span<const TPoint> points);  // alternate fill with the brush, then the pen outline
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void FillRect(const TRect& r);  // brush only, covers Left..Right-1, Top..Bottom-1
  void Ellipse(int x1, int y1, int x2, int y2);
  // Counter-clockwise from the direction of (x3, y3) to the direction of (x4, y4), seen from
  // the centre of the box (x1, y1, x2, y2): the outline pixels of Ellipse in directions from
  // the start up to but not including the end (like a line, without its end pixel).
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);

  void SetPixel(int x, int y, TColor color);
  TColor Pixel(int x, int y) const;

  // Text with (x, y) the top-left corner of the text cell, in Font's colour. With a solid
  // brush the cell is filled with the brush colour first. Strings are UTF-8 (a byte that is
  // not valid UTF-8 is taken as a Latin-1 character). The pen moves to (x + width, y).
  void TextOut(int x, int y, std::string_view text);
  // As TextOut, clipped to r; with a solid brush r is filled with the brush colour.
  void TextRect(const TRect& r, int x, int y, std::string_view text);
  int TextWidth(std::string_view text);
  int TextHeight(std::string_view text);

  // Copies a bitmap with its top-left corner at (x, y), combined by CopyMode.
  void Draw(int x, int y, const Bitmap& source);
  // Scales a bitmap into r (nearest pixel), combined by CopyMode.
  void StretchDraw(const TRect& r, const Bitmap& source);

 private:
  struct Impl;
  Bitmap* target_ = nullptr;
  TPen pen_;
  TBrush brush_;
  TFont font_;
  TPoint pen_pos_;
  TPoint origin_;
  TCopyMode copy_mode_ = TCopyMode::cmSrcCopy;
  TRect clip_;          // device pixels, normalised; intersected with the bitmap at each use
  bool has_clip_ = false;
  Impl* impl_ = nullptr;  // raster state private to the implementation (pattern phase, caches)
};

}  // namespace kurvex
