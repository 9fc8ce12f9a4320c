// The kurvex-gallery window, headless: what each chart shows once the window is up,
// compared with golden pictures part by part, and the background picture's file.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>

#include "app/gallery_form.h"
#include "golden_image.h"
#include "platform/application.h"
#include "platform/headless_host.h"

namespace kurvex {
namespace {

class GalleryWindow : public testing::Test {
 protected:
  GalleryWindow() {
    Application().SetHost(std::make_unique<HeadlessHost>());
    form_ = std::make_unique<TGalleryForm>(nullptr);
    form_->Show();
    Application().ProcessMessages();
  }
  ~GalleryWindow() override {
    form_.reset();
    Application().SetHost(nullptr);
  }

  // The charts lying inside a part of the window's client area, drawn where they stand.
  Bitmap Part(TRect part) const {
    Bitmap picture(part.Right - part.Left, part.Bottom - part.Top);
    picture.Fill(clBtnFace);
    TCanvas canvas(&picture);
    for (TKurvex* chart : form_->Charts()) {
      if (chart->Left() < part.Left || chart->Top() < part.Top || chart->Left() + chart->Width() > part.Right ||
          chart->Top() + chart->Height() > part.Bottom) {
        continue;
      }
      canvas.Draw(chart->Left() - part.Left, chart->Top() - part.Top, chart->Surface());
    }
    return picture;
  }

  std::unique_ptr<TGalleryForm> form_;
};

TEST_F(GalleryWindow, ShowsEveryGridStyleFillModeAndTextLabelMode) {
  std::set<GridStyleType> grids;
  std::set<TBkgFill> fills;
  std::set<TBGAreaMode> areas;
  std::set<TTxtLblMode> labels;
  for (TKurvex* chart : form_->Charts()) {
    grids.insert(chart->GridStyle());
    const TBakGndImg& background = chart->BackGroundImg();
    if (!background.Name().empty()) fills.insert(background.FillMode());
    areas.insert(background.AreaMode());
    for (int n = 1; n <= TCustomKurvex::kTextLabels; ++n) {
      if (chart->TextLabel(n).Visible()) labels.insert(chart->TextLabel(n).Mode());
    }
  }
  EXPECT_EQ(grids.size(), 8u);  // all seven styles, and charts without a grid
  EXPECT_EQ(fills, (std::set<TBkgFill>{TBkgFill::bfSimple, TBkgFill::bfStretch, TBkgFill::bfTile}));
  EXPECT_GE(areas.size(), 5u);
  EXPECT_EQ(labels, (std::set<TTxtLblMode>{TTxtLblMode::tlsimple, TTxtLblMode::tlBox, TTxtLblMode::tlUnderline,
                                           TTxtLblMode::tlShadow}));
  // The large chart: axes on all four sides, a date axis, a logarithmic one.
  const TKurvex& layers = *form_->Charts().front();
  EXPECT_EQ(layers.ScaleXProps(2).ScaleLocation(), TScaleLocationHoriz::slTop);
  EXPECT_EQ(layers.ScaleXProps(2).LabelType(), TFigType::ftDateTime);
  EXPECT_EQ(layers.ScaleYProps(2).ScaleLocation(), TScaleLocationVert::slRight);
  EXPECT_TRUE(layers.ScaleYProps(2).Logarithmic());
}

TEST_F(GalleryWindow, TheBackgroundPictureLoadsAndItsFileGoesWithTheWindow) {
  const std::string file = form_->BackgroundImageFile();
  ASSERT_TRUE(std::filesystem::exists(file));
  int shown = 0;
  for (TKurvex* chart : form_->Charts()) {
    if (chart->BackGroundImg().Name().empty()) continue;
    chart->Paint();
    // A picture that cannot be loaded would have cleared the name.
    EXPECT_EQ(chart->BackGroundImg().Name(), file);
    ++shown;
  }
  EXPECT_EQ(shown, 3);
  form_.reset();
  EXPECT_FALSE(std::filesystem::exists(file));
}

// Left: the large chart; right of it the three fill modes; below, the grid styles; at the
// bottom the logarithmic grid rules and the area modes.
TEST_F(GalleryWindow, PartsMatchTheirPictures) {
  const TRect client = form_->ClientRect();
  const int width = client.Right - client.Left;
  const TKurvex& layers = *form_->Charts().front();
  const int split = layers.Left() + layers.Width() + 1;
  const int row2 = layers.Top() + layers.Height() + 1;
  const int row3 = form_->Charts().back()->Top();
  ExpectMatchesGolden(Part(Rect(0, 0, split, row2)), "app/gallery_layers");
  ExpectMatchesGolden(Part(Rect(split, 0, width, row2)), "app/gallery_backgrounds");
  ExpectMatchesGolden(Part(Rect(0, row2, width, row3)), "app/gallery_grid_styles");
  ExpectMatchesGolden(Part(Rect(0, row3, width, client.Bottom - client.Top)), "app/gallery_log_grids_and_areas");
}

}  // namespace
}  // namespace kurvex
