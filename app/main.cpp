// The speed-test program: one window that draws a damped noisy sine of up to 1,000,000
// points in the chart and shows how long building and drawing took.

#include <QApplication>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <string>
#include <string_view>

#include "app/form1.h"
#include "app/screenshot.h"
#include "common/random.h"
#include "platform/application.h"
#include "platform/qt/qt_host.h"

namespace {

// The program takes no options; --screenshot FILE [--position N] is for the documentation
// (see app/screenshot.h).
struct ScreenshotRequest {
  std::string path;
  int position = 13;
};

bool ParseArguments(int argc, char** argv, ScreenshotRequest& request) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--screenshot" && i + 1 < argc) {
      request.path = argv[++i];
    } else if (arg == "--position" && i + 1 < argc) {
      const std::string_view text = argv[++i];
      const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), request.position);
      if (error != std::errc() || end != text.data() + text.size() || request.position < 1 ||
          request.position > 13) {
        std::fprintf(stderr, "kurvex-speedtest: --position needs a scroll bar position from 1 to 13\n");
        return false;
      }
    } else {
      std::fprintf(stderr, "kurvex-speedtest: unknown argument \"%s\" (the program takes no options)\n", argv[i]);
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kurvex;
  // The platform's application object, then the program's start-up.
  QApplication qt_application(argc, argv);
  ScreenshotRequest screenshot;
  if (!ParseArguments(argc, argv, screenshot)) return 2;
  auto* host = new qt::QtHost;
  Application().SetHost(std::unique_ptr<Host>(host));
  Application().SetTitle("Kurvex speed test");
  // The generator is seeded before the window exists, so the first run's noise is the
  // same after every start.
  InitSharedHelpers();
  bool screenshot_failed = false;
  try {
    auto form = std::make_unique<TForm1>(nullptr);
    Application().SetMainForm(form.get());
    if (!screenshot.path.empty()) {
      ScheduleScreenshot(*host, *form, screenshot.path, screenshot.position, screenshot_failed);
    }
    // Showing the form creates the windows, which releases the chart's paint hold; the
    // loop runs until the form is closed.
    Application().Run();
    form.reset();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kurvex-speedtest: %s\n", e.what());
    Application().SetHost(nullptr);
    return 1;
  }
  Application().SetHost(nullptr);
  return screenshot_failed ? 1 : 0;
}
