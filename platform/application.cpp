#include "platform/application.h"

#include "platform/headless_host.h"
#include "platform/mouse_input.h"
#include "platform/std_controls.h"

namespace kurvex {

void TScreen::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  Application().GetHost().SetScreenCursor(cursor);
}

void TScreen::SetCursorImage(TCursor number, const CursorImage& image) { cursors_[number] = image; }

const CursorImage* TScreen::CursorImageOf(TCursor number) const {
  const auto it = cursors_.find(number);
  return it == cursors_.end() ? nullptr : &it->second;
}

TApplication::TApplication() = default;
TApplication::~TApplication() = default;

Host& TApplication::GetHost() {
  if (!host_) host_ = std::make_unique<HeadlessHost>();
  return *host_;
}

void TApplication::SetHost(std::unique_ptr<Host> host) {
  MouseInput::Instance().Reset();
  host_ = std::move(host);
  terminated_ = false;
  // A new host shows the application-wide cursor that is in force.
  if (host_ && Screen().Cursor() != crDefault) host_->SetScreenCursor(Screen().Cursor());
}

void TApplication::MessageBox(const std::string& text, const std::string& caption) {
  GetHost().ShowMessageBox(caption, text);
}

void TApplication::ShowException(const std::exception& error) {
  if (OnException) {
    OnException(error);
    return;
  }
  MessageBox(error.what(), title_);
}

bool TApplication::Guard(const std::function<void()>& f) {
  try {
    f();
    return true;
  } catch (const std::exception& e) {
    ShowException(e);
  } catch (...) {
    ShowException(std::runtime_error("Unknown error"));
  }
  return false;
}

int TApplication::Run() {
  // Terminate is final: once the main form has closed there is nothing left to run. A new
  // host (SetHost) starts afresh.
  if (terminated_) return 0;
  if (main_form_ != nullptr) main_form_->Show();
  if (terminated_) return 0;
  return GetHost().Run();
}

void TApplication::Terminate() {
  terminated_ = true;
  GetHost().Terminate();
}

void TApplication::ProcessMessages() { GetHost().ProcessMessages(); }

TApplication& Application() {
  static TApplication application;
  return application;
}

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

}  // namespace kurvex
