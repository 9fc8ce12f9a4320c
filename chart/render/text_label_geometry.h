#pragma once
// Where a chart draws a text label: its anchor pixel and the box around its text, in the
// control's pixels (measured from the control's top-left corner, not the plot's). The
// label drawing and the mouse code that picks and drags labels both work from these.

#include <string_view>

#include "chart/model/kurvex.h"
#include "chart/model/text_label.h"
#include "common/geometry.h"
#include "platform/gfx/canvas.h"

namespace kurvex::render {

// The text block and box of a placement are limited to this distance from the control's
// origin: a label that far out cannot reach any bitmap, and the limit leaves room to add
// margins and offsets in 32 bits.
inline constexpr int kFarPixel = 1 << 30;

struct TTextLabelPlacement {
  TPoint Anchor;       // the anchor pixel (see TextLabelAnchor)
  int X = 0;           // left end of the text block, after horizontal alignment
  int Y = 0;           // bottom of the text block (one below its last row), after vertical alignment
  int Lines = 1;       // 1 + the number of line feeds in the caption
  int LineHeight = 0;  // height of one text line
  int MaxWidth = 0;    // width of the widest line
  TRect Box;           // the box as Rectangle takes it (right and bottom exclusive)
};

// Calls fn(line, k) for every line k (0-based) of a caption; line feeds separate lines.
template <class Fn>
void ForEachCaptionLine(std::string_view caption, Fn&& fn) {
  int k = 0;
  for (std::size_t start = 0;; ++k) {
    const std::size_t end = caption.find('\n', start);
    if (end == std::string_view::npos) {
      fn(caption.substr(start), k);
      return;
    }
    fn(caption.substr(start, end - start), k);
    start = end + 1;
  }
}

// True when the chart draws the label: its Mode is not tlOff, it is Visible and the layer
// filter shows its Layer.
bool TextLabelShown(const TCustomKurvex& chart, const TCustomTextLabel& label);

// The anchor pixel: PosX and PosY rounded (ties to even) or mapped through the label's
// Layer, as AttachToData says; not clamped to the drawable range. A value beyond the 32-bit
// range is limited to +-2147483647 as in the world mapping (NaN to -2147483647).
TPoint TextLabelAnchor(const TCustomKurvex& chart, const TCustomTextLabel& label);

// Measures the label with its own font, which this sets as the canvas's font, and places
// the text block and box around the anchor by the label's alignments.
TTextLabelPlacement PlaceTextLabel(const TCustomKurvex& chart, const TCustomTextLabel& label, TCanvas& canvas);

// The same, measured on a canvas of its own (for code that has no canvas at hand).
TTextLabelPlacement PlaceTextLabel(const TCustomKurvex& chart, const TCustomTextLabel& label);

}  // namespace kurvex::render
