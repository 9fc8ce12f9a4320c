// TFont: size and height, change notification, assignment.

#include <gtest/gtest.h>

#include "common/errors.h"
#include "platform/gfx/font.h"

namespace kurvex {
namespace {

TEST(Font, SizeAndHeightFollowThePixelsPerInch) {
  TFont f;
  EXPECT_EQ(f.Name(), "MS Sans Serif");
  EXPECT_EQ(f.Height(), -11);
  EXPECT_EQ(f.Size(), 8);
  f.SetSize(10);
  EXPECT_EQ(f.Height(), -13);  // 10 * 96 / 72 = 13.33
  EXPECT_EQ(f.Size(), 10);     // 13 * 72 / 96 = 9.75
  f.SetSize(9);
  EXPECT_EQ(f.Height(), -12);
  // A new resolution keeps the glyph height; the size reads accordingly.
  f.SetPixelsPerInch(144);
  EXPECT_EQ(f.Height(), -12);
  EXPECT_EQ(f.Size(), 6);
  f.SetSize(9);
  EXPECT_EQ(f.Height(), -18);
  // A positive height (cell height) reads as a negative size and back.
  f.SetPixelsPerInch(96);
  f.SetHeight(16);
  EXPECT_EQ(f.Size(), -12);
  f.SetSize(-12);
  EXPECT_EQ(f.Height(), 16);
  // Invalid resolutions are ignored.
  f.SetPixelsPerInch(0);
  EXPECT_EQ(f.PixelsPerInch(), 96);
}

TEST(Font, OnChangeFiresForEveryChangeOnly) {
  TFont f;
  int changes = 0;
  TObject* sender = nullptr;
  f.OnChange = [&](TObject* s) {
    ++changes;
    sender = s;
  };
  f.SetName("Arial");
  f.SetName("Arial");
  f.SetHeight(-13);
  f.SetSize(10);  // also -13: no change
  f.SetStyle({TFontStyle::fsBold});
  f.SetColor(clRed);
  f.SetColor(clRed);
  f.SetPixelsPerInch(120);
  EXPECT_EQ(changes, 5);
  EXPECT_EQ(sender, &f);
}

TEST(Font, AssignCopiesEverythingButTheHandler) {
  TFont source;
  source.SetName("Arial");
  source.SetHeight(-20);
  source.SetPixelsPerInch(120);
  source.SetStyle({TFontStyle::fsItalic, TFontStyle::fsUnderline});
  source.SetColor(clBtnShadow);
  int source_changes = 0;
  source.OnChange = [&](TObject*) { ++source_changes; };
  TFont target;
  int target_changes = 0;
  target.OnChange = [&](TObject*) { ++target_changes; };
  target.Assign(source);
  EXPECT_EQ(target, source);
  EXPECT_TRUE(target.SameFace(source));
  EXPECT_EQ(target.Color(), clBtnShadow);
  EXPECT_EQ(target_changes, 1);
  EXPECT_EQ(source_changes, 0);
  target.SetColor(clRed);  // the target keeps its own handler
  EXPECT_EQ(target_changes, 2);
  EXPECT_TRUE(target.SameFace(source));
  EXPECT_FALSE(target == source);
  target.Assign(target);
  EXPECT_EQ(target_changes, 2);
}

TEST(Font, AssignFromAnotherClassRaises) {
  class TOther : public TPersistent {
   public:
    const char* ClassName() const override { return "TOther"; }
  };
  TFont f;
  TOther other;
  EXPECT_THROW(f.Assign(other), EConvertError);
}

}  // namespace
}  // namespace kurvex
