#pragma once
// The plot's background image file, decoded once and reused while the file stays the same:
// a paint checks the file's path, size and modification time (a cheap status query) and
// decodes it again only when one of them changed, so an edited file still shows at the
// next paint. Also the image repeated over the plot for the tile fill, built once per
// decoded picture and plot size.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/gfx/bitmap.h"

namespace kurvex {

class TBackgroundImageCache {
 public:
  // Makes image hold the picture of the file at path, decoding the file only when it is not
  // the one decoded last into image. False (and nothing remembered) when the file cannot
  // be found, read or decoded.
  bool Load(const std::string& path, Bitmap& image);

  // image (as last loaded) repeated from (0, 0) to cover width x height.
  const Bitmap& Tiled(const Bitmap& image, int width, int height);

 private:
  struct FileStamp {
    std::string Path;  // absolute
    std::uintmax_t Size = 0;
    std::int64_t ModTime = 0;  // file clock ticks
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
  };
  static std::optional<FileStamp> StampOf(const std::string& path);

  std::optional<FileStamp> loaded_;
  std::uint64_t version_ = 0;  // counts decodes
  Bitmap tiled_;
  std::uint64_t tiled_version_ = 0;
};

}  // namespace kurvex
