// The stored layout of the speed-test window: every value of it reaches the form, the
// chart and its settings objects, and writing the form gives a layout that reads back to
// the same form.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/form1.h"
#include "app_test_support.h"
#include "platform/layout.h"
#include "platform/resources.h"

namespace kurvex {
namespace {

using test::OpenForm;

void ExpectDateFormat(const TDTLabel& d) {
  EXPECT_EQ(d.TimeFormat(), TTimeFormat::tfHHMMSS);
  EXPECT_EQ(d.DateSeparator(), '-');
  EXPECT_EQ(d.TimeSeparator(), ':');
  EXPECT_EQ(d.YearLength(), TYearLength::ylYYYY);
  EXPECT_TRUE(d.MonthName());
  EXPECT_EQ(d.DateOrder(), TDateOrder::doDDMMYY);
  EXPECT_EQ(d.DateForTime(), TDateForTime::dtOnePerDay);
}

void ExpectCommonScale(const TScaleProps& s) {
  EXPECT_EQ(s.MinRange(), 1e-10);
  EXPECT_FALSE(s.Logarithmic());
  EXPECT_EQ(s.LabelType(), TFigType::ftNum);
  EXPECT_EQ(s.MinTicks(), 3);
  EXPECT_EQ(s.DecPlaces(), -2);
  EXPECT_TRUE(s.ShortTicks());
  EXPECT_EQ(s.ScalePos(), 0);
  EXPECT_EQ(s.Font().Name(), "MS Sans Serif");
  EXPECT_EQ(s.Font().Height(), -13);
  EXPECT_EQ(s.Font().Color(), clWindowText);
  ExpectDateFormat(s.DateFormat());
}

// The chart of the window as the table of stored values gives it.
void ExpectStoredChart(TKurvex& k) {
  EXPECT_EQ(k.Hint(), "Click into chart area to zoom or pan");
  EXPECT_TRUE(k.ShowHint());
  EXPECT_EQ(k.AllocSize(), 1000);
  EXPECT_FALSE(k.AutoRedraw());
  EXPECT_EQ(k.ClassDefault(), 0);
  EXPECT_FALSE(k.Isometric());
  EXPECT_EQ(k.MarginLeft(), 60);
  EXPECT_EQ(k.MarginRight(), 16);
  EXPECT_EQ(k.MarginTop(), 20);
  EXPECT_EQ(k.MarginBottom(), 40);
  EXPECT_EQ(k.GridStyle(), GridStyleType::gsDotLines);
  EXPECT_EQ(k.GridDy(), 1.0);
  EXPECT_EQ(k.GridColor(), clSilver);
  EXPECT_EQ(k.ShadowWidth(), 1);
  EXPECT_EQ(k.ShadowStyle(), TShadowStyle::ssFlying);
  EXPECT_EQ(k.ShadowColor(), clBtnShadow);
  EXPECT_EQ(k.ShadowBakColor(), clBtnFace);
  EXPECT_EQ(k.CaptionPosX(), 220);
  EXPECT_EQ(k.CaptionPosY(), 4);
  EXPECT_EQ(k.CaptionAlignment(), TAlignment::taRightJustify);
  EXPECT_EQ(k.CaptionAnchorHoriz(), TCaptionAnchorHoriz::cahChartRight);
  EXPECT_EQ(k.CaptionAnchorVert(), TCaptionAnchorVert::cavChartTop);
  EXPECT_EQ(k.MouseAction(), TMouseActMode::maPan);
  EXPECT_FALSE(k.MouseCursorFixed()) << "the pointer shows the mouse action";
  for (int layer = 1; layer <= 16; ++layer) {
    EXPECT_EQ(k.JointLayers().XControlledBy(layer), layer);
    EXPECT_EQ(k.JointLayers().YControlledBy(layer), layer);
  }
  const TBakGndImg& b = k.BackGroundImg();
  EXPECT_FALSE(b.IncludePath());
  EXPECT_EQ(b.FillMode(), TBkgFill::bfStretch);
  EXPECT_EQ(b.AreaMode(), TBGAreaMode::bamNone);
  EXPECT_EQ(b.AreaColor(), 14540253u);
  EXPECT_EQ(b.AreaLeft(), -1.0);
  EXPECT_EQ(b.AreaRight(), 1.0);
  EXPECT_EQ(b.AreaTop(), 1.0);
  EXPECT_EQ(b.AreaBottom(), -1.0);
  for (int n = 1; n <= 4; ++n) {
    const TCrossHair& c = k.CrossHair(n);
    EXPECT_EQ(c.Color(), clBlack) << n;
    EXPECT_EQ(c.Layer(), 1) << n;
    EXPECT_EQ(c.Mode(), TCrossHMode::chOff) << n;
    EXPECT_EQ(c.LineType(), TPenStyle::psSolid) << n;
    EXPECT_EQ(c.LineWid(), 1) << n;
  }
  EXPECT_TRUE(k.Scale1X().Visible());
  EXPECT_EQ(k.Scale1X().ScaleLocation(), TScaleLocationHoriz::slBottom);
  EXPECT_EQ(k.Scale1X().RangeLow(), 0.0);
  EXPECT_EQ(k.Scale1X().RangeHigh(), 1.0);
  EXPECT_EQ(k.Scale1X().ColorScale(), clBlack);
  EXPECT_EQ(k.Scale1X().CaptionPosX(), 0);
  EXPECT_EQ(k.Scale1X().CaptionPosY(), 22);
  EXPECT_EQ(k.Scale1X().CaptionAlignment(), TAlignment::taCenter);
  EXPECT_EQ(k.Scale1X().CaptionAnchor(), TScaleUnitAnchor::uaSclCenter);
  ExpectCommonScale(k.Scale1X());
  EXPECT_TRUE(k.Scale1Y().Visible());
  EXPECT_EQ(k.Scale1Y().ScaleLocation(), TScaleLocationVert::slLeft);
  EXPECT_EQ(k.Scale1Y().RangeLow(), -3.0);
  EXPECT_EQ(k.Scale1Y().RangeHigh(), 3.0);
  EXPECT_EQ(k.Scale1Y().CaptionPosY(), -16);
  EXPECT_EQ(k.Scale1Y().CaptionAlignment(), TAlignment::taLeftJustify);
  EXPECT_EQ(k.Scale1Y().CaptionAnchor(), TScaleUnitAnchor::uaSclTopLft);
  ExpectCommonScale(k.Scale1Y());
  for (TScaleProps* s : {static_cast<TScaleProps*>(&k.Scale2X()), static_cast<TScaleProps*>(&k.Scale2Y())}) {
    EXPECT_FALSE(s->Visible());
    EXPECT_EQ(s->ColorScale(), clMaroon);
    EXPECT_EQ(s->CaptionPosX(), 10);
    EXPECT_EQ(s->CaptionPosY(), 100);
    EXPECT_EQ(s->RangeHigh(), 1.0);
    ExpectCommonScale(*s);
  }
  EXPECT_EQ(k.Scale2X().CaptionAnchor(), TScaleUnitAnchor::uaSclCenter);
  EXPECT_EQ(k.Scale2Y().CaptionAlignment(), TAlignment::taRightJustify);
  EXPECT_EQ(k.Scale2Y().CaptionAnchor(), TScaleUnitAnchor::uaSclTopLft);
  EXPECT_TRUE(k.TextFontStyle().Empty());
  EXPECT_EQ(k.TextBkStyle(), TTextBkg::tbClear);
  EXPECT_EQ(k.TextBkColor(), clWhite);
  EXPECT_EQ(k.FillColor(), clWhite) << "the text background is the fill colour";
  EXPECT_EQ(k.TextAlignment(), TAlignment::taCenter);
}

void ExpectStoredLabel(const TNumLab& l) {
  EXPECT_EQ(l.Value(), 5000.0);
  EXPECT_EQ(l.DisplayType(), TDisplay::dtInt);
  EXPECT_EQ(l.Alignment(), TAlignment::taCenter);
  EXPECT_EQ(l.LabelWidth(), 120);
  EXPECT_EQ(l.FrameStyle(), TFrameStyle::fsLowered);
  EXPECT_EQ(l.ColorScheme(), TColorScheme::csBWG);
  EXPECT_EQ(l.ColorLabBakG(), clSilver);
  EXPECT_EQ(l.ColorLabText(), clBlack);
  EXPECT_EQ(l.ColorOutBakG(), clBtnFace);
  EXPECT_EQ(l.ColorOutText(), clBlack);
  EXPECT_EQ(l.Precision(), 2);
  EXPECT_EQ(l.LeftSpace(), 1);
  EXPECT_EQ(l.LeftText(), "X:");
  EXPECT_EQ(l.OverflowIndicator(), "*********");
  EXPECT_EQ(l.StateText(), "undefined");
  EXPECT_EQ(l.DTFormat(), "mmm-dd, yyyy");
  EXPECT_FALSE(l.Comma());
  EXPECT_FALSE(l.Empty());
  EXPECT_FALSE(l.ForcePlusSign());
  EXPECT_FALSE(l.Transparent());
}

TEST(StoredLayout, GivesTheChartAndTheLabelEveryStoredValue) {
  OpenForm form;
  ExpectStoredChart(*form->Kurvex1);
  ExpectStoredLabel(*form->NLabDatPoi);
  EXPECT_EQ(form->ScrollBar1->LargeChange(), 100);
  EXPECT_EQ(form->ScrollBar1->PageSize(), 0);
}

TEST(StoredLayout, WritesAndReadsBackToTheSameForm) {
  OpenForm form;
  const std::string written = WriteLayout(*form);
  // A second form read from what the first one wrote holds the same values and writes
  // the same text again.
  auto copy = std::make_unique<TForm1>(nullptr, written, "written.json");
  ExpectStoredChart(*copy->Kurvex1);
  ExpectStoredLabel(*copy->NLabDatPoi);
  EXPECT_EQ(copy->Caption(), "Testing the drawing speed of KURVEX");
  EXPECT_EQ(copy->Width(), 568);
  EXPECT_EQ(copy->Height(), 499);
  EXPECT_EQ(copy->PixelsPerInch(), 120);
  EXPECT_TRUE(copy->RBPan->Checked());
  EXPECT_EQ(copy->ScrollBar1->Position(), 6);
  EXPECT_EQ(copy->LblT1->Caption(), "Time to draw internally: ----");
  EXPECT_EQ(WriteLayout(*copy), written);
}

TEST(StoredLayout, WrittenLayoutNamesTheHandlersAndTheChangedValues) {
  OpenForm form;
  const Json doc = LayoutToJson(*form);
  EXPECT_EQ(doc["class"], "TForm1");
  EXPECT_EQ(doc["properties"]["Caption"], "Testing the drawing speed of KURVEX");
  const Json& panel = doc["children"][0];
  EXPECT_EQ(panel["name"], "Panel1");
  const Json& chart = doc["children"][1];
  ASSERT_EQ(chart["name"], "Kurvex1");
  const Json& p = chart["properties"];
  EXPECT_EQ(p["AutoRedraw"], false);
  EXPECT_EQ(p["MarginLeft"], 60);
  EXPECT_EQ(p["MarginRight"], 16);
  EXPECT_EQ(p["GridStyle"], "gsDotLines");
  EXPECT_EQ(p["MouseAction"], "maPan");
  EXPECT_EQ(p["Scale1Y"]["RangeLow"], -3.0);
  EXPECT_EQ(p["Scale1X"]["Font"]["Height"], -13);
  EXPECT_EQ(p["Scale2X"]["ColorScale"], "clMaroon");
  EXPECT_FALSE(p.contains("LRim")) << "aliases are read, not written twice";
  bool start_bound = false;
  for (const Json& child : panel["children"]) {
    if (child["name"] == "ButStart") start_bound = child["properties"]["OnClick"] == "ButStartClick";
  }
  EXPECT_TRUE(start_bound);
}

TEST(StoredLayout, TheStateAfterUseSurvivesTheRoundTrip) {
  OpenForm form;
  // What using the window changes: the count, the x range, the mouse action, the times.
  form->ScrollBar1->SetPosition(9);
  form.ClickOn(*form->RBZoom);
  form->ButStart->Click();
  auto copy = std::make_unique<TForm1>(nullptr, WriteLayout(*form), "written.json");
  EXPECT_EQ(copy->ScrollBar1->Position(), 9);
  EXPECT_EQ(copy->NLabDatPoi->Value(), 50000.0);
  EXPECT_EQ(copy->Kurvex1->Scale1X().RangeHigh(), 50000.0);
  EXPECT_EQ(copy->Kurvex1->Scale1Y().RangeLow(), -5.0);
  EXPECT_EQ(copy->Kurvex1->MouseAction(), TMouseActMode::maZoomWindPos);
  EXPECT_TRUE(copy->RBZoom->Checked());
  EXPECT_FALSE(copy->RBPan->Checked());
  EXPECT_EQ(copy->LblT1->Caption(), form->LblT1->Caption());
  EXPECT_EQ(copy->Kurvex1->ItemCount(), 0u) << "items are data, not layout";
}

TEST(StoredLayout, AWrongValueIsReportedWithItsPath) {
  OpenForm form;
  Json doc = LayoutToJson(*form);
  doc["children"][1]["properties"]["Scale1X"]["DateFormat"]["DateSeparator"] = "--";
  try {
    TForm1 bad(nullptr, doc.dump(), "bad.json");
    FAIL() << "the layout was accepted";
  } catch (const ELayoutError& e) {
    EXPECT_EQ(e.Source(), "bad.json");
    EXPECT_NE(e.Path().find("Kurvex1"), std::string::npos) << e.Path();
    EXPECT_NE(e.Path().find("DateSeparator"), std::string::npos) << e.Path();
  }
}

TEST(StoredLayout, IsBuiltIntoTheProgram) {
  const std::string* text = FindResource(kForm1Layout);
  ASSERT_NE(text, nullptr);
  EXPECT_NE(text->find("\"TForm1\""), std::string::npos);
}

}  // namespace
}  // namespace kurvex
