// Reading BMP, PNG and JPEG files and writing PNG files. The sample files are made by the
// test itself (image_samples.h) into a temporary folder; damaged ones are cut-off or
// altered copies whose alteration is described where it is made.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "gfx/image_samples.h"
#include "platform/gfx/image_file.h"

namespace kurvex {
namespace {

namespace fs = std::filesystem;
using samples::Bytes;

constexpr int kWidth = 7;
constexpr int kHeight = 5;

class ImageFiles : public ::testing::Test {
 protected:
  fs::path dir = fs::path(::testing::TempDir()) / "kx_gfx_images";
  void SetUp() override { fs::create_directories(dir); }

  std::string Write(const std::string& name, const Bytes& bytes) {
    const fs::path path = dir / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path.string();
  }

  // Loading must fail with a reason containing `reason` and leave the bitmap as it was.
  static void ExpectRejected(const Bytes& bytes, const std::string& reason) {
    Bitmap b(3, 2);
    b.Fill(clFuchsia);
    std::string error;
    EXPECT_FALSE(LoadImageFromMemory(bytes.data(), bytes.size(), b, &error)) << reason;
    EXPECT_NE(error.find(reason), std::string::npos) << "error: " << error;
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Height(), 2);
    EXPECT_EQ(b.Pixel(2, 1), clFuchsia);
  }

  static void ExpectSamplePicture(const Bitmap& b, int colors, const std::string& what) {
    ASSERT_EQ(b.Width(), kWidth) << what;
    ASSERT_EQ(b.Height(), kHeight) << what;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        ASSERT_EQ(b.Pixel(x, y), samples::PrimaryColor(samples::SampleIndex(x, y, colors))) << what << " " << x << ","
                                                                                            << y;
      }
    }
  }
};

class BmpLayouts : public ImageFiles, public ::testing::WithParamInterface<samples::BmpLayout> {};

TEST_P(BmpLayouts, LoadExactly) {
  const samples::BmpLayout& layout = GetParam();
  Bitmap b;
  std::string error;
  const Bytes file = samples::Bmp(layout, kWidth, kHeight);
  ASSERT_TRUE(LoadImageFromMemory(file.data(), file.size(), b, &error)) << error;
  ExpectSamplePicture(b, samples::ColorCount(layout), layout.name);
}

TEST_P(BmpLayouts, EveryCutOffCopyIsRejected) {
  const Bytes whole = samples::Bmp(GetParam(), kWidth, kHeight);
  // Run-length data is complete once its last row has ended; the end-of-picture escape
  // that follows may be missing.
  const bool runs = GetParam().compression == 1 || GetParam().compression == 2;
  for (std::size_t keep = 0; keep < whole.size() - (runs ? 2 : 0); ++keep) {
    const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(keep));
    Bitmap b(3, 2);
    EXPECT_FALSE(LoadImageFromMemory(cut.data(), cut.size(), b)) << GetParam().name << " cut to " << keep;
    EXPECT_EQ(b.Width(), 3);
  }
}

samples::BmpLayout Layout(std::string name, int bits, std::uint32_t compression = 0) {
  samples::BmpLayout l;
  l.name = std::move(name);
  l.bits = bits;
  l.compression = compression;
  return l;
}

std::vector<samples::BmpLayout> AllLayouts() {
  std::vector<samples::BmpLayout> all = {Layout("Mono", 1),  Layout("Palette16", 4), Layout("Palette256", 8),
                                         Layout("Rgb555", 16), Layout("Rgb24", 24),   Layout("Rgb32", 32),
                                         Layout("Rle8", 8, 1), Layout("Rle4", 4, 2)};
  samples::BmpLayout top = Layout("TopDown24", 24);
  top.top_down = true;
  samples::BmpLayout top8 = Layout("TopDownPalette", 8);
  top8.top_down = true;
  samples::BmpLayout core = Layout("CoreHeaderPalette", 8);
  core.core_header = true;
  samples::BmpLayout rgb565 = Layout("Fields565", 16, 3);
  rgb565.masks[0] = 0xF800, rgb565.masks[1] = 0x07E0, rgb565.masks[2] = 0x001F;
  samples::BmpLayout bgr32 = Layout("Fields32Swapped", 32, 3);
  bgr32.masks[0] = 0x0000FF00, bgr32.masks[1] = 0x00FF0000, bgr32.masks[2] = 0xFF000000;
  all.insert(all.end(), {top, top8, core, rgb565, bgr32});
  return all;
}

