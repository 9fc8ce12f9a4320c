#pragma once
// Saving controls as PNG files, headless: SaveChartToPng(chart, "chart.png") writes the
// chart at its own size, SaveChartToPng(chart, "big.png", 1920, 1080) at any other. The
// picture is drawn by a copy of the control (control_image.h), so the control is unchanged.
//
// Every error raises EExportError naming the file and the reason (a folder that does not
// exist, no permission, an empty or too large size). The file is written under a temporary
// name beside the target and renamed when complete, so a failure leaves no partial file and
// an existing file with the target's name is either replaced whole or left as it was.

#include <string>

#include "export/control_image.h"

namespace kurvex {

void SaveChartToPng(const TCustomKurvex& chart, const std::string& path);
void SaveChartToPng(const TCustomKurvex& chart, const std::string& path, int width, int height);

// Any control; sizes other than its own for TKurvex, TScale and TNumLab (see
// RenderControlImage).
void SaveControlToPng(TControl& control, const std::string& path);
void SaveControlToPng(TControl& control, const std::string& path, int width, int height);

// Writes a bitmap as a PNG file in the same all-or-nothing way.
void SaveBitmapToPng(const Bitmap& bitmap, const std::string& path);

}  // namespace kurvex
