#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include "platform/layout.h"
#include "platform/std_controls.h"
#include "qt_test_support.h"

namespace kurvex {
namespace {

using test::ClickWidget;
using test::QtHostScope;
using test::SendMouse;

const ::testing::Environment* const qt_environment =
    ::testing::AddGlobalTestEnvironment(new test::QtEnvironment);

// Paints a checkerboard of 4-pixel squares and logs the mouse.
class Checker : public TCustomControl {
 public:
  explicit Checker(TComponent* owner) : TCustomControl(owner) {}
  const char* ClassName() const override { return "TChecker"; }
  void Paint() override {
    for (int y = 0; y < Height(); ++y) {
      for (int x = 0; x < Width(); ++x) Canvas().SetPixel(x, y, ((x / 4 + y / 4) % 2) != 0 ? clNavy : clYellow);
    }
  }
  void DblClick() override {
    log.push_back("dblclick");
    TCustomControl::DblClick();
  }
  void MouseDown(TMouseButton b, TShiftState s, int x, int y) override {
    log.push_back(std::string(s.Contains(TShiftStateItem::ssDouble) ? "double " : "") + "down " +
                  std::to_string(x) + "," + std::to_string(y));
    TCustomControl::MouseDown(b, s, x, y);
  }
  void WMMouseMove(int x, int y, TShiftState keys) override {
    log.push_back("raw " + std::to_string(x) + "," + std::to_string(y));
    TCustomControl::WMMouseMove(x, y, keys);
  }
  void MouseUp(TMouseButton b, TShiftState s, int x, int y) override {
    log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
    TCustomControl::MouseUp(b, s, x, y);
  }
  std::vector<std::string> log;
};

class TQtTestForm : public TForm {
 public:
  explicit TQtTestForm(TComponent* owner) : TForm(owner) {}
  const char* ClassName() const override { return "TQtTestForm"; }
  void GoClick(TObject*) { ++clicks; }
  void BarChange(TObject*) { positions.push_back(Bar->Position()); }
  void PanClick(TObject*) { ++pan_clicks; }
  TButton* Go = nullptr;
  TScrollBar* Bar = nullptr;
  Checker* Board = nullptr;
  int clicks = 0;
  int pan_clicks = 0;
  std::vector<int> positions;
};

void RegisterQtTestClasses() {
  RegisterPlatformClasses();
  RegisterClass<Checker>("TChecker", "TCustomControl");
  auto f = RegisterClass<TQtTestForm>("TQtTestForm", "TForm");
  f.Method("GoClick", &TQtTestForm::GoClick);
  f.Method("BarChange", &TQtTestForm::BarChange);
  f.Method("PanClick", &TQtTestForm::PanClick);
  f.Field("Go", &TQtTestForm::Go);
  f.Field("Bar", &TQtTestForm::Bar);
  f.Field("Board", &TQtTestForm::Board);
}

const char* const kLayout = R"({
  "class": "TQtTestForm", "name": "Form1",
  "properties": {"Left": 40, "Top": 30, "Width": 408, "Height": 333, "Caption": "Platform test",
                 "ParentFont": false, "Font": {"Name": "Arial", "Height": -13, "Color": "clBlack"}},
  "children": [
    {"class": "TPanel", "name": "Panel1",
     "properties": {"Left": 0, "Top": 0, "Width": 400, "Height": 60, "Align": "alTop", "Color": "clSilver"},
     "children": [
       {"class": "TButton", "name": "Go",
        "properties": {"Left": 8, "Top": 6, "Width": 89, "Height": 29, "Caption": "Start", "TabOrder": 0,
                       "OnClick": "GoClick"}},
       {"class": "TGroupBox", "name": "Group",
        "properties": {"Left": 110, "Top": 2, "Width": 140, "Height": 52, "Caption": "Mouse Action"},
        "children": [
          {"class": "TRadioButton", "name": "Zoom",
           "properties": {"Left": 10, "Top": 24, "Width": 60, "Height": 17, "Caption": "Zoom"}},
          {"class": "TRadioButton", "name": "Pan",
           "properties": {"Left": 75, "Top": 24, "Width": 55, "Height": 17, "Caption": "Pan", "Checked": true,
                          "OnClick": "PanClick"}}
        ]},
       {"class": "TLabel", "name": "Label1",
        "properties": {"Left": 262, "Top": 6, "Caption": "Nr. of data points"}},
       {"class": "TScrollBar", "name": "Bar",
        "properties": {"Left": 262, "Top": 32, "Width": 121, "Height": 17, "Min": 1, "Max": 13, "Position": 6,
                       "LargeChange": 100, "TabOrder": 2, "OnChange": "BarChange"}}
     ]},
    {"class": "TChecker", "name": "Board", "properties": {"Align": "alClient"}}
  ]
})";

