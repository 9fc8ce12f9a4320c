#pragma once
// TNumLab: a framed display of one number, with an optional text left and right of the
// field. The value becomes text by one of the display types (numlab/value_text.h); a text
// too wide for the field shows the overflow indicator instead. Every setter repaints at
// once.

#include <string>

#include "common/color.h"
#include "common/types.h"
#include "numlab/display_type.h"
#include "platform/control.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"

namespace kurvex {

class TNumLab : public TGraphicControl {
 public:
  static constexpr int kDefaultWidth = 160;
  static constexpr int kDefaultHeight = 28;
  static constexpr int kMaxPrecision = 15;

  explicit TNumLab(TComponent* AOwner);
  const char* ClassName() const override { return "TNumLab"; }

  // Width in pixels of the area left of the value field (holds LeftText). Negative values
  // are ignored; values above Width are stored as Width.
  int LeftSpace() const { return left_space_; }
  void SetLeftSpace(int value);
  // True: the field shows no value text.
  bool Empty() const { return empty_; }
  void SetEmpty(bool value);
  // Width in pixels of the value field.
  int LabelWidth() const { return label_width_; }
  void SetLabelWidth(int value);
  // Digits parameter of the display types: negative values are ignored, values above 15
  // are stored as 15.
  int Precision() const { return precision_; }
  void SetPrecision(int value);
  // The decimal separator shown: "," when True, "." when False.
  bool Comma() const { return comma_; }
  void SetComma(bool value);
  // A positive value gets a leading "+".
  bool ForcePlusSign() const { return force_plus_sign_; }
  void SetForcePlusSign(bool value);
  // True: outside the value field the parent shows through.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  const std::string& LeftText() const { return left_text_; }
  void SetLeftText(const std::string& value);
  const std::string& RightText() const { return right_text_; }
  void SetRightText(const std::string& value);
  TFrameStyle FrameStyle() const { return frame_style_; }
  void SetFrameStyle(TFrameStyle value);
  // The text of dtState.
  const std::string& StateText() const { return state_text_; }
  void SetStateText(const std::string& value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TAlignment LeftTextAlignment() const { return left_text_alignment_; }
  void SetLeftTextAlignment(TAlignment value);
  TAlignment RightTextAlignment() const { return right_text_alignment_; }
  void SetRightTextAlignment(TAlignment value);
  // Shown when the value cannot be shown or its text is too wide for the field.
  const std::string& OverflowIndicator() const { return overflow_indicator_; }
  void SetOverflowIndicator(const std::string& value);
  // The number shown. Setting NaN, or anything while NaN is held, changes nothing.
  double Value() const { return value_; }
  void SetValue(double value);
  // False draws the disabled look; also the framework's enabled state.
  void SetEnabled(bool value) override;
  TColor ColorLabBakG() const { return color_lab_bakg_; }
  void SetColorLabBakG(TColor value);
  TColor ColorLabText() const { return color_lab_text_; }
  void SetColorLabText(TColor value);
  TColor ColorOutBakG() const { return color_out_bakg_; }
  void SetColorOutBakG(TColor value);
  TColor ColorOutText() const { return color_out_text_; }
  void SetColorOutText(TColor value);
  // Chooses the shadow and highlight shades: csBWG gray and white, csSystem the button
  // shadow and highlight system colours.
  TColorScheme ColorScheme() const { return color_scheme_; }
  void SetColorScheme(TColorScheme value);
  TDisplay DisplayType() const { return display_type_; }
  void SetDisplayType(TDisplay value);
  // Date/time pattern of dtDateTime (common/datetime.h).
  const std::string& DTFormat() const { return dt_format_; }
  void SetDTFormat(const std::string& value);

  // The frame shades the colour scheme chooses. Painting uses fixed colours; the shades
  // are kept for applications that read them.
  TColor DarkShade() const { return color_dark_; }
  TColor ShadowShade() const { return color_shadow_; }
  TColor HighlightShade() const { return color_highlight_; }

  // Lets the application change the value text before it is drawn.
  TBeforeDisplayEvent OnBeforeDisplay;

  // The text the field shows now, before the width test: the display type's text with
  // separator and sign, passed through OnBeforeDisplay. Empty when Empty is True (the
  // event is not called then).
  std::string DisplayText();

  // Copies the settings of another TNumLab (not Comma, ForcePlusSign, DTFormat, Enabled,
  // Font or OnBeforeDisplay), then repaints. Other sources raise EConvertError.
  void Assign(const TPersistent& Source) override;

  void Paint() override;

 protected:
  void AssignTo(TPersistent& Dest) const override;

 private:
  // Repaints now when the value changed: the common end of the setters.
  template <class V>
  void Change(V& field, const V& value) {
    if (field == value) return;
    field = value;
    Refresh();
  }

  void PaintSideTexts(TCanvas& c, int ty);
  void PaintValueText(TCanvas& c, int ty);
  void CopyToControl();

  int left_space_ = 35;
  bool empty_ = false;
  int label_width_ = 80;
  int precision_ = 2;
  bool comma_ = false;
  bool force_plus_sign_ = false;
  bool transparent_ = false;
  std::string left_text_;
  std::string right_text_;
  TFrameStyle frame_style_ = TFrameStyle::fsLowered;
  std::string state_text_ = "undefined";
  TAlignment alignment_ = TAlignment::taCenter;
  TAlignment left_text_alignment_ = TAlignment::taRightJustify;
  TAlignment right_text_alignment_ = TAlignment::taLeftJustify;
  std::string overflow_indicator_ = "*********";
  double value_ = 0.0;
  TColor color_lab_bakg_ = clBtnFace;
  TColor color_lab_text_ = clBlack;
  TColor color_out_bakg_ = clBtnFace;
  TColor color_out_text_ = clBlack;
  TColor color_dark_ = clBlack;
  TColor color_shadow_ = clGray;
  TColor color_highlight_ = clWhite;
  TColorScheme color_scheme_ = TColorScheme::csBWG;
  TDisplay display_type_ = TDisplay::dtFixP;
  std::string dt_format_ = "mmm-dd, yyyy";

  // The off-screen image of one paint, kept between paints so that painting allocates
  // only when the size grows.
  Bitmap image_;
  TCanvas image_canvas_{&image_};
};

// Registers TNumLab and its published properties for stored layouts (after the platform
// classes). Idempotent.
void RegisterNumLabClasses();

}  // namespace kurvex
