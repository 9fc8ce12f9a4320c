#include "platform/gfx/bitmap.h"

#include <algorithm>

namespace kurvex {

Bitmap::Bitmap(int width, int height) { SetSize(width, height); }

void Bitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  std::vector<std::uint32_t> resized(static_cast<std::size_t>(width) * height, 0x00FFFFFFu);
  const int keep_w = std::min(width, width_);
  const int keep_h = std::min(height, height_);
  for (int y = 0; y < keep_h; ++y) {
    std::copy_n(pixels_.data() + static_cast<std::size_t>(y) * width_, keep_w,
                resized.data() + static_cast<std::size_t>(y) * width);
  }
  pixels_.swap(resized);
  width_ = width;
  height_ = height;
  ++generation_;
}

TColor Bitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return PixelToColor(pixels_[static_cast<std::size_t>(y) * width_ + x]);
}

void Bitmap::SetPixel(int x, int y, TColor color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<std::size_t>(y) * width_ + x] = ColorToPixel(color);
}

void Bitmap::Fill(TColor color) { std::fill(pixels_.begin(), pixels_.end(), ColorToPixel(color)); }

}  // namespace kurvex
