#pragma once
// Shared by the program's tests: the speed-test form opened under a fresh headless host.

#include <cctype>
#include <memory>
#include <string>
#include <string_view>

#include "app/form1.h"
#include "platform/application.h"
#include "platform/headless_host.h"

namespace kurvex::test {

// True when text is `prefix`, one or more digits, ".", two digits and " sec" (the shape
// of a time caption: "Time to draw internally: 0.25 sec").
inline bool IsTimeCaption(std::string_view text, std::string_view prefix) {
  if (text.substr(0, prefix.size()) != prefix) return false;
  text.remove_prefix(prefix.size());
  const auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
  std::size_t i = 0;
  while (i < text.size() && digit(text[i])) ++i;
  return i > 0 && text.size() == i + 7 && text[i] == '.' && digit(text[i + 1]) && digit(text[i + 2]) &&
         text.substr(i + 3) == " sec";
}

// Installs a headless host, makes a program's main form and shows it (which creates the
// windows and releases the charts' paint hold). Takes everything back after.
template <class Form>
class OpenWindow {
 public:
  OpenWindow() {
    auto host = std::make_unique<HeadlessHost>();
    host_ = host.get();
    Application().SetHost(std::move(host));
    form_ = std::make_unique<Form>(nullptr);
    Application().SetMainForm(form_.get());
    form_->Show();
    Application().ProcessMessages();
  }
  ~OpenWindow() {
    form_.reset();
    Application().SetHost(nullptr);
  }
  OpenWindow(const OpenWindow&) = delete;
  OpenWindow& operator=(const OpenWindow&) = delete;

  Form* operator->() const { return form_.get(); }
  Form& operator*() const { return *form_; }
  HeadlessHost& Host() const { return *host_; }

  // A left click at the centre of a control, sent to the form's window as a user's would be.
  void ClickOn(const TControl& control) const {
    const TPoint at = control.OffsetIn(form_.get());
    host_->Click(*form_, at.X + control.Width() / 2, at.Y + control.Height() / 2);
  }

 private:
  HeadlessHost* host_ = nullptr;
  std::unique_ptr<Form> form_;
};

// The speed-test form, read from its stored layout.
using OpenForm = OpenWindow<TForm1>;

}  // namespace kurvex::test
