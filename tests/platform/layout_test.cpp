#include <gtest/gtest.h>

#include "layout_fixtures.h"
#include "platform/layout.h"
#include "test_support.h"

namespace kurvex {
namespace {

using test::HostScope;

class Layout : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterTestClasses();
    lifecycle.clear();
  }
  void TearDown() override { EXPECT_EQ(live_objects, 0); }
  HostScope host;
};

TEST_F(Layout, BuildsTheTreeWithOwnersParentsAndValues) {
  auto form = ReadLayoutAs<TTestForm>(kTestLayout, "form.json");
  EXPECT_EQ(form->Name(), "Form1");
  EXPECT_EQ(form->Caption(), "Testing the drawing speed");
  EXPECT_EQ(form->ClientWidth(), 560);
  EXPECT_EQ(form->PixelsPerInch(), 120);
  EXPECT_EQ(form->Font().Name(), "Arial");
  EXPECT_EQ(form->Font().Height(), -13);
  // Every component is owned by the root; nesting gives the parents.
  EXPECT_EQ(form->ComponentCount(), 9);
  auto* panel = dynamic_cast<TPanel*>(form->FindComponent("Panel1"));
  auto* pan = dynamic_cast<TRadioButton*>(form->FindComponent("RBPan"));
  auto* bar = dynamic_cast<TScrollBar*>(form->FindComponent("ScrollBar1"));
  ASSERT_TRUE(panel && pan && bar);
  EXPECT_EQ(pan->Parent(), form->FindComponent("GroupBox1"));
  EXPECT_TRUE(pan->Checked());
  EXPECT_EQ(bar->Position(), 6);
  EXPECT_EQ(bar->LargeChange(), 100);
  // Controls took the form's font.
  EXPECT_EQ(pan->Font().Name(), "Arial");
  // Fields and references are filled in, also references to later components.
  ASSERT_NE(form->Gauge1, nullptr);
  EXPECT_EQ(form->Gauge1->Follow(), form->FindComponent("Gauge2"));
  EXPECT_EQ(form->Gauge1->Marks(), (TFontStyles{TFontStyle::fsBold, TFontStyle::fsUnderline}));
  EXPECT_EQ(form->Gauge1->Needle(), 0xDDDDDDu);
  EXPECT_EQ(form->Gauge1->Shape(), TNeedle::ndArrow);
  EXPECT_EQ(form->Gauge1->Settings().RangeHigh(), 1e-10);
  EXPECT_EQ(form->Gauge1->Digits(), 7);
  // Alignment placed the panel on top and the client gauge below it.
  auto* gauge2 = dynamic_cast<TGauge*>(form->FindComponent("Gauge2"));
  EXPECT_EQ(panel->BoundsRect(), Rect(0, 0, 560, 81));
  EXPECT_EQ(gauge2->BoundsRect(), Rect(0, 81, 560, 466));
}

TEST_F(Layout, ValuesAreSetWhileLoadingThenLoadedRunsInCreationOrder) {
  auto form = ReadLayoutAs<TTestForm>(kTestLayout, "form.json");
  EXPECT_EQ(lifecycle, (std::vector<std::string>{"Gauge1:loading", "Gauge1:loading", "Gauge2:loading",
                                                 "Form1:Loaded", "Gauge1:Loaded", "Gauge2:Loaded"}));
  EXPECT_FALSE(form->IsLoading());
  for (int i = 0; i < form->ComponentCount(); ++i) EXPECT_FALSE(form->Components(i)->IsLoading());
}

TEST_F(Layout, EventsAreBoundToTheRootsMethods) {
  auto form = ReadLayoutAs<TTestForm>(kTestLayout, "form.json");
  EXPECT_EQ(form->changes, 0);  // setting Position while loading raised nothing
  form->Start->Click();
  form->Gauge1->OnOverflow(form->Gauge1);
  EXPECT_EQ(form->clicks, (std::vector<std::string>{"Start", "Gauge1"}));
  dynamic_cast<TScrollBar*>(form->FindComponent("ScrollBar1"))->SetPosition(7);
  EXPECT_EQ(form->changes, 1);
}

