// Copying bitmaps onto the canvas: Draw (one to one) and StretchDraw (nearest pixel),
// combined with the destination by the copy mode.

#include <algorithm>

#include "platform/gfx/canvas_impl.h"
#include "platform/gfx/wide_int.h"

namespace kurvex {

namespace {

struct SrcCopy { static std::uint32_t Apply(std::uint32_t, std::uint32_t s) { return s; } };
struct SrcAnd { static std::uint32_t Apply(std::uint32_t d, std::uint32_t s) { return d & s; } };
struct SrcPaint { static std::uint32_t Apply(std::uint32_t d, std::uint32_t s) { return d | s; } };
struct SrcInvert { static std::uint32_t Apply(std::uint32_t d, std::uint32_t s) { return d ^ s; } };

// One row: dest[i] combined with src[i], or with src[columns[i]] for a stretched row.
struct RowWriter {
  void (*copy)(std::uint32_t* dest, const std::uint32_t* src, std::int64_t n);
  void (*gather)(std::uint32_t* dest, const std::uint32_t* src, const std::int64_t* columns, std::int64_t n);
};

template <class Op>
void CopyRow(std::uint32_t* dest, const std::uint32_t* src, std::int64_t n) {
  for (std::int64_t i = 0; i < n; ++i) dest[i] = Op::Apply(dest[i], src[i]);
}

template <>
void CopyRow<SrcCopy>(std::uint32_t* dest, const std::uint32_t* src, std::int64_t n) {
  std::copy_n(src, n, dest);
}

template <class Op>
void GatherRow(std::uint32_t* dest, const std::uint32_t* src, const std::int64_t* columns, std::int64_t n) {
  for (std::int64_t i = 0; i < n; ++i) dest[i] = Op::Apply(dest[i], src[columns[i]]);
}

const RowWriter& RowWriterFor(TCopyMode mode) {
  static const RowWriter kWriters[] = {
      {&CopyRow<SrcCopy>, &GatherRow<SrcCopy>},
      {&CopyRow<SrcAnd>, &GatherRow<SrcAnd>},
      {&CopyRow<SrcPaint>, &GatherRow<SrcPaint>},
      {&CopyRow<SrcInvert>, &GatherRow<SrcInvert>},
  };
  const auto index = static_cast<std::size_t>(mode);
  return kWriters[index < std::size(kWriters) ? index : 0];
}

// Source index of destination index j when n destination pixels show m source pixels:
// the source pixel under the centre of the destination pixel.
std::int64_t NearestSource(std::int64_t j, std::int64_t n, std::int64_t m) {
  return static_cast<std::int64_t>((raster::Int128{2} * j + 1) * m / (raster::Int128{2} * n));
}

}  // namespace

void TCanvas::Draw(int x, int y, const Bitmap& source) {
  const raster::Surface s = Impl::SurfaceOf(*this);
  if (s.Empty() || source.Empty()) return;
  // Drawing a bitmap onto itself reads from a copy, so overlapping rows stay intact.
  Bitmap copy;
  const Bitmap* src = &source;
  if (&source == target_) {
    copy = source;
    src = &copy;
  }
  const raster::DevicePoint p = Impl::Device(*this, x, y);
  const std::int64_t left = std::max(p.x, s.clip.left);
  const std::int64_t top = std::max(p.y, s.clip.top);
  const std::int64_t right = std::min(p.x + src->Width(), s.clip.right);
  const std::int64_t bottom = std::min(p.y + src->Height(), s.clip.bottom);
  if (left >= right || top >= bottom) return;
  const RowWriter& writer = RowWriterFor(copy_mode_);
  for (std::int64_t row = top; row < bottom; ++row) {
    const std::uint32_t* from = src->ScanLine(static_cast<int>(row - p.y)) + (left - p.x);
    writer.copy(s.At(left, row), from, right - left);
  }
}

// A rectangle with Right < Left or Bottom < Top mirrors the bitmap along that axis.
void TCanvas::StretchDraw(const TRect& r, const Bitmap& source) {
  const raster::Surface s = Impl::SurfaceOf(*this);
  if (s.Empty() || source.Empty() || r.Left == r.Right || r.Top == r.Bottom) return;
  Bitmap copy;
  const Bitmap* src = &source;
  if (&source == target_) {
    copy = source;
    src = &copy;
  }
  const bool mirror_x = r.Right < r.Left;
  const bool mirror_y = r.Bottom < r.Top;
  const raster::DevicePoint a = Impl::Device(*this, std::min(r.Left, r.Right), std::min(r.Top, r.Bottom));
  const raster::DevicePoint b = Impl::Device(*this, std::max(r.Left, r.Right), std::max(r.Top, r.Bottom));
  const std::int64_t left = std::max(a.x, s.clip.left);
  const std::int64_t top = std::max(a.y, s.clip.top);
  const std::int64_t right = std::min(b.x, s.clip.right);
  const std::int64_t bottom = std::min(b.y, s.clip.bottom);
  if (left >= right || top >= bottom) return;

  const std::int64_t width = b.x - a.x;
  const std::int64_t height = b.y - a.y;
  std::vector<std::int64_t>& columns = impl_->scratch.columns;
  columns.resize(static_cast<std::size_t>(right - left));
  for (std::int64_t x = left; x < right; ++x) {
    const std::int64_t j = mirror_x ? b.x - 1 - x : x - a.x;
    columns[static_cast<std::size_t>(x - left)] = NearestSource(j, width, src->Width());
  }
  const RowWriter& writer = RowWriterFor(copy_mode_);
  for (std::int64_t y = top; y < bottom; ++y) {
    const std::int64_t i = mirror_y ? b.y - 1 - y : y - a.y;
    const std::uint32_t* from = src->ScanLine(static_cast<int>(NearestSource(i, height, src->Height())));
    writer.gather(s.At(left, y), from, columns.data(), right - left);
  }
}

}  // namespace kurvex
