#pragma once
// Raster operations: how a source colour (pen, brush or bitmap pixel) combines with the
// destination pixel. Every drawing primitive chooses one operation before it touches a pixel
// and then hands whole runs to it, so the inner loops carry no per-pixel mode switch.
//
// Pixel words are 0x00RRGGBB. The operations are bitwise, so they work on the three
// channels at once; results are masked to 24 bits so the top byte stays zero.

#include <cstddef>
#include <cstdint>

#include "common/types.h"

namespace kurvex::raster {

inline constexpr std::uint32_t kRgbMask = 0x00FFFFFFu;

// One operation per pen mode, in the order of TPenMode. D is the destination, P the pen.
struct OpBlack { static std::uint32_t Apply(std::uint32_t, std::uint32_t) { return 0; } };
struct OpWhite { static std::uint32_t Apply(std::uint32_t, std::uint32_t) { return kRgbMask; } };
struct OpNop { static std::uint32_t Apply(std::uint32_t d, std::uint32_t) { return d; } };
struct OpNot { static std::uint32_t Apply(std::uint32_t d, std::uint32_t) { return ~d & kRgbMask; } };
struct OpCopy { static std::uint32_t Apply(std::uint32_t, std::uint32_t p) { return p; } };
struct OpNotCopy { static std::uint32_t Apply(std::uint32_t, std::uint32_t p) { return ~p & kRgbMask; } };
struct OpMergePenNot { static std::uint32_t Apply(std::uint32_t d, std::uint32_t p) { return (p | ~d) & kRgbMask; } };
struct OpMaskPenNot { static std::uint32_t Apply(std::uint32_t d, std::uint32_t p) { return p & ~d & kRgbMask; } };
struct OpMergeNotPen { static std::uint32_t Apply(std::uint32_t d, std::uint32_t p) { return (~p | d) & kRgbMask; } };
struct OpMaskNotPen { static std::uint32_t Apply(std::uint32_t d, std::uint32_t p) { return ~p & d & kRgbMask; } };
struct OpMerge { static std::uint32_t Apply(std::uint32_t d, std::uint32_t p) { return p | d; } };
struct OpNotMerge { static std::uint32_t Apply(std::uint32_t d, std::uint32_t p) { return ~(p | d) & kRgbMask; } };
struct OpMask { static std::uint32_t Apply(std::uint32_t d, std::uint32_t p) { return p & d; } };
struct OpNotMask { static std::uint32_t Apply(std::uint32_t d, std::uint32_t p) { return ~(p & d) & kRgbMask; } };
struct OpXor { static std::uint32_t Apply(std::uint32_t d, std::uint32_t p) { return p ^ d; } };
struct OpNotXor { static std::uint32_t Apply(std::uint32_t d, std::uint32_t p) { return ~(p ^ d) & kRgbMask; } };

// The pixels of one clipped straight line: `count` pixels starting at word `offset`; after
// each pixel the offset moves by `major_step`, and whenever the error term reaches `limit`
// it also moves by `minor_step`. `phase` is the index of the first pixel along the whole
// (unclipped) line, which styled pens use to continue their pattern.
struct LineRun {
  std::ptrdiff_t offset = 0;
  std::ptrdiff_t major_step = 0;
  std::ptrdiff_t minor_step = 0;
  std::int64_t error = 0;
  std::int64_t increment = 0;
  std::int64_t limit = 1;
  std::int64_t count = 0;
  std::int64_t phase = 0;
};

// A dash pattern: pixel i of a line is "on" when bits[(phase + i) % length] is set.
struct DashPattern {
  const bool* bits = nullptr;
  int length = 0;
};

// The run writers of one raster operation. `color` is a pixel word.
struct PixelWriter {
  void (*span)(std::uint32_t* p, std::ptrdiff_t n, std::uint32_t color);
  void (*column)(std::uint32_t* p, std::ptrdiff_t n, std::ptrdiff_t stride, std::uint32_t color);
  void (*line)(std::uint32_t* bits, const LineRun& run, std::uint32_t color);
  // Styled line: on pixels take `color`; off pixels take `gap` when `paint_gaps` is set.
  void (*styled_line)(std::uint32_t* bits, const LineRun& run, const DashPattern& dash, std::uint32_t color,
                      std::uint32_t gap, bool paint_gaps);
  // Applying the operation twice gives the same result as once (copy, merge, mask...).
  // Overlapping strokes may then be painted directly; the others need each pixel once.
  bool idempotent;
};

// The writers for a pen mode (the same operation is used for the brush of a figure).
const PixelWriter& WriterFor(TPenMode mode);

}  // namespace kurvex::raster
