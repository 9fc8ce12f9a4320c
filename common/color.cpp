#include "common/color.h"

#include <cstring>

namespace kurvex {

namespace {

// The classic desktop palette, indexed by the low byte of a system colour.
constexpr TColor kSystemPalette[] = {
    0xC8D0D4,  // clScrollBar
    0xA56E3A,  // clBackground
    0x6A240A,  // clActiveCaption
    0x808080,  // clInactiveCaption
    0xC0C0C0,  // clMenu
    0xFFFFFF,  // clWindow
    0x000000,  // clWindowFrame
    0x000000,  // clMenuText
    0x000000,  // clWindowText
    0xFFFFFF,  // clCaptionText
    0xC0C0C0,  // clActiveBorder
    0xC0C0C0,  // clInactiveBorder
    0x808080,  // clAppWorkSpace
    0x800000,  // clHighlight (navy)
    0xFFFFFF,  // clHighlightText
    0xC0C0C0,  // clBtnFace
    0x808080,  // clBtnShadow
    0x808080,  // clGrayText
    0x000000,  // clBtnText
    0xC0C0C0,  // clInactiveCaptionText
    0xFFFFFF,  // clBtnHighlight
    0x000000,  // cl3DDkShadow
    0xC0C0C0,  // cl3DLight
    0x000000,  // clInfoText
    0xE1FFFF,  // clInfoBk
};

struct ColorName {
  TColor color;
  const char* name;
};

constexpr ColorName kColorNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
};

}  // namespace

TColor ColorToRGB(TColor color) {
  if ((color & 0xFF000000u) == clSystemColor) {
    const TColor index = color & 0xFFu;
    if (index < sizeof(kSystemPalette) / sizeof(kSystemPalette[0])) return kSystemPalette[index];
    return clBlack;
  }
  return color & 0x00FFFFFFu;
}

const char* ColorToIdent(TColor color) {
  for (const ColorName& entry : kColorNames) {
    if (entry.color == color) return entry.name;
  }
  return nullptr;
}

bool IdentToColor(const char* ident, TColor& color) {
  for (const ColorName& entry : kColorNames) {
    if (std::strcmp(entry.name, ident) == 0) {
      color = entry.color;
      return true;
    }
  }
  return false;
}

}  // namespace kurvex
