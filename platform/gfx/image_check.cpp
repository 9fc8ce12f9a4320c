#include "platform/gfx/image_check.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace kurvex::image_check {

namespace {

std::uint32_t BigEndian32(const unsigned char* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

std::uint32_t LittleEndian32(const unsigned char* p) {
  return (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
}

std::uint16_t LittleEndian16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

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

bool CheckBmp(const unsigned char* data, std::size_t size, std::string* problem) {
  if (size < 26) return Problem(problem, "truncated BMP file");
  const std::uint64_t pixel_offset = LittleEndian32(data + 10);
  const std::uint32_t header_size = LittleEndian32(data + 14);
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint32_t bits = 0;
  std::uint32_t compression = 0;
  if (header_size == 12) {
    width = LittleEndian16(data + 18);
    height = LittleEndian16(data + 20);
    bits = LittleEndian16(data + 24);
  } else if (header_size >= 40) {
    if (size < 34) return Problem(problem, "truncated BMP file");
    width = static_cast<std::int32_t>(LittleEndian32(data + 18));
    height = static_cast<std::int32_t>(LittleEndian32(data + 22));
    bits = LittleEndian16(data + 28);
    compression = LittleEndian32(data + 30);
  } else {
    return Problem(problem, "unsupported BMP header");
  }
  if (width < 0) width = -width;
  if (height < 0) height = -height;
  // Run-length compressed files are not supported by the decoder, which says so itself.
  const bool uncompressed = compression == 0 || compression == 3 || compression == 6;
  if (!uncompressed) return true;
  const std::uint64_t row_bytes = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
  if (pixel_offset + row_bytes * static_cast<std::uint64_t>(height) > size) {
    return Problem(problem, "truncated BMP file");
  }
  return true;
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

bool IsComplete(const unsigned char* data, std::size_t size, std::string* problem) {
  static const unsigned char kPng[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (size == 0) return Problem(problem, "the file is empty");
  static const unsigned char kJpeg[] = {0xFF, 0xD8, 0xFF};
  // A file shorter than a signature but matching its start is a cut-off file of that kind.
  if (std::memcmp(data, kPng, std::min<std::size_t>(size, 8)) == 0) {
    return size >= 8 ? CheckPng(data, size, problem) : Problem(problem, "truncated PNG file");
  }
  if (std::memcmp(data, kJpeg, std::min<std::size_t>(size, 3)) == 0) {
    return size >= 3 ? CheckJpeg(data, size, problem) : Problem(problem, "truncated JPEG file");
  }
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') return CheckBmp(data, size, problem);
  return Problem(problem, "not a BMP, PNG or JPEG image");
}

}  // namespace kurvex::image_check
