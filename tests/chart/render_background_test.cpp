// The plot background: coloured areas fixed to world values, and background image files in
// their fill modes, with files that cannot be loaded and files that change between paints.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "chart_test_support.h"
#include "platform/gfx/image_file.h"
#include "render_test_support.h"

namespace kurvex {
namespace {

namespace fs = std::filesystem;

// The small plot chart on white inside a black frame.
std::unique_ptr<TKurvex> MakeChart() {
  auto chart = test::MakeSmallPlotChart();
  chart->SetChartColor(clWhite);
  chart->SetChartFrameColor(clBlack);
  return chart;
}

constexpr TColor kArea = 0xDDDDDD;

// Plot pixels inside the frame (the frame is drawn over the background afterwards).
void ForEachInnerPixel(const Bitmap& plot, const std::function<void(int, int, TColor)>& fn) {
  for (int y = 1; y < plot.Height() - 1; ++y)
    for (int x = 1; x < plot.Width() - 1; ++x) fn(x, y, plot.Pixel(x, y));
}

// ---- Areas ----

struct AreaCase {
  const char* name;
  TBGAreaMode mode;
  std::vector<TRect> coloured;  // plot pixels, right and bottom exclusive
};

// AreaLeft 25 and AreaRight 75 are plot columns 50 and 150, AreaTop 1 and AreaBottom -1
// plot rows 64 and 96.
class AreaModes : public testing::TestWithParam<AreaCase> {};

TEST_P(AreaModes, ColourExactlyTheirRectangles) {
  auto chart = MakeChart();
  TBakGndImg& area = chart->BackGroundImg();
  area.SetAreaLeft(25);
  area.SetAreaRight(75);
  area.SetAreaTop(1);
  area.SetAreaBottom(-1);
  area.SetAreaMode(GetParam().mode);
  chart->Paint();
  int wrong = 0;
  ForEachInnerPixel(chart->PlotBitmap(), [&](int x, int y, TColor c) {
    bool inside = false;
    for (const TRect& r : GetParam().coloured) inside |= x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
    if (c != (inside ? kArea : clWhite) && wrong++ == 0) ADD_FAILURE() << "first wrong pixel at " << x << ", " << y;
  });
  EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Background, AreaModes,
    testing::Values(AreaCase{"None", TBGAreaMode::bamNone, {}},
                    AreaCase{"Left", TBGAreaMode::bamLeft, {Rect(0, 0, 50, 161)}},
                    AreaCase{"Right", TBGAreaMode::bamRight, {Rect(150, 0, 201, 161)}},
                    AreaCase{"Top", TBGAreaMode::bamTop, {Rect(0, 0, 201, 64)}},
                    AreaCase{"Bottom", TBGAreaMode::bamBottom, {Rect(0, 96, 201, 161)}},
                    AreaCase{"VStripe", TBGAreaMode::bamVStripe, {Rect(50, 0, 150, 161)}},
                    AreaCase{"HStripe", TBGAreaMode::bamHStripe, {Rect(0, 64, 201, 96)}},
                    AreaCase{"Rect", TBGAreaMode::bamRect, {Rect(50, 64, 150, 96)}},
                    AreaCase{"RectInv",
                             TBGAreaMode::bamRectInv,
                             {Rect(0, 0, 201, 64), Rect(0, 96, 201, 161), Rect(0, 0, 50, 161), Rect(150, 0, 201, 161)}},
                    AreaCase{"VStripeInv", TBGAreaMode::bamVStripeInv, {Rect(0, 0, 50, 161), Rect(150, 0, 201, 161)}},
                    AreaCase{"HStripeInv", TBGAreaMode::bamHStripeInv, {Rect(0, 0, 201, 64), Rect(0, 96, 201, 161)}}),
    [](const testing::TestParamInfo<AreaCase>& info) { return std::string(info.param.name); });

TEST(Background, DefaultIsChartColourInsideTheFrameColour) {
  auto chart = MakeChart();
  chart->SetChartColor(clYellow);
  chart->SetChartFrameColor(clBlue);
  Bitmap plot;
  plot.SetSize(201, 161);
  TCanvas canvas(&plot);
  chart->PaintPlotBackground(canvas, 0, 0, 201, 161);
  EXPECT_EQ(test::CountColor(plot, clBlue), 2 * 201 + 2 * 159);
  EXPECT_EQ(test::CountColor(plot, clYellow), 199 * 159);
  EXPECT_EQ(plot.Pixel(200, 160), clBlue);
}

TEST(Background, HorizontalStripeIsTheMiddleFifthAndMovesWithThePan) {
  auto chart = MakeChart();
  chart->BackGroundImg().SetAreaMode(TBGAreaMode::bamHStripe);
  chart->Paint();
  EXPECT_EQ(test::CountColor(chart->PlotBitmap(), kArea, Rect(1, 0, 200, 161)), 199 * 32);
  EXPECT_EQ(chart->PlotBitmap().Pixel(100, 63), clWhite);
  EXPECT_EQ(chart->PlotBitmap().Pixel(100, 64), kArea);
  // One unit up in y: the stripe moves 16 rows down with the data.
  chart->SetLayerRange(1, 0, -4, 100, 6);
  chart->Paint();
  EXPECT_EQ(chart->PlotBitmap().Pixel(100, 79), clWhite);
  EXPECT_EQ(chart->PlotBitmap().Pixel(100, 80), kArea);
  EXPECT_EQ(chart->PlotBitmap().Pixel(100, 111), kArea);
  EXPECT_EQ(chart->PlotBitmap().Pixel(100, 112), clWhite);
}

TEST(Background, AreaEdgesFollowTheCurrentLayerAndFarEdgesAreClamped) {
  auto chart = MakeChart();
  chart->SetLayerRange(2, 0, 0, 10, 10);
  chart->SetCurrentLayer(2);
  TBakGndImg& area = chart->BackGroundImg();
  area.SetAreaMode(TBGAreaMode::bamVStripe);
  area.SetAreaLeft(5);  // layer 2: the middle column, 100
  area.SetAreaRight(1e300);
  chart->Paint();
  EXPECT_EQ(chart->PlotBitmap().Pixel(99, 80), clWhite);
  EXPECT_EQ(chart->PlotBitmap().Pixel(100, 80), kArea);
  EXPECT_EQ(chart->PlotBitmap().Pixel(199, 80), kArea);
  // Edges at infinity land on the clamp limits: the stripe covers the plot, the inverted
  // stripe leaves it plain.
  area.SetAreaLeft(-std::numeric_limits<double>::infinity());
  area.SetAreaRight(std::numeric_limits<double>::infinity());
  chart->Paint();
  EXPECT_EQ(test::CountColor(chart->PlotBitmap(), kArea, Rect(1, 1, 200, 160)), 199 * 159);
  area.SetAreaMode(TBGAreaMode::bamVStripeInv);
  chart->Paint();
  EXPECT_EQ(test::CountColor(chart->PlotBitmap(), kArea, Rect(1, 1, 200, 160)), 0);
}

// ---- Image files ----

class BackgroundImage : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("kx_background_" + std::to_string(::getpid()) + "_" +
                                        testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  // A w x h picture whose pixel (x, y) has colour fn(x, y), written as a PNG file.
  std::string WriteImage(const std::string& name, int w, int h, const std::function<TColor(int, int)>& fn) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) b.SetPixel(x, y, fn(x, y));
    const std::string path = (dir_ / name).string();
    EXPECT_TRUE(SavePngFile(path, b));
    return path;
  }
  std::string WriteSolid(const std::string& name, int w, int h, TColor c) {
    return WriteImage(name, w, h, [c](int, int) { return c; });
  }
  // A one-colour 24-bit BMP file: its size depends on the picture's size only.
  std::string WriteSolidBmp(const std::string& name, int w, int h, TColor c) {
    const int row = (3 * w + 3) / 4 * 4;
    std::vector<unsigned char> file(54 + static_cast<std::size_t>(row) * h, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
      for (int i = 0; i < 4; ++i) file[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<std::uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(w));
    put32(22, static_cast<std::uint32_t>(h));
    file[26] = 1;
    file[28] = 24;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        unsigned char* p = &file[54 + static_cast<std::size_t>(y) * row + 3 * x];
        p[0] = static_cast<unsigned char>(c >> 16);  // blue, green, red
        p[1] = static_cast<unsigned char>(c >> 8);
        p[2] = static_cast<unsigned char>(c);
      }
    }
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                 static_cast<std::streamsize>(file.size()));
    return path.string();
  }

  std::unique_ptr<TKurvex> ChartShowing(const std::string& path, TBkgFill fill) {
    auto chart = MakeChart();
    chart->BackGroundImg().SetIncludePath(true);
    chart->BackGroundImg().SetName(path);
    chart->BackGroundImg().SetFillMode(fill);
    return chart;
  }

  fs::path dir_;
};

