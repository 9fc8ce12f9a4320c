#pragma once
// Text labels: free-standing captions over the chart's data, anchored to control pixels or
// to world values of a layer. TCustomTextLabel holds the data, TTextLabel publishes it.

#include <string>

#include "common/color.h"
#include "common/persistent.h"
#include "common/types.h"
#include "platform/gfx/font.h"

namespace kurvex {

class TCustomTextLabel : public TPersistent {
 public:
  TCustomTextLabel();
  const char* ClassName() const override { return "TCustomTextLabel"; }

  double PosX() const { return pos_x_; }
  double PosY() const { return pos_y_; }
  int Layer() const { return layer_; }
  int ShadowDx() const { return shadow_dx_; }
  int ShadowDy() const { return shadow_dy_; }
  TColor ColorShadow() const { return color_shadow_; }
  TAlignment Alignment() const { return alignment_; }
  TVerticalAlignment VerticalAlignment() const { return vertical_alignment_; }
  TTxtLblAttachMode AttachToData() const { return attach_to_data_; }
  TColor ColorBkg() const { return color_bkg_; }
  TColor ColorBorder() const { return color_border_; }
  bool Transparent() const { return transparent_; }
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  const std::string& Caption() const { return caption_; }
  TTxtLblMode Mode() const { return mode_; }
  bool Visible() const { return visible_; }

  // Each setter stores and notifies, also when the value did not change.
  void SetPosX(double v) { pos_x_ = v; Changed(); }
  void SetPosY(double v) { pos_y_ = v; Changed(); }
  // Only 1..16 is taken; other values are ignored without a notification.
  void SetLayer(int v);
  void SetShadowDx(int v) { shadow_dx_ = v; Changed(); }
  void SetShadowDy(int v) { shadow_dy_ = v; Changed(); }
  void SetColorShadow(TColor v) { color_shadow_ = v; Changed(); }
  void SetAlignment(TAlignment v) { alignment_ = v; Changed(); }
  void SetVerticalAlignment(TVerticalAlignment v) { vertical_alignment_ = v; Changed(); }
  void SetAttachToData(TTxtLblAttachMode v) { attach_to_data_ = v; Changed(); }
  void SetColorBkg(TColor v) { color_bkg_ = v; Changed(); }
  void SetColorBorder(TColor v) { color_border_ = v; Changed(); }
  void SetTransparent(bool v) { transparent_ = v; Changed(); }
  // Copies the given font's attributes into the label's own font.
  void SetFont(const TFont& v);
  // Control characters other than the line feed become blanks.
  void SetCaption(const std::string& v);
  void SetMode(TTxtLblMode v) { mode_ = v; Changed(); }
  void SetVisible(bool v) { visible_ = v; Changed(); }

  // From another text label: copies every value (the font's attributes included) without
  // notifying; keeps OnChange.
  void Assign(const TPersistent& Source) override;

  TNotifyEvent OnChange;

 protected:
  void Changed() {
    if (OnChange && !silent_) OnChange(this);
  }

 private:
  double pos_x_ = 100.0;
  double pos_y_ = 10.0;
  int layer_ = 1;
  int shadow_dx_ = 0;
  int shadow_dy_ = 0;
  TColor color_shadow_ = 0x808080;
  TAlignment alignment_ = TAlignment::taCenter;
  TVerticalAlignment vertical_alignment_ = TVerticalAlignment::vaBottom;
  TTxtLblAttachMode attach_to_data_ = TTxtLblAttachMode::tlamNone;
  TColor color_bkg_ = 0xC0C0C0;
  TColor color_border_ = 0;
  bool transparent_ = false;
  TFont font_;
  std::string caption_;
  TTxtLblMode mode_ = TTxtLblMode::tlsimple;
  bool visible_ = true;
  bool silent_ = false;  // set while Assign copies the font
};

class TTextLabel : public TCustomTextLabel {
 public:
  const char* ClassName() const override { return "TTextLabel"; }
};

}  // namespace kurvex
