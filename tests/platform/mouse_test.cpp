#include <gtest/gtest.h>

#include <string>

#include "platform/control.h"
#include "platform/mouse_input.h"
#include "platform/std_controls.h"
#include "test_support.h"

namespace kurvex {
namespace {

using test::EventLog;
using test::HostScope;

std::string ShiftText(TShiftState s) {
  std::string t;
  for (auto [item, name] : {std::pair{TShiftStateItem::ssShift, "S"}, {TShiftStateItem::ssCtrl, "C"},
                            {TShiftStateItem::ssLeft, "L"}, {TShiftStateItem::ssRight, "R"},
                            {TShiftStateItem::ssDouble, "D"}}) {
    if (s.Contains(item)) t += name;
  }
  return t;
}

// Logs every mouse notification a control receives, including the raw move message.
template <class Base>
class Probe : public Base {
 public:
  Probe(TComponent* owner, const std::string& name, EventLog* log) : Base(owner), log_(log) { this->SetName(name); }
  void MouseDown(TMouseButton b, TShiftState s, int x, int y) override {
    Log("Down", b == TMouseButton::mbLeft ? "L" : "R", s, x, y);
    Base::MouseDown(b, s, x, y);
  }
  void MouseMove(TShiftState s, int x, int y) override {
    Log("Move", "", s, x, y);
    Base::MouseMove(s, x, y);
  }
  void MouseUp(TMouseButton b, TShiftState s, int x, int y) override {
    Log("Up", b == TMouseButton::mbLeft ? "L" : "R", s, x, y);
    Base::MouseUp(b, s, x, y);
  }
  void WMMouseMove(int x, int y, TShiftState keys) override {
    Log("Raw", "", keys, x, y);
    Base::WMMouseMove(x, y, keys);
  }
  void Click() override {
    log_->Add(this->Name() + ":Click");
    Base::Click();
  }
  void DblClick() override {
    log_->Add(this->Name() + ":DblClick");
    Base::DblClick();
  }
  void MouseEnter() override {
    log_->Add(this->Name() + ":Enter");
    Base::MouseEnter();
  }
  void MouseLeave() override {
    log_->Add(this->Name() + ":Leave");
    Base::MouseLeave();
  }

