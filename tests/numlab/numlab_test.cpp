#include "numlab/numlab.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "common/errors.h"
#include "numlab_test_support.h"
#include "platform/layout.h"

namespace kurvex {
namespace {

using numlab_test::CountingNumLab;
using numlab_test::LabelOnPanel;

TEST(NumLab, CreationValues) {
  TNumLab l(nullptr);
  EXPECT_EQ(l.Width(), 160);
  EXPECT_EQ(l.Height(), 28);
  EXPECT_EQ(l.LeftSpace(), 35);
  EXPECT_FALSE(l.Empty());
  EXPECT_EQ(l.LabelWidth(), 80);
  EXPECT_EQ(l.Precision(), 2);
  EXPECT_FALSE(l.Comma());
  EXPECT_FALSE(l.ForcePlusSign());
  EXPECT_FALSE(l.Transparent());
  EXPECT_EQ(l.LeftText(), "");
  EXPECT_EQ(l.RightText(), "");
  EXPECT_EQ(l.FrameStyle(), TFrameStyle::fsLowered);
  EXPECT_EQ(l.StateText(), "undefined");
  EXPECT_EQ(l.Alignment(), TAlignment::taCenter);
  EXPECT_EQ(l.LeftTextAlignment(), TAlignment::taRightJustify);
  EXPECT_EQ(l.RightTextAlignment(), TAlignment::taLeftJustify);
  EXPECT_EQ(l.OverflowIndicator(), "*********");
  EXPECT_EQ(l.Value(), 0.0);
  EXPECT_TRUE(l.Enabled());
  EXPECT_EQ(l.ColorLabBakG(), clBtnFace);
  EXPECT_EQ(l.ColorLabText(), clBlack);
  EXPECT_EQ(l.ColorOutBakG(), clBtnFace);
  EXPECT_EQ(l.ColorOutText(), clBlack);
  EXPECT_EQ(l.ColorScheme(), TColorScheme::csBWG);
  EXPECT_EQ(l.DarkShade(), clBlack);
  EXPECT_EQ(l.ShadowShade(), 0x808080u);
  EXPECT_EQ(l.HighlightShade(), 0xFFFFFFu);
  EXPECT_EQ(l.DisplayType(), TDisplay::dtFixP);
  EXPECT_EQ(l.DTFormat(), "mmm-dd, yyyy");
  EXPECT_EQ(l.DisplayText(), "0.00");
}

TEST(NumLab, PrecisionIgnoresNegativeAndCapsAt15) {
  TNumLab l(nullptr);
  l.SetPrecision(20);
  EXPECT_EQ(l.Precision(), 15);
  l.SetPrecision(-1);
  EXPECT_EQ(l.Precision(), 15);
  l.SetPrecision(0);
  EXPECT_EQ(l.Precision(), 0);
}

TEST(NumLab, LeftSpaceIgnoresNegativeAndCapsAtWidth) {
  TNumLab l(nullptr);
  l.SetLeftSpace(-5);
  EXPECT_EQ(l.LeftSpace(), 35);
  l.SetLeftSpace(500);
  EXPECT_EQ(l.LeftSpace(), 160);
  l.SetWidth(100);
  EXPECT_EQ(l.LeftSpace(), 160);  // only checked when set
  l.SetLeftSpace(0);
  EXPECT_EQ(l.LeftSpace(), 0);
}

TEST(NumLab, ValueIgnoresNaN) {
  TNumLab l(nullptr);
  l.SetValue(12.5);
  l.SetValue(std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(l.Value(), 12.5);
  l.SetValue(std::numeric_limits<double>::infinity());
  EXPECT_EQ(l.Value(), std::numeric_limits<double>::infinity());
}

TEST(NumLab, ColorSchemeSetsTheShades) {
  TNumLab l(nullptr);
  l.SetColorScheme(TColorScheme::csSystem);
  EXPECT_EQ(l.ShadowShade(), clBtnShadow);
  EXPECT_EQ(l.HighlightShade(), clBtnHighlight);
  EXPECT_EQ(l.DarkShade(), clBlack);
  l.SetColorScheme(TColorScheme::csBWG);
  EXPECT_EQ(l.ShadowShade(), clGray);
  EXPECT_EQ(l.HighlightShade(), clWhite);
}

// Each setter paints at once when its value changes and not otherwise.
TEST(NumLab, SettersRepaintAtOnceOnlyOnChange) {
  LabelOnPanel f(200, 40, clWhite);
  CountingNumLab& l = f.Label();
  struct Step {
    const char* what;
    std::function<void()> set;
    int paints;
  };
  const std::vector<Step> steps = {
      {"Value", [&] { l.SetValue(3); }, 1},
      {"same Value", [&] { l.SetValue(3); }, 0},
      {"NaN Value", [&] { l.SetValue(std::numeric_limits<double>::quiet_NaN()); }, 0},
      {"Precision", [&] { l.SetPrecision(4); }, 1},
      {"same Precision", [&] { l.SetPrecision(4); }, 0},
      {"negative Precision", [&] { l.SetPrecision(-2); }, 0},
      {"LeftSpace", [&] { l.SetLeftSpace(10); }, 1},
      {"negative LeftSpace", [&] { l.SetLeftSpace(-1); }, 0},
      {"LabelWidth", [&] { l.SetLabelWidth(-3); }, 1},
      {"LeftText", [&] { l.SetLeftText("X:"); }, 1},
      {"same LeftText", [&] { l.SetLeftText("X:"); }, 0},
      {"RightText", [&] { l.SetRightText("mm"); }, 1},
      {"StateText", [&] { l.SetStateText("off"); }, 1},
      {"OverflowIndicator", [&] { l.SetOverflowIndicator("#"); }, 1},
      {"DTFormat", [&] { l.SetDTFormat("yyyy"); }, 1},
      {"Empty", [&] { l.SetEmpty(true); }, 1},
      {"Comma", [&] { l.SetComma(true); }, 1},
      {"ForcePlusSign", [&] { l.SetForcePlusSign(true); }, 1},
      {"DisplayType", [&] { l.SetDisplayType(TDisplay::dtHex); }, 1},
      {"same DisplayType", [&] { l.SetDisplayType(TDisplay::dtHex); }, 0},
      {"FrameStyle", [&] { l.SetFrameStyle(TFrameStyle::fsRaised); }, 1},
      {"Alignment", [&] { l.SetAlignment(TAlignment::taLeftJustify); }, 1},
      {"LeftTextAlignment", [&] { l.SetLeftTextAlignment(TAlignment::taCenter); }, 1},
      {"RightTextAlignment", [&] { l.SetRightTextAlignment(TAlignment::taCenter); }, 1},
      {"ColorLabBakG", [&] { l.SetColorLabBakG(clRed); }, 1},
      {"ColorLabText", [&] { l.SetColorLabText(clBlue); }, 1},
      {"ColorOutBakG", [&] { l.SetColorOutBakG(clAqua); }, 1},
      {"ColorOutText", [&] { l.SetColorOutText(clNavy); }, 1},
      {"same ColorOutText", [&] { l.SetColorOutText(clNavy); }, 0},
      {"ColorScheme", [&] { l.SetColorScheme(TColorScheme::csSystem); }, 1},
      {"same ColorScheme", [&] { l.SetColorScheme(TColorScheme::csSystem); }, 0},
      {"Enabled", [&] { l.SetEnabled(false); }, 1},
      {"same Enabled", [&] { l.SetEnabled(false); }, 1},  // the framework refreshes anyway
      {"Transparent off", [&] { l.SetTransparent(false); }, 0},
  };
  for (const Step& s : steps) {
    f.ProcessMessages();  // repaints the framework itself asked for (Enabled) are not counted
    l.paints = 0;
    s.set();
    EXPECT_EQ(l.paints, s.paints) << s.what;
  }
}

TEST(NumLab, TransparentOnWaitsForTheParentOffRepaintsAtOnce) {
  LabelOnPanel f(200, 40, clWhite, 20, 5);
  CountingNumLab& l = f.Label();
  l.SetTransparent(true);
  EXPECT_EQ(l.paints, 0);
  EXPECT_EQ(f.Host().PendingRegion(f.Panel()), l.BoundsRect());
  f.ProcessMessages();
  EXPECT_EQ(l.paints, 1);
  l.SetTransparent(false);
  EXPECT_EQ(l.paints, 2);
}

TEST(NumLab, EnabledReachesTheFramework) {
  TNumLab l(nullptr);
  l.SetEnabled(false);
  EXPECT_FALSE(l.Enabled());
  l.SetEnabled(true);
  EXPECT_TRUE(l.Enabled());
}

TEST(NumLab, BeforeDisplayChangesTheTextButNotWhenEmpty) {
  TNumLab l(nullptr);
  l.SetValue(2.5);
  std::vector<std::string> seen;
  l.OnBeforeDisplay = [&](TObject* sender, std::string& text) {
    EXPECT_EQ(sender, &l);
    seen.push_back(text);
    text += " V";
  };
  EXPECT_EQ(l.DisplayText(), "2.50 V");
  l.SetDisplayType(TDisplay::dtState);
  EXPECT_EQ(l.DisplayText(), "undefined V");
  l.SetEmpty(true);
  EXPECT_EQ(l.DisplayText(), "");
  EXPECT_EQ(seen, (std::vector<std::string>{"2.50", "undefined"}));
}

TEST(NumLab, AssignCopiesTheListedSettingsOnly) {
  TNumLab a(nullptr);
  a.SetLeftSpace(12);
  a.SetEmpty(true);
  a.SetLabelWidth(50);
  a.SetPrecision(5);
  a.SetLeftText("L");
  a.SetRightText("R");
  a.SetFrameStyle(TFrameStyle::fsEngraved);
  a.SetAlignment(TAlignment::taRightJustify);
  a.SetRightTextAlignment(TAlignment::taCenter);
  a.SetLeftTextAlignment(TAlignment::taLeftJustify);
  a.SetOverflowIndicator("!");
  a.SetValue(-7.25);
  a.SetStateText("on");
  a.SetTransparent(true);
  a.SetColorLabBakG(clRed);
  a.SetColorLabText(clLime);
  a.SetColorOutBakG(clBlue);
  a.SetColorOutText(clYellow);
  a.SetColorScheme(TColorScheme::csSystem);
  a.SetDisplayType(TDisplay::dtOct);
  // Not copied:
  a.SetComma(true);
  a.SetForcePlusSign(true);
  a.SetDTFormat("yyyy");
  a.SetEnabled(false);
  a.Font().SetHeight(-20);
  a.OnBeforeDisplay = [](TObject*, std::string&) {};

  TNumLab b(nullptr);
  b.Assign(a);
  EXPECT_EQ(b.LeftSpace(), 12);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.LabelWidth(), 50);
  EXPECT_EQ(b.Precision(), 5);
  EXPECT_EQ(b.LeftText(), "L");
  EXPECT_EQ(b.RightText(), "R");
  EXPECT_EQ(b.FrameStyle(), TFrameStyle::fsEngraved);
  EXPECT_EQ(b.Alignment(), TAlignment::taRightJustify);
  EXPECT_EQ(b.RightTextAlignment(), TAlignment::taCenter);
  EXPECT_EQ(b.LeftTextAlignment(), TAlignment::taLeftJustify);
  EXPECT_EQ(b.OverflowIndicator(), "!");
  EXPECT_EQ(b.Value(), -7.25);
  EXPECT_EQ(b.StateText(), "on");
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(b.ColorLabBakG(), clRed);
  EXPECT_EQ(b.ColorLabText(), clLime);
  EXPECT_EQ(b.ColorOutBakG(), clBlue);
  EXPECT_EQ(b.ColorOutText(), clYellow);
  EXPECT_EQ(b.ColorScheme(), TColorScheme::csSystem);
  EXPECT_EQ(b.ShadowShade(), clBtnShadow);
  EXPECT_EQ(b.HighlightShade(), clBtnHighlight);
  EXPECT_EQ(b.DisplayType(), TDisplay::dtOct);

  EXPECT_FALSE(b.Comma());
  EXPECT_FALSE(b.ForcePlusSign());
  EXPECT_EQ(b.DTFormat(), "mmm-dd, yyyy");
  EXPECT_TRUE(b.Enabled());
  EXPECT_NE(b.Font().Height(), -20);
  EXPECT_FALSE(b.OnBeforeDisplay);
}

TEST(NumLab, AssignBypassesTheSetterRules) {
  TNumLab a(nullptr);
  a.SetWidth(400);
  a.SetLeftSpace(300);
  TNumLab b(nullptr);  // Width 160
  b.Assign(a);
  EXPECT_EQ(b.LeftSpace(), 300);
}

TEST(NumLab, AssignWithOtherClassesIsAConversionError) {
  TNumLab label(nullptr);
  TFont font;
  EXPECT_THROW(label.Assign(font), EConvertError);
  // An ancestor class as the destination must not bounce between Assign and AssignTo.
  TGraphicControl plain(nullptr);
  EXPECT_THROW(plain.Assign(label), EConvertError);
  EXPECT_THROW(font.Assign(label), EConvertError);
}

TEST(NumLab, AssignRepaints) {
  LabelOnPanel f(200, 40, clWhite);
  TNumLab other(nullptr);
  f.Label().Assign(other);
  EXPECT_EQ(f.Label().paints, 1);
}

constexpr const char* kLayout = R"({
  "class": "TPanel", "name": "Panel1",
  "properties": {"Width": 560, "Height": 81, "BevelOuter": "bvNone"},
  "children": [
    {"class": "TNumLab", "name": "NLabDatPoi",
     "properties": {
       "Left": 416, "Top": 28, "Width": 129, "Height": 22,
       "LeftSpace": 1, "LabelWidth": 120, "Value": 5000.0, "DisplayType": "dtInt",
       "Alignment": "taCenter", "FrameStyle": "fsLowered", "ColorScheme": "csBWG",
       "ColorLabBakG": "clSilver", "ColorOutBakG": "clBtnFace", "LeftText": "X:",
       "Font": {"Name": "Arial", "Height": -13, "Color": "clBlack"}
     }}
  ]
})";

