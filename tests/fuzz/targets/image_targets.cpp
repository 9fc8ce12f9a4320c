// The image loader, one target per format. Inputs without the format's signature get it
// put in front, so that the fuzzer spends its time inside the decoder of that format.

#include <string>
#include <vector>

#include "fuzz/targets/fuzz_targets.h"
#include "platform/gfx/image_file.h"

namespace kurvex::fuzz {

namespace {

void LoadWithSignature(const std::uint8_t* data, std::size_t size, std::initializer_list<std::uint8_t> signature) {
  std::vector<std::uint8_t> bytes(signature);
  const bool has = size >= bytes.size() && std::equal(bytes.begin(), bytes.end(), data);
  if (has) bytes.clear();
  bytes.insert(bytes.end(), data, data + size);
  Bitmap bitmap(2, 2);
  std::string error;
  if (LoadImageFromMemory(bytes.data(), bytes.size(), bitmap, &error)) {
    // A loaded picture is whole: every pixel can be read.
    volatile std::uint32_t sum = 0;
    for (int y = 0; y < bitmap.Height(); ++y) sum = sum + bitmap.ScanLine(y)[bitmap.Width() - 1];
  } else if (error.empty() || bitmap.Width() != 2 || bitmap.Height() != 2) {
    __builtin_trap();  // a failure must say why and leave the bitmap as it was
  }
}

}  // namespace

void FuzzPng(const std::uint8_t* data, std::size_t size) {
  LoadWithSignature(data, size, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A});
}

void FuzzJpeg(const std::uint8_t* data, std::size_t size) { LoadWithSignature(data, size, {0xFF, 0xD8, 0xFF}); }

void FuzzBmp(const std::uint8_t* data, std::size_t size) { LoadWithSignature(data, size, {'B', 'M'}); }

}  // namespace kurvex::fuzz