INSTANTIATE_TEST_SUITE_P(Bmp, BmpLayouts, ::testing::ValuesIn(AllLayouts()),
                         [](const auto& info) { return info.param.name; });

TEST_F(ImageFiles, RunLengthEscapesMoveCutAndLeaveWhite) {
  samples::BmpLayout layout = Layout("Rle8", 8, 1);
  Bytes file = samples::Bmp(layout, 4, 3);
  // Replace the pixel data: bottom row a run of 6 reds (cut at the right edge), end of line,
  // a move of 1 right and 1 up to the top row, 3 literal pixels (red, green, blue) padded
  // to a word, end of picture.
  const std::size_t offset = file[10];
  file.resize(offset);
  file.insert(file.end(), {6, 1, 0, 0, 0, 2, 1, 1, 0, 3, 1, 2, 3, 0, 0, 1});
  Bitmap b;
  std::string error;
  ASSERT_TRUE(LoadImageFromMemory(file.data(), file.size(), b, &error)) << error;
  ASSERT_EQ(b.Width(), 4);
  for (int x = 0; x < 4; ++x) EXPECT_EQ(b.Pixel(x, 2), clRed) << x;
  EXPECT_EQ(b.Pixel(1, 1), clWhite);  // never reached by the data
  EXPECT_EQ(b.Pixel(0, 0), clWhite);
  EXPECT_EQ(b.Pixel(1, 0), clRed);
  EXPECT_EQ(b.Pixel(2, 0), clLime);
  EXPECT_EQ(b.Pixel(3, 0), clBlue);
}

TEST_F(ImageFiles, BmpHeadersThatCannotBeAPictureAreRejected) {
  const samples::BmpLayout rgb = Layout("Rgb24", 24);
  Bytes zero_height = samples::Bmp(rgb, 1, 1);
  zero_height[22] = zero_height[23] = zero_height[24] = zero_height[25] = 0;
  ExpectRejected(zero_height, "no pixels");
  // A 54-byte file claiming 40000 x 30000 pixels: refused before any memory is taken.
  Bytes huge = samples::Bmp(rgb, 1, 1);
  huge.resize(54);
  huge[18] = 0x40, huge[19] = 0x9C, huge[22] = 0x30, huge[23] = 0x75;
  ExpectRejected(huge, "at most 16384 pixels on a side");
  Bytes bits = samples::Bmp(rgb, 1, 1);
  bits[28] = 7;
  ExpectRejected(bits, "unsupported BMP pixel format");
  samples::BmpLayout rle = Layout("Rle8", 8, 1);
  rle.top_down = true;
  ExpectRejected(samples::Bmp(rle, 2, 2), "cannot be stored top-down");
  Bytes header = samples::Bmp(rgb, 1, 1);
  header[14] = 30;
  ExpectRejected(header, "unsupported BMP header");
}

TEST_F(ImageFiles, PngLoadsExactlyInEveryChannelLayout) {
  const Bytes rgb = samples::SampleRgb(kWidth, kHeight);
  Bitmap b;
  std::string error;
  const Bytes png = samples::Png(rgb, kWidth, kHeight, 3);
  ASSERT_TRUE(LoadImageFromMemory(png.data(), png.size(), b, &error)) << error;
  ExpectSamplePicture(b, 8, "rgb");
  const Bytes grey = samples::Png({0, 128, 255}, 3, 1, 1);
  ASSERT_TRUE(LoadImageFromMemory(grey.data(), grey.size(), b, &error)) << error;
  EXPECT_EQ(b.Pixel(1, 0), 0x808080u);
  EXPECT_EQ(b.Pixel(2, 0), clWhite);
  // Transparent pixels are shown over white.
  const Bytes rgba = samples::Png({255, 0, 0, 255, 0, 0, 0, 0, 0, 0, 255, 128}, 3, 1, 4);
  ASSERT_TRUE(LoadImageFromMemory(rgba.data(), rgba.size(), b, &error)) << error;
  EXPECT_EQ(b.Pixel(0, 0), clRed);
  EXPECT_EQ(b.Pixel(1, 0), clWhite);
  EXPECT_EQ(b.Pixel(2, 0), 0xFF7F7Fu);
}

