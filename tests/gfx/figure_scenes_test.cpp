// Reference pictures of figures, written as small scenes: one drawing command a line, and
// the expected rows of the bitmap ('.' white, '#' black, 'r' red, 'b' blue). Every row of
// the bitmap outside the rows shown must stay white.
//
//   scene NAME WIDTH HEIGHT        pen STYLE WIDTH RRGGBB [xor]
//   brush solid RRGGBB | clear     moveto X Y | lineto X Y
//   rect X1 Y1 X2 Y2               ellipse X1 Y1 X2 Y2
//   rows FIRST LAST  (then LAST - FIRST + 1 picture lines)

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/gfx/canvas.h"

namespace kurvex {
namespace {

struct SceneResult {
  std::string name;
  std::vector<std::string> actual;    // the rows shown, as drawn
  std::vector<std::string> expected;  // the rows shown, as given
  int stray_row = -1;                 // a row outside those shown that is not white
};

TColor ParseRgb(const std::string& hex) {
  const auto rgb = static_cast<TColor>(std::stoul(hex, nullptr, 16));
  return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

char Symbol(TColor c) {
  switch (c) {
    case clWhite: return '.';
    case clBlack: return '#';
    case clRed: return 'r';
    case clBlue: return 'b';
    default: return '?';
  }
}

const std::map<std::string, TPenStyle> kStyles = {
    {"solid", TPenStyle::psSolid},     {"dash", TPenStyle::psDash},
    {"dot", TPenStyle::psDot},         {"dashdot", TPenStyle::psDashDot},
    {"dashdotdot", TPenStyle::psDashDotDot}, {"clear", TPenStyle::psClear},
};

// Runs every scene of the text and compares it with its picture.
std::vector<SceneResult> RunScenes(const std::string& text) {
  std::vector<SceneResult> results;
  std::istringstream lines(text);
  std::string line;
  Bitmap bitmap;
  TCanvas canvas;
  while (std::getline(lines, line)) {
    std::istringstream in(line);
    std::string word;
    if (!(in >> word)) continue;
    if (word == "scene") {
      int w, h;
      results.emplace_back();
      in >> results.back().name >> w >> h;
      bitmap.SetSize(w, h);
      bitmap.Fill(clWhite);
      canvas.SetTarget(&bitmap);
      canvas.Pen().SetMode(TPenMode::pmCopy);
    } else if (word == "pen") {
      std::string style, rgb, mode;
      int width;
      in >> style >> width >> rgb >> mode;
      canvas.Pen().SetStyle(kStyles.at(style));
      canvas.Pen().SetWidth(width);
      canvas.Pen().SetColor(ParseRgb(rgb));
      canvas.Pen().SetMode(mode == "xor" ? TPenMode::pmXor : TPenMode::pmCopy);
    } else if (word == "brush") {
      std::string style, rgb;
      in >> style >> rgb;
      if (style == "solid") canvas.Brush().SetColor(ParseRgb(rgb));
      else canvas.Brush().SetStyle(TBrushStyle::bsClear);
    } else if (word == "moveto" || word == "lineto") {
      int x, y;
      in >> x >> y;
      if (word == "moveto") canvas.MoveTo(x, y);
      else canvas.LineTo(x, y);
    } else if (word == "rect" || word == "ellipse") {
      int x1, y1, x2, y2;
      in >> x1 >> y1 >> x2 >> y2;
      if (word == "rect") canvas.Rectangle(x1, y1, x2, y2);
      else canvas.Ellipse(x1, y1, x2, y2);
    } else if (word == "rows") {
      int first, last;
      in >> first >> last;
      SceneResult& r = results.back();
      for (int y = first; y <= last; ++y) {
        std::getline(lines, line);
        r.expected.push_back(line.substr(line.find_first_not_of(' ')));
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x) row += Symbol(bitmap.Pixel(x, y));
        r.actual.push_back(row);
      }
      for (int y = 0; y < bitmap.Height() && r.stray_row < 0; ++y) {
        if (y >= first && y <= last) continue;
        for (int x = 0; x < bitmap.Width(); ++x) {
          if (bitmap.Pixel(x, y) != clWhite) r.stray_row = y;
        }
      }
    }
  }
  return results;
}

std::string Joined(const std::vector<std::string>& rows) {
  std::string out;
  for (const std::string& row : rows) out += row + '\n';
  return out;
}

void ExpectScenes(const std::string& text) {
  for (const SceneResult& r : RunScenes(text)) {
    EXPECT_EQ(Joined(r.actual), Joined(r.expected)) << "scene " << r.name;
    EXPECT_EQ(r.stray_row, -1) << "scene " << r.name << " paints outside the rows shown";
  }
}

// The chart's crosshair box: a dash-dot-dot pattern that starts at the top right corner and
// runs counter-clockwise, on across the corners.
TEST(FigureScenes, StyledRectangleOutlines) {
  ExpectScenes(R"(
scene crosshair_box 20 20
pen dashdotdot 1 FF0000
brush clear
rect 6 6 15 15
rows 5 15
    ....................
    ......rrrrrrrrr.....
    ..............r.....
    ..............r.....
    ..............r.....
    ......r.......r.....
    ......r.......r.....
    ......r.......r.....
    ..............r.....
    ........rrr...r.....
    ....................
)");
}

// A dotted circle mark: the pattern counts outline pixels from the east, counter-clockwise.
TEST(FigureScenes, StyledEllipseOutlines) {
  ExpectScenes(R"(
scene dotted_circle 20 20
pen dot 1 FF0000
brush clear
ellipse 6 6 13 13
rows 6 13
    ....................
    .......r...r........
    ......r.....r.......
    ......r.....r.......
    ....................
    ...........r........
    .........rr.........
    ....................
)");
}

TEST(FigureScenes, EllipseShape) {
  ExpectScenes(R"(
scene ellipse_6x6 12 12
pen solid 1 000000
brush solid 0000FF
ellipse 3 3 9 9
rows 2 9
    ............
    .....##.....
    ....#bb#....
    ...#bbbb#...
    ...#bbbb#...
    ....#bb#....
    .....##.....
    ............
)");
}

// Rectangle outlines are closed paths of lines: a 1 x 1 box has only zero-length sides, and
// in XOR the middle of a one-pixel-wide box is drawn twice and cancels.
TEST(FigureScenes, DegenerateRectangles) {
  ExpectScenes(R"(
scene rect_1x1 12 12
pen solid 1 000000
brush solid 0000FF
rect 4 4 5 5
rows 0 1
    ............
    ............

scene rect_1wide_xor 12 12
pen solid 1 FFFFFF xor
brush clear
rect 3 2 4 8
rows 1 8
    ............
    ...#........
    ............
    ............
    ............
    ............
    ...#........
    ............
)");
}

// Wide pens end and join with the pen's disc, the ellipse of the pen's width.
TEST(FigureScenes, WidePenCapsAndCorners) {
  ExpectScenes(R"(
scene wide3_caps 30 12
pen solid 3 000000
moveto 5 6
lineto 20 6
rows 4 8
    ..............................
    .....################.........
    ....##################........
    .....################.........
    ..............................

scene wide4_point 12 12
pen solid 4 000000
moveto 5 6
lineto 5 6
rows 3 8
    ............
    ....##......
    ...####.....
    ...####.....
    ....##......
    ............

scene wide5_rect 26 24
pen solid 5 000000
brush solid 0000FF
rect 5 5 20 18
rows 2 20
    ..........................
    ....#################.....
    ...###################....
    ...###################....
    ...###################....
    ...###################....
    ...#####bbbbbbbbb#####....
    ...#####bbbbbbbbb#####....
    ...#####bbbbbbbbb#####....
    ...#####bbbbbbbbb#####....
    ...#####bbbbbbbbb#####....
    ...#####bbbbbbbbb#####....
    ...#####bbbbbbbbb#####....
    ...###################....
    ...###################....
    ...###################....
    ...###################....
    ....#################.....
    ..........................
)");
}

}  // namespace
}  // namespace kurvex
