#pragma once
// TScalesForm: the window of kurvex-scales, a gallery of stand-alone scales in all four
// orientations (linear, reversed, logarithmic, user texts, an inscription, elapsed time
// and a calendar axis at each of its levels). Every scale pans with a mouse drag; a double
// click switches it between panning and zooming.

#include <string>
#include <vector>

#include "platform/std_controls.h"
#include "scale/scale.h"

namespace kurvex {

class TScalesForm : public TForm {
 public:
  explicit TScalesForm(TComponent* AOwner);
  const char* ClassName() const override { return "TScalesForm"; }

  // The scales in the order they were placed: horizontal ones top to bottom, then the
  // vertical ones left to right.
  const std::vector<TScale*>& Scales() const { return scales_; }
  // The scale whose caption is `caption`, or nullptr.
  TScale* ScaleCaptioned(const std::string& caption) const;

 private:
  TScale& AddHorizontal(const std::string& caption, TScaleType type, double low, double high);
  TScale& AddVertical(const std::string& caption, TScaleType type, double low, double high, int width);

  TLabel* hint_ = nullptr;
  std::vector<TScale*> scales_;
  int next_top_ = 0;
  int next_left_ = 0;
};

}  // namespace kurvex