class QtForm : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterQtTestClasses();
    form = ReadLayoutAs<TQtTestForm>(kLayout, "qt_form.json");
    form->Show();
    host->ProcessMessages();
  }
  void TearDown() override { form.reset(); }

  QWidget* Widget(const char* name) { return host->WidgetOf(*dynamic_cast<TControl*>(form->FindComponent(name))); }

  QtHostScope host;
  std::unique_ptr<TQtTestForm> form;
};

TEST_F(QtForm, ControlsAppearAsNativeWidgetsAtTheirBounds) {
  QWidget* window = host->WidgetOf(*form);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Platform test");
  EXPECT_EQ(window->size(), QSize(400, 300));
  auto* go = qobject_cast<QPushButton*>(Widget("Go"));
  ASSERT_NE(go, nullptr);
  EXPECT_EQ(go->text(), "Start");
  EXPECT_EQ(go->geometry(), QRect(8, 6, 89, 29));
  EXPECT_EQ(go->parentWidget(), Widget("Panel1"));
  EXPECT_EQ(Widget("Panel1")->geometry(), QRect(0, 0, 400, 60));
  EXPECT_EQ(Widget("Board")->geometry(), QRect(0, 60, 400, 240));
  auto* group = qobject_cast<QGroupBox*>(Widget("Group"));
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->title(), "Mouse Action");
  auto* pan = qobject_cast<QRadioButton*>(Widget("Pan"));
  ASSERT_NE(pan, nullptr);
  EXPECT_EQ(pan->parentWidget(), group);
  EXPECT_TRUE(pan->isChecked());
  EXPECT_EQ(pan->geometry(), QRect(75, 24, 55, 17));
  auto* label = qobject_cast<QLabel*>(Widget("Label1"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text(), "Nr. of data points");
  EXPECT_EQ(label->font().pixelSize(), 13);
  auto* bar = qobject_cast<QScrollBar*>(Widget("Bar"));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->orientation(), Qt::Horizontal);
  EXPECT_EQ(bar->minimum(), 1);
  EXPECT_EQ(bar->maximum(), 13);
  EXPECT_EQ(bar->value(), 6);
  EXPECT_EQ(bar->geometry(), QRect(262, 32, 121, 17));
  // Hints become tool tips while ShowHint is on.
  form->Board->SetHint("Click into chart area to zoom or pan");
  EXPECT_EQ(Widget("Board")->toolTip(), "");
  form->Board->SetShowHint(true);
  EXPECT_EQ(Widget("Board")->toolTip(), "Click into chart area to zoom or pan");
}

TEST_F(QtForm, ClickingTheButtonRunsItsOnClick) {
  QWidget* go = Widget("Go");
  ClickWidget(go, QPoint(40, 14));
  EXPECT_EQ(form->clicks, 1);
  ClickWidget(go, QPoint(200, 14));  // released outside: no click
  EXPECT_EQ(form->clicks, 1);
}

TEST_F(QtForm, RadioButtonsFollowTheModel) {
  auto* zoom = qobject_cast<QRadioButton*>(Widget("Zoom"));
  auto* pan = qobject_cast<QRadioButton*>(Widget("Pan"));
  ClickWidget(zoom, QPoint(5, 8));
  EXPECT_TRUE(zoom->isChecked());
  EXPECT_FALSE(pan->isChecked());
  EXPECT_TRUE(dynamic_cast<TRadioButton*>(form->FindComponent("Zoom"))->Checked());
  ClickWidget(pan, QPoint(5, 8));
  ClickWidget(pan, QPoint(5, 8));  // a second click keeps it checked
  EXPECT_TRUE(pan->isChecked());
  EXPECT_FALSE(zoom->isChecked());
  EXPECT_EQ(form->pan_clicks, 2);
}

TEST_F(QtForm, MovingTheScrollBarRunsItsChangeNotification) {
  auto* bar = qobject_cast<QScrollBar*>(Widget("Bar"));
  bar->setValue(9);
  EXPECT_EQ(form->Bar->Position(), 9);
  bar->triggerAction(QAbstractSlider::SliderPageStepAdd);  // LargeChange 100: to the end
  EXPECT_EQ(form->Bar->Position(), 13);
  bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(form->positions, (std::vector<int>{9, 13, 12}));
  form->Bar->SetPosition(2);  // and the model moves the widget
  EXPECT_EQ(bar->value(), 2);
  EXPECT_EQ(form->positions.back(), 2);
}

