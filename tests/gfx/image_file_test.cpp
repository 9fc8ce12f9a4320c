// Reading BMP, PNG and JPEG files and writing PNG files. The sample files are written by
// the test itself into a temporary folder; damaged ones are cut-off or altered copies.

#include <gtest/gtest.h>

#include <stb/stb_image_write.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/gfx/image_file.h"

namespace kurvex {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

// A 6 x 4 picture with distinct colours, as RGB bytes and as the expected bitmap.
constexpr int kWidth = 6;
constexpr int kHeight = 4;

TColor SampleColor(int x, int y) { return static_cast<TColor>((40 * x) | ((60 * y) << 8) | ((200 - 20 * x) << 16)); }

Bytes SampleRgb() {
  Bytes rgb;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const TColor c = SampleColor(x, y);
      rgb.push_back(static_cast<unsigned char>(c));
      rgb.push_back(static_cast<unsigned char>(c >> 8));
      rgb.push_back(static_cast<unsigned char>(c >> 16));
    }
  }
  return rgb;
}

void Append(void* context, void* data, int size) {
  auto* out = static_cast<Bytes*>(context);
  out->insert(out->end(), static_cast<unsigned char*>(data), static_cast<unsigned char*>(data) + size);
}

Bytes Encode(const char* format) {
  const Bytes rgb = SampleRgb();
  Bytes out;
  const std::string f = format;
  if (f == "bmp") stbi_write_bmp_to_func(&Append, &out, kWidth, kHeight, 3, rgb.data());
  if (f == "png") stbi_write_png_to_func(&Append, &out, kWidth, kHeight, 3, rgb.data(), kWidth * 3);
  if (f == "jpg") stbi_write_jpg_to_func(&Append, &out, kWidth, kHeight, 3, rgb.data(), 100);
  return out;
}

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
  void ExpectRejected(const std::string& path, const std::string& reason) {
    Bitmap b(3, 2);
    b.Fill(clFuchsia);
    std::string error;
    EXPECT_FALSE(LoadImageFile(path, b, &error)) << path;
    EXPECT_NE(error.find(reason), std::string::npos) << "error: " << error;
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Height(), 2);
    EXPECT_EQ(b.Pixel(2, 1), clFuchsia);
  }
};

TEST_F(ImageFiles, LosslessFormatsLoadExactly) {
  for (const char* format : {"bmp", "png"}) {
    Bitmap b;
    std::string error;
    ASSERT_TRUE(LoadImageFile(Write(std::string("sample.") + format, Encode(format)), b, &error)) << error;
    ASSERT_EQ(b.Width(), kWidth);
    ASSERT_EQ(b.Height(), kHeight);
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) EXPECT_EQ(b.Pixel(x, y), SampleColor(x, y)) << format << " " << x << "," << y;
    }
  }
}

TEST_F(ImageFiles, JpegLoadsCloseToItsColours) {
  Bitmap b;
  std::string error;
  ASSERT_TRUE(LoadImageFile(Write("sample.jpg", Encode("jpg")), b, &error)) << error;
  ASSERT_EQ(b.Width(), kWidth);
  ASSERT_EQ(b.Height(), kHeight);
  const TColor c = b.Pixel(2, 2);
  const TColor e = SampleColor(2, 2);
  for (int shift = 0; shift <= 16; shift += 8) {
    EXPECT_NEAR(static_cast<int>((c >> shift) & 0xFF), static_cast<int>((e >> shift) & 0xFF), 40) << shift;
  }
}

TEST_F(ImageFiles, TransparentPngPixelsShowOverWhite) {
  const unsigned char rgba[] = {255, 0, 0, 255, 0, 0, 0, 0, 0, 0, 255, 128};
  Bytes png;
  stbi_write_png_to_func(&Append, &png, 3, 1, 4, rgba, 12);
  Bitmap b;
  ASSERT_TRUE(LoadImageFile(Write("alpha.png", png), b));
  EXPECT_EQ(b.Pixel(0, 0), clRed);
  EXPECT_EQ(b.Pixel(1, 0), clWhite);
  EXPECT_EQ(b.Pixel(2, 0), 0xFF7F7Fu);  // half-transparent blue over white
}

TEST_F(ImageFiles, TruncatedFilesAreRejected) {
  for (const char* format : {"bmp", "png", "jpg"}) {
    const Bytes whole = Encode(format);
    for (const std::size_t keep : {whole.size() - 1, whole.size() / 2, std::size_t{20}, std::size_t{3}}) {
      const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(keep));
      ExpectRejected(Write(std::string("cut.") + format, cut), "truncated");
    }
  }
}

TEST_F(ImageFiles, MissingEmptyUnreadableAndForeignFilesAreRejected) {
  ExpectRejected((dir / "does-not-exist.png").string(), "No such file or directory");
  ExpectRejected(Write("empty.bmp", {}), "the file is empty");
  ExpectRejected(Write("text.png", Bytes{'h', 'e', 'l', 'l', 'o', '\n'}), "not a BMP, PNG or JPEG image");
  ExpectRejected(dir.string(), "cannot read");  // a folder opens but cannot be read
  // Complete PNG structure with damaged image data: the decoder's own reason.
  Bytes png = Encode("png");
  for (std::size_t i = 41; i < 60 && i < png.size() - 12; ++i) png[i] ^= 0x5A;
  ExpectRejected(Write("damaged.png", png), "damaged.png");
  // Also without an error string to fill.
  Bitmap b;
  EXPECT_FALSE(LoadImageFile(dir.string(), b));
}

TEST_F(ImageFiles, SavePngRoundTripsAndReportsFailures) {
  Bitmap b(5, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) b.SetPixel(x, y, SampleColor(x, y));
  }
  const std::string path = (dir / "saved.png").string();
  std::string error;
  ASSERT_TRUE(SavePngFile(path, b, &error)) << error;
  Bitmap loaded;
  ASSERT_TRUE(LoadImageFile(path, loaded, &error)) << error;
  ASSERT_EQ(loaded.Width(), 5);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) EXPECT_EQ(loaded.Pixel(x, y), SampleColor(x, y));
  }
  EXPECT_FALSE(SavePngFile((dir / "no-such-folder" / "x.png").string(), b, &error));
  EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
  EXPECT_FALSE(SavePngFile(path, Bitmap(), &error));
  EXPECT_NE(error.find("empty"), std::string::npos) << error;
}

}  // namespace
}  // namespace kurvex
