// TCanvas state, lines, single pixels and plain fills. Figures are in canvas_figures.cpp,
// text in canvas_text.cpp, bitmap copies in canvas_bitmaps.cpp.

#include <algorithm>

#include "platform/gfx/canvas_impl.h"

namespace kurvex {

using raster::DevicePoint;

raster::Surface TCanvas::Impl::SurfaceOf(const TCanvas& c) {
  raster::Surface s;
  if (c.target_ == nullptr || c.target_->Empty()) return s;
  s.bits = c.target_->Bits();
  s.stride = c.target_->Width();
  s.clip = {0, 0, c.target_->Width(), c.target_->Height()};
  if (c.has_clip_) {
    // The clip rectangle is intersected with the bitmap at every use, so a bitmap resized
    // after SetClipRect is still never written outside.
    s.clip.left = std::max<std::int64_t>(s.clip.left, c.clip_.Left);
    s.clip.top = std::max<std::int64_t>(s.clip.top, c.clip_.Top);
    s.clip.right = std::min<std::int64_t>(s.clip.right, c.clip_.Right);
    s.clip.bottom = std::min<std::int64_t>(s.clip.bottom, c.clip_.Bottom);
  }
  return s;
}

raster::StrokePen TCanvas::Impl::StrokePenOf(const TCanvas& c) {
  raster::StrokePen pen;
  pen.writer = &Writer(c);
  pen.color = ColorToPixel(c.pen_.Color());
  pen.gap = ColorToPixel(c.brush_.Color());
  pen.paint_gaps = BrushSolid(c);
  pen.width = c.pen_.Width();
  // Dash patterns belong to 1-pixel pens; wider pens draw solid.
  pen.dash = pen.width == 1 ? raster::DashFor(c.pen_.Style()) : nullptr;
  return pen;
}

TCanvas::TCanvas(Bitmap* target) : target_(target), impl_(new Impl) {}

TCanvas::~TCanvas() { delete impl_; }

void TCanvas::SetTarget(Bitmap* target) { target_ = target; }

void TCanvas::SetClipRect(const TRect& device_rect) {
  clip_ = Rect(std::min(device_rect.Left, device_rect.Right), std::min(device_rect.Top, device_rect.Bottom),
               std::max(device_rect.Left, device_rect.Right), std::max(device_rect.Top, device_rect.Bottom));
  has_clip_ = true;
}

void TCanvas::ResetClip() {
  clip_ = TRect{};
  has_clip_ = false;
}

void TCanvas::LineTo(int x, int y) {
  if (Impl::PenVisible(*this)) {
    const DevicePoint points[2] = {Impl::Device(*this, pen_pos_.X, pen_pos_.Y), Impl::Device(*this, x, y)};
    raster::StrokePath(Impl::SurfaceOf(*this), Impl::StrokePenOf(*this), points, 2, false, impl_->scratch);
  }
  pen_pos_ = Point(x, y);
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  if (points.empty() || !Impl::PenVisible(*this)) return;
  std::vector<DevicePoint>& device = impl_->scratch.points;
  device.resize(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) device[i] = Impl::Device(*this, points[i].X, points[i].Y);
  raster::StrokePath(Impl::SurfaceOf(*this), Impl::StrokePenOf(*this), device.data(), device.size(), false,
                     impl_->scratch);
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  const raster::Surface s = Impl::SurfaceOf(*this);
  const DevicePoint p = Impl::Device(*this, x, y);
  if (s.Empty() || !s.clip.Contains(p.x, p.y)) return;
  *s.At(p.x, p.y) = ColorToPixel(color);
}

TColor TCanvas::Pixel(int x, int y) const {
  if (target_ == nullptr) return 0;
  const DevicePoint p = Impl::Device(*this, x, y);
  if (p.x < 0 || p.y < 0 || p.x >= target_->Width() || p.y >= target_->Height()) return 0;
  return target_->Pixel(static_cast<int>(p.x), static_cast<int>(p.y));
}

void TCanvas::FillRect(const TRect& r) {
  if (!Impl::BrushSolid(*this)) return;
  const raster::Surface s = Impl::SurfaceOf(*this);
  if (s.Empty()) return;
  const DevicePoint a = Impl::Device(*this, std::min(r.Left, r.Right), std::min(r.Top, r.Bottom));
  const DevicePoint b = Impl::Device(*this, std::max(r.Left, r.Right), std::max(r.Top, r.Bottom));
  raster::FillBox(s, raster::WriterFor(TPenMode::pmCopy), ColorToPixel(brush_.Color()), a.x, a.y, b.x, b.y);
}

}  // namespace kurvex
