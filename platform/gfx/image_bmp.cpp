// BMP files: 1, 4 and 8 bits with a palette (8 and 4 bits also run-length compressed),
// 16 and 32 bits as 5-5-5 / 8-8-8 or with explicit bit-field masks, and 24 bits; rows
// bottom-up or top-down. Every read is checked against the size of the file and the
// declared size is checked before any pixel memory is taken. Alpha is not used: the
// platform's bitmaps are opaque.

#include <algorithm>
#include <array>
#include <bit>

#include "platform/gfx/image_check.h"
#include "platform/gfx/image_codecs.h"

namespace kurvex::image_codecs {

namespace {

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;
constexpr std::uint32_t kAlphaBitFields = 6;

std::uint32_t Le16(const unsigned char* p) { return p[0] | (std::uint32_t{p[1]} << 8); }
std::uint32_t Le32(const unsigned char* p) { return Le16(p) | (Le16(p + 2) << 16); }

// One colour channel of a bit-field pixel: the bits under the mask, scaled to 0..255.
struct Channel {
  int shift = 0;
  std::uint32_t max = 0;  // the mask shifted down; 0 for a missing channel

  explicit Channel(std::uint32_t mask = 0) {
    if (mask == 0) return;
    shift = std::countr_zero(mask);
    max = mask >> shift;
  }
  unsigned Value(std::uint32_t pixel) const {
    if (max == 0) return 0;
    return static_cast<unsigned>((std::uint64_t{(pixel >> shift) & max} * 255 + max / 2) / max);
  }
};

struct BmpInfo {
  std::int64_t width = 0;
  std::int64_t height = 0;
  bool top_down = false;
  int bits = 0;
  std::uint32_t compression = kRgb;
  std::size_t pixel_offset = 0;
  std::array<Channel, 3> channels;  // red, green, blue
  std::vector<std::uint32_t> palette;
};

bool Fail(std::string* problem, const char* text) {
  *problem = text;
  return false;
}

bool BitsAndCompressionFit(int bits, std::uint32_t compression) {
  switch (compression) {
    case kRgb:
      return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case kRle8:
      return bits == 8;
    case kRle4:
      return bits == 4;
    case kBitFields:
    case kAlphaBitFields:
      return bits == 16 || bits == 32;
    default:
      return false;
  }
}

void SetDefaultMasks(BmpInfo& bmp) {
  if (bmp.bits == 16) bmp.channels = {Channel(0x7C00), Channel(0x03E0), Channel(0x001F)};
  if (bmp.bits == 32) bmp.channels = {Channel(0xFF0000), Channel(0x00FF00), Channel(0x0000FF)};
}

// Reads the masks and the palette that follow a header of header_size bytes.
bool ReadMasksAndPalette(const unsigned char* data, std::size_t size, std::size_t header_size, std::uint32_t used,
                         BmpInfo& bmp, std::string* problem) {
  std::size_t pos = 14 + header_size;
  if (bmp.compression == kBitFields || bmp.compression == kAlphaBitFields) {
    // A 40-byte header is followed by the masks; larger ones hold them at offset 40.
    std::size_t at = 14 + 40;
    if (header_size == 40) pos += bmp.compression == kAlphaBitFields ? 16 : 12;
    if (pos > size) return Fail(problem, "truncated BMP file");
    bmp.channels = {Channel(Le32(data + at)), Channel(Le32(data + at + 4)), Channel(Le32(data + at + 8))};
  } else {
    SetDefaultMasks(bmp);
  }
  if (bmp.bits > 8) return true;
  const std::size_t entry = header_size == 12 ? 3 : 4;
  const std::uint32_t most = 1u << bmp.bits;
  const std::uint32_t count = used == 0 || used > most ? most : used;
  if (pos + entry * count > size) return Fail(problem, "truncated BMP file");
  for (std::uint32_t i = 0; i < count; ++i, pos += entry) {
    bmp.palette.push_back(PixelWord(data[pos + 2], data[pos + 1], data[pos]));
  }
  return true;
}

bool ReadInfo(const unsigned char* data, std::size_t size, BmpInfo& bmp, std::string* problem) {
  if (size < 18) return Fail(problem, "truncated BMP file");
  bmp.pixel_offset = Le32(data + 10);
  const std::size_t header_size = Le32(data + 14);
  std::uint32_t used = 0;
  if (header_size == 12) {
    if (size < 14 + 12) return Fail(problem, "truncated BMP file");
    bmp.width = Le16(data + 18);
    bmp.height = Le16(data + 20);
    bmp.bits = static_cast<int>(Le16(data + 24));
  } else if (header_size == 40 || header_size == 52 || header_size == 56 || header_size == 108 ||
             header_size == 124) {
    if (size < 14 + header_size) return Fail(problem, "truncated BMP file");
    bmp.width = static_cast<std::int32_t>(Le32(data + 18));
    bmp.height = static_cast<std::int32_t>(Le32(data + 22));
    bmp.bits = static_cast<int>(Le16(data + 28));
    bmp.compression = Le32(data + 30);
    used = Le32(data + 46);
  } else {
    return Fail(problem, "unsupported BMP header");
  }
  if (!BitsAndCompressionFit(bmp.bits, bmp.compression)) {
    return Fail(problem, "unsupported BMP pixel format");
  }
  bmp.top_down = bmp.height < 0;
  bmp.height = bmp.top_down ? -bmp.height : bmp.height;
  if (bmp.top_down && (bmp.compression == kRle8 || bmp.compression == kRle4)) {
    return Fail(problem, "a run-length compressed BMP cannot be stored top-down");
  }
  if (!image_check::CheckImageSize(bmp.width, bmp.height, problem)) return false;
  return ReadMasksAndPalette(data, size, header_size, used, bmp, problem);
}

// Colour of a palette index; an index beyond the palette shows black.
std::uint32_t PaletteColor(const BmpInfo& bmp, unsigned index) {
  return index < bmp.palette.size() ? bmp.palette[index] : 0;
}

std::uint32_t PixelAt(const BmpInfo& bmp, const unsigned char* row, std::int64_t x) {
  switch (bmp.bits) {
    case 1:
      return PaletteColor(bmp, (row[x / 8] >> (7 - x % 8)) & 1);
    case 4:
      return PaletteColor(bmp, (row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F);
    case 8:
      return PaletteColor(bmp, row[x]);
    case 24:
      return PixelWord(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    default: {
      const std::uint32_t v = bmp.bits == 16 ? Le16(row + 2 * x) : Le32(row + 4 * x);
      return PixelWord(bmp.channels[0].Value(v), bmp.channels[1].Value(v), bmp.channels[2].Value(v));
    }
  }
}

bool ReadRows(const unsigned char* data, std::size_t size, const BmpInfo& bmp, DecodedImage* out,
              std::string* problem) {
  const std::uint64_t row_bytes = (static_cast<std::uint64_t>(bmp.width) * bmp.bits + 31) / 32 * 4;
  if (bmp.pixel_offset > size || row_bytes * static_cast<std::uint64_t>(bmp.height) > size - bmp.pixel_offset) {
    return Fail(problem, "truncated BMP file");
  }
  if (!image_check::AllocatePixels(bmp.width, bmp.height, &out->pixels, problem)) return false;
  for (std::int64_t r = 0; r < bmp.height; ++r) {
    const unsigned char* row = data + bmp.pixel_offset + row_bytes * r;
    const std::int64_t y = bmp.top_down ? r : bmp.height - 1 - r;
    std::uint32_t* to = out->pixels.data() + y * bmp.width;
    for (std::int64_t x = 0; x < bmp.width; ++x) to[x] = PixelAt(bmp, row, x);
  }
  return true;
}

// Run-length data: pairs (count, colour) and escapes (0,0 end of line; 0,1 end of picture;
// 0,2,dx,dy move; 0,n followed by n literal pixels padded to a word). Pixels the data never
// reaches stay white; runs past the right edge are cut off.
bool ReadRuns(const unsigned char* data, std::size_t size, const BmpInfo& bmp, DecodedImage* out,
              std::string* problem) {
  if (bmp.pixel_offset > size) return Fail(problem, "truncated BMP file");
  if (!image_check::AllocatePixels(bmp.width, bmp.height, &out->pixels, problem)) return false;
  const bool four = bmp.compression == kRle4;
  std::size_t pos = bmp.pixel_offset;
  std::int64_t x = 0;
  std::int64_t row = 0;  // counted from the bottom
  auto put = [&](unsigned index) {
    if (x < bmp.width && row < bmp.height) out->pixels[(bmp.height - 1 - row) * bmp.width + x] = PaletteColor(bmp, index);
    ++x;
  };
  while (row < bmp.height) {
    if (size - pos < 2) return Fail(problem, "truncated BMP file");
    const unsigned count = data[pos];
    const unsigned value = data[pos + 1];
    pos += 2;
    if (count > 0) {
      for (unsigned i = 0; i < count; ++i) put(four ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
    } else if (value == 0) {
      x = 0;
      ++row;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (size - pos < 2) return Fail(problem, "truncated BMP file");
      x += data[pos];
      row += data[pos + 1];
      pos += 2;
    } else {
      const std::size_t bytes = four ? (value + 1) / 2 : value;
      const std::size_t padded = (bytes + 1) / 2 * 2;
      if (size - pos < padded) return Fail(problem, "truncated BMP file");
      for (unsigned i = 0; i < value; ++i) {
        put(four ? (i % 2 == 0 ? data[pos + i / 2] >> 4 : data[pos + i / 2] & 0x0F) : data[pos + i]);
      }
      pos += padded;
    }
  }
  return true;
}

}  // namespace

bool DecodeBmp(const unsigned char* data, std::size_t size, DecodedImage* out, std::string* problem) {
  BmpInfo bmp;
  if (!ReadInfo(data, size, bmp, problem)) return false;
  const bool runs = bmp.compression == kRle8 || bmp.compression == kRle4;
  if (!(runs ? ReadRuns(data, size, bmp, out, problem) : ReadRows(data, size, bmp, out, problem))) return false;
  out->width = static_cast<int>(bmp.width);
  out->height = static_cast<int>(bmp.height);
  return true;
}

}  // namespace kurvex::image_codecs
