#include "scale/scale_registry.h"

#include "platform/properties.h"
#include "scale/scale.h"

namespace kurvex {

namespace {

// A separator character is written as a one-character text ("" for character 0).
std::string CharText(char c) { return c == '\0' ? std::string() : std::string(1, c); }
char TextChar(const std::string& text) {
  if (text.size() > 1) throw EPropertyValue("expected a single character, got \"" + text + "\"");
  return text.empty() ? '\0' : text[0];
}

void RegisterDTLabel() {
  // The declared defaults are those a scale gives its format, where every format lives.
  auto c = RegisterPersistentClass<TDTLabel>("TDTLabel");
  c.Enum<TTimeFormat>("TimeFormat", &TDTLabel::TimeFormat, &TDTLabel::SetTimeFormat, TTimeFormat::tfHHMMSS);
  c.String(
      "DateSeparator", [](const TDTLabel& l) { return CharText(l.DateSeparator()); },
      [](TDTLabel& l, const std::string& v) { l.SetDateSeparator(TextChar(v)); }, "-");
  c.String(
      "TimeSeparator", [](const TDTLabel& l) { return CharText(l.TimeSeparator()); },
      [](TDTLabel& l, const std::string& v) { l.SetTimeSeparator(TextChar(v)); }, ":");
  c.Enum<TYearLength>("YearLength", &TDTLabel::YearLength, &TDTLabel::SetYearLength, TYearLength::ylYYYY);
  c.Boolean("MonthName", &TDTLabel::MonthName, &TDTLabel::SetMonthName, true);
  c.Enum<TDateOrder>("DateOrder", &TDTLabel::DateOrder, &TDTLabel::SetDateOrder, TDateOrder::doDDMMYY);
  c.Enum<TDateForTime>("DateForTime", &TDTLabel::DateForTime, &TDTLabel::SetDateForTime,
                       TDateForTime::dtOnePerDay);
}

void RegisterScale() {
  auto c = RegisterClass<TScale>("TScale", "TCustomControl");
  c.String("Caption", &TScale::Caption, &TScale::SetCaption, "");
  c.Integer("CaptionPosX", &TScale::CaptionPosX, &TScale::SetCaptionPosX, 4);
  c.Integer("CaptionPosY", &TScale::CaptionPosY, &TScale::SetCaptionPosY, 4);
  c.Enum<TAlignment>("CaptionAlignment", &TScale::CaptionAlignment, &TScale::SetCaptionAlignment,
                     TAlignment::taCenter);
  c.Enum<TScaleUnitAnchor>("CaptionAnchor", &TScale::CaptionAnchor, &TScale::SetCaptionAnchor,
                           TScaleUnitAnchor::uaSclTopLft);
  c.Color("ColorBackGnd", &TScale::ColorBackGnd, &TScale::SetColorBackGnd, clBtnFace);
  c.Color("ColorScale", &TScale::ColorScale, &TScale::SetColorScale, clBlack);
  c.Enum<TColorScheme>("ColorScheme", &TScale::ColorScheme, &TScale::SetColorScheme, TColorScheme::csBWG);
  c.Object("DateFormat", [](TScale& s) -> TPersistent& { return s.DateFormat(); });
  c.Integer("DecPlaces", &TScale::DecPlaces, &TScale::SetDecPlaces, -2);
  c.Enum<TFrameStyle>("FrameStyle", &TScale::FrameStyle, &TScale::SetFrameStyle, TFrameStyle::fsLowered);
  c.Enum<TFigType>("LabelType", &TScale::LabelType, &TScale::SetLabelType, TFigType::ftNum);
  c.Boolean("Logarithmic", &TScale::Logarithmic, &TScale::SetLogarithmic, false);
  c.Integer("MarginTop", &TScale::MarginTop, &TScale::SetMarginTop, 20);
  c.Integer("MarginBottom", &TScale::MarginBottom, &TScale::SetMarginBottom, 20);
  c.Integer("MarginLeft", &TScale::MarginLeft, &TScale::SetMarginLeft, 20);
  c.Integer("MarginRight", &TScale::MarginRight, &TScale::SetMarginRight, 20);
  c.Integer("MinTicks", &TScale::MinTicks, &TScale::SetMinTicks, 3);
  c.Enum<TMouseActMode>("MouseAction", &TScale::MouseAction, &TScale::SetMouseAction, TMouseActMode::maNone);
  c.Double("RangeLow", &TScale::RangeLow, &TScale::SetRangeLow, 0.0);
  c.Double("RangeHigh", &TScale::RangeHigh, &TScale::SetRangeHigh, 100.0);
  c.Boolean("ShortTicks", &TScale::ShortTicks, &TScale::SetShortTicks, true);
  c.Boolean("ShowBaseLine", &TScale::ShowBaseLine, &TScale::SetShowBaseLine, true);
  c.String("ScaleInscript", &TScale::ScaleInscript, &TScale::SetScaleInscript, "");
  c.String("UserTickText", &TScale::UserTickText, &TScale::SetUserTickText, "");
  c.Enum<TScaleType>("ScaleType", &TScale::ScaleType, &TScale::SetScaleType, TScaleType::sctXB);
  c.Boolean("Transparent", &TScale::Transparent, &TScale::SetTransparent, false);
  c.Event("OnZoomPan", &TScale::OnZoomPan);
  c.Event("OnScaleTickDrawn", &TScale::OnScaleTickDrawn);
  c.Event("OnBeforeTickLabel", &TScale::OnBeforeTickLabel);
  c.Event("OnAfterScaleRendered", &TScale::OnAfterScaleRendered);
  c.Event("OnBeforeScaleRendered", &TScale::OnBeforeScaleRendered);
}

}  // namespace

void RegisterScaleClasses() {
  RegisterPlatformClasses();
  RegisterDTLabel();
  RegisterScale();
}

}  // namespace kurvex