// Distinct colours for the pixels of small test pictures.
TColor Pattern(int x, int y) { return static_cast<TColor>(0x102030 + 0x25 * x + 0x2500 * y); }

TEST_F(BackgroundImage, StretchCoversThePlotAndHidesTheAreas) {
  const std::string path = WriteImage("quad.png", 2, 2, [](int x, int y) {
    return x == 0 ? (y == 0 ? clRed : clBlue) : (y == 0 ? clLime : clYellow);
  });
  auto chart = ChartShowing(path, TBkgFill::bfStretch);
  chart->BackGroundImg().SetAreaMode(TBGAreaMode::bamRect);
  chart->Paint();
  const Bitmap& plot = chart->PlotBitmap();
  // 201 columns show 2 and 161 rows show 2: the source pixel under each pixel's centre.
  EXPECT_EQ(plot.Pixel(99, 79), clRed);
  EXPECT_EQ(plot.Pixel(100, 79), clLime);
  EXPECT_EQ(plot.Pixel(99, 80), clBlue);
  EXPECT_EQ(plot.Pixel(100, 80), clYellow);
  EXPECT_EQ(test::CountColor(plot, kArea), 0);
  EXPECT_EQ(test::CountColor(plot, clWhite), 0);
}

TEST_F(BackgroundImage, SimpleShowsTheImageAtItsSizeOnChartColour) {
  auto chart = ChartShowing(WriteImage("small.png", 7, 5, Pattern), TBkgFill::bfSimple);
  chart->SetChartColor(clYellow);
  chart->SetChartFrameColor(clBlue);
  chart->Paint();
  const Bitmap& plot = chart->PlotBitmap();
  int wrong = 0;
  for (int y = 1; y < 160; ++y)
    for (int x = 1; x < 200; ++x) wrong += plot.Pixel(x, y) != (x < 7 && y < 5 ? Pattern(x, y) : clYellow);
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(plot.Pixel(6, 0), clBlue);  // the plot frame over the image's top row
}

