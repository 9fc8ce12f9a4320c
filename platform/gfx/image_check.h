#pragma once
// Structural checks of image files before decoding: the format is recognised from its
// signature and the file must contain all the data its headers announce (a PNG up to its
// IEND chunk, an uncompressed BMP all its pixel rows, a JPEG up to its end-of-image
// marker).

#include <cstddef>
#include <string>

namespace kurvex::image_check {

// True when the bytes are a complete BMP, PNG or JPEG file; otherwise false with the
// reason ("not a BMP, PNG or JPEG image", "truncated PNG file", ...) in *problem.
bool IsComplete(const unsigned char* data, std::size_t size, std::string* problem);

}  // namespace kurvex::image_check
