// Text on the canvas: measuring, cells, brushes, colours, Latin-1 characters, styles,
// clipping by TextRect, the face lookup and the glyph cache.

#include <gtest/gtest.h>

#include "pixel_helpers.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/font_engine.h"

namespace kurvex {
namespace {

using testing_px::PaintedPixels;

struct TextScene {
  Bitmap bitmap{120, 40};
  TCanvas canvas{&bitmap};
  explicit TextScene(const char* family = "Arial", int height = -13) {
    canvas.Font().SetName(family);
    canvas.Font().SetHeight(height);
    canvas.Font().SetColor(clBlack);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
  }
};

TEST(FontFaces, DesktopFamiliesResolveToTheMetricCompatibleFreeFamily) {
  EXPECT_EQ(fonts::ResolveFace("Arial", false, false).family, "Liberation Sans");
  EXPECT_EQ(fonts::ResolveFace("MS Sans Serif", false, false).family, "Liberation Sans");
  // Real bold and italic faces, not synthesized ones.
  const fonts::FaceSource bold = fonts::ResolveFace("Arial", true, false);
  EXPECT_NE(bold.file.find("Bold"), std::string::npos) << bold.file;
  EXPECT_FALSE(bold.embolden);
  const fonts::FaceSource italic = fonts::ResolveFace("Arial", false, true);
  EXPECT_NE(italic.file.find("Italic"), std::string::npos) << italic.file;
  EXPECT_FALSE(italic.slant);
}

TEST(FontFaces, UnknownFamiliesFallBackAndStillDraw) {
  TextScene s("No Such Family 4711");
  EXPECT_GT(s.canvas.TextWidth("Fallback"), 20);
  s.canvas.TextOut(2, 2, "Fallback");
  EXPECT_FALSE(PaintedPixels(s.bitmap, clWhite).empty());
}

TEST(TextMetrics, CellHeightIsTheSameForEveryStringAndWidthsAdd) {
  TextScene s;
  EXPECT_EQ(s.canvas.TextHeight(""), s.canvas.TextHeight("Hg"));
  EXPECT_EQ(s.canvas.TextHeight("x"), 15);  // ascent 12 + descent 3 at a 13-pixel em
  EXPECT_EQ(s.canvas.TextWidth(""), 0);
  EXPECT_EQ(s.canvas.TextWidth("Hello"), s.canvas.TextWidth("He") + s.canvas.TextWidth("llo"));
  EXPECT_GT(s.canvas.TextWidth("WWW"), s.canvas.TextWidth("iii"));
  // A positive height is the cell height.
  s.canvas.Font().SetHeight(20);
  EXPECT_EQ(s.canvas.TextHeight("x"), 20);
  s.canvas.Font().SetHeight(-40);
  EXPECT_GT(s.canvas.TextHeight("x"), 40);
}

TEST(TextOut, SolidBrushFillsExactlyTheCell) {
  TextScene s;
  s.canvas.Brush().SetColor(clYellow);
  const int w = s.canvas.TextWidth("Cell 42");
  const int h = s.canvas.TextHeight("Cell 42");
  s.canvas.TextOut(10, 5, "Cell 42");
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 120; ++x) {
      const bool inside = x >= 10 && x < 10 + w && y >= 5 && y < 5 + h;
      if (inside) {
        ASSERT_NE(s.bitmap.Pixel(x, y), clWhite) << x << ", " << y;
      } else {
        ASSERT_EQ(s.bitmap.Pixel(x, y), clWhite) << x << ", " << y;
      }
    }
  }
  EXPECT_EQ(s.canvas.PenPos(), Point(10 + w, 5));
}

TEST(TextOut, ClearBrushDrawsOnlyGlyphsInTheFontColour) {
  TextScene s("Arial", -40);
  s.bitmap.SetSize(200, 60);
  s.bitmap.Fill(clAqua);
  s.canvas.Font().SetColor(clBtnShadow);  // a system colour, resolved to gray
  s.canvas.TextOut(5, 5, "MI");
  int exact = 0;
  int background = 0;
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 200; ++x) {
      exact += s.bitmap.Pixel(x, y) == clGray;
      background += s.bitmap.Pixel(x, y) == clAqua;
    }
  }
  EXPECT_GT(exact, 100);  // the stems are fully covered
  EXPECT_GT(background, 200 * 60 / 2);
  EXPECT_EQ(s.bitmap.Pixel(6, 6), clAqua);  // corner of the cell: the brush is clear
}

TEST(TextOut, IgnoresThePenMode) {
  TextScene a;
  a.canvas.TextOut(3, 3, "Mode");
  TextScene b;
  b.canvas.Pen().SetMode(TPenMode::pmXor);
  b.canvas.TextOut(3, 3, "Mode");
  b.canvas.TextOut(3, 3, "Mode");
  // Drawn twice in copy mode gives the same full-coverage pixels as once.
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 120; ++x) {
      if (a.bitmap.Pixel(x, y) == clBlack) {
        ASSERT_EQ(b.bitmap.Pixel(x, y), clBlack);
      }
    }
  }
}

