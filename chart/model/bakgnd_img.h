#pragma once
// TBakGndImg: the plot background settings: an image file and how it covers the plot, or
// one coloured area whose edges are world values of the chart's current layer.

#include <cstdint>
#include <string>

#include "common/color.h"
#include "common/enum_names.h"
#include "common/persistent.h"
#include "common/types.h"

namespace kurvex {

enum class TBGAreaMode : std::uint8_t {
  bamNone, bamLeft, bamRight, bamTop, bamBottom, bamVStripe, bamHStripe, bamRect, bamRectInv, bamVStripeInv,
  bamHStripeInv
};
KX_ENUM_NAMES(TBGAreaMode, "bamNone", "bamLeft", "bamRight", "bamTop", "bamBottom", "bamVStripe", "bamHStripe",
              "bamRect", "bamRectInv", "bamVStripeInv", "bamHStripeInv");

class TBakGndImg : public TPersistent {
 public:
  const char* ClassName() const override { return "TBakGndImg"; }

  const std::string& Name() const { return name_; }
  bool IncludePath() const { return include_path_; }
  TBkgFill FillMode() const { return fill_mode_; }
  TBGAreaMode AreaMode() const { return area_mode_; }
  TColor AreaColor() const { return area_color_; }
  double AreaLeft() const { return area_left_; }
  double AreaRight() const { return area_right_; }
  double AreaTop() const { return area_top_; }
  double AreaBottom() const { return area_bottom_; }

  // Every setter notifies, also when the value did not change.
  // Without IncludePath only the file name part of the value is kept.
  void SetName(const std::string& v);
  // Turning IncludePath off cuts the stored name down to its file name part.
  void SetIncludePath(bool v);
  void SetFillMode(TBkgFill v) { fill_mode_ = v; Changed(); }
  void SetAreaMode(TBGAreaMode v) { area_mode_ = v; Changed(); }
  void SetAreaColor(TColor v) { area_color_ = v; Changed(); }
  void SetAreaLeft(double v) { area_left_ = v; Changed(); }
  void SetAreaRight(double v) { area_right_ = v; Changed(); }
  void SetAreaTop(double v) { area_top_ = v; Changed(); }
  void SetAreaBottom(double v) { area_bottom_ = v; Changed(); }

  // From another TBakGndImg: copies every setting, keeps the change notification.
  void Assign(const TPersistent& Source) override;

  // The part of a path after its last directory separator ('/' or '\').
  static std::string ExtractFileName(const std::string& path);

  TNotifyEvent OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange(this);
  }

  std::string name_;
  bool include_path_ = false;
  TBkgFill fill_mode_ = TBkgFill::bfStretch;
  TBGAreaMode area_mode_ = TBGAreaMode::bamNone;
  TColor area_color_ = 0xDDDDDD;
  double area_left_ = -1.0;
  double area_right_ = 1.0;
  double area_top_ = 1.0;
  double area_bottom_ = -1.0;
};

}  // namespace kurvex
