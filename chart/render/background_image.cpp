// The background image in its three fill modes, from the decoded-picture cache.

#include "chart/render/background_image.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "chart/render/pipeline_steps.h"
#include "platform/gfx/image_file.h"

namespace kurvex {

std::optional<TBackgroundImageCache::FileStamp> TBackgroundImageCache::StampOf(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  FileStamp stamp;
  stamp.Path = fs::absolute(path, ec).string();
  if (ec) return std::nullopt;
  stamp.Size = fs::file_size(path, ec);
  if (ec) return std::nullopt;
  const fs::file_time_type time = fs::last_write_time(path, ec);
  if (ec) return std::nullopt;
  stamp.ModTime = static_cast<std::int64_t>(time.time_since_epoch().count());
  return stamp;
}

bool TBackgroundImageCache::Load(const std::string& path, Bitmap& image) {
  // The stamp is taken before the file is read: a change during the read then shows as a
  // changed stamp at the next paint.
  std::optional<FileStamp> stamp = StampOf(path);
  if (stamp && stamp == loaded_) return true;
  loaded_.reset();
  if (!stamp || !LoadImageFile(path, image)) return false;
  loaded_ = std::move(stamp);
  ++version_;
  return true;
}

const Bitmap& TBackgroundImageCache::Tiled(const Bitmap& image, int width, int height) {
  if (tiled_version_ == version_ && tiled_.Width() == width && tiled_.Height() == height) return tiled_;
  tiled_.SetSize(width, height);
  const int iw = image.Width();
  const int ih = image.Height();
  if (iw > 0 && ih > 0) {
    for (int y = 0; y < tiled_.Height(); ++y) {
      const std::uint32_t* from = image.ScanLine(y % ih);
      std::uint32_t* to = tiled_.ScanLine(y);
      for (int x = 0; x < tiled_.Width(); x += iw) std::copy_n(from, std::min(iw, tiled_.Width() - x), to + x);
    }
  }
  tiled_version_ = version_;
  return tiled_;
}

namespace render {

TBackgroundImageResult PaintBackgroundImage(TCustomKurvex& chart, TCanvas& canvas, int /*left*/, int /*top*/,
                                            int width, int height) {
  const TBakGndImg& settings = chart.BackGroundImg();
  if (settings.Name().empty()) return TBackgroundImageResult::NoImage;
  Bitmap& image = chart.BackImageBitmap();
  TBackgroundImageCache& cache = StateOf(chart).BackgroundImage;
  if (!cache.Load(settings.Name(), image)) return TBackgroundImageResult::Failed;

  // The image is laid out from the canvas's (0, 0), as the pipeline passes the plot there.
  switch (settings.FillMode()) {
    case TBkgFill::bfSimple:
      // At its own size in the top-left corner, on ChartColor inside the frame colour.
      canvas.Rectangle(0, 0, width, height);
      canvas.Draw(0, 0, image);
      break;
    case TBkgFill::bfStretch:
      canvas.StretchDraw(Rect(0, 0, width, height), image);
      break;
    case TBkgFill::bfTile: {
      // Tiles of the image's own size, columns = (width - 1) div image width + 1 (rows
      // alike). Several tiles come from one picture of the whole plot, built once, so a
      // small image costs no more per paint than a large one.
      const bool one_tile = width <= image.Width() && height <= image.Height();
      if (one_tile) {
        canvas.Draw(0, 0, image);
      } else if (width > 0 && height > 0) {
        canvas.Draw(0, 0, cache.Tiled(image, width, height));
      }
      break;
    }
  }
  return TBackgroundImageResult::Shown;
}

}  // namespace render

}  // namespace kurvex
