// Published properties of TKurvex and its owned settings objects, for stored layouts.
//
// Declared defaults are the values a freshly constructed chart holds, so that reading back
// a written layout restores every value: a value equal to its default is left out of the
// layout, and a new chart already holds it. The axis settings and the crosshairs differ
// from chart to chart (the standard layout makes Scale1X and Scale1Y visible, crosshair n
// uses layer n), so they are written with all their values.

#include <string>

#include "chart/model/kurvex.h"
#include "chart/model/kurvex_classes.h"
#include "platform/properties.h"

namespace kurvex {

namespace {

// A single character written as a one-character string.
std::string CharText(char c) { return c == '\0' ? std::string() : std::string(1, c); }

char TextChar(const std::string& s) {
  if (s.size() > 1) throw EPropertyValue("expected a single character, got \"" + s + "\"");
  return s.empty() ? '\0' : s[0];
}

void RegisterDateFormat() {
  auto d = RegisterPersistentClass<TDTLabel>("TDTLabel");
  d.Enum<TTimeFormat>("TimeFormat", &TDTLabel::TimeFormat, &TDTLabel::SetTimeFormat, TTimeFormat::tfHHMMSS);
  d.String(
      "DateSeparator", [](const TDTLabel& l) { return CharText(l.DateSeparator()); },
      [](TDTLabel& l, const std::string& s) { l.SetDateSeparator(TextChar(s)); }, "-");
  d.String(
      "TimeSeparator", [](const TDTLabel& l) { return CharText(l.TimeSeparator()); },
      [](TDTLabel& l, const std::string& s) { l.SetTimeSeparator(TextChar(s)); }, ":");
  d.Enum<TYearLength>("YearLength", &TDTLabel::YearLength, &TDTLabel::SetYearLength, TYearLength::ylYYYY);
  d.Boolean("MonthName", &TDTLabel::MonthName, &TDTLabel::SetMonthName, true);
  d.Enum<TDateOrder>("DateOrder", &TDTLabel::DateOrder, &TDTLabel::SetDateOrder, TDateOrder::doDDMMYY);
  d.Enum<TDateForTime>("DateForTime", &TDTLabel::DateForTime, &TDTLabel::SetDateForTime,
                       TDateForTime::dtOnePerDay);
}

// The settings both axis directions share. The order is the order of reading: the side
// (which picks the position store) before ScalePos, the label type (which may set the
// decimals) before DecPlaces, MinRange before the range ends that it constrains.
template <class T>
void RegisterScaleCommon(ClassRegistration<T>& s) {
  s.String("Caption", &T::Caption, &T::SetCaption, "");
  s.Integer("CaptionPosX", &T::CaptionPosX, &T::SetCaptionPosX, 0);
  s.Integer("CaptionPosY", &T::CaptionPosY, &T::SetCaptionPosY, 0);
  s.template Enum<TAlignment>("CaptionAlignment", &T::CaptionAlignment, &T::SetCaptionAlignment,
                              TAlignment::taCenter);
  s.template Enum<TScaleUnitAnchor>("CaptionAnchor", &T::CaptionAnchor, &T::SetCaptionAnchor,
                                    TScaleUnitAnchor::uaSclTopLft);
  s.Color("ColorScale", &T::ColorScale, &T::SetColorScale, clBlack);
  s.Object("DateFormat", [](T& p) -> TPersistent& { return p.DateFormat(); });
  s.template Enum<TFigType>("LabelType", &T::LabelType, &T::SetLabelType, TFigType::ftNum);
  s.Integer("DecPlaces", &T::DecPlaces, &T::SetDecPlaces, -2);
  s.Object("Font", [](T& p) -> TPersistent& { return p.Font(); });
  s.Integer("MinTicks", &T::MinTicks, &T::SetMinTicks, 3);
  s.Double("MinRange", &T::MinRange, &T::SetMinRange, 1e-10);
  s.template Enum<TMouseActMode>("MouseAction", &T::MouseAction, &T::SetMouseAction, TMouseActMode::maNone);
  s.Double("RangeLow", &T::RangeLow, &T::SetRangeLow, 0.0);
  s.Double("RangeHigh", &T::RangeHigh, &T::SetRangeHigh, 1.0);
  // Logarithmic after the range: outside loading it is refused on a range it cannot show.
  s.Boolean("Logarithmic", &T::Logarithmic, &T::SetLogarithmic, false);
  s.Boolean("ShortTicks", &T::ShortTicks, &T::SetShortTicks, true);
  s.String("ScaleInscript", &T::ScaleInscript, &T::SetScaleInscript, "");
  s.Integer("ScalePos", &T::ScalePos, &T::SetScalePos, 0);
  s.String("UserTickText", &T::UserTickText, &T::SetUserTickText, "");
  s.Boolean("Visible", &T::Visible, &T::SetVisible, false);
}

void RegisterScaleProps() {
  auto x = RegisterPersistentClass<TScalePropsHoriz>("TScalePropsHoriz");
  x.Enum<TScaleLocationHoriz>("ScaleLocation", &TScalePropsHoriz::ScaleLocation,
                              &TScalePropsHoriz::SetScaleLocation, TScaleLocationHoriz::slBottom);
  RegisterScaleCommon(x);
  auto y = RegisterPersistentClass<TScalePropsVert>("TScalePropsVert");
  y.Enum<TScaleLocationVert>("ScaleLocation", &TScalePropsVert::ScaleLocation, &TScalePropsVert::SetScaleLocation,
                             TScaleLocationVert::slLeft);
  RegisterScaleCommon(y);
}

void RegisterCrossHair() {
  auto c = RegisterPersistentClass<TCrossHair>("TCrossHair");
  c.Double("PosX", &TCrossHair::PosX, &TCrossHair::SetPosX, 0.0);
  c.Double("PosY", &TCrossHair::PosY, &TCrossHair::SetPosY, 0.0);
  c.Color("Color", &TCrossHair::Color, &TCrossHair::SetColor, clRed);
  c.Enum<TCrossHMode>("Mode", &TCrossHair::Mode, &TCrossHair::SetMode, TCrossHMode::chOff);
  c.Enum<TPenStyle>("LineType", &TCrossHair::LineType, &TCrossHair::SetLineType, TPenStyle::psDashDotDot);
  c.Integer("LineWid", &TCrossHair::LineWid, &TCrossHair::SetLineWid, 1);
  c.Integer("Layer", &TCrossHair::Layer, &TCrossHair::SetLayer);
}

void RegisterBackground() {
  auto b = RegisterPersistentClass<TBakGndImg>("TBakGndImg");
  // IncludePath before Name: without it only the file name part of Name is kept.
  b.Boolean("IncludePath", &TBakGndImg::IncludePath, &TBakGndImg::SetIncludePath, false);
  b.String("Name", &TBakGndImg::Name, &TBakGndImg::SetName, "");
  b.Enum<TBkgFill>("FillMode", &TBakGndImg::FillMode, &TBakGndImg::SetFillMode, TBkgFill::bfStretch);
  b.Enum<TBGAreaMode>("AreaMode", &TBakGndImg::AreaMode, &TBakGndImg::SetAreaMode, TBGAreaMode::bamNone);
  b.Color("AreaColor", &TBakGndImg::AreaColor, &TBakGndImg::SetAreaColor, 0xDDDDDD);
  b.Double("AreaLeft", &TBakGndImg::AreaLeft, &TBakGndImg::SetAreaLeft, -1.0);
  b.Double("AreaRight", &TBakGndImg::AreaRight, &TBakGndImg::SetAreaRight, 1.0);
  b.Double("AreaTop", &TBakGndImg::AreaTop, &TBakGndImg::SetAreaTop, 1.0);
  b.Double("AreaBottom", &TBakGndImg::AreaBottom, &TBakGndImg::SetAreaBottom, -1.0);
}

// L01xControlledBy, L01yControlledBy, ..., L16yControlledBy; each layer its own master by
// default.
void RegisterJointLayers() {
  auto j = RegisterPersistentClass<TJointLayers>("TJointLayers");
  for (int n = 1; n <= TJointLayers::kLayers; ++n) {
    const std::string layer = (n < 10 ? "L0" : "L") + std::to_string(n);
    j.Integer(
        layer + "xControlledBy", [n](const TJointLayers& t) { return t.XControlledBy(n); },
        [n](TJointLayers& t, int k) { t.SetXControlledBy(n, k); }, n);
    j.Integer(
        layer + "yControlledBy", [n](const TJointLayers& t) { return t.YControlledBy(n); },
        [n](TJointLayers& t, int k) { t.SetYControlledBy(n, k); }, n);
  }
}

void RegisterChartProperties(ClassRegistration<TKurvex>& c) {
  using K = TKurvex;
  // A new chart is 280 x 200; the inherited size gets these as defaults.
  c.Integer("Width", &K::Width, &K::SetWidth, 280);
  c.Integer("Height", &K::Height, &K::SetHeight, 200);
  c.Boolean("AvoidDuplicateMarks", &K::AvoidDuplicateMarks, &K::SetAvoidDuplicateMarks, false);
  c.Integer("AllocSize", &K::AllocSize, &K::SetAllocSize, 1000);
  c.Boolean("AutoRedraw", &K::AutoRedraw, &K::SetAutoRedraw, true);
  c.Integer("MarginLeft", &K::MarginLeft, &K::SetMarginLeft, 50);
  c.Integer("MarginRight", &K::MarginRight, &K::SetMarginRight, 20);
  c.Integer("MarginTop", &K::MarginTop, &K::SetMarginTop, 20);
  c.Integer("MarginBottom", &K::MarginBottom, &K::SetMarginBottom, 40);
  c.Integer("MinDupMarkDist", &K::MinDupMarkDist, &K::SetMinDupMarkDist, 1);
  // The margins under their other names: read, never written twice.
  c.Integer("LRim", &K::LRim, &K::SetLRim).NotStored();
  c.Integer("RRim", &K::RRim, &K::SetRRim).NotStored();
  c.Integer("TRim", &K::TRim, &K::SetTRim).NotStored();
  c.Integer("BRim", &K::BRim, &K::SetBRim).NotStored();
  c.Object("BackGroundImg", [](K& k) -> TPersistent& { return k.BackGroundImg(); });
  c.Integer("ClassDefault", &K::ClassDefault, &K::SetClassDefault, 0);
  c.Enum<GridStyleType>("GridStyle", &K::GridStyle, &K::SetGridStyle, GridStyleType::gsNone);
  c.Double("GridDx", &K::GridDx, &K::SetGridDx, 0.0);
  c.Double("GridDy", &K::GridDy, &K::SetGridDy, 0.0);
  c.Boolean("Isometric", &K::Isometric, &K::SetIsometric, false);
  c.Color("DataColor", &K::DataColor, &K::SetDataColor, clBlack);
  c.Enum<TPenStyle>("PenStyle", &K::PenStyle, &K::SetPenStyle, TPenStyle::psSolid);
  c.Color("ChartFrameColor", &K::ChartFrameColor, &K::SetChartFrameColor, clBlack);
  c.Color("FillColor", &K::FillColor, &K::SetFillColor, clSilver);
  c.Color("ChartColor", &K::ChartColor, &K::SetChartColor, clWhite);
  c.Color("WindColor", &K::WindColor, &K::SetWindColor, clBtnFace);
  c.Color("GridColor", &K::GridColor, &K::SetGridColor, clBlack);
  c.Object("JointLayers", [](K& k) -> TPersistent& { return k.JointLayers(); });
  c.Integer("LineWidth", &K::LineWidth, &K::SetLineWidth, 1);
  c.String("Caption", &K::Caption, &K::SetCaption, "");
  c.Integer("CaptionPosX", &K::CaptionPosX, &K::SetCaptionPosX, 0);
  c.Integer("CaptionPosY", &K::CaptionPosY, &K::SetCaptionPosY, -16);
  c.Enum<TAlignment>("CaptionAlignment", &K::CaptionAlignment, &K::SetCaptionAlignment, TAlignment::taRightJustify);
  c.Enum<TCaptionAnchorHoriz>("CaptionAnchorHoriz", &K::CaptionAnchorHoriz, &K::SetCaptionAnchorHoriz,
                              TCaptionAnchorHoriz::cahChartRight);
  c.Enum<TCaptionAnchorVert>("CaptionAnchorVert", &K::CaptionAnchorVert, &K::SetCaptionAnchorVert,
                             TCaptionAnchorVert::cavChartTop);
  c.Integer("CaptionTrim", &K::CaptionTrim, &K::SetCaptionTrim, 100);
  c.Color("MouseTraceColor", &K::MouseTraceColor, &K::SetMouseTraceColor, clWhite);
  c.Boolean("MouseTraceInvert", &K::MouseTraceInvert, &K::SetMouseTraceInvert, true);
  c.Object("CrossHair1", [](K& k) -> TPersistent& { return k.CrossHair1(); }).WriteAllValues();
  c.Object("CrossHair2", [](K& k) -> TPersistent& { return k.CrossHair2(); }).WriteAllValues();
  c.Object("CrossHair3", [](K& k) -> TPersistent& { return k.CrossHair3(); }).WriteAllValues();
  c.Object("CrossHair4", [](K& k) -> TPersistent& { return k.CrossHair4(); }).WriteAllValues();
  c.Enum<TMouseActMode>("MouseAction", &K::MouseAction, &K::SetMouseAction, TMouseActMode::maNone);
  c.Boolean("MouseCursorFixed", &K::MouseCursorFixed, &K::SetMouseCursorFixed, true);
  c.Double("PanGridDx", &K::PanGridDx, &K::SetPanGridDx, 1.0);
  c.Double("PanGridDy", &K::PanGridDy, &K::SetPanGridDy, 1.0);
  c.Double("PanGridOffsX", &K::PanGridOffsX, &K::SetPanGridOffsX, 0.0);
  c.Double("PanGridOffsY", &K::PanGridOffsY, &K::SetPanGridOffsY, 0.0);
  c.Object("Scale1X", [](K& k) -> TPersistent& { return k.Scale1X(); }).WriteAllValues();
  c.Object("Scale2X", [](K& k) -> TPersistent& { return k.Scale2X(); }).WriteAllValues();
  c.Object("Scale3X", [](K& k) -> TPersistent& { return k.Scale3X(); }).WriteAllValues();
  c.Object("Scale4X", [](K& k) -> TPersistent& { return k.Scale4X(); }).WriteAllValues();
  c.Object("Scale1Y", [](K& k) -> TPersistent& { return k.Scale1Y(); }).WriteAllValues();
  c.Object("Scale2Y", [](K& k) -> TPersistent& { return k.Scale2Y(); }).WriteAllValues();
  c.Object("Scale3Y", [](K& k) -> TPersistent& { return k.Scale3Y(); }).WriteAllValues();
  c.Object("Scale4Y", [](K& k) -> TPersistent& { return k.Scale4Y(); }).WriteAllValues();
  c.Enum<TkxLayout>("StandardLayout", &K::StandardLayout, &K::SetStandardLayout).NotStored();
  c.Integer("ShadowWidth", &K::ShadowWidth, &K::SetShadowWidth, 0);
  c.Enum<TShadowStyle>("ShadowStyle", &K::ShadowStyle, &K::SetShadowStyle, TShadowStyle::ssFlying);
  c.Color("ShadowColor", &K::ShadowColor, &K::SetShadowColor, clGrayText);
  c.Color("ShadowBakColor", &K::ShadowBakColor, &K::SetShadowBakColor, clBtnFace);
  c.Component<TCustomKurvex>("UseDataOf", &K::UseDataOf, &K::SetUseDataOf);
  c.Object("TextFont", [](K& k) -> TPersistent& { return k.TextFont(); });
  // TextFontStyle is TextFont's style and TextBkColor is FillColor: read, written once.
  c.Set<TFontStyle>("TextFontStyle", &K::TextFontStyle, &K::SetTextFontStyle, TFontStyles{}).NotStored();
  c.Enum<TTextBkg>("TextBkStyle", &K::TextBkStyle, &K::SetTextBkStyle, TTextBkg::tbClear);
  c.Color("TextBkColor", &K::TextBkColor, &K::SetTextBkColor, clSilver).NotStored();
  c.Enum<TAlignment>("TextAlignment", &K::TextAlignment, &K::SetTextAlignment, TAlignment::taCenter);
}

void RegisterChartEvents(ClassRegistration<TKurvex>& c) {
  c.Event("OnMouseMoveInChart", &TCustomKurvex::OnMouseMoveInChart);
  c.Event("OnRubberBand", &TCustomKurvex::OnRubberBand);
  c.Event("OnSelectRect", &TCustomKurvex::OnSelectRect);
  c.Event("OnZoomPan", &TCustomKurvex::OnZoomPan);
  c.Event("OnBeforeCrossHairMove", &TCustomKurvex::OnBeforeCrossHairMove);
  c.Event("OnCrossHairMove", &TCustomKurvex::OnCrossHairMove);
  c.Event("OnTextLabelMove", &TCustomKurvex::OnTextLabelMove);
  c.Event("OnScaleTickDrawn", &TCustomKurvex::OnScaleTickDrawn);
  c.Event("OnBeforeTickLabel", &TCustomKurvex::OnBeforeTickLabel);
  c.Event("OnBeforeRenderData", &TCustomKurvex::OnBeforeRenderData);
  c.Event("OnDataRendered", &TCustomKurvex::OnDataRendered);
  c.Event("OnScalesRendered", &TCustomKurvex::OnScalesRendered);
  c.Event("OnBeforeRenderChartItem", &TCustomKurvex::OnBeforeRenderChartItem);
  c.Event("OnBeforeRenderText", &TCustomKurvex::OnBeforeRenderText);
}

}  // namespace

void RegisterKurvexClasses() {
  static const bool registered = [] {
    RegisterPlatformClasses();
    RegisterDateFormat();
    RegisterScaleProps();
    RegisterCrossHair();
    RegisterBackground();
    RegisterJointLayers();
    RegisterClass<TCustomKurvex>("TCustomKurvex", "TCustomControl", nullptr);
    auto c = RegisterClass<TKurvex>("TKurvex", "TCustomKurvex");
    RegisterChartProperties(c);
    RegisterChartEvents(c);
    return true;
  }();
  (void)registered;
}

}  // namespace kurvex