TEST(TextOut, LatinOneCharactersDrawTheirOwnGlyphs) {
  const auto render = [](const char* text) {
    TextScene s("MS Sans Serif", -20);
    s.canvas.TextOut(2, 2, text);
    return PaintedPixels(s.bitmap, clWhite);
  };
  EXPECT_NE(render("\xC3\x9C"), render("U"));  // "Ü" has its dots
  EXPECT_NE(render("\xC3\x84"), render("A"));  // "Ä"
  const auto missing = render("\xEF\xBF\xBF");  // a code point no font has
  for (const char* text : {"\xC2\xB0", "\xC2\xA7", "\xC2\xB5", "\xC3\x9C"}) {
    EXPECT_FALSE(render(text).empty()) << text;
    EXPECT_NE(render(text), missing) << text;
  }
  // A lone Latin-1 byte (not valid UTF-8) still shows its character.
  EXPECT_EQ(render("\xB0"), render("\xC2\xB0"));
  EXPECT_EQ(render("5\xB5s"), render("5\xC2\xB5s"));
}

TEST(TextOut, UnderlineAndStrikeOutDrawLinesAcrossTheText) {
  const auto full_rows = [](TFontStyles style) {
    TextScene s("Arial", -20);
    s.canvas.Font().SetStyle(style);
    const int w = s.canvas.TextWidth("a b");
    s.canvas.TextOut(4, 4, "a b");
    std::vector<int> rows;
    for (int y = 0; y < 40; ++y) {
      bool full = true;
      for (int x = 4; x < 4 + w; ++x) full = full && s.bitmap.Pixel(x, y) == clBlack;
      if (full) rows.push_back(y);
    }
    return rows;
  };
  EXPECT_TRUE(full_rows({}).empty());
  const std::vector<int> under = full_rows({TFontStyle::fsUnderline});
  const std::vector<int> strike = full_rows({TFontStyle::fsStrikeOut});
  ASSERT_FALSE(under.empty());
  ASSERT_FALSE(strike.empty());
  EXPECT_GT(under.front(), strike.back());
  EXPECT_GE(under.front(), 4 + 18);  // below the baseline (ascent 18 at a 20-pixel em)
}

TEST(TextOut, BoldAndItalicChangeTheGlyphs) {
  const auto render = [](TFontStyles style) {
    TextScene s("Arial", -16);
    s.canvas.Font().SetStyle(style);
    s.canvas.TextOut(2, 2, "Style");
    return PaintedPixels(s.bitmap, clWhite);
  };
  const auto regular = render({});
  const auto bold = render({TFontStyle::fsBold});
  EXPECT_NE(regular, render({TFontStyle::fsItalic}));
  EXPECT_NE(regular, bold);
  EXPECT_GT(bold.size(), regular.size());
}

TEST(TextRect, ClipsToTheRectangleAndFillsIt) {
  TextScene s("Arial", -20);
  s.canvas.Brush().SetColor(clYellow);
  const TRect r = Rect(10, 5, 40, 20);
  s.canvas.TextRect(r, 12, 3, "Overflowing text");
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 120; ++x) {
      const bool inside = x >= 10 && x < 40 && y >= 5 && y < 20;
      if (!inside) {
        ASSERT_EQ(s.bitmap.Pixel(x, y), clWhite) << x << ", " << y;
      }
    }
  }
  EXPECT_EQ(s.bitmap.Pixel(10, 5), clYellow);
  int ink = 0;
  int fill = 0;
  for (int y = 5; y < 20; ++y) {
    for (int x = 10; x < 40; ++x) {
      ink += s.bitmap.Pixel(x, y) == clBlack;
      fill += s.bitmap.Pixel(x, y) == clYellow;
    }
  }
  EXPECT_GT(ink, 10);
  EXPECT_GT(fill, 30 * 15 / 2);
}

TEST(GlyphCache, MeasuringAndDrawingAgainRendersNothingNew) {
  TextScene s("Arial", -17);
  s.canvas.TextOut(0, 0, "Cache me 0123");
  const std::size_t rendered = fonts::FaceFor({"Arial", -17, false, false}).RenderedGlyphs();
  s.canvas.TextWidth("Cache me 0123");
  s.canvas.TextOut(0, 20, "Cache me 0123");
  TextScene other("Arial", -17);  // another canvas shares the face
  other.canvas.TextOut(0, 0, "me 321");
  EXPECT_EQ(fonts::FaceFor({"Arial", -17, false, false}).RenderedGlyphs(), rendered);
}

TEST(Utf8, DecodesValidSequencesAndTakesStrayBytesAsLatinOne) {
  const auto decode = [](std::string_view s) {
    std::vector<char32_t> out;
    for (std::size_t pos = 0; pos < s.size();) out.push_back(fonts::NextCodePoint(s.data(), s.size(), &pos));
    return out;
  };
  EXPECT_EQ(decode("a\xC2\xB0\xE2\x82\xAC\xF0\x9F\x98\x80"), (std::vector<char32_t>{'a', 0xB0, 0x20AC, 0x1F600}));
  EXPECT_EQ(decode("\xB0z"), (std::vector<char32_t>{0xB0, 'z'}));
  EXPECT_EQ(decode("\xC3"), (std::vector<char32_t>{0xC3}));              // cut off at the end
  EXPECT_EQ(decode("\xC0\xAF"), (std::vector<char32_t>{0xC0, 0xAF}));    // overlong form
  EXPECT_EQ(decode("\xED\xA0\x80"), (std::vector<char32_t>{0xED, 0xA0, 0x80}));  // surrogate
}

}  // namespace
}  // namespace kurvex
