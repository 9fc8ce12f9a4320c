#pragma once
// The background picture of kurvex-gallery, drawn by the program itself: a small landscape
// (sky, sun, hills) of 120 x 60 pixels, small enough for every fill mode to show.

#include <string>

namespace kurvex {

inline constexpr int kGalleryPictureWidth = 120;
inline constexpr int kGalleryPictureHeight = 60;

// Writes the picture as a PNG file; raises std::runtime_error naming the file when it
// cannot be written.
void WriteGalleryPicture(const std::string& path);

}  // namespace kurvex
