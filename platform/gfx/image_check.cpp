#include "platform/gfx/image_check.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

namespace kurvex::image_check {

namespace {

std::uint32_t BigEndian32(const unsigned char* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

bool Problem(std::string* problem, const char* text) {
  *problem = text;
  return false;
}

bool CheckPng(const unsigned char* data, std::size_t size, std::string* problem) {
  std::size_t pos = 8;
  while (pos + 12 <= size) {
    const std::uint64_t length = BigEndian32(data + pos);
    if (pos + 12 + length > size) break;
    if (std::memcmp(data + pos + 4, "IEND", 4) == 0) return true;
    pos += 12 + static_cast<std::size_t>(length);
  }
  return Problem(problem, "truncated PNG file");
}

bool IsStandaloneMarker(unsigned char m) { return m == 0x01 || (m >= 0xD0 && m <= 0xD7); }

bool CheckJpeg(const unsigned char* data, std::size_t size, std::string* problem) {
  std::size_t pos = 2;
  while (pos < size) {
    if (data[pos] != 0xFF) {  // stray bytes between segments are tolerated
      ++pos;
      continue;
    }
    while (pos < size && data[pos] == 0xFF) ++pos;  // fill bytes
    if (pos >= size) break;
    const unsigned char marker = data[pos++];
    if (marker == 0xD9) return true;
    if (IsStandaloneMarker(marker) || marker == 0x00) continue;
    if (pos + 2 > size) break;
    const std::size_t length = (std::size_t{data[pos]} << 8) | data[pos + 1];
    if (length < 2 || pos + length > size) break;
    pos += length;
    if (marker == 0xDA) {
      // Entropy-coded data runs to the next marker other than a stuffed zero or a restart.
      while (pos + 1 < size && !(data[pos] == 0xFF && data[pos + 1] != 0x00 && !IsStandaloneMarker(data[pos + 1]))) {
        ++pos;
      }
      if (pos + 1 >= size) break;
    }
  }
  return Problem(problem, "truncated JPEG file");
}

}  // namespace

ImageFormat DetectFormat(const unsigned char* data, std::size_t size) {
  static const unsigned char kPng[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  static const unsigned char kJpeg[] = {0xFF, 0xD8, 0xFF};
  if (size == 0) return ImageFormat::Unknown;
  if (std::memcmp(data, kPng, std::min<std::size_t>(size, 8)) == 0) return ImageFormat::Png;
  if (std::memcmp(data, kJpeg, std::min<std::size_t>(size, 3)) == 0) return ImageFormat::Jpeg;
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') return ImageFormat::Bmp;
  return ImageFormat::Unknown;
}

bool IsComplete(const unsigned char* data, std::size_t size, std::string* problem) {
  if (size == 0) return Problem(problem, "the file is empty");
  switch (DetectFormat(data, size)) {
    case ImageFormat::Png:
      return size >= 8 ? CheckPng(data, size, problem) : Problem(problem, "truncated PNG file");
    case ImageFormat::Jpeg:
      return size >= 3 ? CheckJpeg(data, size, problem) : Problem(problem, "truncated JPEG file");
    case ImageFormat::Bmp:
      return true;
    case ImageFormat::Unknown:
      break;
  }
  return Problem(problem, "not a BMP, PNG or JPEG image");
}

bool CheckImageSize(std::int64_t width, std::int64_t height, std::string* problem) {
  const std::string size = std::to_string(width) + " x " + std::to_string(height);
  if (width <= 0 || height <= 0) {
    *problem = "the image declares a size of " + size + " pixels, which has no pixels";
    return false;
  }
  if (width > kMaxImageSide || height > kMaxImageSide || width * height > kMaxImagePixels) {
    *problem = "the image declares a size of " + size + " pixels; at most " + std::to_string(kMaxImageSide) +
               " pixels on a side and " + std::to_string(kMaxImagePixels) + " pixels in all are accepted";
    return false;
  }
  return true;
}

bool AllocatePixels(std::int64_t width, std::int64_t height, std::vector<std::uint32_t>* pixels,
                    std::string* problem) {
  if (!CheckImageSize(width, height, problem)) return false;
  try {
    pixels->assign(static_cast<std::size_t>(width * height), 0x00FFFFFFu);
  } catch (const std::bad_alloc&) {
    *problem = "not enough memory for a " + std::to_string(width) + " x " + std::to_string(height) + " image";
    return false;
  }
  return true;
}

}  // namespace kurvex::image_check
