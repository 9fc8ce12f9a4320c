#pragma once
// Reading image files (BMP, PNG, JPEG) into a Bitmap, and writing PNG files.

#include <string>

#include "platform/gfx/bitmap.h"

namespace kurvex {

// Loads the file into bitmap (resized to the image). A missing, unreadable, truncated or
// non-image file returns false with a reason in *error and leaves bitmap unchanged.
bool LoadImageFile(const std::string& path, Bitmap& bitmap, std::string* error = nullptr);

// Writes bitmap as a PNG file; returns false with a reason on failure.
bool SavePngFile(const std::string& path, const Bitmap& bitmap, std::string* error = nullptr);

}  // namespace kurvex
