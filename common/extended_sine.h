#pragma once
// Sine in extended precision (long double), fast enough for a million-point curve.
//
// glibc's sinl costs about 230 ns a call on this hardware; this one reduces the argument by
// a three-part pi/2 (Cody-Waite) and evaluates Taylor polynomials of sin and cos on
// [-pi/4, pi/4] in long double, about 40 ns a call. For |x| up to 2^20 its result, rounded
// to double, differs from sinl's by at most one unit in the last place; larger arguments,
// infinities and NaN are handed to sinl.

namespace kurvex {

long double SinExtended(long double x);

}  // namespace kurvex
