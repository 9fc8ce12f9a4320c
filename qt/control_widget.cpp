#include "qt/control_widget.h"

#include "platform/application.h"
#include "platform/qt/qt_host.h"

namespace kurvex::qt {

ControlWidget::ControlWidget(std::unique_ptr<TWinControl> control, QWidget* parent, QSize size_hint,
                             QSize minimum_size_hint)
    : OwnedControl(std::move(control)),
      SurfaceWidget(*owned_control, parent, /*follows_widget_size=*/true),
      size_hint_(size_hint),
      minimum_size_hint_(minimum_size_hint) {
  setFocusPolicy(Qt::StrongFocus);
  TWinControl& shown = *owned_control;
  shown.SetBounds(0, 0, size_hint.width(), size_hint.height());
  resize(shown.Width(), shown.Height());
  QtHost& host = UseQtHost();
  host.AdoptWidget(shown, *this);
  Application().Guard([&] { shown.HandleNeeded(); });
}

ControlWidget::~ControlWidget() {
  // The window goes first, while the widget still exists; the host forgets the widget so
  // that it never deletes it. The control itself is freed after the widget (OwnedControl).
  TWinControl& shown = *owned_control;
  shown.DestroyHandle();
  if (auto* host = dynamic_cast<QtHost*>(&Application().GetHost())) host->ReleaseWidget(shown);
}

void ControlWidget::leaveEvent(QEvent* event) {
  SurfaceWidget::leaveEvent(event);
  if (Screen().Cursor() != crDefault) Screen().SetCursor(crDefault);
}

}  // namespace kurvex::qt
