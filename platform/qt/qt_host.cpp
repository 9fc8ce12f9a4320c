#include "platform/qt/qt_host.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>

#include <algorithm>
#include <vector>

#include "platform/application.h"
#include "platform/qt/native_widgets.h"
#include "platform/qt/qt_convert.h"
#include "platform/qt/surface_widget.h"
#include "platform/std_controls.h"

namespace kurvex::qt {

namespace {

// Arguments for a QApplication the host makes itself; Qt keeps references to them.
int app_argc = 1;
char app_name[] = "kurvex";
char* app_argv[] = {app_name, nullptr};

}  // namespace

QtHost::QtHost() {
  if (QApplication::instance() == nullptr) own_app_ = std::make_unique<QApplication>(app_argc, app_argv);
  InstallFontSubstitutions();
}

QtHost::~QtHost() {
  // A host made on first use by a widget may outlive the application's QApplication (it
  // goes with the process); Qt is not touched then.
  if (QCoreApplication::instance() == nullptr) return;
  if (override_cursor_) QGuiApplication::restoreOverrideCursor();
  // Top-level widgets take their children with them; adopted ones belong to the application.
  for (auto& [control, widget] : widgets_) {
    if (widget && widget->isWindow() && !IsAdopted(*control)) delete widget.data();
  }
  widgets_.clear();
}

void QtHost::AdoptWidget(TWinControl& control, QWidget& widget) { adopted_[&control] = &widget; }

void QtHost::ReleaseWidget(const TWinControl& control) {
  adopted_.erase(&control);
  widgets_.erase(&control);
}

QWidget* QtHost::WidgetOf(const TControl& control) const {
  const auto* window = dynamic_cast<const TWinControl*>(&control);
  if (window == nullptr) return nullptr;
  const auto it = widgets_.find(window);
  return it == widgets_.end() ? nullptr : it->second.data();
}

QWidget* QtHost::MakeWidget(TWinControl& control, QWidget* parent) {
  if (QWidget* native = MakeNativeWidget(control, parent)) return native;
  return new SurfaceWidget(control, parent);
}

void QtHost::CreateWindow(TWinControl& control) {
  QWidget* widget = nullptr;
  if (const auto adopted = adopted_.find(&control); adopted != adopted_.end() && adopted->second) {
    widget = adopted->second.data();
  } else {
    QWidget* parent = control.Parent() != nullptr ? WidgetOf(*control.Parent()) : nullptr;
    widget = MakeWidget(control, parent);
  }
  widgets_[&control] = widget;
  Sync(control, *widget);
  Application().Guard([&] { control.CreateWnd(); });
}

void QtHost::DestroyWindow(TWinControl& control) {
  const auto it = widgets_.find(&control);
  if (it == widgets_.end()) return;
  QPointer<QWidget> widget = it->second;
  widgets_.erase(it);
  if (!IsAdopted(control)) delete widget.data();
}

void QtHost::ControlChanged(TControl& control) {
  auto* window = dynamic_cast<TWinControl*>(&control);
  if (window == nullptr) return;
  if (QWidget* widget = WidgetOf(*window)) Sync(*window, *widget);
}

void QtHost::Sync(TWinControl& control, QWidget& widget) {
  // Qt places, sizes and shows an adopted widget; the control follows it.
  const bool adopted = IsAdopted(control);
  if (!adopted) SyncGeometry(control, widget);
  if (widget.isEnabled() != control.Enabled()) widget.setEnabled(control.Enabled());
  const QFont font = ToQFont(control.Font());
  if (widget.font() != font) widget.setFont(font);
  const QString tip = control.ShowHint() ? QString::fromStdString(control.Hint()) : QString();
  if (widget.toolTip() != tip) widget.setToolTip(tip);
  if (control.Cursor() == crDefault) {
    widget.unsetCursor();
  } else {
    widget.setCursor(ToQCursor(control.Cursor()));
  }
  SyncNativeWidget(control, widget);
  const auto* surface = dynamic_cast<SurfaceWidget*>(&widget);
  const bool closing = surface != nullptr && surface->Closing();
  if (!adopted && widget.isVisibleTo(widget.parentWidget()) != control.Visible() && !closing) {
    widget.setVisible(control.Visible());
  }
  if (control.TabOrder() >= 0 && control.Parent() != nullptr) SyncTabOrder(*control.Parent());
}

void QtHost::SyncGeometry(TWinControl& control, QWidget& widget) {
  if (widget.isWindow()) {
    if (auto* form = dynamic_cast<TCaptionControl*>(&control)) {
      const QString title = QString::fromStdString(form->Caption());
      if (widget.windowTitle() != title) widget.setWindowTitle(title);
    }
    if (widget.pos() != QPoint(control.Left(), control.Top())) widget.move(control.Left(), control.Top());
    if (widget.size() != QSize(control.ClientWidth(), control.ClientHeight())) {
      widget.resize(control.ClientWidth(), control.ClientHeight());
    }
  } else {
    const QRect bounds = ToQRect(control.BoundsRect());
    if (widget.geometry() != bounds) widget.setGeometry(bounds);
  }
}

void QtHost::SyncTabOrder(TWinControl& parent) {
  std::vector<TWinControl*> order;
  for (int i = 0; i < parent.ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(parent.Controls(i));
    if (child != nullptr && child->TabOrder() >= 0 && WidgetOf(*child) != nullptr) order.push_back(child);
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const TWinControl* a, const TWinControl* b) { return a->TabOrder() < b->TabOrder(); });
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(WidgetOf(*order[i - 1]), WidgetOf(*order[i]));
}

void QtHost::Invalidate(TWinControl& window, const TRect& region) {
  if (auto* surface = dynamic_cast<SurfaceWidget*>(WidgetOf(window))) surface->Invalidate(ToQRect(region));
}

void QtHost::Present(TWinControl& window, const TRect& region) {
  if (auto* surface = dynamic_cast<SurfaceWidget*>(WidgetOf(window))) surface->update(ToQRect(region));
}

void QtHost::SetScreenCursor(TCursor cursor) {
  if (cursor == crDefault) {
    if (override_cursor_) QGuiApplication::restoreOverrideCursor();
    override_cursor_ = false;
    return;
  }
  if (override_cursor_) {
    QGuiApplication::changeOverrideCursor(ToQCursor(cursor));
  } else {
    QGuiApplication::setOverrideCursor(ToQCursor(cursor));
    override_cursor_ = true;
  }
}

void QtHost::ShowMessageBox(const std::string& caption, const std::string& text) {
  ++message_boxes_;
  if (message_box_handler_) {
    message_box_handler_(caption, text);
    return;
  }
  QMessageBox box(QMessageBox::Information, QString::fromStdString(caption), QString::fromStdString(text),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

void QtHost::SetMouseCapture(TControl*) {
  // Qt keeps the mouse on the pressed widget until the last button is released, which is
  // the capture the controls need.
}

int QtHost::Run() {
  if (terminate_requested_) {
    terminate_requested_ = false;
    return 0;
  }
  const int result = QApplication::exec();
  terminate_requested_ = false;
  return result;
}

void QtHost::Terminate() {
  terminate_requested_ = true;
  QCoreApplication::exit(0);
}

void QtHost::ProcessMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

QtHost& UseQtHost() {
  if (auto* host = dynamic_cast<QtHost*>(&Application().GetHost())) return *host;
  auto host = std::make_unique<QtHost>();
  QtHost& result = *host;
  Application().SetHost(std::move(host));
  return result;
}

}  // namespace kurvex::qt
