#pragma once
// TScaleProps: one axis of a layer: its range with the rules that keep it valid, and the
// settings that the chart copies into the axis's scale control. TScalePropsHoriz and
// TScalePropsVert add the side of the plot the axis is drawn on.

#include <cstdint>
#include <string>

#include "common/color.h"
#include "common/enum_names.h"
#include "common/persistent.h"
#include "common/types.h"
#include "platform/gfx/font.h"
#include "scale/dt_label.h"

namespace kurvex {

enum class TScaleLocationHoriz : std::uint8_t { slTop, slBottom };
KX_ENUM_NAMES(TScaleLocationHoriz, "slTop", "slBottom");
enum class TScaleLocationVert : std::uint8_t { slLeft, slRight };
KX_ENUM_NAMES(TScaleLocationVert, "slLeft", "slRight");

class TScaleProps : public TPersistent {
 public:
  TScaleProps();
  ~TScaleProps() override;
  const char* ClassName() const override { return "TScaleProps"; }

  // Puts every value back to its default, the loading flag set and OnChange cleared.
  virtual void Reset();

  const std::string& Caption() const { return caption_; }
  int CaptionPosX() const { return caption_pos_x_; }
  int CaptionPosY() const { return caption_pos_y_; }
  TAlignment CaptionAlignment() const { return caption_alignment_; }
  TScaleUnitAnchor CaptionAnchor() const { return caption_anchor_; }
  TColor ColorScale() const { return color_scale_; }
  TDTLabel& DateFormat() { return date_format_; }
  const TDTLabel& DateFormat() const { return date_format_; }
  int DecPlaces() const { return dec_places_; }
  bool Logarithmic() const { return logarithmic_; }
  TFigType LabelType() const { return label_type_; }
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  int MinTicks() const { return min_ticks_; }
  bool Loading() const { return loading_; }
  double RangeLow() const { return range_low_; }
  double RangeHigh() const { return range_high_; }
  bool ShortTicks() const { return short_ticks_; }
  const std::string& ScaleInscript() const { return scale_inscript_; }
  TScaleType ScaleType() const { return scale_type_; }
  // The position store that belongs to the current scale type (vertical or horizontal).
  int ScalePos() const { return IsVerticalType() ? scale_pos_vert_ : scale_pos_horiz_; }
  double MinRange() const { return min_range_; }
  TMouseActMode MouseAction() const { return mouse_action_; }
  const std::string& UserTickText() const { return user_tick_text_; }
  bool Visible() const { return visible_; }

  // Setters end with the change notification unless said otherwise.
  void SetCaption(const std::string& v);
  void SetCaptionPosX(int v);
  void SetCaptionPosY(int v);
  void SetCaptionAlignment(TAlignment v);
  void SetCaptionAnchor(TScaleUnitAnchor v);
  void SetColorScale(TColor v);
  void SetDateFormat(const TDTLabel& v);
  void SetDecPlaces(int v);  // clamped to -3..12
  // True is taken only with both ends >= 1e-100 and labels other than ftDateTime, except
  // while loading, when any value is taken.
  void SetLogarithmic(bool v);
  void SetLabelType(TFigType v);
  void SetFont(const TFont& v);
  void SetMinTicks(int v);
  void SetRangeLow(double v);
  void SetRangeHigh(double v);
  void SetShortTicks(bool v);
  void SetScaleInscript(const std::string& v);
  void SetScalePos(int v);
  // Ignored at or below 1e-100; notifies only when it widened the range.
  void SetMinRange(double v);
  void SetMouseAction(TMouseActMode v) { mouse_action_ = v; }  // stores only
  void SetUserTickText(const std::string& v);
  void SetVisible(bool v);

  // Without notification (used by the chart and by layouts).
  void SetLoading(bool v) { loading_ = v; }
  void SetScaleTypeSilently(TScaleType v) { scale_type_ = v; }
  // Stores both range ends as given, without rules or notification (the chart's range
  // setter has applied its own rules).
  void StoreRange(double low, double high) {
    range_low_ = low;
    range_high_ = high;
  }
  void StoreRangeLow(double v) { range_low_ = v; }
  void StoreRangeHigh(double v) { range_high_ = v; }

  // From another TScaleProps: every value except OnChange, MouseAction and ScaleLocation,
  // without notification.
  void Assign(const TPersistent& Source) override;

  TNotifyEvent OnChange;

 protected:
  void Changed();
  bool IsVerticalType() const { return scale_type_ == TScaleType::sctYL || scale_type_ == TScaleType::sctYR; }

 private:
  std::string caption_;
  int caption_pos_x_ = 0;
  int caption_pos_y_ = 0;
  TAlignment caption_alignment_ = TAlignment::taCenter;
  TScaleUnitAnchor caption_anchor_ = TScaleUnitAnchor::uaSclTopLft;
  TColor color_scale_ = 0;
  TDTLabel date_format_;
  int dec_places_ = -2;
  bool logarithmic_ = false;
  TFigType label_type_ = TFigType::ftNum;
  TFont font_;
  int min_ticks_ = 3;
  bool loading_ = true;
  double range_low_ = 0;
  double range_high_ = 1.0;
  bool short_ticks_ = true;
  std::string scale_inscript_;
  TScaleType scale_type_ = TScaleType::sctXT;
  int scale_pos_vert_ = 0;
  int scale_pos_horiz_ = 0;
  double min_range_ = 1e-10;
  TMouseActMode mouse_action_ = TMouseActMode::maNone;
  std::string user_tick_text_;
  bool visible_ = false;
  int silent_ = 0;  // > 0 while values are copied without notification
};

class TScalePropsHoriz : public TScaleProps {
 public:
  TScalePropsHoriz() { Reset(); }
  const char* ClassName() const override { return "TScalePropsHoriz"; }
  void Reset() override;

  TScaleLocationHoriz ScaleLocation() const { return location_; }
  // slTop draws the axis above the plot (scale type sctXB), slBottom below it (sctXT).
  void SetScaleLocation(TScaleLocationHoriz v);

 private:
  TScaleLocationHoriz location_ = TScaleLocationHoriz::slBottom;
};

class TScalePropsVert : public TScaleProps {
 public:
  TScalePropsVert() { Reset(); }
  const char* ClassName() const override { return "TScalePropsVert"; }
  void Reset() override;

  TScaleLocationVert ScaleLocation() const { return location_; }
  // slLeft draws the axis left of the plot (scale type sctYR), slRight right of it (sctYL).
  void SetScaleLocation(TScaleLocationVert v);

 private:
  TScaleLocationVert location_ = TScaleLocationVert::slLeft;
};

}  // namespace kurvex
