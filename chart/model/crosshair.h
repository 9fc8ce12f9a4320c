#pragma once
// TCrossHair: one of the chart's four crosshairs (a marked world position of a layer).

#include "common/color.h"
#include "common/persistent.h"
#include "common/types.h"

namespace kurvex {

class TCrossHair : public TPersistent {
 public:
  const char* ClassName() const override { return "TCrossHair"; }

  double PosX() const { return pos_x_; }
  double PosY() const { return pos_y_; }
  TColor Color() const { return color_; }
  TCrossHMode Mode() const { return mode_; }
  TPenStyle LineType() const { return line_type_; }
  int LineWid() const { return line_wid_; }
  int Layer() const { return layer_; }

  // Each setter stores the value as given and notifies, also when nothing changed.
  void SetPosX(double v) { pos_x_ = v; Changed(); }
  void SetPosY(double v) { pos_y_ = v; Changed(); }
  void SetColor(TColor v) { color_ = v; Changed(); }
  void SetMode(TCrossHMode v) { mode_ = v; Changed(); }
  void SetLineType(TPenStyle v) { line_type_ = v; Changed(); }
  void SetLineWid(int v) { line_wid_ = v; Changed(); }
  // Forced into 1..16.
  void SetLayer(int v) {
    layer_ = v < 1 ? 1 : v > 16 ? 16 : v;
    Changed();
  }

  // From another TCrossHair: copies the seven values without notifying; keeps OnChange.
  void Assign(const TPersistent& Source) override;

  TNotifyEvent OnChange;

 protected:
  void AssignTo(TPersistent& Dest) const override;

 private:
  void Changed() {
    if (OnChange) OnChange(this);
  }

  double pos_x_ = 0;
  double pos_y_ = 0;
  TColor color_ = 0;
  TCrossHMode mode_ = TCrossHMode::chOff;
  TPenStyle line_type_ = TPenStyle::psSolid;
  int line_wid_ = 0;
  int layer_ = 0;
};

}  // namespace kurvex
