#include "chart/model/chart_registry.h"

#include <string>

#include "chart/model/kurvex.h"
#include "platform/properties.h"
#include "scale/scale_registry.h"

namespace kurvex {

namespace {

void RegisterScaleProps() {
  auto c = RegisterPersistentClass<TScaleProps>("TScaleProps");
  c.String("Caption", &TScaleProps::Caption, &TScaleProps::SetCaption, "");
  c.Integer("CaptionPosX", &TScaleProps::CaptionPosX, &TScaleProps::SetCaptionPosX, 0);
  c.Integer("CaptionPosY", &TScaleProps::CaptionPosY, &TScaleProps::SetCaptionPosY, 0);
  c.Enum<TAlignment>("CaptionAlignment", &TScaleProps::CaptionAlignment, &TScaleProps::SetCaptionAlignment,
                     TAlignment::taCenter);
  c.Enum<TScaleUnitAnchor>("CaptionAnchor", &TScaleProps::CaptionAnchor, &TScaleProps::SetCaptionAnchor,
                           TScaleUnitAnchor::uaSclTopLft);
  c.Color("ColorScale", &TScaleProps::ColorScale, &TScaleProps::SetColorScale, 0);
  c.Object("DateFormat", [](TScaleProps& p) -> TPersistent& { return p.DateFormat(); });
  // The label type is read before the decimals and the logarithmic flag, because setting it
  // changes them (ftTime sets 4 decimals, ftDateTime clears the flag).
  c.Enum<TFigType>("LabelType", &TScaleProps::LabelType, &TScaleProps::SetLabelType, TFigType::ftNum);
  c.Integer("DecPlaces", &TScaleProps::DecPlaces, &TScaleProps::SetDecPlaces, -2);
  c.Object("Font", [](TScaleProps& p) -> TPersistent& { return p.Font(); });
  // Read before the range: while the chart loads, any value is taken.
  c.Boolean("Logarithmic", &TScaleProps::Logarithmic, &TScaleProps::SetLogarithmic, false);
  c.Integer("MinTicks", &TScaleProps::MinTicks, &TScaleProps::SetMinTicks, 3);
  c.Double("MinRange", &TScaleProps::MinRange, &TScaleProps::SetMinRange, 1e-10);
  c.Enum<TMouseActMode>("MouseAction", &TScaleProps::MouseAction, &TScaleProps::SetMouseAction,
                        TMouseActMode::maNone);
  c.Double("RangeLow", &TScaleProps::RangeLow, &TScaleProps::SetRangeLow, 0.0);
  c.Double("RangeHigh", &TScaleProps::RangeHigh, &TScaleProps::SetRangeHigh, 1.0);
  c.Boolean("ShortTicks", &TScaleProps::ShortTicks, &TScaleProps::SetShortTicks, true);
  c.String("ScaleInscript", &TScaleProps::ScaleInscript, &TScaleProps::SetScaleInscript, "");
  c.Integer("ScalePos", &TScaleProps::ScalePos, &TScaleProps::SetScalePos, 0);
  c.String("UserTickText", &TScaleProps::UserTickText, &TScaleProps::SetUserTickText, "");
  c.Boolean("Visible", &TScaleProps::Visible, &TScaleProps::SetVisible, false);

  auto h = RegisterPersistentClass<TScalePropsHoriz>("TScalePropsHoriz", "TScaleProps");
  h.Enum<TScaleLocationHoriz>("ScaleLocation", &TScalePropsHoriz::ScaleLocation, &TScalePropsHoriz::SetScaleLocation,
                              TScaleLocationHoriz::slBottom);
  auto v = RegisterPersistentClass<TScalePropsVert>("TScalePropsVert", "TScaleProps");
  v.Enum<TScaleLocationVert>("ScaleLocation", &TScalePropsVert::ScaleLocation, &TScalePropsVert::SetScaleLocation,
                             TScaleLocationVert::slLeft);
}

void RegisterSubObjects() {
  auto ch = RegisterPersistentClass<TCrossHair>("TCrossHair");
  ch.Double("PosX", &TCrossHair::PosX, &TCrossHair::SetPosX, 0.0);
  ch.Double("PosY", &TCrossHair::PosY, &TCrossHair::SetPosY, 0.0);
  ch.Color("Color", &TCrossHair::Color, &TCrossHair::SetColor, clRed);
  ch.Enum<TCrossHMode>("Mode", &TCrossHair::Mode, &TCrossHair::SetMode, TCrossHMode::chOff);
  ch.Enum<TPenStyle>("LineType", &TCrossHair::LineType, &TCrossHair::SetLineType, TPenStyle::psDashDotDot);
  ch.Integer("LineWid", &TCrossHair::LineWid, &TCrossHair::SetLineWid, 1);
  ch.Integer("Layer", &TCrossHair::Layer, &TCrossHair::SetLayer);  // differs per crosshair: always written

  auto img = RegisterPersistentClass<TBakGndImg>("TBakGndImg");
  // IncludePath is read before Name, so that a stored path is not cut to its file name.
  img.Boolean("IncludePath", &TBakGndImg::IncludePath, &TBakGndImg::SetIncludePath, false);
  img.String("Name", &TBakGndImg::Name, &TBakGndImg::SetName, "");
  img.Enum<TBkgFill>("FillMode", &TBakGndImg::FillMode, &TBakGndImg::SetFillMode, TBkgFill::bfStretch);
  img.Enum<TBGAreaMode>("AreaMode", &TBakGndImg::AreaMode, &TBakGndImg::SetAreaMode, TBGAreaMode::bamNone);
  img.Color("AreaColor", &TBakGndImg::AreaColor, &TBakGndImg::SetAreaColor, 0xDDDDDD);
  img.Double("AreaLeft", &TBakGndImg::AreaLeft, &TBakGndImg::SetAreaLeft, -1.0);
  img.Double("AreaRight", &TBakGndImg::AreaRight, &TBakGndImg::SetAreaRight, 1.0);
  img.Double("AreaTop", &TBakGndImg::AreaTop, &TBakGndImg::SetAreaTop, 1.0);
  img.Double("AreaBottom", &TBakGndImg::AreaBottom, &TBakGndImg::SetAreaBottom, -1.0);

  auto jl = RegisterPersistentClass<TJointLayers>("TJointLayers");
  for (int layer = 1; layer <= TJointLayers::kLayers; ++layer) {
    const std::string digits = (layer < 10 ? "0" : "") + std::to_string(layer);
    jl.Integer(
        "L" + digits + "xControlledBy", [layer](const TJointLayers& j) { return j.XControlledBy(layer); },
        [layer](TJointLayers& j, int k) { j.SetXControlledBy(layer, k); }, layer);
    jl.Integer(
        "L" + digits + "yControlledBy", [layer](const TJointLayers& j) { return j.YControlledBy(layer); },
        [layer](TJointLayers& j, int k) { j.SetYControlledBy(layer, k); }, layer);
  }

  auto tl = RegisterPersistentClass<TTextLabel>("TTextLabel");
  tl.Double("PosX", &TTextLabel::PosX, &TTextLabel::SetPosX, 100.0);
  tl.Double("PosY", &TTextLabel::PosY, &TTextLabel::SetPosY, 10.0);
  tl.Integer("Layer", &TTextLabel::Layer, &TTextLabel::SetLayer, 1);
  tl.Enum<TTxtLblAttachMode>("AttachToData", &TTextLabel::AttachToData, &TTextLabel::SetAttachToData,
                             TTxtLblAttachMode::tlamNone);
  tl.Color("ColorBkg", &TTextLabel::ColorBkg, &TTextLabel::SetColorBkg, 0xC0C0C0);
  tl.Color("ColorBorder", &TTextLabel::ColorBorder, &TTextLabel::SetColorBorder, 0);
  tl.Color("ColorShadow", &TTextLabel::ColorShadow, &TTextLabel::SetColorShadow, 0x808080);
  tl.Integer("ShadowDx", &TTextLabel::ShadowDx, &TTextLabel::SetShadowDx, 0);
  tl.Integer("ShadowDy", &TTextLabel::ShadowDy, &TTextLabel::SetShadowDy, 0);
  tl.Boolean("Transparent", &TTextLabel::Transparent, &TTextLabel::SetTransparent, false);
  tl.Enum<TAlignment>("Alignment", &TTextLabel::Alignment, &TTextLabel::SetAlignment, TAlignment::taCenter);
  tl.Enum<TVerticalAlignment>("VerticalAlignment", &TTextLabel::VerticalAlignment, &TTextLabel::SetVerticalAlignment,
                              TVerticalAlignment::vaBottom);
  tl.Object("Font", [](TTextLabel& l) -> TPersistent& { return l.Font(); });
  tl.Enum<TTxtLblMode>("Mode", &TTextLabel::Mode, &TTextLabel::SetMode, TTxtLblMode::tlsimple);
  tl.String("Caption", &TTextLabel::Caption, &TTextLabel::SetCaption, "");
  tl.Boolean("Visible", &TTextLabel::Visible, &TTextLabel::SetVisible, true);
}

void RegisterKurvex() {
  using K = TCustomKurvex;
  auto c = RegisterClass<TKurvex>("TKurvex", "TCustomControl");
  c.Boolean("AvoidDuplicateMarks", &K::AvoidDuplicateMarks, &K::SetAvoidDuplicateMarks, false);
  c.Integer("AllocSize", &K::AllocSize, &K::SetAllocSize, 1000);
  c.Boolean("AutoRedraw", &K::AutoRedraw, &K::SetAutoRedraw, true);
  // The margins' defaults are the values a new chart holds (50, 20, 20, 40). Defaults of
  // 50, 10, 16, 32 would leave a margin of 10, 16 or 32 unwritten, and reading the layout
  // back would give the new chart's 20, 20 or 40 instead.
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
  c.Object("BackGroundImg", [](TKurvex& k) -> TPersistent& { return k.BackGroundImg(); });
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
  c.Object("JointLayers", [](TKurvex& k) -> TPersistent& { return k.JointLayers(); });
  c.Integer("LineWidth", &K::LineWidth, &K::SetLineWidth, 1);
  c.String("Caption", &K::Caption, &K::SetCaption, "");
  c.Integer("CaptionPosX", &K::CaptionPosX, &K::SetCaptionPosX, 0);
  c.Integer("CaptionPosY", &K::CaptionPosY, &K::SetCaptionPosY, -16);
  c.Enum<TAlignment>("CaptionAlignment", &K::CaptionAlignment, &K::SetCaptionAlignment,
                     TAlignment::taRightJustify);
  c.Enum<TCaptionAnchorHoriz>("CaptionAnchorHoriz", &K::CaptionAnchorHoriz, &K::SetCaptionAnchorHoriz,
                              TCaptionAnchorHoriz::cahChartRight);
  c.Enum<TCaptionAnchorVert>("CaptionAnchorVert", &K::CaptionAnchorVert, &K::SetCaptionAnchorVert,
                             TCaptionAnchorVert::cavChartTop);
  c.Integer("CaptionTrim", &K::CaptionTrim, &K::SetCaptionTrim, 100);
  c.Color("MouseTraceColor", &K::MouseTraceColor, &K::SetMouseTraceColor, clWhite);
  c.Boolean("MouseTraceInvert", &K::MouseTraceInvert, &K::SetMouseTraceInvert, true);
  for (int n = 1; n <= 4; ++n) {
    c.Object("CrossHair" + std::to_string(n), [n](TKurvex& k) -> TPersistent& { return k.CrossHair(n); });
  }
  c.Enum<TMouseActMode>("MouseAction", &K::MouseAction, &K::SetMouseAction, TMouseActMode::maNone);
  c.Boolean("MouseCursorFixed", &K::MouseCursorFixed, &K::SetMouseCursorFixed, true);
  c.Double("PanGridDx", &K::PanGridDx, &K::SetPanGridDx, 1.0);
  c.Double("PanGridDy", &K::PanGridDy, &K::SetPanGridDy, 1.0);
  c.Double("PanGridOffsX", &K::PanGridOffsX, &K::SetPanGridOffsX, 0.0);
  c.Double("PanGridOffsY", &K::PanGridOffsY, &K::SetPanGridOffsY, 0.0);
  // A new chart gives every axis its own colour, side, position and visibility, so no
  // single default fits all eight objects: each is written in full.
  for (int n = 1; n <= 4; ++n) {
    c.Object("Scale" + std::to_string(n) + "X", [n](TKurvex& k) -> TPersistent& { return k.ScaleXProps(n); })
        .WriteAllValues();
  }
  for (int n = 1; n <= 4; ++n) {
    c.Object("Scale" + std::to_string(n) + "Y", [n](TKurvex& k) -> TPersistent& { return k.ScaleYProps(n); })
        .WriteAllValues();
  }
  c.Enum<TkxLayout>("StandardLayout", &K::StandardLayout, &K::SetStandardLayout).NotStored();
  c.Integer("ShadowWidth", &K::ShadowWidth, &K::SetShadowWidth, 0);
  c.Enum<TShadowStyle>("ShadowStyle", &K::ShadowStyle, &K::SetShadowStyle, TShadowStyle::ssFlying);
  c.Color("ShadowColor", &K::ShadowColor, &K::SetShadowColor, clGrayText);
  c.Color("ShadowBakColor", &K::ShadowBakColor, &K::SetShadowBakColor, clBtnFace);
  c.Component<TCustomKurvex>("UseDataOf", &K::UseDataOf, &K::SetUseDataOf);
  c.Object("TextFont", [](TKurvex& k) -> TPersistent& { return k.TextFont(); });
  // TextFontStyle and TextBkColor are other names of values stored above (TextFont's
  // style, FillColor): read, never written twice.
  c.Set<TFontStyle>("TextFontStyle", &K::TextFontStyle, &K::SetTextFontStyle).NotStored();
  c.Enum<TTextBkg>("TextBkStyle", &K::TextBkStyle, &K::SetTextBkStyle, TTextBkg::tbClear);
  c.Color("TextBkColor", &K::TextBkColor, &K::SetTextBkColor).NotStored();
  c.Enum<TAlignment>("TextAlignment", &K::TextAlignment, &K::SetTextAlignment, TAlignment::taCenter);

  c.Event("OnMouseMoveInChart", &K::OnMouseMoveInChart);
  c.Event("OnRubberBand", &K::OnRubberBand);
  c.Event("OnSelectRect", &K::OnSelectRect);
  c.Event("OnZoomPan", &K::OnZoomPan);
  c.Event("OnBeforeCrossHairMove", &K::OnBeforeCrossHairMove);
  c.Event("OnCrossHairMove", &K::OnCrossHairMove);
  c.Event("OnTextLabelMove", &K::OnTextLabelMove);
  c.Event("OnScaleTickDrawn", &K::OnScaleTickDrawn);
  c.Event("OnBeforeTickLabel", &K::OnBeforeTickLabel);
  c.Event("OnBeforeRenderData", &K::OnBeforeRenderData);
  c.Event("OnDataRendered", &K::OnDataRendered);
  c.Event("OnScalesRendered", &K::OnScalesRendered);
  c.Event("OnBeforeRenderChartItem", &K::OnBeforeRenderChartItem);
  c.Event("OnBeforeRenderText", &K::OnBeforeRenderText);
}

}  // namespace

void RegisterChartClasses() {
  RegisterScaleClasses();
  RegisterScaleProps();
  RegisterSubObjects();
  RegisterKurvex();
}

}  // namespace kurvex
