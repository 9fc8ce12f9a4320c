#pragma once
// Checks on image files before and while decoding: the format is recognised from its
// signature, PNG and JPEG files must contain all the data their headers announce (a PNG up
// to its IEND chunk, a JPEG up to its end-of-image marker), and the size an image declares
// is checked against fixed limits before any pixel memory is taken.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kurvex::image_check {

enum class ImageFormat { Unknown, Bmp, Png, Jpeg };

// The largest image accepted: a side of at most 16384 pixels and at most 64 megapixels
// (256 MB of pixel words), so a small file cannot make the loader take gigabytes.
inline constexpr std::int64_t kMaxImageSide = 16384;
inline constexpr std::int64_t kMaxImagePixels = std::int64_t{64} * 1024 * 1024;

// The format named by the first bytes; a file shorter than a signature that matches its
// start counts as that format (and is then reported as truncated).
ImageFormat DetectFormat(const unsigned char* data, std::size_t size);

// True when the bytes are a complete PNG or JPEG file, or a BMP (whose reader checks its
// own structure); otherwise false with the reason ("not a BMP, PNG or JPEG image",
// "truncated PNG file", ...) in *problem.
bool IsComplete(const unsigned char* data, std::size_t size, std::string* problem);

// True when an image of the declared size may be decoded; otherwise false with a reason
// that names the size and the limits.
bool CheckImageSize(std::int64_t width, std::int64_t height, std::string* problem);

// Sizes *pixels to width x height words after CheckImageSize; false with the reason when
// the size is refused or the memory cannot be had.
bool AllocatePixels(std::int64_t width, std::int64_t height, std::vector<std::uint32_t>* pixels,
                    std::string* problem);

}  // namespace kurvex::image_check
