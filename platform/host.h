#pragma once
// Host: connects controls to the outside world (windows on a screen, or memory in tests).
// The library never talks to a windowing system directly; it asks the application's host.

#include <string>

#include "common/geometry.h"
#include "platform/control.h"

namespace kurvex {

class Host {
 public:
  virtual ~Host() = default;

  // Gives a windowed control its window (then calls control->CreateWnd()), and takes it
  // back (the control's DestroyWnd has run already). Windows of children are created after
  // their parent's and destroyed before it.
  virtual void CreateWindow(TWinControl& control) = 0;
  virtual void DestroyWindow(TWinControl& control) = 0;
  // The control's bounds, visibility, caption or other shown state changed.
  virtual void ControlChanged(TControl& control) = 0;

  // Schedules a repaint (TWinControl::PaintRegion) of the region of a window.
  virtual void Invalidate(TWinControl& window, const TRect& region) = 0;
  // The region of the window's surface changed; show it (no repaint is run).
  virtual void Present(TWinControl& window, const TRect& region) = 0;

  // The application-wide screen cursor changed (Screen().SetCursor).
  virtual void SetScreenCursor(TCursor cursor) = 0;
  // A modal information box with one OK button; returns when the user closed it.
  virtual void ShowMessageBox(const std::string& caption, const std::string& text) = 0;
  // Keeps mouse input on the control while a button is held (nullptr: released).
  virtual void SetMouseCapture(TControl* control) = 0;

  // Runs the message loop until Terminate; handles pending messages.
  virtual int Run() = 0;
  virtual void Terminate() = 0;
  virtual void ProcessMessages() = 0;

  // The screen's aspect values (1:1 unless the host knows better).
  virtual int AspectX() const { return 1; }
  virtual int AspectY() const { return 1; }
};

}  // namespace kurvex