TEST_F(BackgroundImage, TileRepeatsASmallImageOverThePlot) {
  auto chart = ChartShowing(WriteImage("tile.png", 7, 5, Pattern), TBkgFill::bfTile);
  chart->Paint();
  int wrong = 0;
  ForEachInnerPixel(chart->PlotBitmap(), [&](int x, int y, TColor c) { wrong += c != Pattern(x % 7, y % 5); });
  EXPECT_EQ(wrong, 0);
  // A resized plot gets its tiles again, and a one-pixel image fills it.
  chart->SetBounds(0, 0, 300, 250);
  chart->Paint();
  wrong = 0;
  ForEachInnerPixel(chart->PlotBitmap(), [&](int x, int y, TColor c) { wrong += c != Pattern(x % 7, y % 5); });
  EXPECT_EQ(wrong, 0);
  chart->BackGroundImg().SetName(WriteSolid("dot.png", 1, 1, clTeal));
  chart->Paint();
  EXPECT_EQ(test::CountColor(chart->PlotBitmap(), clTeal), (chart->PlotBitmap().Width() - 2) *
                                                               (chart->PlotBitmap().Height() - 2));
}

TEST_F(BackgroundImage, TileWithAnImageLargerThanThePlotDrawsOneTile) {
  auto chart = ChartShowing(WriteImage("large.png", 300, 200, Pattern), TBkgFill::bfTile);
  chart->Paint();
  int wrong = 0;
  ForEachInnerPixel(chart->PlotBitmap(), [&](int x, int y, TColor c) { wrong += c != Pattern(x, y); });
  EXPECT_EQ(wrong, 0);
}

