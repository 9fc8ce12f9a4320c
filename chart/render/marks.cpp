// DrawMark: 52 drawn mark shapes (seven of them pixel patterns) and character marks.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>

#include "chart/render/item_context.h"

namespace kurvex {

namespace {

// Pixel patterns: 7 rows from y - 3 to y + 3; bit 6 of a row is x - 3, bit 0 is x + 3.
constexpr std::uint8_t kPatterns[7][7] = {
    {0x00, 0x00, 0x08, 0x1C, 0x08, 0x00, 0x00},  // 1
    {0x00, 0x08, 0x08, 0x3E, 0x08, 0x08, 0x00},  // 2
    {0x08, 0x08, 0x08, 0x7F, 0x08, 0x08, 0x08},  // 3
    {0x00, 0x00, 0x14, 0x08, 0x14, 0x00, 0x00},  // 4
    {0x00, 0x22, 0x14, 0x08, 0x14, 0x22, 0x00},  // 5
    {0x41, 0x22, 0x14, 0x08, 0x14, 0x22, 0x41},  // 6
    {0x55, 0x2A, 0x55, 0x2A, 0x55, 0x2A, 0x55},  // 18 (checkerboard)
};

// The shapes are given as strokes and figures relative to the mark's centre.
class MarkPainter {
 public:
  MarkPainter(TCanvas& canvas, int x, int y) : c_(canvas), x_(x), y_(y) {}

  void Pattern(const std::uint8_t (&rows)[7]) {
    const TColor color = c_.Pen().Color();
    for (int row = 0; row < 7; ++row) {
      for (int bit = 0; bit < 7; ++bit) {
        if ((rows[row] >> bit) & 1) c_.SetPixel(x_ + 3 - bit, y_ - 3 + row, color);
      }
    }
  }
  void Stroke(int x1, int y1, int x2, int y2) {
    c_.MoveTo(x_ + x1, y_ + y1);
    c_.LineTo(x_ + x2, y_ + y2);
  }
  void Plus(int a, int b) {
    Stroke(-a, 0, b, 0);
    Stroke(0, -a, 0, b);
  }
  void Diag(int a, int b) {
    Stroke(-a, -a, b, b);
    Stroke(-a, a, b, -b);
  }
  // A closed outline through the given offsets, drawn stroke by stroke.
  void Outline(std::initializer_list<TPoint> points) {
    const TPoint* p = points.begin();
    c_.MoveTo(x_ + p->X, y_ + p->Y);
    for (const TPoint* q = p + 1; q != points.end(); ++q) c_.LineTo(x_ + q->X, y_ + q->Y);
    c_.LineTo(x_ + p->X, y_ + p->Y);
  }
  void Square(int a) { Outline({Point(-a, -a), Point(-a, a), Point(a, a), Point(a, -a)}); }
  void Diamond() { Outline({Point(-3, 0), Point(0, 3), Point(3, 0), Point(0, -3)}); }

  void Rectangle(int x1, int y1, int x2, int y2) { c_.Rectangle(x_ + x1, y_ + y1, x_ + x2, y_ + y2); }
  void Ellipse(int x1, int y1, int x2, int y2) { c_.Ellipse(x_ + x1, y_ + y1, x_ + x2, y_ + y2); }
  void Polygon(std::initializer_list<TPoint> points) {
    TPoint p[4];
    int n = 0;
    for (const TPoint q : points) p[n++] = Point(x_ + q.X, y_ + q.Y);
    c_.Polygon(std::span<const TPoint>(p, static_cast<std::size_t>(n)));
  }
  void Triangle(int a) { Polygon({Point(-a, 0), Point(0, a), Point(a, 0)}); }

  // Fill styles: filled shapes take the pen colour as brush; hollow ones no fill, and the
  // brush is solid again afterwards.
  void Filled() { c_.Brush().SetColor(c_.Pen().Color()); }
  void Hollow() { c_.Brush().SetStyle(TBrushStyle::bsClear); }
  void Solid() { c_.Brush().SetStyle(TBrushStyle::bsSolid); }

  void Draw(int t);

