#include "app/gallery_picture.h"

#include <cmath>
#include <stdexcept>

#include "common/color.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/image_file.h"

namespace kurvex {

namespace {

TColor Mix(TColor a, TColor b, double t) {
  const auto channel = [&](int shift) {
    const double ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    return static_cast<TColor>(std::lround(ca + (cb - ca) * t)) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

}  // namespace

void WriteGalleryPicture(const std::string& path) {
  constexpr int w = kGalleryPictureWidth, h = kGalleryPictureHeight;
  // Pale colours, so that a curve drawn over the picture stays easy to read.
  constexpr TColor kSkyTop = 0xF5DDB8, kSkyLow = 0xFCF4EA, kSun = 0xA8ECFC, kHill = 0xB8E4C4, kFarHill = 0xD4EEDC;
  Bitmap picture(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      TColor c = Mix(kSkyTop, kSkyLow, static_cast<double>(y) / (h - 1));
      if (std::hypot(x - 92.0, y - 16.0) < 9.5) c = kSun;
      if (y > 38 + 8 * std::sin(x * 0.07 + 1.2)) c = kFarHill;
      if (y > 46 + 6 * std::sin(x * 0.11 - 0.4)) c = kHill;
      picture.SetPixel(x, y, c);
    }
  }
  std::string error;
  if (!SavePngFile(path, picture, &error)) {
    throw std::runtime_error("cannot write the background picture " + path + ": " + error);
  }
}

}  // namespace kurvex