// Sets the size in a PNG's header chunk and recomputes the chunk's checksum, so that only
// the size check can refuse the file.
Bytes PngDeclaring(std::uint32_t width, std::uint32_t height) {
  Bytes png = samples::Png({0, 0, 0}, 1, 1, 3);
  for (int i = 0; i < 4; ++i) {
    png[16 + i] = static_cast<unsigned char>(width >> (24 - 8 * i));
    png[20 + i] = static_cast<unsigned char>(height >> (24 - 8 * i));
  }
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 12; i < 29; ++i) {
    crc ^= png[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  crc ^= 0xFFFFFFFFu;
  for (int i = 0; i < 4; ++i) png[29 + i] = static_cast<unsigned char>(crc >> (24 - 8 * i));
  return png;
}

// Sets the size in a JPEG's frame header.
Bytes JpegDeclaring(unsigned width, unsigned height) {
  Bytes jpeg = samples::Jpeg(samples::SampleRgb(8, 8), 8, 8, 3, false);
  const std::size_t sof = samples::FindSegment(jpeg, 0xC0);
  jpeg[sof + 5] = static_cast<unsigned char>(height >> 8), jpeg[sof + 6] = static_cast<unsigned char>(height);
  jpeg[sof + 7] = static_cast<unsigned char>(width >> 8), jpeg[sof + 8] = static_cast<unsigned char>(width);
  return jpeg;
}

TEST_F(ImageFiles, DeclaredSizesBeyondTheLimitsAreRefusedBeforeDecoding) {
  ExpectRejected(PngDeclaring(9000, 9000), "the image declares a size of 9000 x 9000 pixels");
  ExpectRejected(PngDeclaring(20000, 1), "20000");
  ExpectRejected(JpegDeclaring(3602, 38681), "3602 x 38681");
  ExpectRejected(JpegDeclaring(9000, 9000), "67108864 pixels in all");
  // The largest side is accepted (and then fails only because the data is missing).
  Bitmap b;
  std::string error;
  const Bytes edge = PngDeclaring(16384, 1);
  EXPECT_FALSE(LoadImageFromMemory(edge.data(), edge.size(), b, &error));
  EXPECT_EQ(error.find("declares"), std::string::npos) << error;
}

TEST_F(ImageFiles, JpegLoadsCloseToItsColoursInEveryEncoding) {
  const Bytes rgb = samples::BlockRgb(16, 16);
  const Bytes grey(256, 200);
  struct Case {
    const char* name;
    Bytes file;
    TColor expected;
  } cases[] = {{"baseline", samples::Jpeg(rgb, 16, 16, 3, false), samples::PrimaryColor(samples::SampleIndex(0, 1, 8))},
               {"progressive", samples::Jpeg(rgb, 16, 16, 3, true),
                samples::PrimaryColor(samples::SampleIndex(0, 1, 8))},
               {"grey", samples::Jpeg(grey, 16, 16, 1, false), 0xC8C8C8u}};
  for (const Case& c : cases) {
    Bitmap b;
    std::string error;
    ASSERT_TRUE(LoadImageFromMemory(c.file.data(), c.file.size(), b, &error)) << c.name << ": " << error;
    const TColor got = b.Pixel(4, 12);  // the middle of block (0, 1)
    for (int shift = 0; shift <= 16; shift += 8) {
      EXPECT_NEAR(static_cast<int>((got >> shift) & 0xFF), static_cast<int>((c.expected >> shift) & 0xFF), 60)
          << c.name << " shift " << shift;
    }
  }
}

TEST_F(ImageFiles, HostileJpegTablesAreRejected) {
  // A Huffman table whose code counts add up to more than 256 codes.
  Bytes jpeg = samples::Jpeg(samples::SampleRgb(8, 8), 8, 8, 3, false);
  const std::size_t dht = samples::FindSegment(jpeg, 0xC4);
  ASSERT_NE(dht, 0u);
  for (int i = 0; i < 16; ++i) jpeg[dht + 5 + i] = 0xFF;
  ExpectRejected(jpeg, "Huffman");
  // A progressive file whose first scan names a Huffman table never defined (slot 3).
  Bytes progressive = samples::Jpeg(samples::SampleRgb(8, 8), 8, 8, 3, true);
  const std::size_t sos = samples::FindSegment(progressive, 0xDA);
  ASSERT_NE(sos, 0u);
  progressive[sos + 6] = 0x33;
  Bitmap b(3, 2);
  std::string error;
  EXPECT_FALSE(LoadImageFromMemory(progressive.data(), progressive.size(), b, &error));
  EXPECT_EQ(b.Width(), 3) << error;
}

TEST_F(ImageFiles, CutOffPngAndJpegCopiesAreRejected) {
  const Bytes rgb = samples::SampleRgb(kWidth, kHeight);
  for (const Bytes& whole : {samples::Png(rgb, kWidth, kHeight, 3), samples::Jpeg(rgb, kWidth, kHeight, 3, false),
                             samples::Jpeg(rgb, kWidth, kHeight, 3, true)}) {
    for (std::size_t keep = 0; keep < whole.size(); ++keep) {
      const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(keep));
      Bitmap b(3, 2);
      EXPECT_FALSE(LoadImageFromMemory(cut.data(), cut.size(), b)) << "cut to " << keep;
      EXPECT_EQ(b.Width(), 3);
    }
  }
}

