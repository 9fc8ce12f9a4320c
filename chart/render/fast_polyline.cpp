// The hot loop of a repaint: runs of line-to items that share every attribute. Per point it
// costs one multiply-add per axis, a clamp, a rounding and the path buffer's column
// compare; no record is copied and nothing is allocated.

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "chart/render/item_loop.h"

namespace kurvex {

namespace {

// A linear axis, as TAxisMap::ToPixel followed by the drawable clamp. Clamping before
// rounding gives the same pixel (the limits are integers). The clamp is max/min with the
// NaN case going to the lower limit, as in TAxisMap, and the rounding is to the nearest
// integer with ties to even (the processor's default rounding, as TAxisMap computes it).
struct LinearAxis {
  double slope;
  double offset;
  int operator()(double v) const {
    const double p = slope * v + offset;
#if defined(__SSE2__)
    // maxsd returns its second operand when either is NaN; one instruction per step.
    const __m128d low = _mm_max_sd(_mm_set_sd(p), _mm_set_sd(-kDrawableLimit));
    return _mm_cvtsd_si32(_mm_min_sd(low, _mm_set_sd(kDrawableLimit)));
#else
    double q = p > -kDrawableLimit ? p : -kDrawableLimit;
    q = q < kDrawableLimit ? q : kDrawableLimit;
    constexpr double kMagic = 6755399441055744.0;  // 1.5 * 2^52
    return static_cast<int>((q + kMagic) - kMagic);
#endif
  }
};

// Any axis (logarithmic ones included) through its own mapping.
struct GeneralAxis {
  const TAxisMap* map;
  int operator()(double v) const { return ClampDrawable(map->ToPixel(v)); }
};

}  // namespace

void DrawLineToRun(const TItemContext& ctx, const TItemRun& run, const TLongTextArray& texts, bool is_annotation) {
  if (run.Count == 0) return;
  DrawItem(ctx, run.Item(0), texts, is_annotation, static_cast<int>(run.First));
  const std::size_t n = run.Count - 1;
  if (n == 0) return;
  const TLayerMap& map = ctx.Layer(run.Attrs->Layer).Map;
  const double* xs = run.X1 + 1;
  const double* ys = run.Y1 + 1;
  const int dx = ctx.OffsetX - ctx.Geometry.MarginLeft;
  const int dy = ctx.OffsetY - ctx.Geometry.MarginTop;
  TPathBuffer& path = ctx.Path();
  if (!map.X.Logarithmic && !map.Y.Logarithmic) {
    path.AppendMapped(ctx.C(), xs, ys, n, LinearAxis{map.X.SlopeD, map.X.OffsetD},
                      LinearAxis{map.Y.SlopeD, map.Y.OffsetD}, dx, dy);
  } else {
    path.AppendMapped(ctx.C(), xs, ys, n, GeneralAxis{&map.X}, GeneralAxis{&map.Y}, dx, dy);
  }
}

}  // namespace kurvex
