#pragma once
// A 32-bit raster image: Width x Height pixels, each a 0x00RRGGBB word (the layout that a
// QImage of Format_RGB32 reads without copying). Rows are contiguous, top row first.

#include <cstdint>
#include <vector>

#include "common/color.h"

namespace kurvex {

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }

  // Resizes in place (the object and its canvases stay valid). Pixels inside both the old
  // and the new size keep their values; new pixels are white. Negative sizes count as 0.
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }

  // Raw pixel words (0x00RRGGBB), row y starting at Bits() + y * Width().
  std::uint32_t* Bits() { return pixels_.data(); }
  const std::uint32_t* Bits() const { return pixels_.data(); }
  std::uint32_t* ScanLine(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const std::uint32_t* ScanLine(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }

  // Pixel access as colours (0x00BBGGRR). Reading outside the bitmap gives 0; writing
  // outside is ignored.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  // Fills every pixel with one colour.
  void Fill(TColor color);

  // Incremented by every SetSize that changes the size; lets owners of derived data
  // (window images) notice a resize.
  std::uint64_t Generation() const { return generation_; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::uint64_t generation_ = 0;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace kurvex
