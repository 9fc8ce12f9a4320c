// PNG files through libpng. libpng reports errors by longjmp, so the functions that call it
// after setjmp hold no objects with destructors: everything they own lives in PngReader and
// PngWriter, whose destructors release it however the decoding ended.

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <new>

#include "platform/gfx/image_check.h"
#include "platform/gfx/image_codecs.h"

namespace kurvex::image_codecs {

namespace {

// Ancillary chunks (text, profiles) may take at most this much memory each.
constexpr png_alloc_size_t kMaxChunkBytes = 8 * 1024 * 1024;

struct PngReader {
  const unsigned char* data = nullptr;
  std::size_t size = 0;
  std::size_t pos = 0;
  std::string message;
  std::string warning;  // the last one: libpng explains a refused header in a warning
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::vector<png_byte> samples;  // RGBA rows
  std::vector<png_bytep> rows;

  ~PngReader() { png_destroy_read_struct(&png, &info, nullptr); }
};

[[noreturn]] void OnPngError(png_structp png, png_const_charp text) {
  auto* reader = static_cast<PngReader*>(png_get_error_ptr(png));
  reader->message = text;
  if (!reader->warning.empty()) reader->message += " (" + reader->warning + ")";
  png_longjmp(png, 1);
}

void OnPngReadWarning(png_structp png, png_const_charp text) {
  static_cast<PngReader*>(png_get_error_ptr(png))->warning = text;
}

void OnPngWriteWarning(png_structp, png_const_charp) {}

void ReadFromMemory(png_structp png, png_bytep to, png_size_t length) {
  auto* reader = static_cast<PngReader*>(png_get_io_ptr(png));
  if (length > reader->size - reader->pos) png_error(png, "truncated PNG file");
  std::memcpy(to, reader->data + reader->pos, length);
  reader->pos += length;
}

// Sets the transformations that turn every kind of PNG into 8-bit RGBA.
void RequestRgba(png_structp png, png_infop info) {
  const int type = png_get_color_type(png, info);
  if (png_get_bit_depth(png, info) == 16) png_set_strip_16(png);
  if (type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (type == PNG_COLOR_TYPE_GRAY && png_get_bit_depth(png, info) < 8) png_set_expand_gray_1_2_4_to_8(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
}

// Runs libpng; returns false after a libpng error (the reason is in reader.message).
// Exceptions (bad_alloc) are not thrown here: all sizing goes through AllocatePixels or
// checked resizes before libpng writes into the buffers.
bool ReadPng(PngReader& reader, DecodedImage* out) {
  if (setjmp(png_jmpbuf(reader.png))) return false;
  png_set_chunk_malloc_max(reader.png, kMaxChunkBytes);
  png_read_info(reader.png, reader.info);
  const std::int64_t width = png_get_image_width(reader.png, reader.info);
  const std::int64_t height = png_get_image_height(reader.png, reader.info);
  if (!image_check::AllocatePixels(width, height, &out->pixels, &reader.message)) return false;
  RequestRgba(reader.png, reader.info);
  if (png_get_rowbytes(reader.png, reader.info) != static_cast<png_size_t>(width) * 4) {
    png_error(reader.png, "unexpected PNG row layout");
  }
  out->width = static_cast<int>(width);
  out->height = static_cast<int>(height);
  return true;
}

bool ReadPngRows(PngReader& reader) {
  if (setjmp(png_jmpbuf(reader.png))) return false;
  png_read_image(reader.png, reader.rows.data());
  png_read_end(reader.png, nullptr);
  return true;
}

}  // namespace

bool DecodePng(const unsigned char* data, std::size_t size, DecodedImage* out, std::string* problem) {
  PngReader reader;
  reader.data = data;
  reader.size = size;
  reader.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &reader, &OnPngError, &OnPngReadWarning);
  if (reader.png != nullptr) reader.info = png_create_info_struct(reader.png);
  if (reader.info == nullptr) {
    *problem = "not enough memory to read a PNG file";
    return false;
  }
  png_set_read_fn(reader.png, &reader, &ReadFromMemory);
  bool ok = ReadPng(reader, out);
  if (ok) {
    try {
      reader.samples.resize(out->pixels.size() * 4);
      reader.rows.resize(static_cast<std::size_t>(out->height));
    } catch (const std::bad_alloc&) {
      *problem = "not enough memory for a " + std::to_string(out->width) + " x " + std::to_string(out->height) +
                 " image";
      return false;
    }
    for (int y = 0; y < out->height; ++y) reader.rows[y] = reader.samples.data() + std::size_t{4} * out->width * y;
    ok = ReadPngRows(reader);
  }
  if (!ok) {
    *problem = reader.message.empty() ? "invalid PNG file" : reader.message;
    return false;
  }
  const png_byte* p = reader.samples.data();
  for (std::uint32_t& word : out->pixels) {
    word = OverWhite(p[0], p[1], p[2], p[3]);
    p += 4;
  }
  return true;
}

namespace {

struct PngWriter {
  std::vector<unsigned char>* out = nullptr;
  std::string message;
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::vector<png_const_bytep> rows;

  ~PngWriter() { png_destroy_write_struct(&png, &info); }
};

[[noreturn]] void OnPngWriteError(png_structp png, png_const_charp text) {
  auto* writer = static_cast<PngWriter*>(png_get_error_ptr(png));
  writer->message = text;
  png_longjmp(png, 1);
}

void WriteToMemory(png_structp png, png_bytep bytes, png_size_t length) {
  auto* writer = static_cast<PngWriter*>(png_get_io_ptr(png));
  try {
    writer->out->insert(writer->out->end(), bytes, bytes + length);
  } catch (const std::bad_alloc&) {
    png_error(png, "not enough memory to encode the PNG file");
  }
}

void FlushMemory(png_structp) {}

bool WritePng(PngWriter& writer, int width, int height, int channels) {
  if (setjmp(png_jmpbuf(writer.png))) return false;
  const int type = channels == 1 ? PNG_COLOR_TYPE_GRAY : channels == 3 ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGBA;
  png_set_IHDR(writer.png, writer.info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, type,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(writer.png, writer.info);
  png_write_image(writer.png, const_cast<png_bytepp>(writer.rows.data()));
  png_write_end(writer.png, nullptr);
  return true;
}

}  // namespace

bool EncodePng(const unsigned char* samples, int width, int height, int channels, std::vector<unsigned char>* out,
               std::string* problem) {
  if (width <= 0 || height <= 0 || (channels != 1 && channels != 3 && channels != 4)) {
    *problem = "nothing to encode";
    return false;
  }
  PngWriter writer;
  writer.out = out;
  writer.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &writer, &OnPngWriteError, &OnPngWriteWarning);
  if (writer.png != nullptr) writer.info = png_create_info_struct(writer.png);
  if (writer.info == nullptr) {
    *problem = "not enough memory to write a PNG file";
    return false;
  }
  png_set_write_fn(writer.png, &writer, &WriteToMemory, &FlushMemory);
  try {
    writer.rows.resize(static_cast<std::size_t>(height));
  } catch (const std::bad_alloc&) {
    *problem = "not enough memory to encode the PNG file";
    return false;
  }
  const std::size_t stride = static_cast<std::size_t>(width) * channels;
  for (int y = 0; y < height; ++y) writer.rows[y] = samples + stride * y;
  if (!WritePng(writer, width, height, channels)) {
    *problem = writer.message;
    return false;
  }
  return true;
}

}  // namespace kurvex::image_codecs
