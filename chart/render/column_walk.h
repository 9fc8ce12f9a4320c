#pragma once
// The per-point part of the reduced repaint: mapping stored points to canvas pixels and
// adding them to the path buffer's open column, in groups of 4 (SSE2) or 8 (AVX2) points.
// A group whose points all map into the open column is folded into it at once, with the
// same lowest, highest and last point and the same "left its extreme" flags that adding
// the points one by one gives; any other group goes point by point.

#include <cstddef>
#include <cstdint>

#include "chart/render/column_sink.h"
#include "chart/render/linear_axis.h"

namespace kurvex {

enum class TWalkKernel : std::uint8_t { Scalar, Sse2, Avx2 };

// AVX2 where the processor has it, else SSE2 (always there on x86-64).
TWalkKernel BestWalkKernel();

// Adds the points (map.CanvasX(xs[i]), map.CanvasY(ys[i])), i < n, to the sink's columns.
// A kernel the processor lacks is replaced by SSE2.
void WalkPoints(TWalkKernel kernel, TColumnSink& sink, const TLinearCanvasMap& map, const double* xs,
                const double* ys, std::size_t n);

}  // namespace kurvex
