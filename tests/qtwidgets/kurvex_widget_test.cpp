// The Qt widgets in an ordinary Qt widget tree, under the offscreen platform: no form, no
// stored layout and no host set by the test.

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "platform/application.h"
#include "qt/kurvex_widget.h"
#include "qt/qt_test_support.h"

namespace kurvex {
namespace {

const ::testing::Environment* const qt_environment =
    ::testing::AddGlobalTestEnvironment(new test::QtEnvironment);

using test::SendMouse;

QColor Rgb(TColor color) { return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

// A top-level window of the user's with a vertical layout; the host is reset after each
// test so that the widgets' own set-up of the Qt host is what every test exercises.
class WidgetWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<QWidget>();
    layout = new QVBoxLayout(window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
  }
  void TearDown() override {
    window.reset();
    Application().SetHost(nullptr);
  }
  void ShowAt(int width, int height) {
    window->resize(width, height);
    window->show();
    QApplication::processEvents();
  }
  // A sine from 0 to 10 in layer 1, y from -1 to 1.
  static void DrawSine(TKurvex& chart) {
    chart.SetLayerRange(1, 0, -1, 10, 1);
    chart.SetDataColor(clRed);
    chart.MoveToPoint(0.0, 0.0);
    for (int i = 1; i <= 200; ++i) chart.LineToPoint(i * 0.05, std::sin(i * 0.05));
    chart.RefreshChart();
  }

  std::unique_ptr<QWidget> window;
  QVBoxLayout* layout = nullptr;
};

TEST_F(WidgetWindow, TheFirstWidgetMakesTheQtHostTheApplicationsHost) {
  ASSERT_EQ(dynamic_cast<qt::QtHost*>(&Application().GetHost()), nullptr);
  auto* chart = new qt::KurvexWidget;
  layout->addWidget(chart);
  auto* host = dynamic_cast<qt::QtHost*>(&Application().GetHost());
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(host->WidgetOf(chart->Chart()), chart);
  // A second widget uses the same host.
  auto* scale = new qt::ScaleWidget;
  layout->addWidget(scale);
  EXPECT_EQ(&Application().GetHost(), host);
}

TEST_F(WidgetWindow, PaintsTheChartsImageAtTheSizeItsLayoutGives) {
  auto* widget = new qt::KurvexWidget;
  layout->addWidget(widget);
  ShowAt(420, 300);
  TKurvex& chart = widget->Chart();
  EXPECT_EQ(chart.Width(), 420);
  EXPECT_EQ(chart.Height(), 300);
  DrawSine(chart);
  QApplication::processEvents();
  const QImage shot = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shot.size(), QSize(420, 300));
  const Bitmap& surface = chart.Surface();
  int red = 0;
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < 420; ++x) {
      ASSERT_EQ(shot.pixelColor(x, y), Rgb(surface.Pixel(x, y))) << "at " << x << "," << y;
      if (surface.Pixel(x, y) == clRed) ++red;
    }
  }
  EXPECT_GT(red, 200);  // the sine is in the picture
}

TEST_F(WidgetWindow, AResizeResizesTheChartAndRepaintsIt) {
  auto* widget = new qt::KurvexWidget;
  layout->addWidget(widget);
  ShowAt(400, 300);
  TKurvex& chart = widget->Chart();
  DrawSine(chart);
  QApplication::processEvents();
  const TPoint old_end = chart.WorldToPixel(1, 10, 1);
  window->resize(600, 360);
  QApplication::processEvents();
  EXPECT_EQ(chart.Width(), 600);
  EXPECT_EQ(chart.Height(), 360);
  const TPoint new_end = chart.WorldToPixel(1, 10, 1);
  EXPECT_GT(new_end.X, old_end.X);
  // The new right part of the widget shows the chart drawn at the new size, not the
  // colour the widget fills beyond an outdated surface.
  const QImage shot = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shot.size(), QSize(600, 360));
  EXPECT_EQ(shot.pixelColor(new_end.X - 5, 200), Rgb(chart.ChartColor()));
  EXPECT_EQ(shot.pixelColor(599, 359), Rgb(chart.Surface().Pixel(599, 359)));
}