 private:
  TCanvas& c_;
  int x_, y_;
};

void MarkPainter::Draw(int t) {
  switch (t) {
    case 0: c_.SetPixel(x_, y_, c_.Pen().Color()); break;
    case 1: case 2: case 3: case 4: case 5: case 6: Pattern(kPatterns[t - 1]); break;
    case 7: case 8: case 9: {
      const int a = t - 6;
      Filled();
      Rectangle(-a, -a, a + 1, a + 1);
      break;
    }
    case 10: case 11: case 12: Square(t - 9); break;
    case 13:
      Diamond();
      c_.SetPixel(x_, y_, c_.Pen().Color());
      break;
    case 14: case 15: {
      const int a = t - 12;
      Filled();
      Polygon({Point(-a, 0), Point(0, a), Point(a, 0), Point(0, -a)});
      break;
    }
    case 16: Hollow(); Ellipse(-2, -2, 3, 3); Solid(); break;
    case 17: Hollow(); Ellipse(-3, -3, 4, 4); Solid(); break;
    case 18: Pattern(kPatterns[6]); break;
    case 19: Diamond(); break;
    case 20: case 21: {
      const int a = t - 17;
      Stroke(0, 0, -a, a);
      Stroke(0, 0, a, a);
      break;
    }
    case 22: case 23: {
      const int a = t - 19;
      Stroke(0, 0, -a, -a);
      Stroke(0, 0, a, -a);
      break;
    }
    case 24: Filled(); Ellipse(-3, -3, 4, 4); break;
    case 25:
      Stroke(-3, -3, 4, 4);
      Stroke(-3, -2, 3, 4);
      Stroke(-2, -3, 4, 3);
      Stroke(-3, 3, 4, -4);
      Stroke(-3, 2, 3, -4);
      Stroke(-2, 3, 4, -3);
      break;
    case 26: Filled(); Ellipse(-2, -2, 3, 3); break;
    case 27: Hollow(); Ellipse(-2, -2, 2, 2); Solid(); break;
    case 28: Filled(); Ellipse(-2, -2, 2, 2); break;
    case 29: case 30: Filled(); Triangle(t - 27); break;
    case 31: case 32: Hollow(); Triangle(t - 29); Solid(); break;
    case 33: Hollow(); Polygon({Point(-4, -3), Point(0, 4), Point(4, -3)}); Solid(); break;
    case 34: Filled(); Polygon({Point(-4, -3), Point(0, 4), Point(4, -3)}); break;
    case 35: Hollow(); Polygon({Point(-4, 3), Point(0, -4), Point(4, 3)}); Solid(); break;
    case 36: Filled(); Polygon({Point(-4, 3), Point(0, -4), Point(4, 3)}); break;
    case 37:
      Stroke(-3, 0, 4, 0);
      Stroke(0, 0, 0, -8);
      break;
    case 38:
      Stroke(-3, -2, 4, -2);
      Stroke(-3, 2, 4, 2);
      Stroke(0, -2, 0, 2);
      break;
    case 39:
      Hollow();
      Ellipse(-3, -3, 4, 4);
      Solid();
      Plus(3, 4);
      break;
    case 40: Hollow(); Polygon({Point(3, -2), Point(-2, 0), Point(3, 2)}); Solid(); break;
    case 41: Filled(); Polygon({Point(3, -2), Point(-2, 0), Point(3, 2)}); break;
    case 42: Hollow(); Polygon({Point(4, -3), Point(-3, 0), Point(4, 3)}); Solid(); break;
    case 43: Filled(); Polygon({Point(4, -3), Point(-3, 0), Point(4, 3)}); break;
    case 44: Hollow(); Polygon({Point(-3, -2), Point(2, 0), Point(-3, 2)}); Solid(); break;
    case 45: Filled(); Polygon({Point(-3, -2), Point(2, 0), Point(-3, 2)}); break;
    case 46: Hollow(); Polygon({Point(-4, -3), Point(3, 0), Point(-4, 3)}); Solid(); break;
    case 47: Filled(); Polygon({Point(-4, -3), Point(3, 0), Point(-4, 3)}); break;
    case 48:
      Hollow();
      Rectangle(-3, -3, 4, 4);
      Solid();
      Plus(3, 4);
      break;
    case 49:
      Hollow();
      Rectangle(-2, -2, 3, 3);
      Solid();
      Plus(4, 5);
      break;
    case 50:
      Solid();
      Plus(4, 5);
      Diag(3, 4);
      break;
    case 51:
      Solid();
      Plus(4, 5);
      Stroke(-1, -3, 2, -3);
      Stroke(-1, 3, 2, 3);
      Stroke(-3, -1, -3, 2);
      Stroke(3, -1, 3, 2);
      break;
    default: break;
  }
}

// UTF-8 of a character code of the chart's single-byte character set: the printable ASCII
// and Latin-1 range as they are, 0x80..0x9F as the Windows-1252 letters and signs.
std::string CharacterText(int code) {
  static constexpr char16_t kHigh[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
      0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  const unsigned cp = code >= 0x80 && code < 0xA0 ? kHigh[code - 0x80] : static_cast<unsigned>(code);
  std::string s;
  if (cp < 0x80) {
    s += static_cast<char>(cp);
  } else if (cp < 0x800) {
    s += static_cast<char>(0xC0 | (cp >> 6));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | (cp >> 12));
    s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return s;
}

// A character centred on (x, y) in the pen colour, on a clear brush (left clear).
void DrawCharacterMark(TCanvas& canvas, int code, int x, int y) {
  const std::string text = CharacterText(code >= 200 && code <= 209 ? code - 152 : code);
  canvas.Font().SetColor(canvas.Pen().Color());
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  const int w = canvas.TextWidth(text);
  const int h = canvas.TextHeight(text);
  canvas.TextOut(x - w / 2, y - h / 2, text);
}

}  // namespace

void DrawMark(TCanvas& canvas, int type, int x, int y) {
  const int t = type & 0xFF;
  if (t >= 52) {
    DrawCharacterMark(canvas, t, x, y);
    return;
  }
  const TColor brush = canvas.Brush().Color();
  MarkPainter(canvas, x, y).Draw(t);
  canvas.Brush().SetColor(brush);
}

}  // namespace kurvex
