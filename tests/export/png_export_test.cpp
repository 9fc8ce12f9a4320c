// Saving controls as PNG files: the file holds exactly the control's picture, at any size,
// the control is left as it was, and a failure names the file and the reason and leaves no
// file behind.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "chart/model/kurvex.h"
#include "export/png_export.h"
#include "numlab/numlab.h"
#include "platform/gfx/image_file.h"
#include "scale/scale.h"

namespace kurvex {
namespace {

namespace fs = std::filesystem;

// A fresh folder for one test, removed afterwards.
class ExportFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("kx_export_" + std::to_string(::getpid()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string PathOf(const std::string& name) const { return (folder / name).string(); }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    return names;
  }
  static Bitmap Load(const std::string& path) {
    Bitmap image;
    std::string error;
    EXPECT_TRUE(LoadImageFile(path, image, &error)) << error;
    return image;
  }
  static std::string ErrorOf(const std::function<void()>& f) {
    try {
      f();
    } catch (const EExportError& e) {
      return e.what();
    }
    return "";
  }

  fs::path folder;
};

// A shown chart (its window made by the headless host) with a sine, a grid and a caption.
void DrawChart(TKurvex& chart, int width, int height) {
  chart.SetBounds(0, 0, width, height);
  chart.SetCaption("export");
  chart.SetGridStyle(GridStyleType::gsDotLines);
  chart.SetLayerRange(1, 0, -1, 10, 1);
  chart.SetDataColor(clRed);
  chart.MoveToPoint(0.0, 0.0);
  for (int i = 1; i <= 500; ++i) chart.LineToPoint(i / 50.0, std::sin(i / 50.0));
  chart.HandleNeeded();
  chart.Paint();  // the whole window, as its first repaint would
}

void ExpectSameImage(const Bitmap& file, const Bitmap& expected) {
  ASSERT_EQ(file.Width(), expected.Width());
  ASSERT_EQ(file.Height(), expected.Height());
  for (int y = 0; y < expected.Height(); ++y) {
    for (int x = 0; x < expected.Width(); ++x) {
      ASSERT_EQ(file.Pixel(x, y), expected.Pixel(x, y)) << "at " << x << "," << y;
    }
  }
}

TEST_F(ExportFolder, TheFileHoldsTheChartsOwnImage) {
  TKurvex chart(nullptr);
  DrawChart(chart, 400, 300);
  const std::string path = PathOf("chart.png");
  SaveChartToPng(chart, path);
  ExpectSameImage(Load(path), chart.Surface());
  EXPECT_EQ(Files(), std::vector<std::string>{"chart.png"});  // no temporary file left
}

TEST_F(ExportFolder, AnotherSizeIsDrawnAsTheChartWouldBeAndLeavesTheChartAsItWas) {
  TKurvex chart(nullptr);
  DrawChart(chart, 400, 300);
  chart.SetMouseAction(TMouseActMode::maPan);
  const Bitmap before = chart.Surface();
  const std::string path = PathOf("wide.png");
  SaveChartToPng(chart, path, 720, 240);
  EXPECT_EQ(chart.Width(), 400);
  EXPECT_EQ(chart.Height(), 300);
  EXPECT_EQ(chart.ItemCount(), 501u);
  EXPECT_EQ(chart.Scale1X().RangeHigh(), 10.0);
  EXPECT_EQ(chart.MouseAction(), TMouseActMode::maPan);
  EXPECT_EQ(chart.DataUserCount(), 0);
  ExpectSameImage(chart.Surface(), before);
  // The picture is what the chart itself shows at that size.
  const Bitmap file = Load(path);
  chart.SetBounds(0, 0, 720, 240);
  chart.Paint();
  ExpectSameImage(file, chart.Surface());
}

TEST_F(ExportFolder, TheLargestSideIsDrawnWhole) {
  TKurvex chart(nullptr);
  DrawChart(chart, 300, 200);
  const std::string path = PathOf("widest.png");
  SaveChartToPng(chart, path, kMaxExportSide, 120);
  const Bitmap file = Load(path);
  EXPECT_EQ(file.Width(), kMaxExportSide);
  EXPECT_EQ(file.Height(), 120);
}

TEST_F(ExportFolder, ANewFileReplacesAnOldOneWhole) {
  TKurvex chart(nullptr);
  DrawChart(chart, 300, 200);
  const std::string path = PathOf("chart.png");
  { std::ofstream(path) << std::string(100000, 'x'); }
  SaveChartToPng(chart, path);
  ExpectSameImage(Load(path), chart.Surface());
}

TEST_F(ExportFolder, BadSizesAreRefusedNamingTheFileAndTheSize) {
  TKurvex chart(nullptr);
  DrawChart(chart, 300, 200);
  const std::string path = PathOf("chart.png");
  { std::ofstream(path) << "old"; }
  EXPECT_EQ(ErrorOf([&] { SaveChartToPng(chart, path, 0, 200); }),
            "Cannot save '" + path + "': the size 0 x 200 has no pixels");
  EXPECT_EQ(ErrorOf([&] { SaveChartToPng(chart, path, 300, -5); }),
            "Cannot save '" + path + "': the size 300 x -5 has no pixels");
  EXPECT_NE(ErrorOf([&] { SaveChartToPng(chart, path, 100000, 100); }).find("100000 x 100 is larger than"),
            std::string::npos);
  EXPECT_NE(ErrorOf([&] { SaveChartToPng(chart, path, 16000, 16000); }).find("is larger than"), std::string::npos);
  // One pixel beyond the largest control is refused rather than drawn smaller than asked.
  EXPECT_NE(ErrorOf([&] { SaveChartToPng(chart, path, kMaxControlExtent + 1, 200); }).find("is larger than"),
            std::string::npos);
  EXPECT_NE(ErrorOf([&] { SaveChartToPng(chart, path, 30, 10); }).find("smaller than the chart's margins"),
            std::string::npos);
  // The old file is untouched and nothing else was written.
  std::ifstream in(path);
  std::string content;
  in >> content;
  EXPECT_EQ(content, "old");
  EXPECT_EQ(Files(), std::vector<std::string>{"chart.png"});
  EXPECT_EQ(chart.Width(), 300);
}

TEST_F(ExportFolder, UnwritablePlacesAreRefusedNamingTheFileAndTheReason) {
  TKurvex chart(nullptr);
  DrawChart(chart, 300, 200);
  const std::string missing = PathOf("no/such/folder/chart.png");
  EXPECT_EQ(ErrorOf([&] { SaveChartToPng(chart, missing); }),
            "Cannot save '" + missing + "': No such file or directory");
  // A folder with the file's name: the picture is written, but cannot take its place.
  fs::create_directory(folder / "taken.png");
  const std::string taken = PathOf("taken.png");
  EXPECT_EQ(ErrorOf([&] { SaveChartToPng(chart, taken); }), "Cannot save '" + taken + "': Is a directory");
  EXPECT_EQ(ErrorOf([&] { SaveChartToPng(chart, ""); }), "Cannot save a PNG file: no file name was given");
  EXPECT_EQ(Files(), std::vector<std::string>{"taken.png"});
}

TEST_F(ExportFolder, AScaleAndANumericLabelAreSavedAtAnySize) {
  TScale scale(nullptr);
  scale.SetBounds(0, 0, 300, 40);
  scale.SetRangeLow(0);
  scale.SetRangeHigh(100);
  SaveControlToPng(scale, PathOf("scale.png"), 500, 60);
  const Bitmap scale_file = Load(PathOf("scale.png"));
  EXPECT_EQ(scale_file.Width(), 500);
  EXPECT_EQ(scale_file.Height(), 60);
  EXPECT_EQ(scale.Width(), 300);
  int dark = 0;  // ticks and labels
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 500; ++x) dark += scale_file.Pixel(x, y) == clBlack ? 1 : 0;
  }
  EXPECT_GT(dark, 50);

