#pragma once
// Golden-image comparison for tests. ExpectMatchesGolden(bitmap, "area/case") compares the
// bitmap pixel for pixel with KX_GOLDEN_DIR/area/case.png. On a mismatch it reports the
// number of differing pixels and the first one, and writes the actual picture to
// golden_actual/area/case.png under the test's working directory (the build tree) for
// inspection. With the environment variable KX_UPDATE_GOLDEN=1 it writes the golden file
// instead (review the pictures before committing them).

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/image_file.h"

#ifndef KX_GOLDEN_DIR
#error "KX_GOLDEN_DIR must be defined for tests that use golden images"
#endif

namespace kurvex::golden {

inline bool UpdateRequested() {
  const char* value = std::getenv("KX_UPDATE_GOLDEN");
  return value != nullptr && std::strcmp(value, "1") == 0;
}

inline std::filesystem::path GoldenPath(const std::string& name) {
  return std::filesystem::path(KX_GOLDEN_DIR) / (name + ".png");
}

inline std::filesystem::path ActualPath(const std::string& name) {
  return std::filesystem::current_path() / "golden_actual" / (name + ".png");
}

inline bool WritePng(const std::filesystem::path& path, const Bitmap& bitmap, std::string* error) {
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  if (ec) {
    *error = "cannot create " + path.parent_path().string() + ": " + ec.message();
    return false;
  }
  return SavePngFile(path.string(), bitmap, error);
}

// Hex of a colour as 0xBBGGRR.
inline std::string ColorText(TColor c) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(c));
  return text;
}

}  // namespace kurvex::golden

namespace kurvex {

inline void ExpectMatchesGolden(const Bitmap& actual, const std::string& name) {
  const std::filesystem::path golden_path = golden::GoldenPath(name);
  std::string error;
  if (golden::UpdateRequested()) {
    if (!golden::WritePng(golden_path, actual, &error)) ADD_FAILURE() << "golden image not written: " << error;
    return;
  }
  Bitmap expected;
  if (!LoadImageFile(golden_path.string(), expected, &error)) {
    ADD_FAILURE() << "no golden image for \"" << name << "\" (" << error
                  << "); run the test with KX_UPDATE_GOLDEN=1 to create it";
    return;
  }
  std::string verdict;
  if (expected.Width() != actual.Width() || expected.Height() != actual.Height()) {
    verdict = "size " + std::to_string(actual.Width()) + " x " + std::to_string(actual.Height()) + ", golden " +
              std::to_string(expected.Width()) + " x " + std::to_string(expected.Height());
  } else {
    long long count = 0;
    for (int y = 0; y < actual.Height(); ++y) {
      for (int x = 0; x < actual.Width(); ++x) {
        const TColor a = actual.Pixel(x, y);
        const TColor e = expected.Pixel(x, y);
        if (a == e) continue;
        if (count++ == 0) {
          verdict = "first difference at (" + std::to_string(x) + ", " + std::to_string(y) + "): " +
                    golden::ColorText(a) + ", golden " + golden::ColorText(e);
        }
      }
    }
    if (count == 0) return;
    verdict = std::to_string(count) + " pixels differ, " + verdict;
  }
  const std::filesystem::path actual_path = golden::ActualPath(name);
  std::string written = "actual image written to " + actual_path.string();
  if (!golden::WritePng(actual_path, actual, &error)) written = "actual image not written: " + error;
  ADD_FAILURE() << "\"" << name << "\" does not match " << golden_path.string() << ": " << verdict << "; "
                << written;
}

}  // namespace kurvex
