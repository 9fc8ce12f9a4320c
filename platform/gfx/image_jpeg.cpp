// JPEG files through libjpeg-turbo. The library reports fatal errors through error_exit,
// which here longjmps back; the functions that call the library after setjmp hold no
// objects with destructors, so everything is released by JpegReader's destructor however
// the decoding ended. Warnings about corrupt or missing data fail the decoding too: a
// damaged picture would otherwise be shown with grey or garbled parts.

#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <jerror.h>
#include <jpeglib.h>

#include <csetjmp>

#include "platform/gfx/image_check.h"
#include "platform/gfx/image_codecs.h"

namespace kurvex::image_codecs {

namespace {

// A progressive file may have any number of scans, each a pass over the whole picture; a
// small file with thousands of them would keep the decoder busy for minutes.
constexpr int kMaxScans = 500;

struct JpegReader {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  jpeg_progress_mgr progress{};
  std::jmp_buf jump;
  std::string message;
  bool created = false;

  ~JpegReader() {
    if (created) jpeg_destroy_decompress(&info);
  }
};

JpegReader& ReaderOf(j_common_ptr info) { return *static_cast<JpegReader*>(info->client_data); }

[[noreturn]] void FailWithMessage(j_common_ptr info) {
  char text[JMSG_LENGTH_MAX] = {};
  info->err->format_message(info, text);
  ReaderOf(info).message = text;
  std::longjmp(ReaderOf(info).jump, 1);
}

void OnJpegError(j_common_ptr info) { FailWithMessage(info); }

// Level -1 is a warning about the data; trace messages (levels 0 and up) are ignored.
// Extraneous bytes between segments are common in files from cameras and harmless.
void OnJpegMessage(j_common_ptr info, int level) {
  if (level == -1 && info->err->msg_code != JWRN_EXTRANEOUS_DATA && info->err->msg_code != JWRN_JFIF_MAJOR &&
      info->err->msg_code != JWRN_ADOBE_XFORM) {
    FailWithMessage(info);
  }
}

void OnJpegProgress(j_common_ptr info) {
  if (info->is_decompressor) {
    auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > kMaxScans) {
      ReaderOf(info).message = "the JPEG file has more than " + std::to_string(kMaxScans) + " scans";
      std::longjmp(ReaderOf(info).jump, 1);
    }
  }
}

// Reads the header and sets the output to RGB (or CMYK, converted below) samples.
bool ReadJpegHeader(JpegReader& reader, const unsigned char* data, std::size_t size, DecodedImage* out) {
  if (setjmp(reader.jump)) return false;
  jpeg_create_decompress(&reader.info);  // keeps err and client_data, clears the rest
  reader.created = true;
  reader.info.progress = &reader.progress;
  jpeg_mem_src(&reader.info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&reader.info, TRUE);
  const std::int64_t width = reader.info.image_width;
  const std::int64_t height = reader.info.image_height;
  if (!image_check::AllocatePixels(width, height, &out->pixels, &reader.message)) return false;
  const J_COLOR_SPACE space = reader.info.jpeg_color_space;
  reader.info.out_color_space = space == JCS_CMYK || space == JCS_YCCK ? JCS_CMYK : JCS_RGB;
  jpeg_start_decompress(&reader.info);
  out->width = static_cast<int>(width);
  out->height = static_cast<int>(height);
  return true;
}

// Converts one row of samples: RGB, or CMYK as written by common tools (stored inverted).
void StoreRow(const JSAMPLE* samples, int components, std::uint32_t* to, int width) {
  for (int x = 0; x < width; ++x, samples += components) {
    if (components == 4) {
      const unsigned k = samples[3];
      to[x] = PixelWord(samples[0] * k / 255, samples[1] * k / 255, samples[2] * k / 255);
    } else {
      to[x] = PixelWord(samples[0], samples[1], samples[2]);
    }
  }
}

bool ReadJpegRows(JpegReader& reader, DecodedImage* out) {
  if (setjmp(reader.jump)) return false;
  const int components = reader.info.output_components;
  if (static_cast<int>(reader.info.output_width) != out->width || (components != 3 && components != 4)) {
    reader.message = "unexpected JPEG output layout";
    return false;
  }
  // Memory from the library's pool is released with the decompressor.
  JSAMPARRAY row = (*reader.info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&reader.info), JPOOL_IMAGE,
                                                   static_cast<JDIMENSION>(out->width * components), 1);
  while (reader.info.output_scanline < reader.info.output_height) {
    const int y = static_cast<int>(reader.info.output_scanline);
    if (jpeg_read_scanlines(&reader.info, row, 1) != 1) {
      reader.message = "truncated JPEG file";
      return false;
    }
    StoreRow(row[0], components, out->pixels.data() + static_cast<std::size_t>(y) * out->width, out->width);
  }
  jpeg_finish_decompress(&reader.info);
  return true;
}

}  // namespace

bool DecodeJpeg(const unsigned char* data, std::size_t size, DecodedImage* out, std::string* problem) {
  JpegReader reader;
  reader.info.err = jpeg_std_error(&reader.errors);
  reader.errors.error_exit = &OnJpegError;
  reader.errors.emit_message = &OnJpegMessage;
  reader.info.client_data = &reader;
  reader.progress.progress_monitor = &OnJpegProgress;
  if (!ReadJpegHeader(reader, data, size, out) || !ReadJpegRows(reader, out)) {
    *problem = reader.message.empty() ? "invalid JPEG file" : reader.message;
    return false;
  }
  return true;
}

}  // namespace kurvex::image_codecs
