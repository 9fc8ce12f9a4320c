#include "app/screenshot.h"

#include <QAbstractButton>
#include <QImage>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#include <iostream>

#include "platform/application.h"
#include "platform/qt/qt_host.h"

namespace kurvex {

namespace {

// What the window system shows for the window; Qt's own rendering of the widget where
// the platform cannot read the screen.
QImage GrabWindow(QWidget& window) {
  QImage shot;
  if (QScreen* screen = window.screen()) shot = screen->grabWindow(window.winId()).toImage();
  if (shot.isNull()) shot = window.grab().toImage();
  return shot;
}

void SaveAndClose(qt::QtHost& host, TForm& form, const std::string& path, bool& failed) {
  Application().ProcessMessages();
  const QImage shot = GrabWindow(*host.WidgetOf(form));
  failed = !shot.save(QString::fromStdString(path));
  std::cout << (failed ? "could not save " : "saved ") << path << " (" << shot.width() << " x " << shot.height()
            << ")\n";
  form.Close();
}

}  // namespace

void ScheduleScreenshot(qt::QtHost& host, TForm1& form, const std::string& path, int position, bool& failed) {
  // The delay lets the window manager map and paint the window first.
  QTimer::singleShot(500, [&host, &form, path, position, &failed] {
    // Through the native widgets, as a user's input would go.
    if (auto* bar = dynamic_cast<QScrollBar*>(host.WidgetOf(*form.ScrollBar1))) bar->setValue(position);
    if (auto* start = dynamic_cast<QAbstractButton*>(host.WidgetOf(*form.ButStart))) start->click();
    Application().ProcessMessages();
    QTimer::singleShot(300, [&host, &form, path, &failed] { SaveAndClose(host, form, path, failed); });
  });
}

void ScheduleFormScreenshot(qt::QtHost& host, TForm& form, const std::string& path, bool& failed) {
  QTimer::singleShot(500, [&host, &form, path, &failed] { SaveAndClose(host, form, path, failed); });
}

}  // namespace kurvex
