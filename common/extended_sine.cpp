#include "common/extended_sine.h"

#include <cmath>

namespace kurvex {

namespace {

// pi/2 split into three parts. The first two have 40 significant bits, so k * part is exact
// in a 64-bit mantissa for |k| < 2^24, and the reduced argument carries about 144 bits of
// pi/2: no cancellation loss even when x lies close to a multiple of pi/2.
constexpr long double kPio2Hi = 0x1.921fb54442000000p0L;
constexpr long double kPio2Mid = 0x1.a308d31318000000p-41L;
constexpr long double kPio2Lo = 0x1.8a2e03707344a408p-81L;
constexpr long double kTwoOverPi = 0x1.45f306dc9c882a52p-1L;
// Adding and subtracting 1.5 * 2^63 rounds a long double to the nearest integer.
constexpr long double kRoundShift = 0x1.8p63L;
constexpr long double kLimit = 1048576.0L;  // 2^20

constexpr long double InverseFactorial(int n) {
  long double f = 1.0L;
  for (int i = 2; i <= n; ++i) f *= i;
  return 1.0L / f;
}

// Both polynomials are evaluated as two interleaved Horner chains in r^4 (even and odd
// powers of r^2), which halves the chain of dependent x87 operations.

// sin(r) = r + r^3 * P(r^2), P = -1/3! + r^2/5! - ... + r^18/21!; the next term is below
// 2e-25 relative for |r| <= pi/4.
inline long double SinPoly(long double r) {
  const long double r2 = r * r;
  const long double r4 = r2 * r2;
  long double even = -InverseFactorial(19);  // coefficients of r^2k with k odd in P
  long double odd = InverseFactorial(21);
  odd = odd * r4 + InverseFactorial(17);
  even = even * r4 - InverseFactorial(15);
  odd = odd * r4 + InverseFactorial(13);
  even = even * r4 - InverseFactorial(11);
  odd = odd * r4 + InverseFactorial(9);
  even = even * r4 - InverseFactorial(7);
  odd = odd * r4 + InverseFactorial(5);
  even = even * r4 - InverseFactorial(3);
  const long double p = even + r2 * odd;
  return r + r * r2 * p;
}

// cos(r) = 1 + r^2 * Q(r^2), Q = -1/2! + r^2/4! - ... + r^18/20!.
inline long double CosPoly(long double r) {
  const long double r2 = r * r;
  const long double r4 = r2 * r2;
  long double even = -InverseFactorial(18);
  long double odd = InverseFactorial(20);
  odd = odd * r4 + InverseFactorial(16);
  even = even * r4 - InverseFactorial(14);
  odd = odd * r4 + InverseFactorial(12);
  even = even * r4 - InverseFactorial(10);
  odd = odd * r4 + InverseFactorial(8);
  even = even * r4 - InverseFactorial(6);
  odd = odd * r4 + InverseFactorial(4);
  even = even * r4 - InverseFactorial(2);
  const long double q = even + r2 * odd;
  return 1.0L + r2 * q;
}

}  // namespace

long double SinExtended(long double x) {
  if (!(std::fabs(x) <= kLimit)) return sinl(x);  // also NaN and infinities
  if (x == 0.0L) return x;                         // keeps the sign of -0
  const long double k = (x * kTwoOverPi + kRoundShift) - kRoundShift;
  const long double r = ((x - k * kPio2Hi) - k * kPio2Mid) - k * kPio2Lo;
  switch (static_cast<long long>(k) & 3) {
    case 0:
      return SinPoly(r);
    case 1:
      return CosPoly(r);
    case 2:
      return -SinPoly(r);
    default:
      return -CosPoly(r);
  }
}

}  // namespace kurvex
