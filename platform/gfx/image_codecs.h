#pragma once
// The decoders and the PNG encoder behind image_file.h, one per format. Each works on
// bytes in memory, checks the declared size before it takes pixel memory, never reads past
// the bytes it was given and releases everything it took on every failure.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kurvex::image_codecs {

// A decoded picture: width x height pixel words (0x00RRGGBB), top row first.
struct DecodedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};

// Each returns false with a reason in *problem when the bytes are not a valid image of its
// format; `out` may then hold partial data and is to be discarded.
bool DecodePng(const unsigned char* data, std::size_t size, DecodedImage* out, std::string* problem);
bool DecodeJpeg(const unsigned char* data, std::size_t size, DecodedImage* out, std::string* problem);
bool DecodeBmp(const unsigned char* data, std::size_t size, DecodedImage* out, std::string* problem);

// Encodes 8-bit samples as a PNG: channels 1 (grey), 3 (RGB) or 4 (RGBA), rows of
// width * channels bytes, top row first.
bool EncodePng(const unsigned char* samples, int width, int height, int channels, std::vector<unsigned char>* out,
               std::string* problem);

// A pixel word from 8-bit red, green and blue.
inline std::uint32_t PixelWord(unsigned r, unsigned g, unsigned b) { return (r << 16) | (g << 8) | b; }

// A pixel word for a colour with coverage alpha shown over white, the colour of a new bitmap.
inline std::uint32_t OverWhite(unsigned r, unsigned g, unsigned b, unsigned a) {
  auto blend = [a](unsigned c) { return (c * a + 255 * (255 - a) + 127) / 255; };
  return PixelWord(blend(r), blend(g), blend(b));
}

}  // namespace kurvex::image_codecs
