#include "platform/control.h"
#include "platform/gfx/font.h"
#include "platform/properties.h"
#include "platform/std_controls.h"

namespace kurvex {

namespace {

void RegisterFont() {
  auto c = RegisterPersistentClass<TFont>("TFont");
  c.String("Name", &TFont::Name, &TFont::SetName, "MS Sans Serif");
  // Pixels per inch first, so that the height that follows is taken as written.
  c.Integer("PixelsPerInch", &TFont::PixelsPerInch, &TFont::SetPixelsPerInch, 96);
  c.Integer("Height", &TFont::Height, &TFont::SetHeight, -11);
  c.Color("Color", &TFont::Color, &TFont::SetColor, clWindowText);
  c.Set<TFontStyle>("Style", &TFont::Style, &TFont::SetStyle, TFontStyles{});
}

void RegisterControls() {
  auto component = RegisterClass<TComponent>("TComponent", "", nullptr);
  component.Integer("Tag", &TComponent::Tag, &TComponent::SetTag, 0);

  auto c = RegisterClass<TControl>("TControl", "TComponent", nullptr);
  c.Integer("Left", &TControl::Left, &TControl::SetLeft);
  c.Integer("Top", &TControl::Top, &TControl::SetTop);
  c.Integer("Width", &TControl::Width, &TControl::SetWidth);
  c.Integer("Height", &TControl::Height, &TControl::SetHeight);
  c.Enum<TAlign>("Align", &TControl::Align, &TControl::SetAlign, TAlign::alNone);
  c.Boolean("Visible", &TControl::Visible, &TControl::SetVisible, true);
  c.Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled, true);
  c.Color("Color", &TControl::Color, &TControl::SetColor, clBtnFace);
  c.Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true);
  c.Object("Font", [](TControl& control) -> TPersistent& { return control.Font(); })
      .StoredWhen([](const TControl& control) { return !control.ParentFont(); })
      .WriteAllValues();
  c.String("Hint", &TControl::Hint, &TControl::SetHint, "");
  c.Boolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint, false);
  c.Cursor("Cursor", &TControl::Cursor, &TControl::SetCursor, crDefault);
  c.Event("OnClick", &TControl::OnClick);
  c.Event("OnDblClick", &TControl::OnDblClick);
  c.Event("OnMouseDown", &TControl::OnMouseDown);
  c.Event("OnMouseMove", &TControl::OnMouseMove);
  c.Event("OnMouseUp", &TControl::OnMouseUp);
  c.Event("OnMouseEnter", &TControl::OnMouseEnter);
  c.Event("OnMouseLeave", &TControl::OnMouseLeave);
  c.Event("OnMouseWheel", &TControl::OnMouseWheel);
  c.Event("OnMouseWheelUp", &TControl::OnMouseWheelUp);
  c.Event("OnMouseWheelDown", &TControl::OnMouseWheelDown);
  c.Event("OnResize", &TControl::OnResize);

  auto w = RegisterClass<TWinControl>("TWinControl", "TControl", nullptr);
  w.Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder, -1);
  RegisterClass<TCustomControl>("TCustomControl", "TWinControl");
  RegisterClass<TGraphicControl>("TGraphicControl", "TControl", nullptr);
  auto captioned = RegisterClass<TCaptionControl>("TCaptionControl", "TWinControl", nullptr);
  captioned.String("Caption", &TCaptionControl::Caption, &TCaptionControl::SetCaption, "");
}

void RegisterStandardControls() {
  auto form = RegisterClass<TForm>("TForm", "TCaptionControl");
  form.Boolean("Visible", &TForm::Visible, &TForm::SetVisible, false);
  form.Integer("ClientWidth", &TForm::ClientWidth, &TForm::SetClientWidth).NotStored();
  form.Integer("ClientHeight", &TForm::ClientHeight, &TForm::SetClientHeight).NotStored();
  form.Integer("PixelsPerInch", &TForm::PixelsPerInch, &TForm::SetPixelsPerInch, 96);
  form.Event("OnClose", &TForm::OnClose);

  auto panel = RegisterClass<TPanel>("TPanel", "TCaptionControl");
  panel.Enum<TBevelCut>("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter, TBevelCut::bvRaised);

  RegisterClass<TButton>("TButton", "TCaptionControl");

  auto radio = RegisterClass<TRadioButton>("TRadioButton", "TCaptionControl");
  radio.Boolean("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked, false);

  RegisterClass<TGroupBox>("TGroupBox", "TCaptionControl");

  auto bar = RegisterClass<TScrollBar>("TScrollBar", "TWinControl");
  bar.Enum<TScrollBarKind>("Kind", &TScrollBar::Kind, &TScrollBar::SetKind, TScrollBarKind::sbHorizontal);
  bar.Integer("Min", &TScrollBar::Min, &TScrollBar::SetMin, 0);
  bar.Integer("Max", &TScrollBar::Max, &TScrollBar::SetMax, 100);
  bar.Integer("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize, 0);
  bar.Integer("Position", &TScrollBar::Position, &TScrollBar::SetPosition, 0);
  bar.Integer("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange, 1);
  bar.Integer("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange, 1);
  bar.Event("OnChange", &TScrollBar::OnChange);

  auto label = RegisterClass<TLabel>("TLabel", "TCaptionControl");
  label.Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize, true);
}

}  // namespace

void RegisterPlatformClasses() {
  static const bool registered = [] {
    RegisterFont();
    RegisterControls();
    RegisterStandardControls();
    return true;
  }();
  (void)registered;
}

}  // namespace kurvex
