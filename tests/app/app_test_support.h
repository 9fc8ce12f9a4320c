#pragma once
// Shared by the program's tests: the speed-test form opened under a fresh headless host.

#include <memory>

#include "app/form1.h"
#include "platform/application.h"
#include "platform/headless_host.h"

namespace kurvex::test {

// Installs a headless host, reads the form from its stored layout and shows it (which
// creates the windows and releases the chart's paint hold). Takes everything back after.
class OpenForm {
 public:
  OpenForm() {
    auto host = std::make_unique<HeadlessHost>();
    host_ = host.get();
    Application().SetHost(std::move(host));
    form_ = std::make_unique<TForm1>(nullptr);
    Application().SetMainForm(form_.get());
    form_->Show();
    Application().ProcessMessages();
  }
  ~OpenForm() {
    form_.reset();
    Application().SetHost(nullptr);
  }
  OpenForm(const OpenForm&) = delete;
  OpenForm& operator=(const OpenForm&) = delete;

  TForm1* operator->() const { return form_.get(); }
  TForm1& operator*() const { return *form_; }
  HeadlessHost& Host() const { return *host_; }

  // A left click at the centre of a control, sent to the form's window as a user's would be.
  void ClickOn(const TControl& control) const {
    const TPoint at = control.OffsetIn(form_.get());
    host_->Click(*form_, at.X + control.Width() / 2, at.Y + control.Height() / 2);
  }

 private:
  HeadlessHost* host_ = nullptr;
  std::unique_ptr<TForm1> form_;
};

}  // namespace kurvex::test
