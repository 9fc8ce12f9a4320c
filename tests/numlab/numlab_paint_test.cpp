#include <gtest/gtest.h>

#include "golden_image.h"
#include "numlab/numlab.h"
#include "numlab_test_support.h"

namespace kurvex {
namespace {

using numlab_test::CountOther;
using numlab_test::HasInk;
using numlab_test::InkBox;
using numlab_test::InkBoxExcept;
using numlab_test::LabelOnPanel;
using numlab_test::SameRegion;

void UseArial(TNumLab& l) {
  l.Font().SetName("Arial");
  l.Font().SetHeight(-13);
  l.Font().SetColor(clBlack);
}

// The value field's inside, in label coordinates.
TRect FieldInside(const TNumLab& l) {
  return Rect(l.LeftSpace() + 3, 2, l.LeftSpace() + l.LabelWidth() - 1, l.Height() - 3);
}

// The speed-test window's label: LeftSpace 1, field 120 wide, the count centred.
void MakeSpeedTestLabel(TNumLab& l) {
  l.SetBounds(l.Left(), l.Top(), 129, 22);
  UseArial(l);
  l.SetValue(5000.0);
  l.SetDisplayType(TDisplay::dtInt);
  l.SetAlignment(TAlignment::taCenter);
  l.SetLabelWidth(120);
  l.SetLeftSpace(1);
  l.SetColorLabBakG(clSilver);
  l.SetColorOutBakG(clBtnFace);
  l.SetLeftText("X:");
}

TEST(NumLabPaint, SpeedTestLabel) {
  LabelOnPanel f(129, 22, clBtnFace);
  MakeSpeedTestLabel(f.Label());
  const Bitmap image = f.LabelImage();
  ExpectMatchesGolden(image, "numlab/speed_test_label");
  // The right-justified left text would end left of x = 0: nothing of it is seen.
  EXPECT_EQ(CountOther(image, Rect(0, 0, 2, 22), ColorToRGB(clBtnFace)), 0);
  // "5000" is drawn inside the silver field, centred to a pixel or two (glyph bearings).
  const TRect ink = InkBoxExcept(image, FieldInside(f.Label()), clSilver);
  ASSERT_TRUE(HasInk(ink));
  const int left_gap = ink.Left - 4;
  const int right_gap = 120 - ink.Right;
  EXPECT_LE(std::abs(left_gap - right_gap), 3) << left_gap << " " << right_gap;
  EXPECT_TRUE(HasInk(InkBox(image, FieldInside(f.Label()), clBlack)));
  EXPECT_EQ(image.Pixel(60, 3), clSilver);
}

TEST(NumLabPaint, LoweredFrameCorners) {
  LabelOnPanel f(200, 40, clWhite);
  TNumLab& l = f.Label();
  l.SetLeftSpace(9);
  l.SetLabelWidth(81);  // frame from (10, 0) to (90, 26) at the creation height 28
  EXPECT_EQ(f.LabelPixel(10, 0), clGray);
  EXPECT_EQ(f.LabelPixel(90, 26), clWhite);
  EXPECT_EQ(f.LabelPixel(11, 1), clBlack);
  EXPECT_EQ(f.LabelPixel(89, 25), clSilver);
  // The last row lies below the frame and keeps the outside colour.
  EXPECT_EQ(f.LabelPixel(50, 27), ColorToRGB(clBtnFace));
}

// The field shows a text exactly LW - 6 pixels wide; one pixel more shows the indicator,
// placed by its own width.
TEST(NumLabPaint, OverflowAtExactlyTheFieldWidth) {
  LabelOnPanel f(200, 40, clWhite);
  TNumLab& l = f.Label();
  UseArial(l);
  l.SetColorLabBakG(clWhite);
  l.SetValue(123456.0);
  l.SetDisplayType(TDisplay::dtInt);
  TCanvas measure(nullptr);
  measure.Font().Assign(l.Font());
  const int text_width = measure.TextWidth("123456");
  const int stars_width = measure.TextWidth("*********");
  ASSERT_LT(stars_width, text_width + 5 - 6 + 40);

  auto field_as_state = [&](const std::string& state) {
    const TDisplay type = l.DisplayType();
    l.SetStateText(state);
    l.SetDisplayType(TDisplay::dtState);
    Bitmap image = f.LabelImage();
    l.SetDisplayType(type);
    return image;
  };

  l.SetLabelWidth(text_width + 6);
  Bitmap shown = f.LabelImage();
  EXPECT_TRUE(SameRegion(shown, field_as_state("123456"), FieldInside(l)));

  l.SetLabelWidth(text_width + 5);
  shown = f.LabelImage();
  EXPECT_TRUE(SameRegion(shown, field_as_state("*********"), FieldInside(l)));
  EXPECT_FALSE(SameRegion(shown, field_as_state("123456"), FieldInside(l)));

  // The indicator's ink starts where a centred text of its width starts.
  Bitmap probe(200, 40);
  probe.Fill(clWhite);
  TCanvas pc(&probe);
  pc.Font().Assign(l.Font());
  pc.TextOut(0, 0, "*********");
  const int bearing = InkBox(probe, Rect(0, 0, 200, 40), clBlack).Left;
  const int x = l.LeftSpace() + (l.LabelWidth() - stars_width) / 2 + 2;
  EXPECT_EQ(InkBox(shown, FieldInside(l), clBlack).Left, x + bearing);
}

TEST(NumLabPaint, StateTextIsClippedNotReplaced) {
  LabelOnPanel f(200, 40, clWhite);
  TNumLab& l = f.Label();
  l.SetLabelWidth(20);
  l.SetDisplayType(TDisplay::dtState);
  l.SetStateText("WWWWWWWWWWWW");
  l.SetColorLabBakG(clWhite);
  const Bitmap image = f.LabelImage();
  const TRect ink = InkBox(image, FieldInside(l), clBlack);
  EXPECT_TRUE(HasInk(ink));
  // Nothing of the text beyond the field: the right text area keeps the outside colour.
  EXPECT_EQ(CountOther(image, Rect(l.LeftSpace() + l.LabelWidth() + 1, 0, l.Width(), l.Height()),
                       ColorToRGB(clBtnFace)),
            0);
}

TEST(NumLabPaint, DisabledLookEngravesSideTextsAndGreysTheValue) {
  LabelOnPanel f(200, 40, clWhite);
  TNumLab& l = f.Label();
  UseArial(l);
  l.SetWidth(200);
  l.SetLeftSpace(50);
  l.SetLabelWidth(80);
  l.SetLeftText("Left");
  l.SetLeftTextAlignment(TAlignment::taLeftJustify);
  l.SetRightText("Right");
  l.SetRightTextAlignment(TAlignment::taRightJustify);
  l.SetColorOutText(clNavy);
  l.SetColorLabText(clRed);
  l.SetColorLabBakG(clWhite);
  l.SetValue(42);
  const TRect left_area = Rect(0, 0, 50, 28);
  const TRect right_area = Rect(131, 0, 200, 28);

  Bitmap enabled = f.LabelImage();
  EXPECT_TRUE(HasInk(InkBox(enabled, left_area, clNavy)));
  EXPECT_TRUE(HasInk(InkBox(enabled, FieldInside(l), clRed)));

  l.SetEnabled(false);
  const Bitmap disabled = f.LabelImage();
  EXPECT_FALSE(HasInk(InkBox(disabled, left_area, clNavy)));
  EXPECT_FALSE(HasInk(InkBox(disabled, FieldInside(l), clRed)));
  EXPECT_TRUE(HasInk(InkBox(disabled, FieldInside(l), ColorToRGB(clBtnShadow))));

  // Both side texts are engraved: a white copy, then a gray one over it. The white copy of
  // the left text lies one pixel right of and below the gray one; that of a right-justified
  // right text one pixel left of and below it.
  Bitmap expected(l.Width(), l.Height());
  TCanvas c(&expected);
  c.Font().Assign(l.Font());
  c.Brush().SetColor(clBtnFace);
  c.Pen().SetColor(clBtnFace);
  c.Rectangle(0, 0, l.Width(), l.Height());
  c.Brush().SetStyle(TBrushStyle::bsClear);
  const int ty = (l.Height() - c.TextHeight("(8g]}ÜÄ§")) / 2;
  const int right_x = l.Width() - c.TextWidth("Right") - 6;
  c.Font().SetColor(clWhite);
  c.TextOut(8, ty + 1, "Left");
  c.TextOut(right_x - 1, ty + 1, "Right");
  c.Font().SetColor(clGray);
  c.TextOut(7, ty, "Left");
  c.TextOut(right_x, ty, "Right");
  EXPECT_TRUE(SameRegion(disabled, expected, left_area));
  EXPECT_TRUE(SameRegion(disabled, expected, right_area));

  l.SetEnabled(true);
  EXPECT_TRUE(SameRegion(f.LabelImage(), enabled, Rect(0, 0, l.Width(), l.Height())));
}

TEST(NumLabPaint, TransparentShowsTheParentAroundAnOpaqueField) {
  constexpr TColor kParent = 0x40C0F0;
  LabelOnPanel f(200, 40, kParent, 10, 6);
  TNumLab& l = f.Label();
  l.SetColorLabBakG(clAqua);
  l.SetTransparent(true);
  f.ProcessMessages();
  EXPECT_EQ(f.LabelPixel(5, 3), kParent);              // left of the field
  EXPECT_EQ(f.LabelPixel(150, 20), kParent);           // right of the field
  EXPECT_EQ(f.LabelPixel(60, 27), kParent);            // below the frame
  EXPECT_EQ(f.LabelPixel(40, 6), clAqua);              // inside the field
  EXPECT_EQ(f.LabelPixel(36, 0), clGray & kParent);    // outer frame edge, darkened
  EXPECT_EQ(f.LabelPixel(37, 5), clBlack);             // inner frame edge
  // Repainting does not darken the parent further.
  l.SetValue(7);
  l.SetValue(8);
  EXPECT_EQ(f.LabelPixel(5, 3), kParent);
  EXPECT_EQ(f.LabelPixel(36, 0), clGray & kParent);
}

TEST(NumLabPaint, TransparentWithColouredTextKeepsTheFieldFromTheImage) {
  constexpr TColor kParent = 0x40C0F0;
  LabelOnPanel f(200, 40, kParent);
  TNumLab& l = f.Label();
  l.SetColorLabBakG(clSilver);
  l.SetColorLabText(clRed);
  l.SetTransparent(true);
  f.ProcessMessages();
  EXPECT_EQ(f.LabelPixel(40, 6), clSilver);
  EXPECT_EQ(f.LabelPixel(5, 3), kParent);
}

TEST(NumLabPaint, EmptyFieldShowsTheOutsideColourInsideItsFrame) {
  LabelOnPanel f(200, 40, clWhite);
  TNumLab& l = f.Label();
  l.SetColorLabBakG(clYellow);
  l.SetColorOutBakG(clAqua);
  int calls = 0;
  l.OnBeforeDisplay = [&](TObject*, std::string&) { ++calls; };
  l.SetEmpty(true);
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(CountOther(f.LabelImage(), FieldInside(l), clAqua), 0);
  EXPECT_EQ(f.LabelPixel(36, 0), clGray);
  EXPECT_EQ(f.LabelPixel(37, 1), clBlack);
  l.SetEmpty(false);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(f.LabelPixel(40, 4), clYellow);
}

TEST(NumLabPaint, InvisibleLabelLeavesTheParent) {
  LabelOnPanel f(200, 40, clWhite);
  TNumLab& l = f.Label();
  l.SetVisible(false);
  f.ProcessMessages();
  l.SetValue(3);
  l.Paint();
  EXPECT_EQ(CountOther(f.Surface(), Rect(0, 0, 200, 40), clWhite), 0);
}

// Odd geometry narrows or moves the areas; nothing is drawn outside the label.
TEST(NumLabPaint, OddGeometryStaysInsideTheLabel) {
  LabelOnPanel f(300, 60, clWhite, 100, 20);
  TNumLab& l = f.Label();
  l.SetColorOutBakG(clWhite);
  l.SetColorLabBakG(clWhite);
  l.SetLeftText("far left text");
  l.SetRightText("far right text");
  for (int lw : {-2147483647 - 1, -40, 0, 3, 7, 400, 2147483647}) {
    for (int ls : {0, 158, 160}) {
      l.SetLeftSpace(ls);
      l.SetLabelWidth(lw);
      const TRect bounds = l.BoundsRect();
      int outside = 0;
      for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 300; ++x) {
          const bool inside = x >= bounds.Left && x < bounds.Right && y >= bounds.Top && y < bounds.Bottom;
          if (!inside && f.Surface().Pixel(x, y) != clWhite) ++outside;
        }
      }
      EXPECT_EQ(outside, 0) << "LeftSpace " << ls << ", LabelWidth " << lw;
    }
  }
  for (const auto& [w, h] : {std::pair{0, 28}, std::pair{160, 0}, std::pair{1, 1}}) {
    l.SetBounds(100, 20, w, h);
    l.Refresh();
    EXPECT_EQ(CountOther(f.Surface(), Rect(0, 0, 100, 60), clWhite), 0) << w << " x " << h;
  }
}

