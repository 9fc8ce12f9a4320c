#pragma once
// The range rules of the chart's mouse gestures, free of mouse events and of the chart:
// each takes an axis as it was at the start of a drag and as it is now, and the pointer's
// offset from the start, and answers with the new range or with "no change". A change
// is only ever answered with a range that the mapping and the next paint can use.

namespace kurvex {

// One axis of a layer during a drag.
struct TDragAxis {
  double SavedLow = 0;   // the range at the start of the drag
  double SavedHigh = 0;
  double Low = 0;        // the range now
  double High = 0;
  bool Logarithmic = false;
};

struct TAxisChange {
  bool Changes = false;
  double Low = 0;
  double High = 0;
};

// The smallest end a logarithmic axis takes (the range setter refuses anything lower).
inline constexpr double kMinLogEnd = 1e-100;

// True for a range that maps: both ends and the width finite, the ends different, and on a
// logarithmic axis both ends at least kMinLogEnd.
bool UsableRange(double low, double high, bool logarithmic);

// Panning: the content follows the pointer. `moved` is the pointer's offset from the drag
// start along the axis (x - x0, or y - y0), `span` the plot width or height (PW, PH):
// moving right by PW lowers the x range by its full width, moving down by PH raises the
// y range by its full height. A logarithmic axis moves by the same factor at both ends.
TAxisChange PanX(const TDragAxis& axis, int moved, int span);
TAxisChange PanY(const TDragAxis& axis, int moved, int span);

// maPanGrid: the low end of a pan result snapped to the grid (step > 0; the fraction of
// low / step is dropped towards zero, then offset is added), the high end moved by the same
// amount so that the width stays. A step of 0 or less leaves the pan as it is.
TAxisChange SnapToPanGrid(const TAxisChange& pan, const TDragAxis& axis, double step, double offset);

// maZoomDrag: the factor by which a drag scales the visible width (1 - dx / Width) or
// height (1 + dy / Height); no factor (1) for a control without size.
double ZoomDragFactorX(int moved, int width);
double ZoomDragFactorY(int moved, int height);
// The saved range scaled by factor about its centre; on a logarithmic axis about its
// geometric centre, so that both ends stay positive.
TAxisChange ZoomAboutCentre(const TDragAxis& axis, double factor);

// maZoomWindPos and maSelectRect: swaps v1 and v2 when their order is the opposite of the
// axis's (low < high or low > high), so that the axis keeps its direction.
void OrderLikeAxis(double& v1, double& v2, double low, double high);

}  // namespace kurvex