TEST_F(WidgetWindow, ADragPansAChartWhoseMouseActionIsPan) {
  auto* widget = new qt::KurvexWidget;
  layout->addWidget(widget);
  ShowAt(400, 300);
  TKurvex& chart = widget->Chart();
  DrawSine(chart);
  chart.SetMouseAction(TMouseActMode::maPan);
  const TPoint from = chart.WorldToPixel(1, 5, 0);
  const TPoint to = chart.WorldToPixel(1, 4, 0);  // one unit to the left
  SendMouse(widget, QEvent::MouseMove, QPoint(from.X, from.Y), Qt::NoButton, Qt::NoButton);
  SendMouse(widget, QEvent::MouseButtonPress, QPoint(from.X, from.Y));
  SendMouse(widget, QEvent::MouseMove, QPoint((from.X + to.X) / 2, from.Y), Qt::NoButton, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseMove, QPoint(to.X, to.Y), Qt::NoButton, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseButtonRelease, QPoint(to.X, to.Y), Qt::LeftButton, Qt::NoButton);
  QApplication::processEvents();
  // Dragging the data one unit to the left shows one unit more on the right.
  EXPECT_NEAR(chart.Scale1X().RangeLow(), 1.0, 0.05);
  EXPECT_NEAR(chart.Scale1X().RangeHigh(), 11.0, 0.05);
}

TEST_F(WidgetWindow, MouseEventsReachTheChartsHandlersWithTheKeyState) {
  auto* widget = new qt::KurvexWidget;
  layout->addWidget(widget);
  ShowAt(400, 300);
  TKurvex& chart = widget->Chart();
  std::vector<std::string> log;
  chart.OnMouseDown = [&](TObject*, TMouseButton, TShiftState shift, int x, int y) {
    log.push_back("down " + std::to_string(x) + "," + std::to_string(y) + (shift.Contains(TShiftStateItem::ssShift) ? " shift" : ""));
  };
  chart.OnDblClick = [&](TObject*) { log.push_back("dblclick"); };
  chart.OnMouseEnter = [&](TObject*) { log.push_back("enter"); };
  chart.OnMouseLeave = [&](TObject*) { log.push_back("leave"); };
  // Showing the window may have brought the pointer in already; start from outside.
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(widget, &leave);
  log.clear();
  QEnterEvent enter(QPointF(30, 40), QPointF(30, 40), widget->mapToGlobal(QPointF(30, 40)));
  QApplication::sendEvent(widget, &enter);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(100, 120), widget->mapToGlobal(QPointF(100, 120)),
                    Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
  QApplication::sendEvent(widget, &press);
  SendMouse(widget, QEvent::MouseButtonRelease, QPoint(100, 120), Qt::LeftButton, Qt::NoButton);
  SendMouse(widget, QEvent::MouseButtonDblClick, QPoint(100, 120));
  SendMouse(widget, QEvent::MouseButtonRelease, QPoint(100, 120), Qt::LeftButton, Qt::NoButton);
  QApplication::sendEvent(widget, &leave);
  EXPECT_EQ(log, (std::vector<std::string>{"enter", "down 100,120 shift", "dblclick", "leave"}));
}

