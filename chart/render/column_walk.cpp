#include "chart/render/column_walk.h"

#include <immintrin.h>

#define KX_AVX2 __attribute__((target("avx2")))

namespace kurvex {

namespace {

// One point the plain way: into the open column, or closing it and opening the next.
inline void AddOne(TColumnSink& sink, TColumnRun& column, int x, int y) {
  if (x == column.X) {
    column.Add(y);
    return;
  }
  sink.OpenColumn() = column;
  sink.NextColumn(Point(x, y));
  column = sink.OpenColumn();
}

// Folds a group of points of the column into it, given the column's new lowest and highest
// y, the group's last y and whether a point of the group, or the column's last point before
// it, lay at the new lowest (highest) value and was followed by a different one. Adding the
// points one by one leaves the flag of an extreme set exactly when such a step exists,
// counting the steps before the group only while the extreme did not move.
inline void FoldGroup(TColumnRun& c, int low, int high, int last, bool left_low, bool left_high) {
  c.LowLeft = (c.Low == low && c.LowLeft) || left_low;
  c.HighLeft = (c.High == high && c.HighLeft) || left_high;
  c.Low = low;
  c.High = high;
  c.Last = last;
}

struct Sse2Kernel {
  static constexpr std::size_t kGroup = 4;

  // Four values mapped as TLinearAxis maps one, then shifted onto the canvas.
  static __m128i Map(const double* v, const TLinearAxis& axis, int shift) {
    const __m128d slope = _mm_set1_pd(axis.Slope), offset = _mm_set1_pd(axis.Offset);
    const __m128d lo = _mm_set1_pd(-kDrawableLimit), hi = _mm_set1_pd(kDrawableLimit);
    __m128d a = _mm_add_pd(_mm_mul_pd(slope, _mm_loadu_pd(v)), offset);
    __m128d b = _mm_add_pd(_mm_mul_pd(slope, _mm_loadu_pd(v + 2)), offset);
    a = _mm_min_pd(_mm_max_pd(a, lo), hi);
    b = _mm_min_pd(_mm_max_pd(b, lo), hi);
    const __m128i both = _mm_unpacklo_epi64(_mm_cvtpd_epi32(a), _mm_cvtpd_epi32(b));
    return _mm_add_epi32(both, _mm_set1_epi32(shift));
  }
  static __m128i Min(__m128i a, __m128i b) {
    const __m128i gt = _mm_cmpgt_epi32(a, b);
    return _mm_or_si128(_mm_and_si128(gt, b), _mm_andnot_si128(gt, a));
  }
  static __m128i Max(__m128i a, __m128i b) {
    const __m128i gt = _mm_cmpgt_epi32(a, b);
    return _mm_or_si128(_mm_and_si128(gt, a), _mm_andnot_si128(gt, b));
  }
  // Whether some lane steps from the value v to another one (prev[i] == v != cur[i]).
  static bool LeavesValue(__m128i prev, __m128i cur, int v) {
    const __m128i vv = _mm_set1_epi32(v);
    return _mm_movemask_epi8(_mm_andnot_si128(_mm_cmpeq_epi32(cur, vv), _mm_cmpeq_epi32(prev, vv))) != 0;
  }

  static bool Group(const TLinearCanvasMap& m, const double* xs, const double* ys, TColumnRun& c) {
    const __m128i px = Map(xs, m.X, m.Dx);
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(px, _mm_set1_epi32(c.X))) != 0xFFFF) return false;
    const __m128i py = Map(ys, m.Y, m.Dy);
    __m128i lo = Min(py, _mm_shuffle_epi32(py, _MM_SHUFFLE(1, 0, 3, 2)));
    __m128i hi = Max(py, _mm_shuffle_epi32(py, _MM_SHUFFLE(1, 0, 3, 2)));
    lo = Min(lo, _mm_shuffle_epi32(lo, _MM_SHUFFLE(2, 3, 0, 1)));
    hi = Max(hi, _mm_shuffle_epi32(hi, _MM_SHUFFLE(2, 3, 0, 1)));
    const int glo = _mm_cvtsi128_si32(lo), ghi = _mm_cvtsi128_si32(hi);
    const int low = glo < c.Low ? glo : c.Low;
    const int high = ghi > c.High ? ghi : c.High;
    // The points before each lane: the column's last point, then lanes 0..2.
    const __m128i prev = _mm_or_si128(_mm_slli_si128(py, 4), _mm_cvtsi32_si128(c.Last));
    const int last = _mm_cvtsi128_si32(_mm_shuffle_epi32(py, _MM_SHUFFLE(3, 3, 3, 3)));
    FoldGroup(c, low, high, last, LeavesValue(prev, py, low), LeavesValue(prev, py, high));
    return true;
  }
};

struct Avx2Kernel {
  static constexpr std::size_t kGroup = 8;

