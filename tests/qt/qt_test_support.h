#pragma once
// Shared by the Qt tests: one QApplication for the whole run (made before the first test,
// freed after the last), and a QtHost installed as the application's host for one test.

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

#include "platform/application.h"
#include "platform/qt/qt_host.h"

namespace kurvex::test {

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "kx_tests_qt";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QApplication> app_;
};

class QtHostScope {
 public:
  QtHostScope() {
    auto host = std::make_unique<qt::QtHost>();
    host_ = host.get();
    Application().SetHost(std::move(host));
  }
  ~QtHostScope() { Application().SetHost(nullptr); }
  QtHostScope(const QtHostScope&) = delete;
  QtHostScope& operator=(const QtHostScope&) = delete;

  qt::QtHost* operator->() const { return host_; }
  qt::QtHost& operator*() const { return *host_; }

 private:
  qt::QtHost* host_;
};

// Sends a real mouse event to a widget, as the window system would.
inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                      Qt::MouseButtons held = Qt::LeftButton) {
  QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

inline void ClickWidget(QWidget* widget, QPoint at) {
  SendMouse(widget, QEvent::MouseButtonPress, at);
  SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

}  // namespace kurvex::test
