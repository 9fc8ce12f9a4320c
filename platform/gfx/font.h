#pragma once
// TFont: the description of a text face (family name, height, style, colour). Glyphs are
// rendered by FreeType from the file that fontconfig finds for the family; "Arial" and
// "MS Sans Serif" resolve to installed metric-compatible free fonts.

#include <string>

#include "common/color.h"
#include "common/persistent.h"
#include "common/types.h"

namespace kurvex {

class TFont : public TPersistent {
 public:
  TFont();
  const char* ClassName() const override { return "TFont"; }

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);

  // Height < 0: character (em) height in pixels; Height > 0: cell height (ascent + descent).
  int Height() const { return height_; }
  void SetHeight(int height);

  // Size in points at PixelsPerInch: Height = -round(Size * PixelsPerInch / 72).
  int Size() const;
  void SetSize(int size);

  int PixelsPerInch() const { return pixels_per_inch_; }
  void SetPixelsPerInch(int ppi);

  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);

  TColor Color() const { return color_; }
  void SetColor(TColor color);

  // Copies name, height, pixels per inch, style and colour; keeps OnChange.
  void Assign(const TPersistent& Source) override;

  bool SameFace(const TFont& other) const;  // everything but the colour is equal
  friend bool operator==(const TFont& a, const TFont& b) { return a.SameFace(b) && a.color_ == b.color_; }

  // Fired after any attribute changed.
  TNotifyEvent OnChange;

 private:
  void Changed();

  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  int pixels_per_inch_ = 96;
  TFontStyles style_;
  TColor color_ = clWindowText;
};

}  // namespace kurvex
