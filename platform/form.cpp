#include <algorithm>

#include "platform/application.h"
#include "platform/std_controls.h"

namespace kurvex {

void TCaptionControl::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  CaptionChanged();
}

void TCaptionControl::CaptionChanged() {
  Invalidate();
  NotifyHost();
}

TForm::TForm(TComponent* AOwner) : TCaptionControl(AOwner) {
  SetVisible(false);
  SetColor(clBtnFace);
}

TForm::~TForm() {
  if (Application().MainForm() == this) Application().SetMainForm(nullptr);
}

TRect TForm::ClientRect() const {
  return Rect(0, 0, std::max(Width() - 2 * kFrameBorder, 0),
              std::max(Height() - kCaptionHeight - 2 * kFrameBorder, 0));
}

void TForm::Show() {
  SetVisible(true);
  HandleNeeded();
  NotifyHost();
}

void TForm::Close() {
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  Hide();
  if (Application().MainForm() == this) Application().Terminate();
}

}  // namespace kurvex