  TNumLab label(nullptr);
  label.SetBounds(0, 0, 100, 24);
  label.SetValue(42.5);
  SaveControlToPng(label, PathOf("label.png"), 160, 30);
  const Bitmap label_file = Load(PathOf("label.png"));
  EXPECT_EQ(label_file.Width(), 160);
  EXPECT_EQ(label_file.Height(), 30);
  EXPECT_EQ(label.Width(), 100);
}

TEST_F(ExportFolder, OtherControlsAreSavedAtTheirOwnSizeOnly) {
  TWinControl panel(nullptr);
  panel.SetBounds(0, 0, 50, 40);
  panel.SetColor(clTeal);
  SaveControlToPng(panel, PathOf("panel.png"));
  const Bitmap file = Load(PathOf("panel.png"));
  EXPECT_EQ(file.Width(), 50);
  EXPECT_EQ(file.Pixel(10, 10), clTeal);
  EXPECT_NE(ErrorOf([&] { SaveControlToPng(panel, PathOf("big.png"), 100, 80); })
                .find("a TWinControl is drawn only at its own size (50 x 40), not at 100 x 80"),
            std::string::npos);
  EXPECT_EQ(Files(), std::vector<std::string>{"panel.png"});
}

}  // namespace
}  // namespace kurvex
