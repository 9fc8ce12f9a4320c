// The speed-test chart driven through its Qt widget (offscreen) with real Qt mouse events:
// pan and zoom window from the radio buttons, the cursor of the mouse action, a double
// click on an axis, the key state of raw moves, enter and leave, and a release that went
// elsewhere.

#include <QEnterEvent>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScrollBar>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

#include "app/form1.h"
#include "qt/qt_test_support.h"

namespace kurvex {
namespace {

using enum TMouseActMode;

// The QApplication of the run is made by the environment that qt_form_test.cpp registers.
// The chart is 560 x 385 with margins 60/16/20/40 and a shadow of 1: its chart area runs
// from (60, 20) to (543, 344).
class QtChartGesture : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TForm1>(nullptr);
    Application().SetMainForm(form_.get());
    form_->Show();
    Application().ProcessMessages();
    dynamic_cast<QScrollBar*>(host_->WidgetOf(*form_->ScrollBar1))->setValue(4);  // 1000 points
    dynamic_cast<QPushButton*>(host_->WidgetOf(*form_->ButStart))->click();
    Application().ProcessMessages();
    chart_ = host_->WidgetOf(*form_->Kurvex1);
    ASSERT_NE(chart_, nullptr);
  }
  void TearDown() override {
    Screen().SetCursor(crDefault);
    form_.reset();
  }

  void Send(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
            Qt::KeyboardModifiers keys = Qt::NoModifier) {
    QMouseEvent event(type, QPointF(at), chart_->mapToGlobal(QPointF(at)), button, held, keys);
    QApplication::sendEvent(chart_, &event);
  }
  void Press(QPoint at) { Send(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
  void Move(QPoint at, Qt::MouseButtons held = Qt::LeftButton, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    Send(QEvent::MouseMove, at, Qt::NoButton, held, keys);
  }
  void Release(QPoint at) { Send(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }
  QImage Shown() {
    Application().ProcessMessages();
    return chart_->grab().toImage();
  }

  TScaleProps& X() { return form_->Kurvex1->ScaleXProps(1); }
  TScaleProps& Y() { return form_->Kurvex1->ScaleYProps(1); }

  test::QtHostScope host_;
  std::unique_ptr<TForm1> form_;
  QWidget* chart_ = nullptr;
};

TEST_F(QtChartGesture, DraggingPansTheCurveWithThePointer) {
  ASSERT_EQ(form_->Kurvex1->MouseAction(), maPan);
  ASSERT_EQ(X().RangeHigh(), 1000);
  const QImage before = Shown();
  Press(QPoint(300, 150));
  Move(QPoint(380, 150));
  Move(QPoint(461, 150));  // 161 of 483 pixels to the right: a third of the range
  Release(QPoint(461, 150));
  EXPECT_NEAR(X().RangeLow(), -1000.0 / 3, 1e-9);
  EXPECT_NEAR(X().RangeHigh(), 2000.0 / 3, 1e-9);
  EXPECT_EQ(Y().RangeLow(), -5);
  EXPECT_NE(Shown(), before) << "the window shows the panned curve";
}

TEST_F(QtChartGesture, TheZoomRadioButtonMakesAWindowZoom) {
  dynamic_cast<QRadioButton*>(host_->WidgetOf(*form_->RBZoom))->click();
  ASSERT_EQ(form_->Kurvex1->MouseAction(), maZoomWindPos);
  double x1, y1, x2, y2;
  form_->Kurvex1->PixelToWorld(1, 100, 50, x1, y1);
  form_->Kurvex1->PixelToWorld(1, 300, 250, x2, y2);
  Press(QPoint(300, 250));  // drawn from the lower right: the axes keep their direction
  Move(QPoint(200, 150));
  Move(QPoint(100, 50));
  Release(QPoint(100, 50));
  EXPECT_DOUBLE_EQ(X().RangeLow(), x1);
  EXPECT_DOUBLE_EQ(X().RangeHigh(), x2);
  EXPECT_DOUBLE_EQ(Y().RangeLow(), y2);
  EXPECT_DOUBLE_EQ(Y().RangeHigh(), y1);
}

TEST_F(QtChartGesture, TheScreenCursorFollowsTheMouseActionUnlessFixed) {
  ASSERT_TRUE(form_->Kurvex1->MouseCursorFixed()) << "the stored layout keeps the default cursor";
  Move(QPoint(300, 150), Qt::NoButton);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  form_->Kurvex1->SetMouseCursorFixed(false);
  Move(QPoint(301, 150), Qt::NoButton);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->hotSpot(), QPoint(12, 3)) << "the open hand";
  dynamic_cast<QRadioButton*>(host_->WidgetOf(*form_->RBZoom))->click();
  Move(QPoint(302, 150), Qt::NoButton);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->hotSpot(), QPoint(7, 8)) << "the frame with plus and minus";
  Move(QPoint(20, 150), Qt::NoButton);  // over the margin: the default cursor
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(QtChartGesture, ADoubleClickOnTheAxisSwitchesItsMouseAction) {
  X().SetMouseAction(maPan);
  const QPoint axis(300, 365);
  Move(axis, Qt::NoButton);
  Press(axis);
  Release(axis);
  Send(QEvent::MouseButtonDblClick, axis, Qt::LeftButton, Qt::LeftButton);
  Release(axis);
  EXPECT_EQ(X().MouseAction(), maZoom);
}

TEST_F(QtChartGesture, RawMovesCarryTheKeysAndButtonsAndEnterLeaveAreReported) {
  std::vector<TShiftState> shifts;
  std::vector<bool> inside;
  form_->Kurvex1->OnMouseMoveInChart = [&](TObject*, bool in, TShiftState s, double, double) {
    shifts.push_back(s);
    inside.push_back(in);
  };
  int enters = 0, leaves = 0;
  form_->Kurvex1->OnMouseEnter = [&](TObject*) { ++enters; };
  form_->Kurvex1->OnMouseLeave = [&](TObject*) { ++leaves; };
  QEnterEvent enter(QPointF(5, 5), chart_->mapToGlobal(QPointF(5, 5)), chart_->mapToGlobal(QPointF(5, 5)));
  QApplication::sendEvent(chart_, &enter);
  Move(QPoint(10, 10), Qt::NoButton, Qt::ShiftModifier);
  form_->Kurvex1->SetMouseAction(maNone);
  Press(QPoint(300, 150));
  Move(QPoint(310, 150), Qt::LeftButton, Qt::ControlModifier);
  Release(QPoint(310, 150));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(chart_, &leave);
  ASSERT_EQ(shifts.size(), 2u);
  EXPECT_EQ(shifts[0], TShiftState{TShiftStateItem::ssShift});
  EXPECT_EQ(shifts[1], (TShiftState{TShiftStateItem::ssCtrl, TShiftStateItem::ssLeft}));
  EXPECT_EQ(inside, (std::vector<bool>{false, true}));
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(leaves, 1);
}

TEST_F(QtChartGesture, AReleaseThatWentElsewhereEndsTheDrag) {
  int ups = 0;
  form_->Kurvex1->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++ups; };
  Press(QPoint(300, 150));
  Move(QPoint(320, 150));
  const double low = X().RangeLow();
  Move(QPoint(400, 150), Qt::NoButton);  // the button is up, its release never came here
  EXPECT_EQ(ups, 1);
  EXPECT_EQ(X().RangeLow(), low) << "no pan without the button";
}

}  // namespace
}  // namespace kurvex
