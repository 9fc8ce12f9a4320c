// Pictures of controls drawn by temporary copies, so that the control itself keeps its
// size, ranges, window and paint state.

#include "export/control_image.h"

#include <algorithm>

#include "chart/model/kurvex.h"
#include "numlab/numlab.h"
#include "scale/scale.h"

namespace kurvex {

namespace {

std::string SizeText(int width, int height) { return std::to_string(width) + " x " + std::to_string(height); }

void RequireExportSize(int width, int height) {
  const std::string problem = ExportSizeProblem(width, height);
  if (!problem.empty()) throw EExportError(problem);
}

// The smallest size the chart takes (TCustomKurvex::SetBounds raises smaller sizes to it):
// 80 x 20 pixels of plot beside its margins and shadow.
void RequireChartRoom(const TCustomKurvex& chart, int width, int height) {
  const int min_width = chart.MarginLeft() + chart.MarginRight() + chart.ShadowWidth() + 80;
  const int min_height = chart.MarginTop() + chart.MarginBottom() + chart.ShadowWidth() + 20;
  if (width >= min_width && height >= min_height) return;
  throw EExportError("the size " + SizeText(width, height) + " is smaller than the chart's margins and shadow allow (at least " +
                     SizeText(std::max(width, min_width), std::max(height, min_height)) + ")");
}

}  // namespace

std::string ExportSizeProblem(int width, int height) {
  if (width <= 0 || height <= 0) return "the size " + SizeText(width, height) + " has no pixels";
  if (width > kMaxExportSide || height > kMaxExportSide ||
      std::int64_t{width} * height > kMaxExportPixels) {
    return "the size " + SizeText(width, height) + " is larger than a picture can be (" +
           std::to_string(kMaxExportSide) + " pixels a side, " + std::to_string(kMaxExportPixels) + " pixels in all)";
  }
  return {};
}

Bitmap RenderChartImage(const TCustomKurvex& chart, int width, int height) {
  RequireExportSize(width, height);
  RequireChartRoom(chart, width, height);
  TKurvex copy(nullptr);
  // Invisible and held until it is complete, the copy paints once, at the export size.
  copy.SetVisible(false);
  copy.Assign(chart);
  copy.SetFont(chart.Font());
  copy.HoldPaint(true);
  copy.SetBounds(0, 0, width, height);
  copy.SetVisible(true);
  copy.HoldPaint(false);
  return copy.Surface();
}

Bitmap RenderScaleImage(const TScale& scale, int width, int height) {
  RequireExportSize(width, height);
  TScale copy(nullptr);
  copy.SetVisible(false);
  copy.Assign(scale);
  copy.SetFont(scale.Font());
  // An axis of a chart draws into the chart's image; its copy draws into its own.
  copy.SetTargetCanvas(nullptr, 0, 0);
  copy.SetEmbedded(false);
  copy.SetBounds(0, 0, width, height);
  copy.SetVisible(true);
  copy.SetPaintSuspended(false);
  copy.PaintWindow();
  return copy.Surface();
}

Bitmap RenderNumLabImage(const TNumLab& label, int width, int height) {
  RequireExportSize(width, height);
  TWinControl frame(nullptr);
  frame.SetColor(label.Parent() != nullptr ? label.Parent()->Color() : clBtnFace);
  frame.SetBounds(0, 0, width, height);
  TNumLab copy(nullptr);
  copy.SetParent(&frame);
  copy.SetBounds(0, 0, width, height);
  copy.SetFont(label.Font());
  copy.Assign(label);
  // What Assign leaves out but the picture shows.
  copy.SetComma(label.Comma());
  copy.SetForcePlusSign(label.ForcePlusSign());
  copy.SetDTFormat(label.DTFormat());
  copy.SetEnabled(label.Enabled());
  copy.OnBeforeDisplay = label.OnBeforeDisplay;
  frame.PaintWindow();
  return frame.Surface();
}

Bitmap RenderControlImage(TControl& control, int width, int height) {
  if (const auto* chart = dynamic_cast<const TCustomKurvex*>(&control)) return RenderChartImage(*chart, width, height);
  if (const auto* scale = dynamic_cast<const TScale*>(&control)) return RenderScaleImage(*scale, width, height);
  if (const auto* label = dynamic_cast<const TNumLab*>(&control)) return RenderNumLabImage(*label, width, height);
  RequireExportSize(width, height);
  if (width != control.Width() || height != control.Height()) {
    throw EExportError(std::string("a ") + control.ClassName() + " is drawn only at its own size (" +
                       SizeText(control.Width(), control.Height()) + "), not at " + SizeText(width, height));
  }
  if (auto* window = dynamic_cast<TWinControl*>(&control)) {
    window->PaintWindow();
    return window->Surface();
  }
  TWinControl* parent = control.Parent();
  if (parent == nullptr) {
    throw EExportError(std::string("a ") + control.ClassName() + " without a parent has nothing to draw on");
  }
  const TRect bounds = control.BoundsRect();
  parent->PaintRegion(bounds);
  Bitmap image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.SetPixel(x, y, parent->Surface().Pixel(bounds.Left + x, bounds.Top + y));
  }
  return image;
}

}  // namespace kurvex
