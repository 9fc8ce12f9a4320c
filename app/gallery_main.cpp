// kurvex-gallery: one window of charts that shows what the chart draws.

#include <QApplication>

#include <cstdio>
#include <exception>
#include <memory>
#include <string>
#include <string_view>

#include "app/gallery_form.h"
#include "app/screenshot.h"
#include "platform/application.h"
#include "platform/qt/qt_host.h"

int main(int argc, char** argv) {
  using namespace kurvex;
  QApplication qt_application(argc, argv);
  // The only option, --screenshot FILE, saves the window for the documentation and quits.
  std::string screenshot;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--screenshot" && i + 1 < argc) {
      screenshot = argv[++i];
    } else {
      std::fprintf(stderr, "kurvex-gallery: unknown argument \"%s\" (the only option is --screenshot FILE)\n",
                   argv[i]);
      return 2;
    }
  }
  auto* host = new qt::QtHost;
  Application().SetHost(std::unique_ptr<Host>(host));
  Application().SetTitle("Kurvex gallery");
  bool screenshot_failed = false;
  try {
    auto form = std::make_unique<TGalleryForm>(nullptr);
    Application().SetMainForm(form.get());
    if (!screenshot.empty()) ScheduleFormScreenshot(*host, *form, screenshot, screenshot_failed);
    Application().Run();
    form.reset();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kurvex-gallery: %s\n", e.what());
    Application().SetHost(nullptr);
    return 1;
  }
  Application().SetHost(nullptr);
  return screenshot_failed ? 1 : 0;
}
