// Image files: the bytes are read whole, recognised by their signature, checked to be
// complete and handed to the decoder of their format (image_png.cpp, image_jpeg.cpp,
// image_bmp.cpp). The target bitmap is resized only once the image is decoded, so a
// failure leaves it unchanged.

#include "platform/gfx/image_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "platform/gfx/image_check.h"
#include "platform/gfx/image_codecs.h"

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
  std::string problem;
  try {
    unsigned char buffer[65536];
    for (;;) {
      const std::size_t n = std::fread(buffer, 1, sizeof buffer, file);
      data->insert(data->end(), buffer, buffer + n);
      if (n < sizeof buffer) {
        ok = std::ferror(file) == 0;
        if (!ok) problem = std::strerror(errno);
        break;
      }
    }
  } catch (const std::bad_alloc&) {
    ok = false;
    problem = "the file is too large to be read";
  }
  std::fclose(file);
  if (!ok) return Fail(error, "cannot read " + Quoted(path) + ": " + problem);
  return true;
}

bool Decode(const unsigned char* data, std::size_t size, image_codecs::DecodedImage* image, std::string* problem) {
  if (!image_check::IsComplete(data, size, problem)) return false;
  switch (image_check::DetectFormat(data, size)) {
    case image_check::ImageFormat::Png:
      return image_codecs::DecodePng(data, size, image, problem);
    case image_check::ImageFormat::Jpeg:
      return image_codecs::DecodeJpeg(data, size, image, problem);
    case image_check::ImageFormat::Bmp:
      return image_codecs::DecodeBmp(data, size, image, problem);
    case image_check::ImageFormat::Unknown:
      break;
  }
  *problem = "not a BMP, PNG or JPEG image";
  return false;
}

bool LoadDecoded(const unsigned char* data, std::size_t size, Bitmap& bitmap, std::string* problem) {
  image_codecs::DecodedImage image;
  if (!Decode(data, size, &image, problem)) return false;
  try {
    bitmap.SetSize(image.width, image.height);
  } catch (const std::bad_alloc&) {
    *problem = "not enough memory for a " + std::to_string(image.width) + " x " + std::to_string(image.height) +
               " image";
    return false;
  }
  std::copy(image.pixels.begin(), image.pixels.end(), bitmap.Bits());
  return true;
}

}  // namespace

bool LoadImageFromMemory(const unsigned char* data, std::size_t size, Bitmap& bitmap, std::string* error) {
  std::string problem;
  if (!LoadDecoded(data, size, bitmap, &problem)) return Fail(error, problem);
  return true;
}

bool LoadImageFile(const std::string& path, Bitmap& bitmap, std::string* error) {
  std::vector<unsigned char> data;
  if (!ReadWholeFile(path, &data, error)) return false;
  std::string problem;
  if (!LoadDecoded(data.data(), data.size(), bitmap, &problem)) return Fail(error, Quoted(path) + ": " + problem);
  return true;
}

bool SavePngFile(const std::string& path, const Bitmap& bitmap, std::string* error) {
  if (bitmap.Empty()) return Fail(error, "cannot write " + Quoted(path) + ": the bitmap is empty");
  std::vector<unsigned char> png;
  std::string problem;
  try {
    std::vector<unsigned char> rgb(static_cast<std::size_t>(bitmap.Width()) * bitmap.Height() * 3);
    const std::uint32_t* in = bitmap.Bits();
    for (std::size_t i = 0; i < rgb.size() / 3; ++i) {
      rgb[3 * i] = static_cast<unsigned char>(in[i] >> 16);
      rgb[3 * i + 1] = static_cast<unsigned char>(in[i] >> 8);
      rgb[3 * i + 2] = static_cast<unsigned char>(in[i]);
    }
    if (!image_codecs::EncodePng(rgb.data(), bitmap.Width(), bitmap.Height(), 3, &png, &problem)) {
      return Fail(error, "cannot encode " + Quoted(path) + " as PNG: " + problem);
    }
  } catch (const std::bad_alloc&) {
    return Fail(error, "cannot encode " + Quoted(path) + " as PNG: not enough memory");
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
