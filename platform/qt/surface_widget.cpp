#include "platform/qt/surface_widget.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "platform/application.h"
#include "platform/mouse_input.h"
#include "platform/qt/qt_convert.h"
#include "platform/std_controls.h"

namespace kurvex::qt {

namespace {

TPoint ToPoint(const QPointF& p) { return Point(static_cast<int>(p.x()), static_cast<int>(p.y())); }

}  // namespace

SurfaceWidget::SurfaceWidget(TWinControl& control, QWidget* parent) : QWidget(parent), control_(control) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);  // the surface covers the whole widget
  pending_ = QRect(0, 0, control.Surface().Width(), control.Surface().Height());
}

void SurfaceWidget::Invalidate(const QRect& region) {
  pending_ = pending_.united(region);
  update(region);
}

const QImage& SurfaceWidget::Image() {
  const Bitmap& surface = control_.Surface();
  if (surface.Generation() != image_generation_ || surface.Bits() != image_bits_) {
    image_generation_ = surface.Generation();
    image_bits_ = surface.Bits();
    image_ = surface.Empty() ? QImage()
                             : QImage(reinterpret_cast<const uchar*>(surface.Bits()), surface.Width(),
                                      surface.Height(), surface.Width() * 4, QImage::Format_RGB32);
  }
  return image_;
}

void SurfaceWidget::paintEvent(QPaintEvent* event) {
  if (!pending_.isEmpty()) {
    const QRect region = pending_;
    pending_ = QRect();
    Application().Guard([&] { control_.PaintRegion(ToTRect(region)); });
  }
  const QImage& image = Image();
  QPainter painter(this);
  const QRect r = event->rect();
  if (image.isNull()) {
    painter.fillRect(r, ToQColor(control_.Color()));
    return;
  }
  // A widget larger than its surface (between a resize and the model catching up) shows
  // the control's colour beyond it.
  if (!image.rect().contains(r)) painter.fillRect(r, ToQColor(control_.Color()));
  painter.drawImage(r.topLeft(), image, r);
}

void SurfaceWidget::Press(QMouseEvent* event, bool double_click) {
  const TPoint p = ToPoint(event->position());
  const TMouseButton button = ToMouseButton(event->button());
  const TShiftState modifiers = ToModifiers(event->modifiers());
  Application().Guard([&] { MouseInput::Instance().Press(control_, p, button, modifiers, double_click); });
  event->accept();
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event) { Press(event, false); }

void SurfaceWidget::mouseDoubleClickEvent(QMouseEvent* event) { Press(event, true); }

void SurfaceWidget::mouseMoveEvent(QMouseEvent* event) {
  const TPoint p = ToPoint(event->position());
  const TShiftState modifiers = ToModifiers(event->modifiers());
  const TShiftState down = ToButtons(event->buttons());
  // What a window receives is the raw move message; the control's handler of it runs the
  // ordinary move handling.
  Application().Guard([&] {
    MouseInput::Instance().ReleaseLostButtons(control_, p, down, modifiers);
    MouseInput::Instance().Move(control_, p, modifiers, true);
  });
  event->accept();
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent* event) {
  const TPoint p = ToPoint(event->position());
  const TMouseButton button = ToMouseButton(event->button());
  const TShiftState modifiers = ToModifiers(event->modifiers());
  Application().Guard([&] { MouseInput::Instance().Release(control_, p, button, modifiers); });
  event->accept();
}

void SurfaceWidget::wheelEvent(QWheelEvent* event) {
  const TPoint p = ToPoint(event->position());
  const int delta = event->angleDelta().y();
  const TShiftState modifiers = ToModifiers(event->modifiers());
  // The controls' own routing already offers the wheel to the parents.
  Application().Guard([&] { MouseInput::Instance().Wheel(control_, p, delta, modifiers); });
  event->accept();
}

void SurfaceWidget::enterEvent(QEnterEvent* event) {
  const TPoint p = ToPoint(event->position());
  Application().Guard([&] { MouseInput::Instance().Enter(control_, p); });
}

void SurfaceWidget::leaveEvent(QEvent*) {
  Application().Guard([&] { MouseInput::Instance().Leave(control_); });
}

void SurfaceWidget::resizeEvent(QResizeEvent*) {
  // Only a top-level window is resized from outside (by the user); the model follows.
  if (!isWindow() || (width() == control_.ClientWidth() && height() == control_.ClientHeight())) return;
  const int dw = control_.Width() - control_.ClientWidth();
  const int dh = control_.Height() - control_.ClientHeight();
  Application().Guard(
      [&] { control_.SetBounds(control_.Left(), control_.Top(), width() + dw, height() + dh); });
}

void SurfaceWidget::closeEvent(QCloseEvent* event) {
  closing_ = true;
  Application().Guard([&] {
    if (auto* form = dynamic_cast<TForm*>(&control_)) {
      form->Close();
    } else {
      control_.SetVisible(false);
    }
  });
  closing_ = false;
  if (control_.Visible()) {
    event->ignore();
  } else {
    event->accept();
  }
}

bool SurfaceWidget::focusNextPrevChild(bool next) {
  if ((control_.DialogCode() & dlgcWantTab) != 0) return false;
  return QWidget::focusNextPrevChild(next);
}

}  // namespace kurvex::qt
