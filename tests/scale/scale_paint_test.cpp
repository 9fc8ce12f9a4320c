// Painting of the scale: marks, base line, the order of the events, what an opaque and a
// transparent scale draw, the recorded ticks, and golden pictures of every orientation and
// of the date/time levels.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "common/datetime.h"
#include "common/numeric.h"
#include "golden_image.h"
#include "platform/std_controls.h"
#include "platform/test_support.h"
#include "scale/label_place.h"
#include "scale_test_support.h"

namespace kurvex {
namespace {

using scale_test::Configure;
using testing::ElementsAre;

constexpr TColor kBoard = 0xE0F0FF;

// Scales painted onto one bitmap, each at its own offset, through the target canvas.
class Board {
 public:
  Board(int w, int h, TColor color = kBoard) : bitmap_(w, h), canvas_(&bitmap_) { bitmap_.Fill(color); }

  TScale& Add(int x, int y, int w, int h) {
    auto& s = *scales_.emplace_back(std::make_unique<TScale>(nullptr));
    s.SetBounds(0, 0, w, h);
    s.SetTargetCanvas(&canvas_, x, y);
    return s;
  }
  void PaintAll() {
    for (auto& s : scales_) s->ForcePaint();
  }
  const Bitmap& Image() const { return bitmap_; }
  TCanvas& Canvas() { return canvas_; }

