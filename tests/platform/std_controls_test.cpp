#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "platform/layout.h"
#include "platform/properties.h"
#include "platform/std_controls.h"
#include "test_support.h"

namespace kurvex {
namespace {

using test::HostScope;

TEST(RadioButton, CheckingOneUnchecksItsSiblingsOnly) {
  HostScope host;
  TForm form(nullptr);
  TGroupBox* group = new TGroupBox(&form);
  group->SetParent(&form);
  auto* zoom = new TRadioButton(&form);
  auto* pan = new TRadioButton(&form);
  auto* elsewhere = new TRadioButton(&form);
  zoom->SetParent(group);
  pan->SetParent(group);
  elsewhere->SetParent(&form);
  elsewhere->SetChecked(true);
  pan->SetChecked(true);
  zoom->SetChecked(true);
  EXPECT_TRUE(zoom->Checked());
  EXPECT_FALSE(pan->Checked());
  EXPECT_TRUE(elsewhere->Checked());  // another parent, another group
  zoom->SetChecked(false);            // unchecking checks nobody else
  EXPECT_FALSE(pan->Checked());
}

TEST(RadioButton, AClickChecksItThenRaisesOnClickButSettingFromCodeRaisesNothing) {
  HostScope host;
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 200);
  auto* zoom = new TRadioButton(&form);
  auto* pan = new TRadioButton(&form);
  zoom->SetParent(&form);
  pan->SetParent(&form);
  zoom->SetBounds(10, 10, 60, 17);
  pan->SetBounds(80, 10, 60, 17);
  std::vector<std::string> seen;
  zoom->OnClick = [&](TObject*) { seen.push_back(zoom->Checked() && !pan->Checked() ? "zoom checked" : "zoom?"); };
  pan->OnClick = [&](TObject*) { seen.push_back("pan"); };
  pan->SetChecked(true);
  EXPECT_TRUE(seen.empty());
  form.Show();
  host->Click(form, 15, 15);
  EXPECT_EQ(seen, (std::vector<std::string>{"zoom checked"}));
}

TEST(ScrollBar, PositionChangesRaiseOnChangeOnceAndStayInRange) {
  HostScope host;
  TScrollBar bar(nullptr);
  int changes = 0;
  bar.OnChange = [&](TObject*) { ++changes; };
  bar.SetParams(6, 1, 13);
  EXPECT_EQ(changes, 1);
  bar.SetPosition(6);
  EXPECT_EQ(changes, 1);  // no change, no event
  bar.SetPosition(40);
  EXPECT_EQ(bar.Position(), 13);
  bar.SetPosition(-5);
  EXPECT_EQ(bar.Position(), 1);
  EXPECT_EQ(changes, 3);
  bar.SetPageSize(5);  // the last page starts at 13 - 5 + 1
  EXPECT_EQ(bar.MaxPosition(), 9);
  bar.SetPosition(12);
  EXPECT_EQ(bar.Position(), 9);
  bar.SetMax(0);  // below Min: Min follows, and the position with it
  EXPECT_EQ(bar.Min(), 0);
  EXPECT_EQ(bar.Position(), 0);
  bar.SetMin(20);  // above Max: Max follows
  EXPECT_EQ(bar.Max(), 20);
  EXPECT_EQ(bar.Position(), 20);
}

TEST(ScrollBar, WhileLoadingValuesAreTakenAsGivenAndCheckedAtTheEnd) {
  HostScope host;
  TScrollBar bar(nullptr);
  int changes = 0;
  bar.OnChange = [&](TObject*) { ++changes; };
  bar.BeginLoading();
  bar.SetPosition(150);  // Max is still 100 here
  bar.SetMin(120);
  bar.SetMax(200);
  EXPECT_EQ(bar.Position(), 150);
  bar.Loaded();
  EXPECT_EQ(bar.Position(), 150);
  EXPECT_EQ(changes, 0);
  bar.BeginLoading();
  bar.SetPosition(500);
  bar.Loaded();
  EXPECT_EQ(bar.Position(), 200);
}

TEST(ScrollBar, RangeEndsOfTheIntTypeAreUsable) {
  HostScope host;
  TScrollBar bar(nullptr);
  const int lo = std::numeric_limits<int>::min();
  const int hi = std::numeric_limits<int>::max();
  bar.SetMin(lo);
  bar.SetMax(hi);
  bar.SetPosition(hi);
  EXPECT_EQ(bar.Position(), hi);
  bar.SetPageSize(hi);
  EXPECT_EQ(bar.PageSize(), hi);
  EXPECT_EQ(bar.MaxPosition(), 1);
  EXPECT_EQ(bar.Position(), 1);
  bar.SetPageSize(0);
  bar.SetMax(lo);  // Max below Min lowers Min: a range of one position
  bar.SetPageSize(5);
  EXPECT_EQ(bar.Min(), lo);
  EXPECT_EQ(bar.PageSize(), 1);
  EXPECT_EQ(bar.MaxPosition(), lo);
  EXPECT_EQ(bar.Position(), lo);
}

TEST(Label, AutoSizeFollowsCaptionAndFont) {
  HostScope host;
  TLabel label(nullptr);
  label.SetCaption("Nr. of data points");
  const int w = label.Width();
  EXPECT_GT(w, 50);
  label.SetCaption("Nr. of data points, and more");
  EXPECT_GT(label.Width(), w);
  const int h = label.Height();
  label.Font().SetHeight(-30);
  EXPECT_GT(label.Height(), h);
  label.SetAutoSize(false);
  label.SetCaption("x");
  EXPECT_GT(label.Width(), w);
}

TEST(Label, HiddenAlignedAutoSizedLabelKeepsItsPlaceOnLayoutRoundTrips) {
  HostScope host;
  RegisterPlatformClasses();
  // Stored with a height that auto-sizing changes, in a panel without room: children are
  // aligned once at the end of loading, and a hidden one not at all.
  std::string text = R"({"class": "TForm", "name": "F", "properties": {"Width": 300, "Height": 200},
    "children": [{"class": "TPanel", "name": "P", "properties": {"Width": 100, "Height": 0},
    "children": [{"class": "TLabel", "name": "L",
                  "properties": {"Top": 7, "Height": 50, "Align": "alBottom", "Visible": false}}]}]})";
  for (int round = 0; round < 3; ++round) {
    const std::unique_ptr<TComponent> form = ReadLayout(text, "form.json");
    const auto* label = dynamic_cast<TLabel*>(form->FindComponent("L"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Top(), 7) << "round " << round;
    EXPECT_EQ(label->Height(), TCanvas().TextHeight(" ")) << "round " << round;
    text = WriteLayout(*form);
  }
}

