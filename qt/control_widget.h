#pragma once
// ControlWidget: a QWidget that owns one control and shows it, for use in any Qt widget
// tree and layout. It is the control's SurfaceWidget (the same paint and event path as the
// controls of a form): Qt's layout sizes it and the control follows, mouse presses, moves
// with the key state, double clicks, the wheel and enter/leave reach the control, the
// cursor the control asks for is shown, and repaints wait for Qt's update cycle.
//
// No form and no stored layout is needed; the first widget makes the Qt host the
// application's host when it is not already (UseQtHost). A QApplication must exist
// before the first widget, as for any QWidget.

#include <memory>

#include "platform/control.h"
#include "platform/qt/surface_widget.h"

namespace kurvex::qt {

namespace detail {
// Holds the control so that it exists before the SurfaceWidget base that shows it is
// made, and is freed only after that base is gone.
struct OwnedControl {
  explicit OwnedControl(std::unique_ptr<TWinControl> control) : owned_control(std::move(control)) {}
  std::unique_ptr<TWinControl> owned_control;
};
}  // namespace detail

class ControlWidget : private detail::OwnedControl, public SurfaceWidget {
 public:
  ~ControlWidget() override;
  ControlWidget(const ControlWidget&) = delete;
  ControlWidget& operator=(const ControlWidget&) = delete;

  // The size a layout gives the widget when it has no other wishes.
  QSize sizeHint() const override { return size_hint_; }
  QSize minimumSizeHint() const override { return minimum_size_hint_; }

 protected:
  // The screen cursor a control sets while the mouse moves over it is the application's;
  // once the mouse has left the widget it is given back, so that a chart's cross does not
  // stay over the rest of the user's window.
  void leaveEvent(QEvent* event) override;

  // Takes over `control` (a control without parent or owner) and gives it its window:
  // the control is sized to size_hint until a layout or the user resizes the widget.
  ControlWidget(std::unique_ptr<TWinControl> control, QWidget* parent, QSize size_hint, QSize minimum_size_hint);

 private:
  QSize size_hint_;
  QSize minimum_size_hint_;
};

}  // namespace kurvex::qt
