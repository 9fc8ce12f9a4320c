#pragma once
// The process-wide Application (host, message loop, message box, exception display) and
// Screen (the application-wide cursor and the cursor table).

#include <cstdint>
#include <exception>
#include <map>
#include <memory>
#include <string>

#include "platform/control.h"
#include "platform/host.h"

namespace kurvex {

// A two-colour cursor image: 32 x 32 pixels, each 0 transparent, 1 black, 2 white.
struct CursorImage {
  static constexpr int kSize = 32;
  std::uint8_t pixels[kSize * kSize] = {};
  int hot_x = 0;
  int hot_y = 0;
};

class TScreen {
 public:
  // The application-wide cursor; setting it tells the host.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);

  // The cursor table: numbers >= 1 map to images.
  void SetCursorImage(TCursor number, const CursorImage& image);
  const CursorImage* CursorImageOf(TCursor number) const;

 private:
  TCursor cursor_ = crDefault;
  std::map<TCursor, CursorImage> cursors_;
};

class TApplication {
 public:
  TApplication();
  ~TApplication();

  // The host in use; a HeadlessHost until another is set.
  Host& GetHost();
  void SetHost(std::unique_ptr<Host> host);

  // Shows a modal information box with one OK button.
  void MessageBox(const std::string& text, const std::string& caption = "Information");
  // The default display of an error raised inside an event handler.
  void ShowException(const std::exception& error);

  int Run();
  void Terminate();
  void ProcessMessages();

 private:
  std::unique_ptr<Host> host_;
};

TApplication& Application();
TScreen& Screen();

// Time of day as a fraction of a day, from a monotonic clock anchored to the wall clock at
// the first call: differences between two readings never come out negative.
double TimeOfDay();

}  // namespace kurvex
