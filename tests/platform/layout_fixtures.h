#pragma once
// Classes for the layout tests: a gauge with a property of every kind, a settings object
// nested in it, and a form that publishes handlers and fields. Every instance counts
// itself, so tests can see that a failed read leaves nothing behind.

#include <string>
#include <vector>

#include "platform/properties.h"
#include "platform/std_controls.h"

// The classes live in the library's namespace so that messages name them as they would
// name the library's own classes.
namespace kurvex {

enum class TNeedle : std::uint8_t { ndThin, ndThick, ndArrow };
KX_ENUM_NAMES(TNeedle, "ndThin", "ndThick", "ndArrow");

inline int live_objects = 0;
inline std::vector<std::string> lifecycle;  // "Name:loading" / "Name:Loaded" entries

class TGaugeSettings : public TPersistent {
 public:
  TGaugeSettings() { ++live_objects; }
  ~TGaugeSettings() override { --live_objects; }
  const char* ClassName() const override { return "TGaugeSettings"; }
  double RangeHigh() const { return range_high_; }
  void SetRangeHigh(double v) { range_high_ = v; }
  TColor Tint() const { return tint_; }
  void SetTint(TColor c) { tint_ = c; }

 private:
  double range_high_ = 1.0;
  TColor tint_ = clBlack;
};

class TGauge : public TGraphicControl {
 public:
  explicit TGauge(TComponent* owner) : TGraphicControl(owner) {
    ++live_objects;
    SetBounds(0, 0, 50, 20);
  }
  ~TGauge() override { --live_objects; }
  const char* ClassName() const override { return "TGauge"; }

  std::uint8_t Digits() const { return digits_; }
  void SetDigits(std::uint8_t d) {
    Note();
    digits_ = d;
  }
  double Value() const { return value_; }
  void SetValue(double v) {
    Note();
    value_ = v;
  }
  bool Frozen() const { return frozen_; }
  void SetFrozen(bool f) { frozen_ = f; }
  const std::string& Unit() const { return unit_; }
  void SetUnit(const std::string& u) { unit_ = u; }
  TColor Needle() const { return needle_color_; }
  void SetNeedle(TColor c) { needle_color_ = c; }
  TNeedle Shape() const { return shape_; }
  void SetShape(TNeedle s) { shape_ = s; }
  TFontStyles Marks() const { return marks_; }
  void SetMarks(TFontStyles m) { marks_ = m; }
  TGaugeSettings& Settings() { return settings_; }
  TGauge* Follow() const { return follow_; }
  void SetFollow(TGauge* g) { follow_ = g; }
  int Computed() const { return digits_ * 2; }
  void SetComputed(int) {}

  void Loaded() override {
    TGraphicControl::Loaded();
    lifecycle.push_back(Name() + ":Loaded");
  }

  TNotifyEvent OnOverflow;

 private:
  void Note() {
    if (IsLoading()) lifecycle.push_back(Name() + ":loading");
  }

  std::uint8_t digits_ = 2;
  double value_ = 0;
  bool frozen_ = false;
  std::string unit_;
  TColor needle_color_ = clRed;
  TNeedle shape_ = TNeedle::ndThin;
  TFontStyles marks_;
  TGaugeSettings settings_;
  TGauge* follow_ = nullptr;
};

class TTestForm : public TForm {
 public:
  explicit TTestForm(TComponent* owner) : TForm(owner) { ++live_objects; }
  ~TTestForm() override { --live_objects; }
  const char* ClassName() const override { return "TTestForm"; }

  void Loaded() override {
    TForm::Loaded();
    lifecycle.push_back(Name() + ":Loaded");
  }

  void StartClick(TObject* sender) { clicks.push_back(dynamic_cast<TComponent*>(sender)->Name()); }
  void BarChange(TObject*) { ++changes; }
  void GaugeDown(TObject*, TMouseButton, TShiftState, int, int) {}