TEST_F(BackgroundImage, AFileThatCannotBeLoadedGivesAPlainPlotAndAnEmptyName) {
  {
    std::ofstream(dir_ / "corrupt.png", std::ios::binary) << "\x89PNG\r\n\x1a\n not really a picture";
  }
  for (const std::string& path : {(dir_ / "missing.png").string(), (dir_ / "corrupt.png").string(), dir_.string()}) {
    SCOPED_TRACE(path);
    auto chart = ChartShowing(path, TBkgFill::bfStretch);
    chart->BackGroundImg().SetAreaMode(TBGAreaMode::bamHStripe);
    int changes = 0;
    chart->BackGroundImg().OnChange = [&](TObject*) { ++changes; };
    EXPECT_NO_THROW(chart->Paint());
    EXPECT_EQ(chart->BackGroundImg().Name(), "");
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(test::TakeMessages().empty());
    // The plain background with its area, as the next paint shows it.
    EXPECT_EQ(chart->PlotBitmap().Pixel(100, 30), clWhite);
    EXPECT_EQ(chart->PlotBitmap().Pixel(100, 80), kArea);
  }
}

// Clearing the name of a file that cannot be loaded repaints the chart only once: a paint
// inside the paint would draw the texts twice, which thickens transparent text.
TEST_F(BackgroundImage, AFailedLoadUnderAutoRedrawPaintsLikeAPlainChart) {
  auto make = [] {
    auto chart = MakeChart();
    TTextLabel& label = chart->TextLabel(1);
    label.SetCaption("Kurvex");
    label.SetTransparent(true);
    label.SetAttachToData(TTxtLblAttachMode::tlamNone);
    label.SetPosX(130);
    label.SetPosY(100);
    label.SetMode(TTxtLblMode::tlsimple);
    label.SetVisible(true);
    chart->BackGroundImg().SetAreaMode(TBGAreaMode::bamVStripe);
    return chart;
  };
  auto plain = make();
  plain->Paint();
  auto failing = make();
  failing->BackGroundImg().SetName("no-such-picture.bmp");
  failing->SetAutoRedraw(true);
  failing->Paint();
  EXPECT_EQ(failing->BackGroundImg().Name(), "");
  EXPECT_EQ(test::DiffPixels(failing->PlotBitmap(), plain->PlotBitmap()), 0);
  EXPECT_EQ(test::DiffPixels(failing->Surface(), plain->Surface()), 0);
}

// The file is decoded again only when its size or modification time changed: the same
// stamp keeps the decoded picture, a new stamp shows the new file at the next paint.
TEST_F(BackgroundImage, AChangedFileShowsAtTheNextPaintWithoutADecodePerPaint) {
  const std::string path = WriteSolidBmp("changing.bmp", 4, 4, clRed);
  auto chart = ChartShowing(path, TBkgFill::bfStretch);
  chart->Paint();
  EXPECT_EQ(chart->PlotBitmap().Pixel(100, 80), clRed);

  const fs::file_time_type stamp = fs::last_write_time(path);
  WriteSolidBmp("changing.bmp", 4, 4, clBlue);
  fs::last_write_time(path, stamp);
  chart->Paint();
  EXPECT_EQ(chart->PlotBitmap().Pixel(100, 80), clRed);

  fs::last_write_time(path, stamp + std::chrono::seconds(1));
  chart->Paint();
  EXPECT_EQ(chart->PlotBitmap().Pixel(100, 80), clBlue);

  // A file that has gone is noticed too.
  fs::remove(path);
  chart->Paint();
  EXPECT_EQ(chart->BackGroundImg().Name(), "");
  EXPECT_EQ(chart->PlotBitmap().Pixel(100, 80), clWhite);
}

}  // namespace
}  // namespace kurvex
