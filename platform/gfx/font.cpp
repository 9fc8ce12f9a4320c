#include "platform/gfx/font.h"

#include <cmath>
#include <cstdint>

namespace kurvex {

namespace {

// a * b / c rounded to the nearest integer, an exact half to even (c > 0).
int MulDivRound(int a, int b, int c) {
  const std::int64_t num = static_cast<std::int64_t>(a) * b;
  std::int64_t q = num / c;
  std::int64_t r = num % c;
  if (r < 0) {
    r += c;
    --q;
  }
  if (2 * r > c || (2 * r == c && (q & 1) != 0)) ++q;
  return static_cast<int>(q);
}

}  // namespace

TFont::TFont() = default;

void TFont::SetName(const std::string& name) {
  if (name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

int TFont::Size() const { return -MulDivRound(height_, 72, pixels_per_inch_); }

void TFont::SetSize(int size) { SetHeight(-MulDivRound(size, pixels_per_inch_, 72)); }

void TFont::SetPixelsPerInch(int ppi) {
  // The height stays: a new resolution changes how the size reads, not the glyphs.
  if (ppi < 1 || ppi == pixels_per_inch_) return;
  pixels_per_inch_ = ppi;
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::Assign(const TPersistent& Source) {
  const auto* other = dynamic_cast<const TFont*>(&Source);
  if (other == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  if (other == this || *other == *this) return;
  name_ = other->name_;
  height_ = other->height_;
  pixels_per_inch_ = other->pixels_per_inch_;
  style_ = other->style_;
  color_ = other->color_;
  Changed();
}

bool TFont::SameFace(const TFont& other) const {
  return name_ == other.name_ && height_ == other.height_ && pixels_per_inch_ == other.pixels_per_inch_ &&
         style_ == other.style_;
}

void TFont::Changed() {
  if (OnChange) OnChange(this);
}

}  // namespace kurvex