TEST_F(QtForm, TheCustomControlsSurfaceIsWhatTheWidgetShows) {
  host->ProcessMessages();
  const QImage shot = Widget("Board")->grab().toImage();
  ASSERT_EQ(shot.size(), QSize(400, 240));
  EXPECT_EQ(shot.pixelColor(1, 1), QColor(255, 255, 0));
  EXPECT_EQ(shot.pixelColor(5, 1), QColor(0, 0, 128));
  EXPECT_EQ(shot.pixelColor(5, 5), QColor(255, 255, 0));
  // Drawing on the surface shows after Present, without a repaint through Paint.
  form->Board->Canvas().SetPixel(1, 1, clRed);
  form->Board->Present(Rect(0, 0, 4, 4));
  host->ProcessMessages();
  EXPECT_EQ(Widget("Board")->grab().toImage().pixelColor(1, 1), QColor(255, 0, 0));
}

TEST_F(QtForm, ResizingTheWindowResizesTheSurfaceAndRealigns) {
  QWidget* window = host->WidgetOf(*form);
  window->resize(500, 350);
  host->ProcessMessages();
  EXPECT_EQ(form->ClientWidth(), 500);
  EXPECT_EQ(form->Board->BoundsRect(), Rect(0, 60, 500, 350));
  EXPECT_EQ(form->Board->Surface().Width(), 500);
  EXPECT_EQ(Widget("Board")->geometry(), QRect(0, 60, 500, 290));
  const QImage shot = Widget("Board")->grab().toImage();
  EXPECT_EQ(shot.pixelColor(497, 285), (((497 / 4 + 285 / 4) % 2) != 0 ? QColor(0, 0, 128) : QColor(255, 255, 0)));
}

TEST_F(QtForm, MouseOnASurfaceReachesTheControlAsRawMoveAndPresses) {
  QWidget* board = Widget("Board");
  SendMouse(board, QEvent::MouseMove, QPoint(10, 12), Qt::NoButton, Qt::NoButton);
  SendMouse(board, QEvent::MouseButtonPress, QPoint(11, 12));
  SendMouse(board, QEvent::MouseButtonRelease, QPoint(11, 13), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(form->Board->log, (std::vector<std::string>{"raw 10,12", "down 11,12", "up 11,13"}));
}

TEST_F(QtForm, ADoubleClickArrivesAsNotificationThenPress) {
  // Qt delivers press, release, double click, release.
  QWidget* board = Widget("Board");
  SendMouse(board, QEvent::MouseButtonPress, QPoint(5, 6));
  SendMouse(board, QEvent::MouseButtonRelease, QPoint(5, 6), Qt::LeftButton, Qt::NoButton);
  SendMouse(board, QEvent::MouseButtonDblClick, QPoint(5, 6));
  SendMouse(board, QEvent::MouseButtonRelease, QPoint(5, 6), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(form->Board->log,
            (std::vector<std::string>{"down 5,6", "up 5,6", "dblclick", "double down 5,6", "up 5,6"}));
}

TEST_F(QtForm, AnErrorInAHandlerIsShownNotThrownIntoQt) {
  std::vector<std::string> shown;
  host->SetMessageBoxHandler([&](const std::string&, const std::string& text) { shown.push_back(text); });
  form->Go->OnClick = [](TObject*) { throw std::runtime_error("Kurvex: Cannot share data with myself"); };
  ClickWidget(Widget("Go"), QPoint(40, 14));
  EXPECT_EQ(shown, (std::vector<std::string>{"Kurvex: Cannot share data with myself"}));
}

TEST_F(QtForm, ScreenCursorIsTheOverrideCursor) {
  CursorImage hand;
  hand.hot_x = 12;
  hand.hot_y = 3;
  hand.pixels[3 * 32 + 12] = 1;
  Screen().SetCursorImage(1, hand);
  Screen().SetCursor(1);
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BitmapCursor);
  EXPECT_EQ(QGuiApplication::overrideCursor()->hotSpot(), QPoint(12, 3));
  Screen().SetCursor(crCross);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);
  Screen().SetCursor(crDefault);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(QtForm, ClosingTheMainWindowEndsRun) {
  Application().SetMainForm(form.get());
  QTimer::singleShot(0, [&] { host->WidgetOf(*form)->close(); });
  EXPECT_EQ(Application().Run(), 0);
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(host->WidgetOf(*form)->isVisible());
}

TEST(QtMessageBox, IsAModalBoxWithOneOkButton) {
  QtHostScope host;
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    seen = true;
    EXPECT_EQ(box->text(), "Kurvex: Cannot share data with myself");
    EXPECT_EQ(box->windowTitle(), "Information");
    ASSERT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->standardButton(box->buttons()[0]), QMessageBox::Ok);
    box->buttons()[0]->click();
  });
  Application().MessageBox("Kurvex: Cannot share data with myself");
  EXPECT_TRUE(seen);
  EXPECT_EQ(host->MessageBoxCount(), 1);
}

}  // namespace
}  // namespace kurvex