TEST_F(Layout, WriteReadWriteGivesTheSameText) {
  auto form = ReadLayoutAs<TTestForm>(kTestLayout, "form.json");
  const std::string first = WriteLayout(*form);
  auto again = ReadLayoutAs<TTestForm>(first, "first.json");
  const std::string second = WriteLayout(*again);
  EXPECT_EQ(first, second);
  // Defaults and properties marked not stored are left out; the rest is there.
  const Json doc = Json::parse(first);
  const Json& gauge = doc["children"][0]["children"][3];
  ASSERT_EQ(gauge["name"], "Gauge1");
  EXPECT_FALSE(gauge["properties"].contains("Computed"));
  EXPECT_FALSE(gauge["properties"].contains("Align"));
  EXPECT_EQ(gauge["properties"]["Needle"], 14540253);
  EXPECT_EQ(gauge["properties"]["Shape"], "ndArrow");
  EXPECT_EQ(gauge["properties"]["Follow"], "Gauge2");
  EXPECT_EQ(gauge["properties"]["OnMouseDown"], "GaugeDown");
  EXPECT_EQ(gauge["properties"]["Settings"], Json::parse(R"({"RangeHigh": 1e-10})"));
  const Json& zoom = doc["children"][0]["children"][1]["children"][0];
  EXPECT_FALSE(zoom["properties"].contains("Checked"));  // false is the default
  EXPECT_FALSE(zoom["properties"].contains("Font"));     // it follows its parent's font
  EXPECT_EQ(doc["properties"]["Color"], "clSilver");
  EXPECT_FALSE(doc["properties"].contains("ClientWidth"));
}

TEST_F(Layout, AControlWithItsOwnFontKeepsItWhateverItsParentHas) {
  auto form = ReadLayoutAs<TTestForm>(kTestLayout, "form.json");
  auto* label = dynamic_cast<TLabel*>(form->FindComponent("Label1"));
  TFont plain;  // the default font, unlike the form's Arial
  label->SetFont(plain);
  EXPECT_FALSE(label->ParentFont());
  auto again = ReadLayoutAs<TTestForm>(WriteLayout(*form), "again.json");
  EXPECT_EQ(dynamic_cast<TLabel*>(again->FindComponent("Label1"))->Font(), plain);
}

TEST_F(Layout, NonFiniteDoublesSurviveTheRoundTrip) {
  auto form = ReadLayoutAs<TTestForm>(kTestLayout, "form.json");
  form->Gauge1->SetValue(std::numeric_limits<double>::quiet_NaN());
  form->Gauge1->Settings().SetRangeHigh(-std::numeric_limits<double>::infinity());
  auto again = ReadLayoutAs<TTestForm>(WriteLayout(*form), "again.json");
  EXPECT_TRUE(std::isnan(again->Gauge1->Value()));
  EXPECT_EQ(again->Gauge1->Settings().RangeHigh(), -std::numeric_limits<double>::infinity());
}

TEST_F(Layout, ARootCanReadItsOwnLayout) {
  TTestForm form(nullptr);
  ReadLayoutInto(form, kTestLayout, "form.json");
  EXPECT_EQ(form.Name(), "Form1");
  ASSERT_NE(form.Start, nullptr);
  form.Start->Click();
  EXPECT_EQ(form.clicks.size(), 1u);
}

TEST_F(Layout, TheStandardControlsRoundTripFromTheirDefaults) {
  TTestForm form(nullptr);
  form.SetName("Form1");
  form.Start = new TButton(&form);
  form.Start->SetName("Start");
  form.Start->SetParent(&form);
  form.Gauge1 = new TGauge(&form);
  form.Gauge1->SetName("Gauge1");
  form.Gauge1->SetParent(&form);
  for (TComponent* c : std::initializer_list<TComponent*>{new TPanel(&form), new TRadioButton(&form), new TGroupBox(&form),
                                                          new TScrollBar(&form), new TLabel(&form)}) {
    static_cast<TControl*>(c)->SetParent(&form);
  }
  const std::string text = WriteLayout(form);
  auto again = ReadLayoutAs<TTestForm>(text, "again.json");
  EXPECT_EQ(WriteLayout(*again), text);
}

}  // namespace
}  // namespace kurvex