 private:
  void Log(const char* what, const char* button, TShiftState s, int x, int y) {
    std::string entry = this->Name();
    entry.append(":").append(what).append(button).append("(");
    entry.append(std::to_string(x)).append(",").append(std::to_string(y));
    if (const std::string shift = ShiftText(s); !shift.empty()) entry.append(",").append(shift);
    log_->Add(entry.append(")"));
  }
  EventLog* log_;
};

// A form 200 x 150 (client) holding a panel at (20, 10) with a windowless child at
// (5, 5) inside it, and a windowless control straight on the form at (100, 100).
struct Scene {
  explicit Scene(EventLog* log)
      : form(nullptr, "Form", log),
        panel(new Probe<TPanel>(&form, "Panel", log)),
        inner(new Probe<TGraphicControl>(&form, "Inner", log)),
        outer(new Probe<TGraphicControl>(&form, "Outer", log)) {
    form.SetBounds(0, 0, 200 + 2 * TForm::kFrameBorder, 150 + TForm::kCaptionHeight + 2 * TForm::kFrameBorder);
    panel->SetParent(&form);
    panel->SetBounds(20, 10, 100, 60);
    inner->SetParent(panel);
    inner->SetBounds(5, 5, 30, 20);
    outer->SetParent(&form);
    outer->SetBounds(100, 100, 40, 30);
    form.Show();
  }
  Probe<TForm> form;
  Probe<TPanel>* panel;
  Probe<TGraphicControl>* inner;
  Probe<TGraphicControl>* outer;
};

TEST(Mouse, PressMoveReleaseGoToTheControlUnderThePointThenClick) {
  HostScope host;
  EventLog log;
  Scene s(&log);
  host->Press(s.form, 30, 20);  // panel (20,10) + inner (5,5) -> inner at (5,5)
  host->Move(s.form, 31, 22);
  host->Release(s.form, 31, 22);
  EXPECT_EQ(log.Entries(), (std::vector<std::string>{"Inner:Enter", "Inner:DownL(5,5,L)", "Inner:Raw(6,7,L)",
                                                     "Inner:Move(6,7,L)", "Inner:UpL(6,7)", "Inner:Click"}));
}

TEST(Mouse, EventsReachTheOnHandlersInOrder) {
  HostScope host;
  EventLog log;
  Scene s(&log);
  EventLog events;
  s.outer->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) {
    events.Add("OnMouseDown " + std::to_string(x) + "," + std::to_string(y));
  };
  s.outer->OnMouseMove = [&](TObject*, TShiftState, int, int) { events.Add("OnMouseMove"); };
  s.outer->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { events.Add("OnMouseUp"); };
  s.outer->OnClick = [&](TObject* sender) { events.Add(sender == s.outer ? "OnClick" : "OnClick?"); };
  host->Press(s.form, 110, 105);
  host->Move(s.form, 112, 105);
  host->Release(s.form, 112, 105);
  EXPECT_EQ(events.Entries(), (std::vector<std::string>{"OnMouseDown 10,5", "OnMouseMove", "OnMouseUp", "OnClick"}));
}

TEST(Mouse, RawMessageRunsTheMovePathAndTheOrdinaryMoveDoesNot) {
  HostScope host;
  EventLog log;
  Scene s(&log);
  host->Move(s.form, 150, 10);
  host->MoveWithoutMessage(s.form, 151, 10);
  EXPECT_EQ(log.Entries(), (std::vector<std::string>{"Form:Enter", "Form:Raw(150,10)", "Form:Move(150,10)",
                                                     "Form:Move(151,10)"}));
}

TEST(Mouse, CaptureKeepsInputOnThePressedControlUntilTheLastButtonIsUp) {
  HostScope host;
  EventLog log;
  Scene s(&log);
  host->Press(s.form, 110, 105);
  EXPECT_EQ(host->MouseCapture(), s.outer);
  log.Clear();
  host->Move(s.form, 10, 140, {TShiftStateItem::ssShift});  // over the form now, still the outer control
  host->Press(s.form, 10, 140, TMouseButton::mbRight);
  host->Release(s.form, 10, 140, TMouseButton::mbLeft);
  host->Release(s.form, 10, 140, TMouseButton::mbRight);
  EXPECT_EQ(host->MouseCapture(), nullptr);
  // No click: the left release happened outside the control. The release of the last
  // button hands the hover to the form.
  EXPECT_EQ(log.Entries(), (std::vector<std::string>{"Outer:Raw(-90,40,SL)", "Outer:Move(-90,40,SL)",
                                                     "Outer:DownR(-90,40,LR)", "Outer:UpL(-90,40,R)",
                                                     "Outer:UpR(-90,40)", "Outer:Leave", "Form:Enter"}));
}

TEST(Mouse, AButtonTheWindowSystemNoLongerReportsIsReleasedWhereThePointerIs) {
  HostScope host;
  EventLog log;
  Scene s(&log);
  host->Press(s.form, 110, 105);
  host->Press(s.form, 110, 105, TMouseButton::mbRight);
  log.Clear();
  // The left release went elsewhere (the window system reports the right button only): it
  // ends here, without a click.
  MouseInput::Instance().ReleaseLostButtons(s.form, Point(112, 106), {TShiftStateItem::ssRight}, {});
  EXPECT_EQ(log.Entries(), (std::vector<std::string>{"Outer:UpL(12,6,R)"}));
  EXPECT_EQ(host->MouseCapture(), s.outer);
  MouseInput::Instance().ReleaseLostButtons(s.form, Point(112, 106), {}, {});
  EXPECT_EQ(host->MouseCapture(), nullptr);
  EXPECT_EQ(MouseInput::Instance().HeldButtons(), TShiftState{});
}

TEST(Mouse, DoubleClickIsPressReleaseNotificationPressRelease) {
  HostScope host;
  EventLog log;
  Scene s(&log);
  int clicks = 0, double_clicks = 0;
  s.outer->OnClick = [&](TObject*) { ++clicks; };
  s.outer->OnDblClick = [&](TObject*) { ++double_clicks; };
  host->DoubleClick(s.form, 101, 101);
  EXPECT_EQ(log.Entries(),
            (std::vector<std::string>{"Outer:Enter", "Outer:DownL(1,1,L)", "Outer:UpL(1,1)", "Outer:Click",
                                      "Outer:DblClick", "Outer:DownL(1,1,LD)", "Outer:UpL(1,1)"}));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(double_clicks, 1);
}

TEST(Mouse, EnterAndLeaveFollowTheInnermostControl) {
  HostScope host;
  EventLog log;
  Scene s(&log);
  host->Move(s.form, 5, 5);     // form
  host->Move(s.form, 22, 12);   // panel
  host->Move(s.form, 26, 16);   // inner
  host->Move(s.form, 26, 17);   // still inner: no enter or leave
  host->Leave(s.form);
  std::vector<std::string> hover;
  for (const auto& e : log.Entries()) {
    if (e.find("Enter") != std::string::npos || e.find("Leave") != std::string::npos) hover.push_back(e);
  }
  EXPECT_EQ(hover, (std::vector<std::string>{"Form:Enter", "Form:Leave", "Panel:Enter", "Panel:Leave",
                                             "Inner:Enter", "Inner:Leave"}));
}

TEST(Mouse, HiddenAndDisabledControlsLetThePointFallThrough) {
  HostScope host;
  EventLog log;
  Scene s(&log);
  s.inner->SetEnabled(false);
  host->Click(s.form, 30, 20);
  s.panel->SetVisible(false);
  host->Click(s.form, 30, 20);
  EXPECT_EQ(log.Entries(), (std::vector<std::string>{"Panel:Enter", "Panel:DownL(10,10,L)", "Panel:UpL(10,10)",
                                                     "Panel:Click", "Panel:Leave", "Form:Enter",
                                                     "Form:DownL(30,20,L)", "Form:UpL(30,20)", "Form:Click"}));
}

TEST(Mouse, WheelGoesUpTheParentsUntilHandled) {
  HostScope host;
  EventLog log;
  Scene s(&log);
  std::vector<std::string> seen;
  s.inner->OnMouseWheel = [&](TObject*, TShiftState, int delta, TPoint, bool&) {
    seen.push_back("inner " + std::to_string(delta));
  };
  s.panel->OnMouseWheelUp = [&](TObject*, TShiftState, TPoint p, bool& handled) {
    seen.push_back("panel up at " + std::to_string(p.X) + "," + std::to_string(p.Y));
    handled = true;
  };
  s.form.OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool&) { seen.push_back("form"); };
  EXPECT_TRUE(host->Wheel(s.form, 30, 20, 120));
  EXPECT_FALSE(host->Wheel(s.form, 30, 20, -120));
  EXPECT_EQ(seen, (std::vector<std::string>{"inner 120", "panel up at 10,10", "inner -120", "form"}));
}

TEST(Mouse, DestroyingTheCapturedControlInAHandlerIsSafe) {
  HostScope host;
  EventLog log;
  Scene s(&log);
  s.outer->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { delete s.outer; };
  host->Press(s.form, 110, 105);
  EXPECT_EQ(host->MouseCapture(), nullptr);
  host->Move(s.form, 111, 105);  // now over the form
  host->Release(s.form, 111, 105);
  EXPECT_EQ(log.Entries().back(), "Form:UpL(111,105)");
}

TEST(Mouse, AnErrorInAHandlerIsShownAndInputGoesOn) {
  HostScope host;
  EventLog log;
  Scene s(&log);
  s.outer->OnClick = [](TObject*) { throw std::runtime_error("Kurvex: Cannot share data with myself"); };
  host->Click(s.form, 110, 105);
  ASSERT_EQ(host->MessageBoxes().size(), 1u);
  EXPECT_EQ(host->MessageBoxes()[0].text, "Kurvex: Cannot share data with myself");
  EXPECT_EQ(host->MouseCapture(), nullptr);
  host->Click(s.form, 110, 105);
  EXPECT_EQ(host->MessageBoxes().size(), 2u);
}

}  // namespace
}  // namespace kurvex
