#pragma once
// The private side of TCanvas, shared by the files that implement its operations
// (lines, figures, text, bitmaps).

#include <cstdint>

#include "platform/gfx/canvas.h"
#include "platform/gfx/font_engine.h"
#include "platform/gfx/surface.h"

namespace kurvex {

struct TCanvas::Impl {
  raster::Scratch scratch;
  // The rendered face of the canvas font, looked up again only when the font changes.
  fonts::SizedFont* face = nullptr;
  fonts::FontKey face_key;

  // The target as the rasterizers see it, clipped to the bitmap and the clip rectangle.
  static raster::Surface SurfaceOf(const TCanvas& c);
  static raster::DevicePoint Device(const TCanvas& c, std::int64_t x, std::int64_t y) {
    return {x + c.origin_.X, y + c.origin_.Y};
  }
  static bool PenVisible(const TCanvas& c) { return c.pen_.Style() != TPenStyle::psClear; }
  static bool BrushSolid(const TCanvas& c) { return c.brush_.Style() == TBrushStyle::bsSolid; }
  // The pen as a stroke description (writer by pen mode, dash pattern by style).
  static raster::StrokePen StrokePenOf(const TCanvas& c);
  static const raster::PixelWriter& Writer(const TCanvas& c) { return raster::WriterFor(c.pen_.Mode()); }
  // The face for the current font (resolved and cached on first use after a change).
  static fonts::SizedFont& Face(TCanvas& c);
};

}  // namespace kurvex