TEST_F(WidgetWindow, TheCursorTheChartAsksForIsShown) {
  auto* widget = new qt::KurvexWidget;
  layout->addWidget(widget);
  ShowAt(400, 300);
  TKurvex& chart = widget->Chart();
  DrawSine(chart);
  chart.SetMouseAction(TMouseActMode::maNone);
  chart.SetMouseCursorFixed(false);
  const TPoint inside = chart.WorldToPixel(1, 5, 0);
  SendMouse(widget, QEvent::MouseMove, QPoint(inside.X, inside.Y), Qt::NoButton, Qt::NoButton);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);
  // Outside the plot the widget's own cursor shows again.
  SendMouse(widget, QEvent::MouseMove, QPoint(2, 2), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  // Leaving the widget straight from the plot gives the rest of the window its cursors back.
  SendMouse(widget, QEvent::MouseMove, QPoint(inside.X, inside.Y), Qt::NoButton, Qt::NoButton);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(widget, &leave);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  chart.SetCursor(crHandPoint);
  EXPECT_EQ(widget->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(WidgetWindow, TwoChartsInOneWindowKeepTheirOwnState) {
  auto* row = new QHBoxLayout;
  layout->addLayout(row);
  auto* left = new qt::KurvexWidget;
  auto* right = new qt::KurvexWidget;
  row->addWidget(left);
  row->addWidget(right);
  ShowAt(800, 300);
  left->Chart().SetLayerRange(1, 0, 0, 100, 1);
  right->Chart().SetLayerRange(1, -5, -5, 5, 5);
  left->Chart().SetChartColor(clYellow);
  left->Chart().MoveToPoint(0.0, 0.0);
  left->Chart().LineToPoint(100.0, 1.0);
  left->Chart().RefreshChart();
  right->Chart().SetMouseAction(TMouseActMode::maPan);
  QApplication::processEvents();
  EXPECT_EQ(left->Chart().ItemCount(), 2u);
  EXPECT_EQ(right->Chart().ItemCount(), 0u);
  EXPECT_EQ(left->Chart().Scale1X().RangeHigh(), 100.0);
  EXPECT_EQ(right->Chart().Scale1X().RangeHigh(), 5.0);
  EXPECT_EQ(right->Chart().ChartColor(), clWhite);
  EXPECT_EQ(left->Chart().MouseAction(), TMouseActMode::maNone);
  // Dragging on the right chart pans it alone.
  const TPoint from = right->Chart().WorldToPixel(1, 0, 0);
  SendMouse(right, QEvent::MouseMove, QPoint(from.X, from.Y), Qt::NoButton, Qt::NoButton);
  SendMouse(right, QEvent::MouseButtonPress, QPoint(from.X, from.Y));
  SendMouse(right, QEvent::MouseMove, QPoint(from.X + 40, from.Y), Qt::NoButton, Qt::LeftButton);
  SendMouse(right, QEvent::MouseButtonRelease, QPoint(from.X + 40, from.Y), Qt::LeftButton, Qt::NoButton);
  EXPECT_LT(right->Chart().Scale1X().RangeHigh(), 5.0);
  EXPECT_EQ(left->Chart().Scale1X().RangeLow(), 0.0);
  EXPECT_EQ(left->Chart().Scale1X().RangeHigh(), 100.0);
  EXPECT_EQ(left->Chart().Width() + right->Chart().Width(), 800);
}

TEST_F(WidgetWindow, RepaintsWaitForQtsUpdateCycle) {
  auto* widget = new qt::KurvexWidget;
  layout->addWidget(widget);
  ShowAt(400, 300);
  int paints = 0;
  widget->Chart().OnDataRendered = [&](TObject*, TCanvas&, int, int) { ++paints; };
  // Invalidating many times before the event loop runs paints once.
  for (int i = 0; i < 50; ++i) widget->Chart().Invalidate();
  EXPECT_EQ(paints, 0);
  QApplication::processEvents();
  EXPECT_EQ(paints, 1);
}

TEST_F(WidgetWindow, ScaleAndNumericLabelWidgetsShowTheirControls) {
  auto* scale = new qt::ScaleWidget;
  auto* label = new qt::NumLabWidget;
  layout->addWidget(scale);
  layout->addWidget(label);
  scale->Scale().SetRangeLow(0);
  scale->Scale().SetRangeHigh(50);
  label->Label().SetValue(3.25);
  ShowAt(300, 100);
  EXPECT_EQ(scale->Scale().Width(), 300);
  EXPECT_EQ(label->Label().Width(), 300);
  EXPECT_EQ(label->Label().Height(), label->height());
  const QImage scale_shot = scale->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage label_shot = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < scale_shot.height(); y += 3) {
    for (int x = 0; x < scale_shot.width(); x += 3) {
      ASSERT_EQ(scale_shot.pixelColor(x, y), Rgb(scale->Scale().Surface().Pixel(x, y)));
    }
  }
  const Bitmap& frame = label->Control().Surface();
  for (int y = 0; y < label_shot.height(); y += 2) {
    for (int x = 0; x < label_shot.width(); x += 2) ASSERT_EQ(label_shot.pixelColor(x, y), Rgb(frame.Pixel(x, y)));
  }
}

TEST_F(WidgetWindow, DeletingAWidgetLeavesTheOthersWorking) {
  auto* first = new qt::KurvexWidget;
  auto* second = new qt::KurvexWidget;
  layout->addWidget(first);
  layout->addWidget(second);
  ShowAt(400, 400);
  delete first;
  QApplication::processEvents();
  DrawSine(second->Chart());
  window->resize(500, 300);
  QApplication::processEvents();
  EXPECT_EQ(second->Chart().Width(), 500);
  EXPECT_EQ(second->Chart().Height(), 300);
}

}  // namespace
}  // namespace kurvex
