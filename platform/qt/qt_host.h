#pragma once
// QtHost: shows controls in real windows through Qt Widgets.
//
// Every windowed control gets one widget: the standard controls the matching native
// widget (QPushButton, QRadioButton, QGroupBox, QScrollBar, QLabel), everything else
// (forms, panels, charts, scales) a SurfaceWidget that shows the control's surface.
// Windowless controls are painted by their parent into its surface. The model stays the
// source of truth: a native widget's click or change runs the component's Click or
// setter, and the widget is then set from the component again.
//
// The application-wide screen cursor is Qt's override cursor (crDefault removes it, so
// each widget shows its own cursor again). Message boxes are modal QMessageBoxes with one
// OK button unless a handler replaces them (tests).

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/host.h"

class QApplication;

namespace kurvex::qt {

class QtHost : public Host {
 public:
  // Uses the running QApplication, or creates one (owned by the host) when there is none.
  QtHost();
  ~QtHost() override;

  void CreateWindow(TWinControl& control) override;
  void DestroyWindow(TWinControl& control) override;
  void ControlChanged(TControl& control) override;
  void Invalidate(TWinControl& window, const TRect& region) override;
  void Present(TWinControl& window, const TRect& region) override;
  void SetScreenCursor(TCursor cursor) override;
  void ShowMessageBox(const std::string& caption, const std::string& text) override;
  void SetMouseCapture(TControl* control) override;
  int Run() override;
  void Terminate() override;
  void ProcessMessages() override;

  // The widget showing a windowed control (nullptr when it has none).
  QWidget* WidgetOf(const TControl& control) const;

  // A widget made outside the host (the widgets of qt/, which own their control) becomes
  // the window of a control without a parent: CreateWindow takes it instead of making one,
  // Qt's layouts place and show it (the control follows the widget's resize events), and
  // the host never deletes it. ReleaseWidget ends this before the widget goes.
  void AdoptWidget(TWinControl& control, QWidget& widget);
  void ReleaseWidget(const TWinControl& control);
  bool IsAdopted(const TWinControl& control) const { return adopted_.count(&control) != 0; }

  // Replaces the modal message box (e.g. in tests); nullptr restores it.
  using MessageBoxHandler = std::function<void(const std::string& caption, const std::string& text)>;
  void SetMessageBoxHandler(MessageBoxHandler handler) { message_box_handler_ = std::move(handler); }
  int MessageBoxCount() const { return message_boxes_; }

 private:
  QWidget* MakeWidget(TWinControl& control, QWidget* parent);
  void Sync(TWinControl& control, QWidget& widget);
  void SyncGeometry(TWinControl& control, QWidget& widget);
  void SyncTabOrder(TWinControl& parent);

  std::unique_ptr<QApplication> own_app_;
  std::map<const TWinControl*, QPointer<QWidget>> widgets_;
  std::map<const TWinControl*, QPointer<QWidget>> adopted_;
  MessageBoxHandler message_box_handler_;
  int message_boxes_ = 0;
  bool override_cursor_ = false;
  bool terminate_requested_ = false;
};

// The application's host when it is a QtHost; otherwise a QtHost is made on first use and
// becomes the application's host (the windows of the host it replaces must have been
// destroyed). The widgets of qt/ call it, so a program that only uses them never sets a
// host itself.
QtHost& UseQtHost();

}  // namespace kurvex::qt
