#pragma once
// Image files made in memory for the loader's tests: PNG through the library's own encoder,
// JPEG through libjpeg, BMP in every layout the reader knows, written here byte by byte.

#include <cstdio>

#include <jpeglib.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "common/color.h"
#include "platform/gfx/image_codecs.h"

namespace kurvex::samples {

using Bytes = std::vector<unsigned char>;

// Eight colours whose channels are all 0 or 255, exact in every pixel format.
inline TColor PrimaryColor(int i) {
  static const TColor kColors[] = {clBlack, clRed, clLime, clBlue, clYellow, clFuchsia, clAqua, clWhite};
  return kColors[i % 8];
}

// The test picture: colour index (x + 3y) mod `colors` at each pixel.
inline int SampleIndex(int x, int y, int colors) { return (x + 3 * y) % colors; }

inline void Put16(Bytes& b, unsigned v) {
  b.push_back(static_cast<unsigned char>(v));
  b.push_back(static_cast<unsigned char>(v >> 8));
}
inline void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

struct BmpLayout {
  std::string name;
  int bits = 24;
  std::uint32_t compression = 0;  // 0 plain, 1 RLE8, 2 RLE4, 3 bit fields
  bool top_down = false;
  bool core_header = false;        // the 12-byte header with 3-byte palette entries
  std::uint32_t masks[3] = {0, 0, 0};  // bit fields: red, green, blue
};

// Packs one pixel of colour c in a bit-field or plain 16/32-bit layout.
inline std::uint32_t PackFields(TColor c, const BmpLayout& layout) {
  std::uint32_t masks[3] = {layout.masks[0], layout.masks[1], layout.masks[2]};
  if (layout.compression == 0) {
    if (layout.bits == 16) masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    if (layout.bits == 32) masks[0] = 0xFF0000, masks[1] = 0x00FF00, masks[2] = 0x0000FF;
  }
  const unsigned channel[3] = {c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF};
  std::uint32_t v = 0;
  for (int i = 0; i < 3; ++i) v |= channel[i] == 255 ? masks[i] : 0;
  return v;
}

// Encodes the rows of the sample picture (bottom row first unless top-down) as RLE: runs of
// equal pairs (RLE4) or equal bytes (RLE8), each row closed by an end-of-line escape.
inline Bytes RunLengthRows(const BmpLayout& layout, int width, int height, int colors) {
  Bytes out;
  for (int r = 0; r < height; ++r) {
    const int y = height - 1 - r;
    for (int x = 0; x < width;) {
      const int a = SampleIndex(x, y, colors);
      const int b = x + 1 < width ? SampleIndex(x + 1, y, colors) : 0;
      if (layout.bits == 8) {
        out.push_back(1);
        out.push_back(static_cast<unsigned char>(a));
        ++x;
      } else {
        const int n = x + 1 < width ? 2 : 1;
        out.push_back(static_cast<unsigned char>(n));
        out.push_back(static_cast<unsigned char>(a << 4 | b));
        x += n;
      }
    }
    out.push_back(0);
    out.push_back(0);
  }
  out.push_back(0);
  out.push_back(1);
  return out;
}

inline Bytes PlainRows(const BmpLayout& layout, int width, int height, int colors) {
  Bytes out;
  for (int r = 0; r < height; ++r) {
    const int y = layout.top_down ? r : height - 1 - r;
    Bytes row;
    for (int x = 0; x < width; ++x) {
      const int index = SampleIndex(x, y, colors);
      const TColor c = PrimaryColor(index);
      switch (layout.bits) {
        case 1:
          if (x % 8 == 0) row.push_back(0);
          row.back() |= static_cast<unsigned char>(index << (7 - x % 8));
          break;
        case 4:
          if (x % 2 == 0) row.push_back(0);
          row.back() |= static_cast<unsigned char>(index << (x % 2 == 0 ? 4 : 0));
          break;
        case 8:
          row.push_back(static_cast<unsigned char>(index));
          break;
        case 24:
          row.insert(row.end(), {static_cast<unsigned char>(c >> 16), static_cast<unsigned char>(c >> 8),
                                 static_cast<unsigned char>(c)});
          break;
        case 16:
          Put16(row, PackFields(c, layout));
          break;
        default:
          Put32(row, PackFields(c, layout));
      }
    }
    while (row.size() % 4 != 0) row.push_back(0);
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

// Colours used by the picture in a palette layout.
inline int ColorCount(const BmpLayout& layout) { return layout.bits <= 8 ? (layout.bits == 1 ? 2 : 8) : 8; }

// Entries written to the palette: a core header has no count field, so its palette is full.
inline int PaletteSize(const BmpLayout& layout) {
  if (layout.bits > 8) return 0;
  return layout.core_header ? 1 << layout.bits : ColorCount(layout);
}

inline void PrintTo(const BmpLayout& layout, std::ostream* os) { *os << layout.name; }

// A whole BMP file of the sample picture in the given layout.
inline Bytes Bmp(const BmpLayout& layout, int width, int height) {
  const int colors = ColorCount(layout);
  Bytes header;
  if (layout.core_header) {
    Put32(header, 12);
    Put16(header, static_cast<unsigned>(width));
    Put16(header, static_cast<unsigned>(height));
    Put16(header, 1);
    Put16(header, static_cast<unsigned>(layout.bits));
  } else {
    Put32(header, 40);
    Put32(header, static_cast<std::uint32_t>(width));
    Put32(header, static_cast<std::uint32_t>(layout.top_down ? -height : height));
    Put16(header, 1);
    Put16(header, static_cast<unsigned>(layout.bits));
    Put32(header, layout.compression);
    for (int i = 0; i < 3; ++i) Put32(header, 0);
    Put32(header, static_cast<std::uint32_t>(PaletteSize(layout)));  // colours used
    Put32(header, 0);
    if (layout.compression == 3) {
      for (const std::uint32_t m : layout.masks) Put32(header, m);
    }
  }
  for (int i = 0; i < PaletteSize(layout); ++i) {
    const TColor c = PrimaryColor(i);
    header.insert(header.end(), {static_cast<unsigned char>(c >> 16), static_cast<unsigned char>(c >> 8),
                                 static_cast<unsigned char>(c)});
    if (!layout.core_header) header.push_back(0);
  }
  const bool runs = layout.compression == 1 || layout.compression == 2;
  const Bytes rows = runs ? RunLengthRows(layout, width, height, colors) : PlainRows(layout, width, height, colors);
  Bytes file = {'B', 'M'};
  Put32(file, static_cast<std::uint32_t>(14 + header.size() + rows.size()));
  Put32(file, 0);
  Put32(file, static_cast<std::uint32_t>(14 + header.size()));
  file.insert(file.end(), header.begin(), header.end());
  file.insert(file.end(), rows.begin(), rows.end());
  return file;
}

// RGB bytes of the sample picture with eight colours.
inline Bytes SampleRgb(int width, int height) {
  Bytes rgb;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const TColor c = PrimaryColor(SampleIndex(x, y, 8));
      rgb.insert(rgb.end(), {static_cast<unsigned char>(c), static_cast<unsigned char>(c >> 8),
                             static_cast<unsigned char>(c >> 16)});
    }
  }
  return rgb;
}

// RGB bytes of a picture of 8 x 8 blocks in the eight colours, which JPEG keeps close.
inline Bytes BlockRgb(int width, int height) {
  Bytes rgb;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const TColor c = PrimaryColor(SampleIndex(x / 8, y / 8, 8));
      rgb.insert(rgb.end(), {static_cast<unsigned char>(c), static_cast<unsigned char>(c >> 8),
                             static_cast<unsigned char>(c >> 16)});
    }
  }
  return rgb;
}

inline Bytes Png(const Bytes& samples, int width, int height, int channels) {
  Bytes out;
  std::string problem;
  image_codecs::EncodePng(samples.data(), width, height, channels, &out, &problem);
  return out;
}

// A JPEG of RGB (channels 3) or grey (channels 1) samples at quality 95.
inline Bytes Jpeg(const Bytes& samples, int width, int height, int channels, bool progressive) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = channels;
  info.in_color_space = channels == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  if (progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(samples.data() + static_cast<std::size_t>(info.next_scanline) * width * channels);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  Bytes out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

// Position of the first JPEG segment with the given marker (the byte after 0xFF), or 0.
inline std::size_t FindSegment(const Bytes& jpeg, unsigned char marker) {
  for (std::size_t i = 2; i + 1 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && jpeg[i + 1] == marker) return i;
  }
  return 0;
}

}  // namespace kurvex::samples
