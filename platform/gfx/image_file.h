#pragma once
// Reading image files (BMP, PNG, JPEG) into a Bitmap, and writing PNG files.

#include <cstddef>
#include <string>

#include "platform/gfx/bitmap.h"

namespace kurvex {

// Loads the file into bitmap (resized to the image). A missing, unreadable, truncated,
// damaged or non-image file, or an image larger than 16384 pixels on a side or 64
// megapixels, returns false with a reason in *error and leaves bitmap unchanged.
bool LoadImageFile(const std::string& path, Bitmap& bitmap, std::string* error = nullptr);

// The same for a file's bytes already in memory.
bool LoadImageFromMemory(const unsigned char* data, std::size_t size, Bitmap& bitmap, std::string* error = nullptr);

// Writes bitmap as a PNG file; returns false with a reason on failure.
bool SavePngFile(const std::string& path, const Bitmap& bitmap, std::string* error = nullptr);

}  // namespace kurvex
