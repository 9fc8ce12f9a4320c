#pragma once
// TkxChartItem: the record of one drawing primitive of a chart. Item access, Assign and the
// OnBeforeRenderChartItem event hand out records of this type by value; the item store keeps
// them in a compact form of its own and gives back exactly the fields written.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

#include "common/color.h"
#include "common/types.h"

namespace kurvex {

// A short string of at most 17 characters: a length byte followed by the characters.
struct TShortString17 {
  static constexpr std::size_t kMaxLength = 17;

  std::uint8_t Length = 0;
  char Chars[kMaxLength] = {};

  // Stores the first 17 characters of text (a short string cannot hold more); the unused
  // characters are zero so that two equal texts are equal records.
  void Set(std::string_view text) {
    const std::size_t n = std::min(text.size(), kMaxLength);
    std::memset(Chars, 0, sizeof Chars);
    std::memcpy(Chars, text.data(), n);
    Length = static_cast<std::uint8_t>(n);
  }
  std::string_view Get() const { return std::string_view(Chars, std::min<std::size_t>(Length, kMaxLength)); }

  friend bool operator==(const TShortString17& a, const TShortString17& b) {
    return a.Length == b.Length && std::memcmp(a.Chars, b.Chars, sizeof a.Chars) == 0;
  }
};
static_assert(sizeof(TShortString17) == 18);

// Item kind codes (the Kind field).
namespace ItemKind {
inline constexpr std::uint8_t Mark = 1;
inline constexpr std::uint8_t Line = 2;
inline constexpr std::uint8_t LineTo = 3;
inline constexpr std::uint8_t Rectangle = 4;
inline constexpr std::uint8_t FramedBox = 5;
inline constexpr std::uint8_t Bar3D = 6;
inline constexpr std::uint8_t Text = 7;
inline constexpr std::uint8_t MoveTo = 8;
inline constexpr std::uint8_t Ellipse = 9;
inline constexpr std::uint8_t Unused10 = 10;
inline constexpr std::uint8_t Unused11 = 11;
inline constexpr std::uint8_t RelMove = 12;
inline constexpr std::uint8_t RelLine = 13;
inline constexpr std::uint8_t Arrow = 14;
inline constexpr std::uint8_t DoubleArrow = 15;
inline constexpr std::uint8_t TextOffset = 16;
inline constexpr std::uint8_t PixelBox = 17;
inline constexpr std::uint8_t MarkErrorBars = 18;
inline constexpr std::uint8_t OffsetLine = 19;
inline constexpr std::uint8_t Arc = 20;
inline constexpr std::uint8_t Vector = 21;
inline constexpr std::uint8_t VertLine = 22;
inline constexpr std::uint8_t HorizLine = 23;
inline constexpr std::uint8_t Cross = 24;
// Number of per-kind counters: one per code 0..24.
inline constexpr int kCount = 25;
}  // namespace ItemKind

// Coordinate-mode codes (the CoordMode field; meaningful in the annotation list only).
namespace CoordMode {
inline constexpr std::uint8_t World = 0;       // x and y world
inline constexpr std::uint8_t Pixels = 1;      // x and y pixels
inline constexpr std::uint8_t SecondPixels = 2;  // point kinds: world; two-point kinds: 2nd point pixels
inline constexpr std::uint8_t FirstPixels = 3;   // point kinds: pixels; two-point kinds: 1st point pixels
inline constexpr std::uint8_t XPixels = 4;     // x pixels, y world
inline constexpr std::uint8_t YPixels = 5;     // x world, y pixels
}  // namespace CoordMode

// One drawing primitive. Fields a drawing command does not stamp are zero.
struct TkxChartItem {
  double X1 = 0;                    // first point x (world or pixels, see CoordMode)
  double Y1 = 0;                    // first point y
  double X2 = 0;                    // second point x, radius, half size, error or pixel offset
  double Y2 = 0;                    // second point y or the matching vertical quantity
  TColor Color = 0;                 // line, outline, mark and text colour
  TColor FillColor = 0;             // fill or text background colour
  TColor ShadeColor = 0;            // dark edge colour of a framed box
  TColor HiliteColor = 0;           // light edge colour of a framed box
  TPenStyle PenStyle = TPenStyle::psSolid;
  std::int32_t Reserved = 0;        // copied from the chart's reserved attribute
  std::int32_t LineWidth = 0;       // pen width; for text kinds the long-text index
  std::uint8_t ClassNo = 0;         // class 0..255 for show/hide by class
  std::uint8_t Kind = 0;            // ItemKind code
  std::int32_t Layer = 0;           // layer 1..16
  bool Hollow = false;              // no fill; arrows: open head
  std::uint8_t FrameStyle = 0;      // framed box edge style 2..5
  TShortString17 ShortText;         // inline text of a text item
  std::int32_t Param1 = 0;          // per kind (font size, angle, head size, half width, ...)
  std::int32_t Param2 = 0;          // per kind (opaque flag, depth, half height, ...)
  std::int32_t MarkType = 0;        // mark shape; text kinds: horizontal alignment
  std::uint8_t CoordMode = 0;       // which coordinates are pixels (annotation list only)

  // Field-by-field equality; doubles compare by bit pattern, so -0.0 differs from 0.0 and a
  // NaN equals the same NaN (a record reads back exactly as written).
  friend bool operator==(const TkxChartItem& a, const TkxChartItem& b) {
    return SameBits(a.X1, b.X1) && SameBits(a.Y1, b.Y1) && SameBits(a.X2, b.X2) && SameBits(a.Y2, b.Y2) &&
           a.Color == b.Color && a.FillColor == b.FillColor && a.ShadeColor == b.ShadeColor &&
           a.HiliteColor == b.HiliteColor && a.PenStyle == b.PenStyle && a.Reserved == b.Reserved &&
           a.LineWidth == b.LineWidth && a.ClassNo == b.ClassNo && a.Kind == b.Kind && a.Layer == b.Layer &&
           a.Hollow == b.Hollow && a.FrameStyle == b.FrameStyle && a.ShortText == b.ShortText &&
           a.Param1 == b.Param1 && a.Param2 == b.Param2 && a.MarkType == b.MarkType &&
           a.CoordMode == b.CoordMode;
  }

  static bool SameBits(double a, double b) {
    std::uint64_t ua, ub;
    std::memcpy(&ua, &a, sizeof ua);
    std::memcpy(&ub, &b, sizeof ub);
    return ua == ub;
  }
};
static_assert(std::is_trivially_copyable_v<TkxChartItem>);

}  // namespace kurvex
