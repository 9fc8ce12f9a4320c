#include <gtest/gtest.h>

#include <algorithm>

#include "platform/resources.h"

namespace kurvex {
namespace {

struct CursorCase {
  const char* name;
  int hot_x;
  int hot_y;
};

TEST(Resources, TheFourChartCursorsAreBuiltInWithTheirHotSpots) {
  for (const CursorCase c : {CursorCase{"CURHAND", 12, 3}, CursorCase{"CURZOOMW", 7, 9}, CursorCase{"CURZOOMD", 15, 15},
                             CursorCase{"CURZOOMP", 7, 8}}) {
    SCOPED_TRACE(c.name);
    const CursorImage image = LoadCursorResource(c.name);
    EXPECT_EQ(image.hot_x, c.hot_x);
    EXPECT_EQ(image.hot_y, c.hot_y);
    // Two-colour art on a transparent ground: black strokes, white around them.
    const auto count = [&](int v) { return std::count(std::begin(image.pixels), std::end(image.pixels), v); };
    EXPECT_GT(count(1), 30);
    EXPECT_GT(count(2), 30);
    EXPECT_GT(count(0), 300);
    EXPECT_EQ(image.At(0, 0), 0);
    EXPECT_EQ(image.At(31, 31), 0);
  }
  // The hand's hot spot is on the tip of the index finger, not in the air.
  EXPECT_NE(LoadCursorResource("CURHAND").At(12, 3), 0);
  EXPECT_THROW(LoadCursorResource("CURNONE"), EResourceError);
}

TEST(Resources, FilesAreFoundByTheirPathBelowTheFolder) {
  const std::string* hand = FindResource("cursors/curhand.xpm");
  ASSERT_NE(hand, nullptr);
  EXPECT_EQ(hand->rfind("/* XPM */", 0), 0u);
  EXPECT_EQ(FindResource("cursors/nothing.xpm"), nullptr);
  EXPECT_EQ(FindResource("curhand.xpm"), nullptr);
  const auto names = ResourceNames();
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
  EXPECT_NE(std::find(names.begin(), names.end(), "cursors/curzoomp.xpm"), names.end());
}

std::string Xpm(const std::string& values, const std::vector<std::string>& colours, std::vector<std::string> rows) {
  std::string text = "/* XPM */\nstatic char *c[] = {\n\"" + values + "\",\n";
  for (const auto& c : colours) text += "\"" + c + "\",\n";
  for (const auto& r : rows) text += "\"" + r + "\",\n";
  return text + "};\n";
}

TEST(Resources, CursorXpmIsReadStrictly) {
  const std::vector<std::string> colours = {". c None", "# c black", "o c #F0F0F0"};
  std::vector<std::string> rows(32, std::string(32, '.'));
  rows[4][9] = '#';
  rows[4][10] = 'o';
  const CursorImage ok = ParseCursorXpm(Xpm("32 32 3 1 9 4", colours, rows), "ok.xpm");
  EXPECT_EQ(ok.At(9, 4), 1);
  EXPECT_EQ(ok.At(10, 4), 2);
  EXPECT_EQ(ok.hot_x, 9);
  EXPECT_EQ(ParseCursorXpm(Xpm("32 32 3 1", colours, rows), "no_hot.xpm").hot_x, 0);

  auto message = [](const std::string& text) {
    try {
      ParseCursorXpm(text, "bad.xpm");
    } catch (const EResourceError& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(message(Xpm("16 16 3 1", colours, rows)), "bad.xpm: a cursor is 32 x 32 pixels");
  EXPECT_EQ(message(Xpm("32 32 3 1 40 4", colours, rows)), "bad.xpm: the hot spot lies outside the image");
  auto short_row = rows;
  short_row[7].pop_back();
  EXPECT_EQ(message(Xpm("32 32 3 1", colours, short_row)), "bad.xpm: row 7 has 31 pixels, expected 32");
  auto stray = rows;
  stray[2][3] = 'x';
  EXPECT_EQ(message(Xpm("32 32 3 1", colours, stray)), "bad.xpm: row 2 uses a colour that is not defined");
  EXPECT_EQ(message(Xpm("32 32 3 1", {". c None", "# c black", "o c pink"}, rows)),
            "bad.xpm: colour line 3 has no usable \"c\" colour");
  auto missing = rows;
  missing.pop_back();
  EXPECT_EQ(message(Xpm("32 32 3 1", colours, missing)), "bad.xpm: expected 3 colours and 32 rows");
  EXPECT_EQ(message("nothing here"), "bad.xpm: no XPM values line");
}

}  // namespace
}  // namespace kurvex
