#include "app/window_program.h"

#include <QApplication>

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "app/screenshot.h"
#include "platform/application.h"
#include "platform/qt/qt_host.h"

namespace kurvex {

int RunWindowProgram(int argc, char** argv, const char* program, const char* title,
                     const std::function<std::unique_ptr<TForm>()>& make_form) {
  QApplication qt_application(argc, argv);
  std::string screenshot;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--screenshot" && i + 1 < argc) {
      screenshot = argv[++i];
    } else {
      std::fprintf(stderr, "%s: unknown argument \"%s\" (the only option is --screenshot FILE)\n", program, argv[i]);
      return 2;
    }
  }
  auto* host = new qt::QtHost;
  Application().SetHost(std::unique_ptr<Host>(host));
  Application().SetTitle(title);
  bool screenshot_failed = false;
  try {
    std::unique_ptr<TForm> form = make_form();
    Application().SetMainForm(form.get());
    if (!screenshot.empty()) ScheduleFormScreenshot(*host, *form, screenshot, screenshot_failed);
    Application().Run();
    form.reset();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", program, e.what());
    Application().SetHost(nullptr);
    return 1;
  }
  Application().SetHost(nullptr);
  return screenshot_failed ? 1 : 0;
}

}  // namespace kurvex