// Left and right texts in every alignment, enabled and disabled, on a larger panel.
Bitmap TextsPicture(bool enabled) {
  LabelOnPanel f(180, 3 * 32 + 4, clBtnFace);
  TNumLab& proto = f.Label();
  const TAlignment alignments[] = {TAlignment::taLeftJustify, TAlignment::taRightJustify, TAlignment::taCenter};
  const TDisplay types[] = {TDisplay::dtFixP, TDisplay::dtDegMin, TDisplay::dtEEng};
  const TFrameStyle frames[] = {TFrameStyle::fsLowered, TFrameStyle::fsRaised, TFrameStyle::fsEngraved};
  for (int i = 0; i < 3; ++i) {
    auto* l = i == 0 ? &proto : new TNumLab(&f.Panel());
    l->SetParent(&f.Panel());
    l->SetBounds(2, 2 + 32 * i, 176, 28);
    UseArial(*l);
    l->SetLeftSpace(40);
    l->SetLabelWidth(90);
    l->SetLeftText("X:");
    l->SetRightText("mm");
    l->SetLeftTextAlignment(alignments[i]);
    l->SetRightTextAlignment(alignments[i]);
    l->SetAlignment(alignments[i]);
    l->SetDisplayType(types[i]);
    l->SetFrameStyle(frames[i]);
    l->SetColorLabBakG(clWhite);
    l->SetValue(12345.678);
    l->SetEnabled(enabled);
  }
  f.Panel().PaintWindow();
  Bitmap out = f.Surface();
  return out;
}

TEST(NumLabPaint, SideTextsGolden) {
  ExpectMatchesGolden(TextsPicture(true), "numlab/texts_enabled");
  ExpectMatchesGolden(TextsPicture(false), "numlab/texts_disabled");
}

TEST(NumLabPaint, TransparentGolden) {
  LabelOnPanel f(170, 36, 0x60A0E0, 5, 4);
  TNumLab& l = f.Label();
  UseArial(l);
  l.SetLeftText("Speed");
  l.SetRightText("m/s");
  l.SetLeftTextAlignment(TAlignment::taCenter);
  l.SetLeftSpace(45);
  l.SetLabelWidth(80);
  l.SetColorLabBakG(clSilver);
  l.SetValue(-3.75);
  l.SetTransparent(true);
  f.ProcessMessages();
  ExpectMatchesGolden(f.Surface(), "numlab/transparent");
}

}  // namespace
}  // namespace kurvex
