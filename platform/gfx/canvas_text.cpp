// Text: measuring and drawing UTF-8 strings with the canvas font. Glyph coverage is blended
// over the destination in the font colour; text pixels are always written in copy mode,
// whatever the pen mode.

#include <algorithm>

#include "platform/gfx/canvas_impl.h"

namespace kurvex {

namespace {

std::uint32_t Blend(std::uint32_t dest, std::uint32_t color, unsigned alpha) {
  const unsigned inverse = 255 - alpha;
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const unsigned d = (dest >> shift) & 0xFFu;
    const unsigned c = (color >> shift) & 0xFFu;
    out |= ((c * alpha + d * inverse + 127) / 255) << shift;
  }
  return out;
}

void DrawGlyph(const raster::Surface& s, const fonts::Glyph& g, std::int64_t x, std::int64_t y, std::uint32_t color) {
  const std::int64_t x0 = std::max(x, s.clip.left);
  const std::int64_t x1 = std::min(x + g.width, s.clip.right);
  const std::int64_t y0 = std::max(y, s.clip.top);
  const std::int64_t y1 = std::min(y + g.rows, s.clip.bottom);
  for (std::int64_t row = y0; row < y1; ++row) {
    const std::uint8_t* coverage = g.coverage.data() + (row - y) * g.width;
    std::uint32_t* dest = s.At(0, row);
    for (std::int64_t col = x0; col < x1; ++col) {
      const unsigned a = coverage[col - x];
      if (a == 255) dest[col] = color;
      else if (a != 0) dest[col] = Blend(dest[col], color, a);
    }
  }
}

int MeasureWidth(fonts::SizedFont& face, std::string_view text) {
  std::int64_t width = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    width += face.GlyphFor(fonts::NextCodePoint(text.data(), text.size(), &pos)).advance;
  }
  return static_cast<int>(std::min<std::int64_t>(width, INT32_MAX));
}

// Glyphs, underline and strike-out of a text cell with its top-left corner at device (x, y).
void DrawTextCell(const raster::Surface& s, fonts::SizedFont& face, const TFont& font, std::int64_t x,
                  std::int64_t y, std::string_view text, int width) {
  if (s.Empty()) return;
  const std::uint32_t color = ColorToPixel(font.Color());
  const std::int64_t baseline = y + face.Ascent();
  std::int64_t pen = x;
  for (std::size_t pos = 0; pos < text.size();) {
    const fonts::Glyph& g = face.GlyphFor(fonts::NextCodePoint(text.data(), text.size(), &pos));
    if (g.width > 0) DrawGlyph(s, g, pen + g.left, baseline - g.top, color);
    pen += g.advance;
  }
  const raster::PixelWriter& copy = raster::WriterFor(TPenMode::pmCopy);
  if (font.Style().Contains(TFontStyle::fsUnderline)) {
    const std::int64_t top = baseline + face.UnderlineOffset();
    raster::FillBox(s, copy, color, x, top, x + width, top + face.UnderlineThickness());
  }
  if (font.Style().Contains(TFontStyle::fsStrikeOut)) {
    const std::int64_t top = baseline + face.StrikeOutOffset();
    raster::FillBox(s, copy, color, x, top, x + width, top + face.StrikeOutThickness());
  }
}

}  // namespace

fonts::SizedFont& TCanvas::Impl::Face(TCanvas& c) {
  Impl& impl = *c.impl_;
  const TFont& f = c.font_;
  const bool bold = f.Style().Contains(TFontStyle::fsBold);
  const bool italic = f.Style().Contains(TFontStyle::fsItalic);
  const fonts::FontKey& k = impl.face_key;
  if (impl.face == nullptr || k.height != f.Height() || k.bold != bold || k.italic != italic || k.name != f.Name()) {
    impl.face_key = fonts::FontKey{f.Name(), f.Height(), bold, italic};
    impl.face = &fonts::FaceFor(impl.face_key);
  }
  return *impl.face;
}

int TCanvas::TextWidth(std::string_view text) { return MeasureWidth(Impl::Face(*this), text); }

int TCanvas::TextHeight(std::string_view) { return Impl::Face(*this).CellHeight(); }

void TCanvas::TextOut(int x, int y, std::string_view text) {
  fonts::SizedFont& face = Impl::Face(*this);
  const int width = MeasureWidth(face, text);
  const raster::Surface s = Impl::SurfaceOf(*this);
  const raster::DevicePoint p = Impl::Device(*this, x, y);
  if (!s.Empty() && Impl::BrushSolid(*this)) {
    raster::FillBox(s, raster::WriterFor(TPenMode::pmCopy), ColorToPixel(brush_.Color()), p.x, p.y, p.x + width,
                    p.y + face.CellHeight());
  }
  DrawTextCell(s, face, font_, p.x, p.y, text, width);
  // As on the desktop canvas this imitates, the pen moves to the end of the text.
  pen_pos_ = Point(static_cast<int>(std::clamp<std::int64_t>(std::int64_t{x} + width, INT32_MIN, INT32_MAX)), y);
}

void TCanvas::TextRect(const TRect& r, int x, int y, std::string_view text) {
  fonts::SizedFont& face = Impl::Face(*this);
  raster::Surface s = Impl::SurfaceOf(*this);
  if (s.Empty()) return;
  const raster::DevicePoint a = Impl::Device(*this, std::min(r.Left, r.Right), std::min(r.Top, r.Bottom));
  const raster::DevicePoint b = Impl::Device(*this, std::max(r.Left, r.Right), std::max(r.Top, r.Bottom));
  s.clip.left = std::max(s.clip.left, a.x);
  s.clip.top = std::max(s.clip.top, a.y);
  s.clip.right = std::min(s.clip.right, b.x);
  s.clip.bottom = std::min(s.clip.bottom, b.y);
  if (s.clip.Empty()) return;
  if (Impl::BrushSolid(*this)) {
    raster::FillBox(s, raster::WriterFor(TPenMode::pmCopy), ColorToPixel(brush_.Color()), a.x, a.y, b.x, b.y);
  }
  const raster::DevicePoint p = Impl::Device(*this, x, y);
  DrawTextCell(s, face, font_, p.x, p.y, text, MeasureWidth(face, text));
}

}  // namespace kurvex
