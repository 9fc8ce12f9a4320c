// Painting of TNumLab: left text, framed value field and right text are drawn into an
// off-screen image of the control's size, which is then copied onto the control in one
// step.

#include <string_view>

#include "numlab/frame.h"
#include "numlab/numlab.h"

namespace kurvex {

namespace {

// Every text stands at the vertical position that centres this sample, which reaches from
// the highest accent to the lowest descender of the font.
constexpr std::string_view kHeightSample = "(8g]}\xC3\x9C\xC3\x84\xC2\xA7";  // (8g]}ÜÄ§

struct TextPlace {
  int x, y;
};

// An engraved text for the disabled look: a white copy, then a gray one, brush clear.
void DrawEngravedText(TCanvas& c, TextPlace white, TextPlace gray, std::string_view text) {
  c.Brush().SetStyle(TBrushStyle::bsClear);
  c.Font().SetColor(clWhite);
  c.TextOut(white.x, white.y, text);
  c.Font().SetColor(clGray);
  c.TextOut(gray.x, gray.y, text);
}

}  // namespace

void TNumLab::Paint() {
  if (!Visible() && !IsDesigning()) return;
  const int w = Width();
  const int h = Height();
  image_.SetSize(w, h);
  TCanvas& c = image_canvas_;
  c.Font().Assign(Font());
  const int ty = (h - c.TextHeight(kHeightSample)) / 2;

  const TColor background = transparent_ ? clWhite : color_out_bakg_;
  c.Pen().SetColor(background);
  c.Brush().SetColor(background);
  c.Rectangle(0, 0, w, h);

  PaintSideTexts(c, ty);

  c.Brush().SetColor(color_lab_bakg_);
  DrawFrame(c, frame_style_, left_space_ + 1, 0, left_space_ + label_width_, h - 2, clWhite, clSilver, clGray,
            clBlack, clBlack);

  if (!empty_) PaintValueText(c, ty);
  CopyToControl();
}

void TNumLab::PaintSideTexts(TCanvas& c, int ty) {
  const int ls = left_space_;
  const int r0 = left_space_ + label_width_;
  const int w = Width();
  const int tw = c.TextWidth(left_text_);
  const int tw2 = c.TextWidth(right_text_);

  int left_x = 0;
  switch (left_text_alignment_) {
    case TAlignment::taLeftJustify: left_x = 7; break;
    case TAlignment::taRightJustify: left_x = ls - tw - 5; break;
    case TAlignment::taCenter: left_x = (ls - tw) / 2; break;
  }
  // The white copy of the disabled look lies one pixel right of and below the gray one,
  // except for a right-justified right text, where it lies one pixel to the left.
  int right_x = 0;
  int right_white_dx = 1;
  switch (right_text_alignment_) {
    case TAlignment::taLeftJustify: right_x = r0 + 7; break;
    case TAlignment::taRightJustify:
      right_x = w - tw2 - 6;
      right_white_dx = -1;
      break;
    case TAlignment::taCenter: right_x = (w - r0 - tw2) / 2 + r0 + 1; break;
  }

  if (Enabled()) {
    c.Font().SetColor(color_out_text_);
    c.TextOut(left_x, ty, left_text_);
    c.TextOut(right_x, ty, right_text_);
  } else {
    DrawEngravedText(c, {left_x + 1, ty + 1}, {left_x, ty}, left_text_);
    DrawEngravedText(c, {right_x + right_white_dx, ty + 1}, {right_x, ty}, right_text_);
  }
}

void TNumLab::PaintValueText(TCanvas& c, int ty) {
  const int ls = left_space_;
  const int lw = label_width_;
  std::string text = DisplayText();
  int tw = c.TextWidth(text);
  if (tw > lw - 6 && display_type_ != TDisplay::dtState) {
    text = overflow_indicator_;
    tw = c.TextWidth(text);
  }
  c.Font().SetColor(Enabled() ? color_lab_text_ : clBtnShadow);
  int x = 0;
  switch (alignment_) {
    case TAlignment::taLeftJustify: x = ls + 4; break;
    case TAlignment::taRightJustify: x = ls + lw - tw - 2; break;
    case TAlignment::taCenter: x = ls + (lw - tw) / 2 + 2; break;
  }
  const TRect clip = Rect(ls + 3, 2, ls + lw - 1, Height() - 3);
  // A field too narrow or too low for any inside has nothing to fill or show.
  if (clip.Right <= clip.Left || clip.Bottom <= clip.Top) return;
  c.TextRect(clip, x, ty, text);
}

void TNumLab::CopyToControl() {
  TCanvas& target = Canvas();
  if (transparent_) {
    // The source-AND copy below leaves the parent wherever the image is white; this
    // rectangle keeps the inside of the value field opaque.
    const TColor field = color_lab_text_ != clBlack ? clWhite : color_lab_bakg_;
    target.Pen().SetColor(field);
    target.Brush().SetColor(field);
    target.Rectangle(left_space_ + 2, 2, left_space_ + label_width_, Height() - 2);
    target.SetCopyMode(TCopyMode::cmSrcAnd);
  } else {
    target.SetCopyMode(TCopyMode::cmSrcCopy);
  }
  target.Draw(0, 0, image_);
}

}  // namespace kurvex
