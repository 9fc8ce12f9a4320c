// Published properties of TNumLab, for stored layouts.

#include "numlab/numlab.h"
#include "platform/properties.h"

namespace kurvex {

void RegisterNumLabClasses() {
  static const bool registered = [] {
    RegisterPlatformClasses();
    auto c = RegisterClass<TNumLab>("TNumLab", "TGraphicControl");
    // The inherited size gets the label's own creation values as defaults.
    c.Integer("Width", &TNumLab::Width, &TNumLab::SetWidth, TNumLab::kDefaultWidth);
    c.Integer("Height", &TNumLab::Height, &TNumLab::SetHeight, TNumLab::kDefaultHeight);
    c.Integer("LeftSpace", &TNumLab::LeftSpace, &TNumLab::SetLeftSpace, 35);
    c.Boolean("Empty", &TNumLab::Empty, &TNumLab::SetEmpty, false);
    c.Integer("LabelWidth", &TNumLab::LabelWidth, &TNumLab::SetLabelWidth, 80);
    c.Integer("Precision", &TNumLab::Precision, &TNumLab::SetPrecision, 2);
    c.Boolean("Comma", &TNumLab::Comma, &TNumLab::SetComma, false);
    c.Boolean("ForcePlusSign", &TNumLab::ForcePlusSign, &TNumLab::SetForcePlusSign, false);
    c.Boolean("Transparent", &TNumLab::Transparent, &TNumLab::SetTransparent, false);
    c.String("LeftText", &TNumLab::LeftText, &TNumLab::SetLeftText, "");
    c.String("RightText", &TNumLab::RightText, &TNumLab::SetRightText, "");
    c.Enum<TFrameStyle>("FrameStyle", &TNumLab::FrameStyle, &TNumLab::SetFrameStyle, TFrameStyle::fsLowered);
    c.String("StateText", &TNumLab::StateText, &TNumLab::SetStateText, "undefined");
    c.Enum<TAlignment>("Alignment", &TNumLab::Alignment, &TNumLab::SetAlignment, TAlignment::taCenter);
    c.Enum<TAlignment>("LeftTextAlignment", &TNumLab::LeftTextAlignment, &TNumLab::SetLeftTextAlignment,
                       TAlignment::taRightJustify);
    c.Enum<TAlignment>("RightTextAlignment", &TNumLab::RightTextAlignment, &TNumLab::SetRightTextAlignment,
                       TAlignment::taLeftJustify);
    c.String("OverflowIndicator", &TNumLab::OverflowIndicator, &TNumLab::SetOverflowIndicator, "*********");
    c.Double("Value", &TNumLab::Value, &TNumLab::SetValue, 0.0);
    c.Boolean("Enabled", &TNumLab::Enabled, &TNumLab::SetEnabled, true);
    c.Color("ColorLabBakG", &TNumLab::ColorLabBakG, &TNumLab::SetColorLabBakG, clBtnFace);
    c.Color("ColorLabText", &TNumLab::ColorLabText, &TNumLab::SetColorLabText, clBlack);
    c.Color("ColorOutBakG", &TNumLab::ColorOutBakG, &TNumLab::SetColorOutBakG, clBtnFace);
    c.Color("ColorOutText", &TNumLab::ColorOutText, &TNumLab::SetColorOutText, clBlack);
    c.Enum<TColorScheme>("ColorScheme", &TNumLab::ColorScheme, &TNumLab::SetColorScheme, TColorScheme::csBWG);
    c.Enum<TDisplay>("DisplayType", &TNumLab::DisplayType, &TNumLab::SetDisplayType, TDisplay::dtFixP);
    c.String("DTFormat", &TNumLab::DTFormat, &TNumLab::SetDTFormat, "mmm-dd, yyyy");
    c.Event("OnBeforeDisplay", &TNumLab::OnBeforeDisplay);
    return true;
  }();
  (void)registered;
}

}  // namespace kurvex
