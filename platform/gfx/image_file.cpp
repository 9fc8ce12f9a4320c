// Image files through stb_image (decoding BMP, PNG, JPEG) and stb_image_write (PNG).
// The decoder fills missing data of a cut-off BMP or JPEG with zeros instead of failing,
// so every file is first checked to be complete (image_check.cpp).

#include "platform/gfx/image_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "platform/gfx/image_check.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_FAILURE_USERMSG
#include <stb/stb_image.h>
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>
#pragma GCC diagnostic pop

namespace kurvex {

namespace {

bool Fail(std::string* error, std::string message) {
  if (error != nullptr) *error = std::move(message);
  return false;
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

bool ReadWholeFile(const std::string& path, std::vector<unsigned char>* data, std::string* error) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return Fail(error, "cannot open " + Quoted(path) + ": " + std::strerror(errno));
  bool ok = true;
  unsigned char buffer[65536];
  for (;;) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, file);
    data->insert(data->end(), buffer, buffer + n);
    if (n < sizeof buffer) {
      ok = std::ferror(file) == 0;
      break;
    }
  }
  const int read_errno = errno;
  std::fclose(file);
  if (!ok) return Fail(error, "cannot read " + Quoted(path) + ": " + std::strerror(read_errno));
  return true;
}

void AppendBytes(void* context, void* bytes, int size) {
  auto* out = static_cast<std::vector<unsigned char>*>(context);
  const auto* p = static_cast<const unsigned char*>(bytes);
  out->insert(out->end(), p, p + size);
}

}  // namespace

bool LoadImageFile(const std::string& path, Bitmap& bitmap, std::string* error) {
  std::vector<unsigned char> data;
  if (!ReadWholeFile(path, &data, error)) return false;
  std::string problem;
  if (!image_check::IsComplete(data.data(), data.size(), &problem)) return Fail(error, Quoted(path) + ": " + problem);
  if (data.size() > static_cast<std::size_t>(INT32_MAX)) return Fail(error, Quoted(path) + ": file too large");

  int width = 0;
  int height = 0;
  int channels = 0;
  stbi_uc* pixels = stbi_load_from_memory(data.data(), static_cast<int>(data.size()), &width, &height, &channels, 4);
  if (pixels == nullptr) return Fail(error, Quoted(path) + ": " + stbi_failure_reason());

  // Transparent pixels of a PNG are shown over white, the colour of a new bitmap. The
  // target is resized only once the image is decoded, so a failure leaves it unchanged.
  bool ok = true;
  try {
    std::vector<std::uint32_t> words(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < words.size(); ++i) {
      const stbi_uc* p = pixels + 4 * i;
      const unsigned a = p[3];
      std::uint32_t word = 0;
      for (int c = 0; c < 3; ++c) word = (word << 8) | ((p[c] * a + 255 * (255 - a) + 127) / 255);
      words[i] = word;
    }
    bitmap.SetSize(width, height);
    std::copy(words.begin(), words.end(), bitmap.Bits());
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  stbi_image_free(pixels);
  if (!ok) {
    return Fail(error, Quoted(path) + ": not enough memory for a " + std::to_string(width) + " x " +
                           std::to_string(height) + " image");
  }
  return true;
}

bool SavePngFile(const std::string& path, const Bitmap& bitmap, std::string* error) {
  if (bitmap.Empty()) return Fail(error, "cannot write " + Quoted(path) + ": the bitmap is empty");
  std::vector<unsigned char> rgb(static_cast<std::size_t>(bitmap.Width()) * bitmap.Height() * 3);
  const std::uint32_t* in = bitmap.Bits();
  for (std::size_t i = 0; i < rgb.size() / 3; ++i) {
    rgb[3 * i] = static_cast<unsigned char>(in[i] >> 16);
    rgb[3 * i + 1] = static_cast<unsigned char>(in[i] >> 8);
    rgb[3 * i + 2] = static_cast<unsigned char>(in[i]);
  }
  std::vector<unsigned char> png;
  if (!stbi_write_png_to_func(&AppendBytes, &png, bitmap.Width(), bitmap.Height(), 3, rgb.data(),
                              bitmap.Width() * 3)) {
    return Fail(error, "cannot encode " + Quoted(path) + " as PNG");
  }
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return Fail(error, "cannot create " + Quoted(path) + ": " + std::strerror(errno));
  const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
  const int write_errno = errno;
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) return Fail(error, "cannot write " + Quoted(path) + ": " + std::strerror(write_errno));
  return true;
}

}  // namespace kurvex