TEST_F(ImageFiles, MissingEmptyUnreadableAndForeignFilesAreRejectedWithTheirPath) {
  auto expect_file_rejected = [](const std::string& path, const std::string& reason) {
    Bitmap b(3, 2);
    std::string error;
    EXPECT_FALSE(LoadImageFile(path, b, &error)) << path;
    EXPECT_NE(error.find(reason), std::string::npos) << error;
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_EQ(b.Width(), 3);
  };
  expect_file_rejected((dir / "does-not-exist.png").string(), "No such file or directory");
  expect_file_rejected(Write("empty.bmp", {}), "the file is empty");
  expect_file_rejected(Write("text.png", Bytes{'h', 'e', 'l', 'l', 'o', '\n'}), "not a BMP, PNG or JPEG image");
  expect_file_rejected(dir.string(), "cannot read");  // a folder opens but cannot be read
  // Complete PNG structure with damaged image data: the decoder's own reason.
  Bytes png = samples::Png(samples::SampleRgb(kWidth, kHeight), kWidth, kHeight, 3);
  for (std::size_t i = 41; i < 60 && i < png.size() - 12; ++i) png[i] ^= 0x5A;
  expect_file_rejected(Write("damaged.png", png), "damaged.png");
  Bitmap b;
  EXPECT_FALSE(LoadImageFile(dir.string(), b));  // also without an error string to fill
}

TEST_F(ImageFiles, SavePngRoundTripsAndReportsFailures) {
  Bitmap b(5, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) b.SetPixel(x, y, static_cast<TColor>(40 * x | (60 * y) << 8 | (200 - 20 * x) << 16));
  }
  const std::string path = (dir / "saved.png").string();
  std::string error;
  ASSERT_TRUE(SavePngFile(path, b, &error)) << error;
  Bitmap loaded;
  ASSERT_TRUE(LoadImageFile(path, loaded, &error)) << error;
  ASSERT_EQ(loaded.Width(), 5);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) EXPECT_EQ(loaded.Pixel(x, y), b.Pixel(x, y));
  }
  EXPECT_FALSE(SavePngFile((dir / "no-such-folder" / "x.png").string(), b, &error));
  EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
  EXPECT_FALSE(SavePngFile(path, Bitmap(), &error));
  EXPECT_NE(error.find("empty"), std::string::npos) << error;
}

}  // namespace
}  // namespace kurvex