TEST(NumLabLayout, StoredLayoutSetsThePublishedProperties) {
  RegisterNumLabClasses();
  auto panel = ReadLayoutAs<TPanel>(kLayout, "numlab.json");
  auto* label = dynamic_cast<TNumLab*>(panel->FindComponent("NLabDatPoi"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Parent(), panel.get());
  EXPECT_EQ(label->BoundsRect(), Rect(416, 28, 545, 50));
  EXPECT_EQ(label->LeftSpace(), 1);
  EXPECT_EQ(label->LabelWidth(), 120);
  EXPECT_EQ(label->Value(), 5000.0);
  EXPECT_EQ(label->DisplayType(), TDisplay::dtInt);
  EXPECT_EQ(label->ColorLabBakG(), clSilver);
  EXPECT_EQ(label->LeftText(), "X:");
  EXPECT_EQ(label->Font().Name(), "Arial");
  EXPECT_EQ(label->DisplayText(), "5000");

  // Writing it back keeps only what differs from the declared defaults.
  const Json written = LayoutToJson(*panel);
  const Json& props = written["children"][0]["properties"];
  EXPECT_EQ(props["DisplayType"], "dtInt");
  EXPECT_EQ(props["ColorLabBakG"], "clSilver");
  EXPECT_FALSE(props.contains("ColorOutBakG"));
  EXPECT_FALSE(props.contains("FrameStyle"));
  EXPECT_FALSE(props.contains("StateText"));
}

TEST(NumLabLayout, DefaultLabelWritesNoOwnValues) {
  RegisterNumLabClasses();
  TPanel panel(nullptr);
  auto* label = new TNumLab(&panel);
  label->SetName("Lab");
  label->SetParent(&panel);
  const Json written = LayoutToJson(panel);
  const Json& props = written["children"][0]["properties"];
  for (const char* name : {"Width", "Height", "LeftSpace", "Value", "Precision", "DisplayType", "DTFormat"}) {
    EXPECT_FALSE(props.contains(name)) << name;
  }
}

TEST(NumLabLayout, BadValuesAreReportedWithTheirPath) {
  RegisterNumLabClasses();
  const std::string bad = R"({"class": "TPanel", "name": "P", "children": [
      {"class": "TNumLab", "name": "N", "properties": {"DisplayType": "dtRoman"}}]})";
  try {
    ReadLayout(bad, "bad.json");
    FAIL() << "no error";
  } catch (const ELayoutError& e) {
    EXPECT_NE(e.Path().find("DisplayType"), std::string::npos) << e.Path();
    EXPECT_NE(std::string(e.what()).find("dtEEngNoDP"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace kurvex
