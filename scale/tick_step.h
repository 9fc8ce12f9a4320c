#pragma once
// The numeric side of an axis: which step the labelled ticks take, and how many decimals
// their labels get. Pure functions of the range, so that every rule can be tested alone.

#include <cstdint>

namespace kurvex {

// The labelled ticks of a linear range: First, First + Step, ... (Step is signed: negative
// on a reversed range), each step split into Subdivisions short intervals.
struct TTickStep {
  long double First = 0;
  long double Step = 0;
  std::uint16_t Subdivisions = 1;
};

// With MinTicks 0 the step is one unit; a range holding more than this many units takes
// the smallest step of 1, 2 or 5 x 10^k that keeps it within that many labelled ticks (as
// many as the tick list records), so a wide range never walks millions of ticks.
inline constexpr int kMaxUnitTicks = 250;

// The step choice. minTicks >= 2: the largest of 1, 2, 5 x 10^k not above the range
// divided by minTicks, where a quotient of exactly 2 or 5 x 10^k (within 1e-10 of its
// decimal logarithm) takes the next smaller mantissa; subdivisions 5, 4, 5 for the
// mantissas 1, 2, 5. minTicks 0: unit steps in the range's direction (see kMaxUnitTicks),
// subdivisions 1 on ranges wider than 10 and 5 otherwise. First is the first multiple of
// the step at or beyond low in the range's direction, with a tolerance of a thousandth of
// a step. Equal or non-finite ends give Step 0: nothing to draw.
TTickStep CalcTickStep(int minTicks, long double low, long double high);

// Decimals of linear labels: DecPlaces other than -2 and -3 as it is; otherwise, with
// D = |high - low|: -1 (exponent form) for D >= 1e6 or D <= 1e-4, 0 for D >= 100, else
// 2 - round(ln D / 2.5) with halves to even.
int ResolveDecimals(int decPlaces, double low, double high);

// Decimals of logarithmic labels: DecPlaces other than -2 as it is (-3 passes through);
// otherwise -1 when the ends differ by 1e6 or more or by 1e-4 or less, 0 when the lower
// end is 1 or more, else 1 - round(log10 lower end).
int ResolveLogDecimals(int decPlaces, double low, double high);

}  // namespace kurvex