  KX_AVX2 static __m256i Map(const double* v, const TLinearAxis& axis, int shift) {
    const __m256d slope = _mm256_set1_pd(axis.Slope), offset = _mm256_set1_pd(axis.Offset);
    const __m256d lo = _mm256_set1_pd(-kDrawableLimit), hi = _mm256_set1_pd(kDrawableLimit);
    __m256d a = _mm256_add_pd(_mm256_mul_pd(slope, _mm256_loadu_pd(v)), offset);
    __m256d b = _mm256_add_pd(_mm256_mul_pd(slope, _mm256_loadu_pd(v + 4)), offset);
    a = _mm256_min_pd(_mm256_max_pd(a, lo), hi);
    b = _mm256_min_pd(_mm256_max_pd(b, lo), hi);
    const __m256i both = _mm256_set_m128i(_mm256_cvtpd_epi32(b), _mm256_cvtpd_epi32(a));
    return _mm256_add_epi32(both, _mm256_set1_epi32(shift));
  }
  KX_AVX2 static bool LeavesValue(__m256i prev, __m256i cur, int v) {
    const __m256i vv = _mm256_set1_epi32(v);
    return _mm256_movemask_epi8(_mm256_andnot_si256(_mm256_cmpeq_epi32(cur, vv), _mm256_cmpeq_epi32(prev, vv))) != 0;
  }

  KX_AVX2 static bool Group(const TLinearCanvasMap& m, const double* xs, const double* ys, TColumnRun& c) {
    const __m256i px = Map(xs, m.X, m.Dx);
    if (_mm256_movemask_epi8(_mm256_cmpeq_epi32(px, _mm256_set1_epi32(c.X))) != -1) return false;
    const __m256i py = Map(ys, m.Y, m.Dy);
    const __m128i low_half = _mm256_castsi256_si128(py), high_half = _mm256_extracti128_si256(py, 1);
    __m128i lo = _mm_min_epi32(low_half, high_half);
    __m128i hi = _mm_max_epi32(low_half, high_half);
    lo = _mm_min_epi32(lo, _mm_shuffle_epi32(lo, _MM_SHUFFLE(1, 0, 3, 2)));
    hi = _mm_max_epi32(hi, _mm_shuffle_epi32(hi, _MM_SHUFFLE(1, 0, 3, 2)));
    lo = _mm_min_epi32(lo, _mm_shuffle_epi32(lo, _MM_SHUFFLE(2, 3, 0, 1)));
    hi = _mm_max_epi32(hi, _mm_shuffle_epi32(hi, _MM_SHUFFLE(2, 3, 0, 1)));
    const int glo = _mm_cvtsi128_si32(lo), ghi = _mm_cvtsi128_si32(hi);
    const int low = glo < c.Low ? glo : c.Low;
    const int high = ghi > c.High ? ghi : c.High;
    // The points before each lane: the column's last point, then lanes 0..6.
    const __m256i rotated = _mm256_permutevar8x32_epi32(py, _mm256_setr_epi32(7, 0, 1, 2, 3, 4, 5, 6));
    const __m256i prev = _mm256_blend_epi32(rotated, _mm256_set1_epi32(c.Last), 0x01);
    const int last = _mm256_extract_epi32(py, 7);
    FoldGroup(c, low, high, last, LeavesValue(prev, py, low), LeavesValue(prev, py, high));
    return true;
  }
};

template <class Kernel>
inline __attribute__((always_inline)) void WalkGroups(TColumnSink& sink, const TLinearCanvasMap& map,
                                                      const double* xs, const double* ys, std::size_t n) {
  TColumnRun column = sink.OpenColumn();
  std::size_t i = 0;
  for (; i + Kernel::kGroup <= n; i += Kernel::kGroup) {
    if (Kernel::Group(map, xs + i, ys + i, column)) continue;
    for (std::size_t j = i; j < i + Kernel::kGroup; ++j) {
      AddOne(sink, column, map.CanvasX(xs[j]), map.CanvasY(ys[j]));
    }
  }
  for (; i < n; ++i) AddOne(sink, column, map.CanvasX(xs[i]), map.CanvasY(ys[i]));
  sink.OpenColumn() = column;
}

void WalkScalar(TColumnSink& sink, const TLinearCanvasMap& map, const double* xs, const double* ys, std::size_t n) {
  TColumnRun column = sink.OpenColumn();
  for (std::size_t i = 0; i < n; ++i) AddOne(sink, column, map.CanvasX(xs[i]), map.CanvasY(ys[i]));
  sink.OpenColumn() = column;
}

void WalkSse2(TColumnSink& sink, const TLinearCanvasMap& map, const double* xs, const double* ys, std::size_t n) {
  WalkGroups<Sse2Kernel>(sink, map, xs, ys, n);
}

KX_AVX2 void WalkAvx2(TColumnSink& sink, const TLinearCanvasMap& map, const double* xs, const double* ys,
                      std::size_t n) {
  WalkGroups<Avx2Kernel>(sink, map, xs, ys, n);
}

}  // namespace

TWalkKernel BestWalkKernel() {
  static const TWalkKernel best = __builtin_cpu_supports("avx2") ? TWalkKernel::Avx2 : TWalkKernel::Sse2;
  return best;
}

void WalkPoints(TWalkKernel kernel, TColumnSink& sink, const TLinearCanvasMap& map, const double* xs,
                const double* ys, std::size_t n) {
  if (kernel == TWalkKernel::Avx2 && BestWalkKernel() != TWalkKernel::Avx2) kernel = TWalkKernel::Sse2;
  switch (kernel) {
    case TWalkKernel::Scalar: WalkScalar(sink, map, xs, ys, n); break;
    case TWalkKernel::Sse2: WalkSse2(sink, map, xs, ys, n); break;
    case TWalkKernel::Avx2: WalkAvx2(sink, map, xs, ys, n); break;
  }
}

}  // namespace kurvex
