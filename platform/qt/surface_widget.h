#pragma once
// The widget of a control that paints its own surface (forms, panels, charts, scales):
// it shows the surface bitmap through a QImage over the bitmap's memory (no copy; the
// image is made again when the bitmap is resized), repaints invalidated regions through
// the control before showing them, and hands mouse, wheel, enter/leave, resize and close
// events to the control. Every call into the control goes through Application().Guard,
// so an error raised by an event handler is shown, never thrown into Qt's event loop.

#include <QImage>
#include <QRect>
#include <QWidget>

#include <cstdint>

#include "platform/control.h"

namespace kurvex::qt {

class SurfaceWidget : public QWidget {
 public:
  // A top-level widget always sets the control's size when Qt resizes it; a child widget
  // does so only when follows_widget_size is true (a widget placed by a Qt layout), and
  // is otherwise placed by the host from the control's bounds.
  SurfaceWidget(TWinControl& control, QWidget* parent, bool follows_widget_size = false);

  TWinControl& Control() const { return control_; }
  // A region waits for the control to repaint it; the next paint event runs PaintRegion.
  void Invalidate(const QRect& region);
  QRect PendingRegion() const { return pending_; }
  // True while Qt is closing the window (the form decides whether it closes).
  bool Closing() const { return closing_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void Press(QMouseEvent* event, bool double_click);
  const QImage& Image();

  TWinControl& control_;
  QImage image_;
  const void* image_bits_ = nullptr;
  std::uint64_t image_generation_ = ~std::uint64_t{0};
  QRect pending_;
  bool follows_widget_size_ = false;
  bool closing_ = false;
};

}  // namespace kurvex::qt
