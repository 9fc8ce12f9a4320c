#pragma once
// Pictures of controls made without a window: the chart, a scale or a numeric label drawn
// at any size into a bitmap of its own. The control itself is left exactly as it was (its
// size, ranges, items and window): each picture is drawn by a temporary copy of it.

#include <cstdint>
#include <string>

#include "common/errors.h"
#include "platform/control.h"
#include "platform/gfx/bitmap.h"

namespace kurvex {

class TCustomKurvex;
class TScale;
class TNumLab;

// A picture that cannot be made or written; the text names the file (where there is one)
// and the reason.
class EExportError : public EKPXError {
 public:
  using EKPXError::EKPXError;
};

// The largest picture made: as large as a control can be (8192 pixels a side, so at most
// 64 megapixels in all).
inline constexpr int kMaxExportSide = kMaxControlExtent;
inline constexpr std::int64_t kMaxExportPixels = std::int64_t{64} * 1024 * 1024;

// Why width x height cannot be a picture ("the size 0 x 200 has no pixels"), or an empty
// text when it can.
std::string ExportSizeProblem(int width, int height);

// The chart drawn at width x height as its window would show it: frame, caption, axes,
// grid, items, text labels, mouse trace and crosshairs. Its event handlers run for the copy
// (Sender is the copy). Raises EExportError for a size that is empty, too large, or smaller
// than the chart's margins and shadow leave room for; EKPXKurvexError for a logarithmic
// axis with a range it cannot show.
Bitmap RenderChartImage(const TCustomKurvex& chart, int width, int height);
// A stand-alone scale drawn at width x height.
Bitmap RenderScaleImage(const TScale& scale, int width, int height);
// A numeric label drawn at width x height; where it is transparent, the colour of its
// parent (clBtnFace without one) shows through.
Bitmap RenderNumLabImage(const TNumLab& label, int width, int height);
// Any control: the three above by class; any other control only at its own size, as its
// window shows it after a repaint (EExportError for another size).
Bitmap RenderControlImage(TControl& control, int width, int height);

}  // namespace kurvex