 private:
  Bitmap bitmap_;
  TCanvas canvas_;
  std::vector<std::unique_ptr<TScale>> scales_;
};

TEST(ScalePaint, MarksAndBaseLine) {
  Board board(400, 100);
  TScale& s = board.Add(0, 0, 400, 100);  // sctXB: base line y = 100 - 20 - 1 = 79
  Configure(s, 0, 359);
  s.SetFrameStyle(TFrameStyle::fsNone);
  s.SetLabelType(TFigType::ftNoFigs);
  s.SetColorBackGnd(clWhite);
  board.PaintAll();
  const Bitmap& b = board.Image();
  EXPECT_EQ(b.Pixel(20, 79), clBlack);
  EXPECT_EQ(b.Pixel(379, 79), clBlack);  // both ends of the base line
  EXPECT_EQ(b.Pixel(19, 79), clWhite);
  EXPECT_EQ(b.Pixel(380, 79), clWhite);
  // A long mark of 7 pixels at value 100, a short one of 4 at value 120.
  EXPECT_EQ(b.Pixel(120, 73), clBlack);
  EXPECT_EQ(b.Pixel(120, 72), clWhite);
  EXPECT_EQ(b.Pixel(140, 76), clBlack);
  EXPECT_EQ(b.Pixel(140, 75), clWhite);
  s.SetShowBaseLine(false);
  board.PaintAll();
  EXPECT_EQ(b.Pixel(30, 79), clWhite);
}

TEST(ScalePaint, HorizontalLabelsStayInsideTheControl) {
  EXPECT_EQ(HorizontalLabelLeft(100, 21, 400), 90);
  EXPECT_EQ(HorizontalLabelLeft(5, 21, 400), 2);    // never left of x = 2
  EXPECT_EQ(HorizontalLabelLeft(-30, 21, 400), 2);
  EXPECT_EQ(HorizontalLabelLeft(395, 21, 400), 378);  // ends at Width - 2
}

// Which events fire, in which order, for a walk of three labelled ticks.
std::vector<std::string> EventOrder(TScaleType type) {
  Board board(400, 400);
  TScale& s = board.Add(0, 0, 400, 400);
  Configure(s, 0, 2, 2, type);
  s.SetShortTicks(false);
  std::vector<std::string> log;
  s.OnScaleTickDrawn = [&log](TObject*, TCanvas&, TScaleType, double v, int, int) {
    log.push_back("drawn " + std::to_string(static_cast<int>(v)));
  };
  s.OnBeforeTickLabel = [&log](TObject*, TScaleType, double v, std::string& text) {
    log.push_back("label " + std::to_string(static_cast<int>(v)) + " " + text);
  };
  board.PaintAll();
  return log;
}

TEST(ScalePaint, VerticalScalesReportATickBeforeItsLabelHorizontalOnesAfter) {
  EXPECT_THAT(EventOrder(TScaleType::sctXT),
              ElementsAre("label 0 0.00", "drawn 0", "label 1 1.00", "drawn 1", "label 2 2.00", "drawn 2"));
  EXPECT_THAT(EventOrder(TScaleType::sctYR),
              ElementsAre("drawn 0", "label 0 0.00", "drawn 1", "label 1 1.00", "drawn 2", "label 2 2.00"));
}

TEST(ScalePaint, EventsSeeTheBaseLinePointAndMayReplaceLabels) {
  Board board(200, 300);
  TScale& s = board.Add(0, 0, 200, 300);
  Configure(s, 0, 10, 2, TScaleType::sctYR);  // base line x = 200 - 20 - 1
  s.SetColorBackGnd(clWhite);
  s.SetFrameStyle(TFrameStyle::fsNone);
  std::vector<TPoint> points;
  s.OnScaleTickDrawn = [&points](TObject*, TCanvas&, TScaleType, double, int x, int y) {
    points.push_back(Point(x, y));
  };
  s.OnBeforeTickLabel = [](TObject*, TScaleType, double, std::string& text) { text.clear(); };
  board.PaintAll();
  ASSERT_FALSE(points.empty());
  EXPECT_EQ(points.front(), Point(179, 279));  // value 0 at the bottom end
  // With every label emptied nothing but the marks is drawn left of them.
  EXPECT_EQ(scale_test::CountOther(board.Image(), Rect(0, 0, 170, 300), clWhite), 0);
}

TEST(ScalePaint, TheTickListKeeps250ValuesOfLongerWalks) {
  Board board(100, 400);
  TScale& s = board.Add(0, 0, 100, 400);
  Configure(s, 0, 1000, 0, TScaleType::sctYL);  // 201 short and 201 labelled ticks
  board.PaintAll();
  EXPECT_EQ(s.PaintedTicks().Ticks.size(), 402u);
  EXPECT_EQ(s.NumTicks(), 250);
  EXPECT_EQ(s.TickPosition(201), 1000.0);
  EXPECT_EQ(s.TickPosition(202), 0.0);  // the labelled ticks follow the short ones
  EXPECT_EQ(s.TickPosition(250), 240.0);
  s.SetLabelType(TFigType::ftDateTime);  // an invalid range: no ticks, the list is emptied
  s.SetRange(-1, 5);
  board.PaintAll();
  EXPECT_EQ(s.NumTicks(), 0);
}

TEST(ScalePaint, OpaqueScaleDrawsBackgroundAndFrameAtItsOffset) {
  Board board(300, 120);
  TScale& s = board.Add(10, 20, 200, 80);
  s.SetColorBackGnd(clSilver);
  TCanvas* seen = nullptr;
  s.OnAfterScaleRendered = [&seen](TObject*, TCanvas& c) { seen = &c; };
  board.PaintAll();
  const Bitmap& b = board.Image();
  EXPECT_EQ(b.Pixel(9, 20), kBoard);
  EXPECT_EQ(b.Pixel(10, 20), clGray);     // lowered frame: outer top-left
  EXPECT_EQ(b.Pixel(209, 99), clWhite);   // outer bottom-right
  EXPECT_EQ(b.Pixel(11, 21), clBlack);    // inner top-left
  EXPECT_EQ(b.Pixel(208, 98), clSilver);  // inner bottom-right
  EXPECT_EQ(b.Pixel(15, 25), clSilver);   // background
  EXPECT_EQ(b.Pixel(210, 20), kBoard);
  // The handler draws into the scale's own image, before the frame.
  EXPECT_NE(seen, &board.Canvas());
}

TEST(ScalePaint, TransparentScaleDrawsOnlyItsInk) {
  // A transparent scale (silver, framed) looks exactly like an opaque one without a frame
  // whose background is the board's colour: it paints marks, labels and caption, nothing else.
  Board transparent(300, 140), opaque(300, 140);
  for (Board* board : {&transparent, &opaque}) {
    TScale& s = board->Add(0, 30, 300, 80);
    s.SetTransparent(board == &transparent);
    s.SetColorBackGnd(board == &transparent ? clSilver : kBoard);
    if (board == &opaque) s.SetFrameStyle(TFrameStyle::fsNone);
    s.SetColorScale(clRed);
    s.SetCaption("Caption");
    TCanvas* seen = nullptr;
    s.OnAfterScaleRendered = [&seen](TObject*, TCanvas& c) { seen = &c; };
    board->PaintAll();
    EXPECT_EQ(seen == &board->Canvas(), board == &transparent);
  }
  EXPECT_EQ(transparent.Image().Pixel(20, 30 + 59), clRed);  // base line moved across by 30
  for (int y = 0; y < 140; ++y) {
    for (int x = 0; x < 300; ++x) ASSERT_EQ(transparent.Image().Pixel(x, y), opaque.Image().Pixel(x, y)) << x << ", " << y;
  }
  EXPECT_GT(scale_test::CountOther(transparent.Image(), Rect(0, 0, 300, 140), kBoard), 500);
}

// A scale drawn into another canvas at an offset near the ends of the int range lands
// outside that canvas: nothing is drawn, and the offset added to its base line and label
// positions does not overflow.
TEST(ScalePaint, AnOffsetAtTheEndsOfTheIntRangeDrawsNothing) {
  for (const bool transparent : {false, true}) {
    Board board(120, 100);
    for (const TScaleType type : {TScaleType::sctXB, TScaleType::sctXT, TScaleType::sctYL, TScaleType::sctYR}) {
      TScale& s = board.Add(0, 0, 100, 80);
      Configure(s, 0, 100, 3, type);
      s.SetTransparent(transparent);
      s.SetCaption("far");
      s.SetTargetCanvas(&board.Canvas(), 2147483647, -2147483647 - 1);
    }
    board.PaintAll();
    int changed = 0;
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 120; ++x) changed += board.Image().Pixel(x, y) != kBoard;
    EXPECT_EQ(changed, 0) << (transparent ? "transparent" : "opaque");
  }
}

TEST(ScalePaint, TransparentScaleInItsOwnWindowShowsItsParentsColour) {
  test::HostScope host;
  TPanel panel(nullptr);
  panel.SetBevelOuter(TBevelCut::bvNone);
  panel.SetColor(clTeal);
  panel.SetBounds(0, 0, 300, 100);
  auto* s = new TScale(&panel);
  s->SetParent(&panel);
  s->SetBounds(0, 0, 300, 80);
  s->SetTransparent(true);
  panel.HandleNeeded();
  host->ProcessMessages();
  EXPECT_EQ(s->Surface().Pixel(5, 5), clTeal);
  EXPECT_EQ(s->Surface().Pixel(20, 59), clBlack);  // the base line on it
  panel.DestroyHandle();
}

// Golden pictures, in the scale's own font, so that they show what a user gets.

// Linear scales in the four orientations with captions at the three anchors, a reversed
// one, a logarithmic one, user texts and an inscription.
void Orientations(Board& board, bool transparent) {
  struct Place {
    TScaleType type;
    int x, y, w, h;
    double low, high;
    TScaleUnitAnchor anchor;
    TAlignment align;
    int cap_y;
  };
  using enum TScaleType;
  using enum TScaleUnitAnchor;
  using enum TAlignment;
  const Place places[] = {
      {sctXB, 10, 10, 360, 62, 0, 1, uaSclCenter, taCenter, 4},
      {sctXT, 10, 80, 360, 62, -5, 5, uaSclBotRgt, taRightJustify, -18},
      {sctYL, 380, 10, 100, 350, 100, 0, uaSclTopLft, taLeftJustify, -18},
      {sctYR, 490, 10, 100, 350, -0.002, 0.0135, uaSclBotRgt, taRightJustify, 4},
  };
  int n = 0;
  for (const Place& p : places) {
    TScale& s = board.Add(p.x, p.y, p.w, p.h);
    Configure(s, p.low, p.high, 3, p.type);
    s.SetTransparent(transparent);
    s.SetCaption("Caption " + std::to_string(++n));
    s.SetCaptionAnchor(p.anchor);
    s.SetCaptionAlignment(p.align);
    s.SetCaptionPosX(0);
    s.SetCaptionPosY(p.cap_y);
  }
  TScale& log = board.Add(10, 150, 360, 62);
  log.SetLogarithmic(true);
  Configure(log, 1, 1000, 5);
  TScale& user = board.Add(10, 220, 360, 62);
  Configure(user, 0, 4, 4, sctXT);
  user.SetLabelType(TFigType::ftUserText);
  user.SetUserTickText("none|low|mid|high|max");
  TScale& volts = board.Add(10, 290, 360, 62);
  Configure(volts, 0, 12, 4);
  volts.SetScaleInscript("& V");
  for (TScale* s : {&log, &user, &volts}) s->SetTransparent(transparent);
  board.PaintAll();
}

TEST(ScaleGolden, OrientationsOpaque) {
  Board board(600, 370);
  Orientations(board, false);
  ExpectMatchesGolden(board.Image(), "scale/orientations_opaque");
}

TEST(ScaleGolden, OrientationsTransparent) {
  Board board(600, 370);
  Orientations(board, true);
  ExpectMatchesGolden(board.Image(), "scale/orientations_transparent");
}

TEST(ScaleGolden, DateTimeLevels) {
  Board board(840, 535);
  const double day = EncodeDate(2026, 12, 7);
  const double second = 1.0 / 86400;
  struct Level {
    double low, high;
  };
  const Level horizontal[] = {
      {day + 0.5, day + 0.5 + 40 * second},              // seconds
      {day + 0.5, day + 0.5 + 1.0 / 24},                 // minutes
      {day + 0.25, day + 1.75},                          // hours, dates at midnight
      {day, day + 14},                                   // days
      {day - 200, day + 200},                            // months across the year
      {EncodeDate(1990, 1, 1), EncodeDate(2030, 1, 1)},  // years
      {day, day + 2 * second},                           // below a second per tick
  };
  int y = 5;
  for (const Level& l : horizontal) {
    TScale& s = board.Add(5, y, 600, 72);
    s.SetLabelType(TFigType::ftDateTime);
    Configure(s, l.low, l.high, 4, TScaleType::sctXB);
    y += 75;
  }
  TScale& hundredths = board.Add(610, 5, 110, 525);
  hundredths.SetLabelType(TFigType::ftDateTime);
  Configure(hundredths, day + 0.5, day + 0.5 + 3 * second, 4, TScaleType::sctYL);
  TScale& invalid = board.Add(725, 5, 110, 255);
  invalid.SetLabelType(TFigType::ftDateTime);
  Configure(invalid, 5, 1, 4, TScaleType::sctYR);
  TScale& time = board.Add(725, 275, 110, 255);
  time.SetLabelType(TFigType::ftTime);
  Configure(time, -10, 50, 3, TScaleType::sctYR);
  board.PaintAll();
  ExpectMatchesGolden(board.Image(), "scale/datetime_levels");
}

}  // namespace
}  // namespace kurvex
