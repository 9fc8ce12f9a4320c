#include "platform/gfx/raster_ops.h"

#include <algorithm>

namespace kurvex::raster {

namespace {

template <class Op>
void Span(std::uint32_t* p, std::ptrdiff_t n, std::uint32_t color) {
  for (std::ptrdiff_t i = 0; i < n; ++i) p[i] = Op::Apply(p[i], color);
}

template <>
void Span<OpCopy>(std::uint32_t* p, std::ptrdiff_t n, std::uint32_t color) {
  std::fill_n(p, n, color);
}

template <class Op>
void Column(std::uint32_t* p, std::ptrdiff_t n, std::ptrdiff_t stride, std::uint32_t color) {
  for (std::ptrdiff_t i = 0; i < n; ++i, p += stride) *p = Op::Apply(*p, color);
}

// The inner loop of every 1-pixel line: one store per pixel, one add and one compare for
// the error term. Offsets are integers so that the step after the last pixel never forms
// a pointer outside the bitmap.
template <class Op>
void Line(std::uint32_t* bits, const LineRun& run, std::uint32_t color) {
  std::ptrdiff_t offset = run.offset;
  std::int64_t error = run.error;
  const std::int64_t increment = run.increment;
  const std::int64_t limit = run.limit;
  const std::ptrdiff_t major = run.major_step;
  const std::ptrdiff_t minor = run.minor_step;
  for (std::int64_t n = run.count; n > 0; --n) {
    bits[offset] = Op::Apply(bits[offset], color);
    offset += major;
    error += increment;
    if (error >= limit) {
      error -= limit;
      offset += minor;
    }
  }
}

template <class Op>
void StyledLine(std::uint32_t* bits, const LineRun& run, const DashPattern& dash, std::uint32_t color,
                std::uint32_t gap, bool paint_gaps) {
  std::ptrdiff_t offset = run.offset;
  std::int64_t error = run.error;
  int index = static_cast<int>(run.phase % dash.length);
  for (std::int64_t n = run.count; n > 0; --n) {
    if (dash.bits[index]) {
      bits[offset] = Op::Apply(bits[offset], color);
    } else if (paint_gaps) {
      bits[offset] = Op::Apply(bits[offset], gap);
    }
    if (++index == dash.length) index = 0;
    offset += run.major_step;
    error += run.increment;
    if (error >= run.limit) {
      error -= run.limit;
      offset += run.minor_step;
    }
  }
}

template <class Op>
constexpr PixelWriter MakeWriter(bool idempotent) {
  return PixelWriter{&Span<Op>, &Column<Op>, &Line<Op>, &StyledLine<Op>, idempotent};
}

// Indexed by TPenMode.
const PixelWriter kWriters[] = {
    MakeWriter<OpBlack>(true),       MakeWriter<OpWhite>(true),      MakeWriter<OpNop>(true),
    MakeWriter<OpNot>(false),        MakeWriter<OpCopy>(true),       MakeWriter<OpNotCopy>(true),
    MakeWriter<OpMergePenNot>(false), MakeWriter<OpMaskPenNot>(false), MakeWriter<OpMergeNotPen>(true),
    MakeWriter<OpMaskNotPen>(true),  MakeWriter<OpMerge>(true),      MakeWriter<OpNotMerge>(false),
    MakeWriter<OpMask>(true),        MakeWriter<OpNotMask>(false),   MakeWriter<OpXor>(false),
    MakeWriter<OpNotXor>(false),
};

}  // namespace

const PixelWriter& WriterFor(TPenMode mode) {
  const auto index = static_cast<std::size_t>(mode);
  return index < std::size(kWriters) ? kWriters[index] : kWriters[static_cast<std::size_t>(TPenMode::pmCopy)];
}

}  // namespace kurvex::raster