TEST(Form, ClientAreaIsInsideTheFrame) {
  HostScope host;
  TForm form(nullptr);
  form.SetBounds(463, 241, 568, 499);
  EXPECT_EQ(form.ClientWidth(), 560);
  EXPECT_EQ(form.ClientHeight(), 466);
  EXPECT_EQ(form.Surface().Width(), 560);
  form.SetClientHeight(100);
  EXPECT_EQ(form.Height(), 133);
}

TEST(Form, AlignedChildrenShareTheClientArea) {
  HostScope host;
  TForm form(nullptr);
  form.SetBounds(0, 0, 568, 499);
  auto* client = new TPanel(&form);
  auto* top = new TPanel(&form);
  auto* left = new TPanel(&form);
  auto* bottom = new TPanel(&form);
  for (TPanel* p : {client, top, left, bottom}) p->SetParent(&form);
  client->SetAlign(TAlign::alClient);
  top->SetHeight(81);
  top->SetAlign(TAlign::alTop);
  left->SetWidth(30);
  left->SetAlign(TAlign::alLeft);
  bottom->SetHeight(20);
  bottom->SetAlign(TAlign::alBottom);
  EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 560, 81));
  EXPECT_EQ(bottom->BoundsRect(), Rect(0, 446, 560, 466));
  EXPECT_EQ(left->BoundsRect(), Rect(0, 81, 30, 446));
  EXPECT_EQ(client->BoundsRect(), Rect(30, 81, 560, 446));
  // A resized form realigns; a resized aligned child does too.
  form.SetClientWidth(400);
  EXPECT_EQ(client->BoundsRect(), Rect(30, 81, 400, 446));
  top->SetHeight(50);
  EXPECT_EQ(client->BoundsRect(), Rect(30, 50, 400, 446));
  top->SetVisible(false);
  EXPECT_EQ(client->BoundsRect(), Rect(30, 0, 400, 446));
}

TEST(Form, ClosingTheMainFormEndsTheMessageLoop) {
  HostScope host;
  TForm form(nullptr);
  Application().SetMainForm(&form);
  TCloseAction answer = TCloseAction::caNone;
  int asked = 0;
  form.OnClose = [&](TObject*, TCloseAction& action) {
    ++asked;
    EXPECT_EQ(action, TCloseAction::caHide);
    action = answer;
  };
  form.Show();
  EXPECT_TRUE(form.HandleAllocated());
  form.Close();
  EXPECT_TRUE(form.Visible());
  EXPECT_FALSE(Application().Terminated());
  answer = TCloseAction::caHide;
  form.Close();
  EXPECT_FALSE(form.Visible());
  EXPECT_TRUE(Application().Terminated());
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(Application().Run(), 0);  // nothing left to run: the form stays closed
  EXPECT_FALSE(form.Visible());
}

TEST(Form, ChildrenFollowTheFormsFontUntilTheyGetTheirOwn) {
  HostScope host;
  TForm form(nullptr);
  auto* button = new TButton(&form);
  auto* label = new TLabel(&form);
  button->SetParent(&form);
  label->SetParent(&form);
  form.Font().SetName("Arial");
  EXPECT_EQ(button->Font().Name(), "Arial");
  EXPECT_TRUE(button->ParentFont());
  label->Font().SetHeight(-20);
  EXPECT_FALSE(label->ParentFont());
  form.Font().SetHeight(-13);
  EXPECT_EQ(button->Font().Height(), -13);
  EXPECT_EQ(label->Font().Height(), -20);
  label->SetParentFont(true);
  EXPECT_EQ(label->Font().Height(), -13);
}

TEST(Windows, CreatedWithTheParentAndDestroyedBeforeIt) {
  HostScope host;
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  form.Show();
  EXPECT_TRUE(host->HasWindow(*panel));
  auto* late = new TButton(&form);
  late->SetParent(panel);  // the parent has a window: the child gets one at once
  EXPECT_TRUE(host->HasWindow(*late));
  late->SetParent(nullptr);
  EXPECT_FALSE(host->HasWindow(*late));
  delete panel;
  EXPECT_EQ(form.ControlCount(), 0);
}

}  // namespace
}  // namespace kurvex