  TButton* Start = nullptr;
  TGauge* Gauge1 = nullptr;
  std::vector<std::string> clicks;
  int changes = 0;
};

inline void RegisterTestClasses() {
  RegisterPlatformClasses();
  auto s = RegisterPersistentClass<TGaugeSettings>("TGaugeSettings");
  s.Double("RangeHigh", &TGaugeSettings::RangeHigh, &TGaugeSettings::SetRangeHigh, 1.0);
  s.Color("Tint", &TGaugeSettings::Tint, &TGaugeSettings::SetTint, clBlack);

  auto g = RegisterClass<TGauge>("TGauge", "TGraphicControl");
  g.Integer("Digits", &TGauge::Digits, &TGauge::SetDigits, 2);
  g.Double("Value", &TGauge::Value, &TGauge::SetValue, 0.0);
  g.Boolean("Frozen", &TGauge::Frozen, &TGauge::SetFrozen, false);
  g.String("Unit", &TGauge::Unit, &TGauge::SetUnit, "");
  g.Color("Needle", &TGauge::Needle, &TGauge::SetNeedle, clRed);
  g.Enum<TNeedle>("Shape", &TGauge::Shape, &TGauge::SetShape, TNeedle::ndThin);
  g.Set<TFontStyle>("Marks", &TGauge::Marks, &TGauge::SetMarks, TFontStyles{});
  g.Object("Settings", [](TGauge& gauge) -> TPersistent& { return gauge.Settings(); });
  g.Component<TGauge>("Follow", &TGauge::Follow, &TGauge::SetFollow);
  g.Integer("Computed", &TGauge::Computed, &TGauge::SetComputed).NotStored();
  g.Event("OnOverflow", &TGauge::OnOverflow);

  auto f = RegisterClass<TTestForm>("TTestForm", "TForm");
  f.Method("StartClick", &TTestForm::StartClick);
  f.Method("BarChange", &TTestForm::BarChange);
  f.Method("GaugeDown", &TTestForm::GaugeDown);
  f.Field("Start", &TTestForm::Start);
  f.Field("Gauge1", &TTestForm::Gauge1);
}

// A form with one of every standard control and two gauges.
inline const char* const kTestLayout = R"({
  "class": "TTestForm",
  "name": "Form1",
  "properties": {
    "Left": 463, "Top": 241, "Width": 568, "Height": 499,
    "Caption": "Testing the drawing speed",
    "Color": "clSilver",
    "ParentFont": false,
    "Font": {"Name": "Arial", "PixelsPerInch": 96, "Height": -13, "Color": "clBlack", "Style": []},
    "PixelsPerInch": 120
  },
  "children": [
    {"class": "TPanel", "name": "Panel1",
     "properties": {"Left": 0, "Top": 0, "Width": 560, "Height": 81, "Align": "alTop"},
     "children": [
       {"class": "TButton", "name": "Start",
        "properties": {"Left": 104, "Top": 6, "Width": 89, "Height": 29, "TabOrder": 1, "OnClick": "StartClick",
                       "Caption": "Start"}},
       {"class": "TGroupBox", "name": "GroupBox1",
        "properties": {"Left": 232, "Top": 4, "Width": 145, "Height": 49, "Caption": "Mouse Action"},
        "children": [
          {"class": "TRadioButton", "name": "RBZoom",
           "properties": {"Left": 16, "Top": 24, "Width": 65, "Height": 17, "Caption": "Zoom"}},
          {"class": "TRadioButton", "name": "RBPan",
           "properties": {"Left": 88, "Top": 24, "Width": 49, "Height": 17, "Caption": "Pan", "Checked": true}}
        ]},
       {"class": "TLabel", "name": "Label1",
        "properties": {"Left": 432, "Top": 8, "Width": 99, "Height": 16, "AutoSize": false,
                       "Caption": "Nr. of data points"}},
       {"class": "TGauge", "name": "Gauge1",
        "properties": {"Left": 416, "Top": 28, "Width": 129, "Height": 22, "Digits": 7, "Value": 5000.0,
                       "Frozen": true, "Unit": "pts", "Needle": 14540253, "Shape": "ndArrow",
                       "Marks": ["fsBold", "fsUnderline"], "Settings": {"RangeHigh": 1e-10},
                       "Follow": "Gauge2", "OnOverflow": "StartClick", "OnMouseDown": "GaugeDown"}},
       {"class": "TScrollBar", "name": "ScrollBar1",
        "properties": {"Left": 418, "Top": 56, "Width": 121, "Height": 17, "Min": 1, "Max": 13, "Position": 6,
                       "LargeChange": 100, "TabOrder": 2, "OnChange": "BarChange"}}
     ]},
    {"class": "TGauge", "name": "Gauge2",
     "properties": {"Left": 0, "Top": 81, "Width": 560, "Height": 385, "Align": "alClient", "Value": -0.5}}
  ]
})";

}  // namespace kurvex
