#include "chart/model/block_summary.h"

#include <emmintrin.h>

namespace kurvex {

namespace {

// v * 0 is 0 for every finite v and NaN for a NaN or an infinity, so a sum of such
// products tells whether all values were finite.
struct Lanes {
  __m128d lo, hi, check;

  explicit Lanes(__m128d v) : lo(v), hi(v), check(_mm_mul_pd(v, _mm_setzero_pd())) {}
  void Add(__m128d v) {
    lo = _mm_min_pd(lo, v);
    hi = _mm_max_pd(hi, v);
    check = _mm_add_pd(check, _mm_mul_pd(v, _mm_setzero_pd()));
  }
  static double Lower(__m128d v) { return _mm_cvtsd_f64(_mm_min_sd(v, _mm_unpackhi_pd(v, v))); }
  static double Upper(__m128d v) { return _mm_cvtsd_f64(_mm_max_sd(v, _mm_unpackhi_pd(v, v))); }
  bool Finite() const {
    const __m128d sum = _mm_add_sd(check, _mm_unpackhi_pd(check, check));
    return _mm_cvtsd_f64(sum) == 0.0;
  }
};

// Where s.YMin and s.YMax first occur in ys (both occur), two values at a time.
void FirstOccurrences(const double* ys, std::size_t n, TBlockSummary& s) {
  const __m128d lo = _mm_set1_pd(s.YMin), hi = _mm_set1_pd(s.YMax);
  bool need_min = true, need_max = true;
  std::size_t k = 0;
  for (; k + 2 <= n && (need_min || need_max); k += 2) {
    const __m128d v = _mm_loadu_pd(ys + k);
    const int at_min = _mm_movemask_pd(_mm_cmpeq_pd(v, lo));
    const int at_max = _mm_movemask_pd(_mm_cmpeq_pd(v, hi));
    if (need_min && at_min != 0) {
      s.YMinAt = static_cast<std::uint32_t>(k + ((at_min & 1) != 0 ? 0 : 1));
      need_min = false;
    }
    if (need_max && at_max != 0) {
      s.YMaxAt = static_cast<std::uint32_t>(k + ((at_max & 1) != 0 ? 0 : 1));
      need_max = false;
    }
  }
  if (need_min) s.YMinAt = static_cast<std::uint32_t>(n - 1);  // only the odd last value is left
  if (need_max) s.YMaxAt = static_cast<std::uint32_t>(n - 1);
}

}  // namespace

TBlockSummary SummarizePoints(const double* xs, const double* ys, std::size_t n) {
  // Lanes start from the first point twice, so an odd count needs no special value.
  Lanes x(_mm_set1_pd(xs[0]));
  Lanes y(_mm_set1_pd(ys[0]));
  std::size_t i = 1;
  for (; i + 2 <= n; i += 2) {
    x.Add(_mm_loadu_pd(xs + i));
    y.Add(_mm_loadu_pd(ys + i));
  }
  if (i < n) {
    x.Add(_mm_set1_pd(xs[i]));
    y.Add(_mm_set1_pd(ys[i]));
  }
  TBlockSummary s;
  if (!x.Finite() || !y.Finite()) return s;
  s.XMin = Lanes::Lower(x.lo);
  s.XMax = Lanes::Upper(x.hi);
  s.YMin = Lanes::Lower(y.lo);
  s.YMax = Lanes::Upper(y.hi);
  s.YLast = ys[n - 1];
  FirstOccurrences(ys, n, s);
  return s;
}

TBlockSummary SummarizeBlocks(const TBlockSummary* blocks, std::size_t n, std::size_t block_size) {
  TBlockSummary s = blocks[0];
  for (std::size_t b = 1; b < n && s.Usable(); ++b) {
    const TBlockSummary& t = blocks[b];
    if (!t.Usable()) return TBlockSummary{};
    const auto start = static_cast<std::uint32_t>(b * block_size);
    s.XMin = t.XMin < s.XMin ? t.XMin : s.XMin;
    s.XMax = t.XMax > s.XMax ? t.XMax : s.XMax;
    // Strict comparisons keep the first occurrence.
    if (t.YMin < s.YMin) {
      s.YMin = t.YMin;
      s.YMinAt = start + t.YMinAt;
    }
    if (t.YMax > s.YMax) {
      s.YMax = t.YMax;
      s.YMaxAt = start + t.YMaxAt;
    }
    s.YLast = t.YLast;
  }
  return s;
}

}  // namespace kurvex
