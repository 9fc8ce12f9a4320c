#pragma once
// The process-wide Application (host, message loop, message box, exception display) and
// Screen (the application-wide cursor and the cursor table).

#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/control.h"
#include "platform/host.h"

namespace kurvex {

class TForm;

// A two-colour cursor image: 32 x 32 pixels, each 0 transparent, 1 black, 2 white.
struct CursorImage {
  static constexpr int kSize = 32;
  std::uint8_t pixels[kSize * kSize] = {};
  int hot_x = 0;
  int hot_y = 0;

  std::uint8_t At(int x, int y) const { return pixels[y * kSize + x]; }
};

class TScreen {
 public:
  // The application-wide cursor; setting it tells the host when it changes.
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

  // The host in use; a HeadlessHost until another is set. SetHost(nullptr) goes back to a
  // fresh HeadlessHost. Destroy the windows of the old host first (DestroyHandle).
  Host& GetHost();
  void SetHost(std::unique_ptr<Host> host);

  // Caption of the exception display; "Kurvex" by default.
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }

  // Shows a modal information box with one OK button.
  void MessageBox(const std::string& text, const std::string& caption = "Information");
  // The default display of an error raised inside an event handler: OnException when set,
  // else a message box with the error text.
  void ShowException(const std::exception& error);
  std::function<void(const std::exception& error)> OnException;

  // Runs f; an exception escaping it is shown by ShowException instead of propagating.
  // Hosts wrap every event they deliver in it. Returns false when f raised.
  bool Guard(const std::function<void()>& f);

  // The main form: Run shows it, and closing it ends the message loop.
  TForm* MainForm() const { return main_form_; }
  void SetMainForm(TForm* form) { main_form_ = form; }

  // Shows the main form and runs the host's message loop until Terminate; returns at once
  // once terminated (until a new host is set).
  int Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  void ProcessMessages();

 private:
  std::unique_ptr<Host> host_;
  std::string title_ = "Kurvex";
  TForm* main_form_ = nullptr;
  bool terminated_ = false;
};

TApplication& Application();
TScreen& Screen();

// Time of day as a fraction of a day, from a monotonic clock anchored to the wall clock at
// the first call: differences between two readings never come out negative. The value
// goes on past 1.0 after midnight instead of wrapping to 0.
double TimeOfDay();

}  // namespace kurvex
