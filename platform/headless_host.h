#pragma once
// HeadlessHost: a Host that keeps everything in memory, for tests, benchmarks and runs
// without a display.
//
// Windows: each windowed control's window shows its surface. The host keeps a copy of
// what each window shows (the "screen"), updated by Present and by the repaints that
// ProcessMessages runs for invalidated regions, so tests can tell drawn-but-not-shown
// pixels from shown ones.
//
// Mouse: tests send input to a window (usually the form) in its client pixels; it goes to
// the control under the point (windowless children before their parent), and to the
// control that was pressed while a button is held. A double click is the sequence a real
// window delivers: press, release, the double-click notification (DblClick, then MouseDown
// with ssDouble), release. Errors raised by event handlers are shown through
// Application().ShowException, as on a real screen: they end up in MessageBoxes().

#include <map>
#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/host.h"

namespace kurvex {

class HeadlessHost : public Host {
 public:
  struct MessageBoxRecord {
    std::string caption;
    std::string text;
  };

  // keep_screen false skips the copies into the screen images (benchmarks).
  explicit HeadlessHost(bool keep_screen = true) : keep_screen_(keep_screen) {}

  // Host
  void CreateWindow(TWinControl& control) override;
  void DestroyWindow(TWinControl& control) override;
  void ControlChanged(TControl& control) override;
  void Invalidate(TWinControl& window, const TRect& region) override;
  void Present(TWinControl& window, const TRect& region) override;
  void SetScreenCursor(TCursor cursor) override { screen_cursor_ = cursor; }
  void ShowMessageBox(const std::string& caption, const std::string& text) override;
  void SetMouseCapture(TControl*) override {}
  // Paints the invalidated windows; returns 0 once nothing is pending or Terminate was
  // called (there is no outside input to wait for).
  int Run() override;
  void Terminate() override { terminated_ = true; }
  // Repaints every invalidated region (parents before children) and shows it.
  void ProcessMessages() override;

  // ---- For tests ----

  bool HasWindow(const TWinControl& control) const { return windows_.count(&control) != 0; }
  // What the window shows: the surface as of the last Present or repaint. Empty for a
  // control without a window.
  const Bitmap& ScreenImage(const TWinControl& window) const;
  // A pixel of a control as shown on the screen, in the control's own coordinates (a
  // windowless control is looked up in its parent's window).
  TColor ShownPixel(const TControl& control, int x, int y) const;
  // The region waiting for a repaint (empty when none).
  TRect PendingRegion(const TWinControl& window) const;
  int PresentCount(const TWinControl& window) const;
  int PaintCount(const TWinControl& window) const;
  int ControlChangedCount(const TControl& control) const;

  // Mouse input to `window` at its client point (x, y); modifiers are ssShift, ssAlt,
  // ssCtrl (the held buttons are added by the host).
  void Press(TWinControl& window, int x, int y, TMouseButton button = TMouseButton::mbLeft, TShiftState modifiers = {});
  // The raw move message, as a window delivers it: WMMouseMove, which runs MouseMove.
  void Move(TWinControl& window, int x, int y, TShiftState modifiers = {});
  // The ordinary move notification alone (MouseMove, no raw message).
  void MoveWithoutMessage(TWinControl& window, int x, int y, TShiftState modifiers = {});
  void Release(TWinControl& window, int x, int y, TMouseButton button = TMouseButton::mbLeft, TShiftState modifiers = {});
  // Press and release at one point.
  void Click(TWinControl& window, int x, int y, TMouseButton button = TMouseButton::mbLeft, TShiftState modifiers = {});
  // Press, release, double-click notification + press, release (left button).
  void DoubleClick(TWinControl& window, int x, int y, TShiftState modifiers = {});
  // Press at (x0, y0), moves along the straight line in `steps` moves, release at (x1, y1).
  void Drag(TWinControl& window, int x0, int y0, int x1, int y1, int steps = 4,
            TMouseButton button = TMouseButton::mbLeft, TShiftState modifiers = {});
  bool Wheel(TWinControl& window, int x, int y, int delta, TShiftState modifiers = {});
  // The pointer leaves the window.
  void Leave(TWinControl& window);

  const std::vector<MessageBoxRecord>& MessageBoxes() const { return message_boxes_; }
  void ClearMessageBoxes() { message_boxes_.clear(); }
  TCursor ScreenCursor() const { return screen_cursor_; }
  TControl* MouseCapture() const;
  bool Terminated() const { return terminated_; }

 private:
  struct Window {
    Bitmap screen;
    TRect pending;
    int presents = 0;
    int paints = 0;
    std::uint64_t order = 0;  // creation order: parents before children
  };

  void CopyToScreen(TWinControl& control, Window& w, const TRect& region);

  bool keep_screen_;
  std::map<const TWinControl*, Window> windows_;
  std::map<const TControl*, int> changes_;
  std::uint64_t next_order_ = 0;
  std::vector<MessageBoxRecord> message_boxes_;
  TCursor screen_cursor_ = crDefault;
  bool terminated_ = false;
};

}  // namespace kurvex
