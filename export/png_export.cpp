// PNG files of controls, written under a temporary name and renamed when complete.

#include "export/png_export.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "chart/model/kurvex.h"
#include "platform/gfx/image_file.h"

namespace kurvex {

namespace {

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
  throw EExportError("Cannot save '" + path + "': " + reason);
}

// Creates a file of a name nobody else uses beside path (so that the rename stays on one
// file system), and returns the name.
std::string ReserveTemporaryFile(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name =
        path + "." + std::to_string(::getpid()) + "-" + std::to_string(counter.fetch_add(1)) + ".tmp";
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::close(fd);
      return name;
    }
    if (errno != EEXIST) Fail(path, std::strerror(errno));
  }
  Fail(path, "no free temporary file name beside it");
}

// Removes the temporary file unless the picture was renamed to its place.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target) : name_(ReserveTemporaryFile(target)) {}
  ~TemporaryFile() {
    if (!name_.empty()) std::remove(name_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  const std::string& Name() const { return name_; }
  void Renamed() { name_.clear(); }

 private:
  std::string name_;
};

// Writes what render draws to path: the file name is checked (by reserving the temporary
// file) before the picture is drawn, and a picture that cannot be made becomes an error
// that names the file.
template <class Render>
void WritePng(const std::string& path, Render render) {
  if (path.empty()) throw EExportError("Cannot save a PNG file: no file name was given");
  TemporaryFile temporary(path);
  Bitmap picture;
  try {
    picture = render();
  } catch (const EExportError& e) {
    Fail(path, e.what());
  }
  if (picture.Empty()) Fail(path, "the picture is empty");
  std::string error;
  if (!SavePngFile(temporary.Name(), picture, &error)) Fail(path, error);
  if (std::rename(temporary.Name().c_str(), path.c_str()) != 0) Fail(path, std::strerror(errno));
  temporary.Renamed();
}

}  // namespace

void SaveBitmapToPng(const Bitmap& bitmap, const std::string& path) {
  WritePng(path, [&] { return bitmap; });
}

void SaveChartToPng(const TCustomKurvex& chart, const std::string& path) {
  SaveChartToPng(chart, path, chart.Width(), chart.Height());
}

void SaveChartToPng(const TCustomKurvex& chart, const std::string& path, int width, int height) {
  WritePng(path, [&] { return RenderChartImage(chart, width, height); });
}

void SaveControlToPng(TControl& control, const std::string& path) {
  SaveControlToPng(control, path, control.Width(), control.Height());
}

void SaveControlToPng(TControl& control, const std::string& path, int width, int height) {
  WritePng(path, [&] { return RenderControlImage(control, width, height); });
}

}  // namespace kurvex
