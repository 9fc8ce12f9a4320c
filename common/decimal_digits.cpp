#include "common/decimal_digits.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace kurvex {

static_assert(std::numeric_limits<long double>::digits <= 64,
              "the significand of long double must fit in 64 bits");

namespace {

// An unsigned big integer in base 10^9 limbs, least significant first. Only what the
// expansion needs: multiplying by a small factor and printing.
class BigDecimal {
 public:
  explicit BigDecimal(std::uint64_t v) {
    do {
      limbs_.push_back(static_cast<std::uint32_t>(v % kBase));
      v /= kBase;
    } while (v != 0);
  }

  void MultiplyBy(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs_) {
      const std::uint64_t t = static_cast<std::uint64_t>(limb) * factor + carry;
      limb = static_cast<std::uint32_t>(t % kBase);
      carry = t / kBase;
    }
    while (carry != 0) {
      limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
      carry /= kBase;
    }
  }

  // Multiplies by base^exponent, using the largest power of `base` that fits a factor.
  void MultiplyByPower(std::uint32_t base, std::uint32_t chunkFactor, int chunkExponent, int exponent) {
    while (exponent >= chunkExponent) {
      MultiplyBy(chunkFactor);
      exponent -= chunkExponent;
    }
    std::uint32_t rest = 1;
    for (int i = 0; i < exponent; ++i) rest *= base;
    if (rest != 1) MultiplyBy(rest);
  }

  std::string ToString() const {
    std::string s = std::to_string(limbs_.back());
    for (size_t i = limbs_.size() - 1; i-- > 0;) {
      const std::string part = std::to_string(limbs_[i]);
      s.append(9 - part.size(), '0');
      s += part;
    }
    return s;
  }

 private:
  static constexpr std::uint32_t kBase = 1000000000u;
  std::vector<std::uint32_t> limbs_;
};

constexpr std::uint32_t kFivePow13 = 1220703125u;  // the largest power of 5 below 2^32
constexpr std::uint32_t kTwoPow31 = 2147483648u;

}  // namespace

DecimalDigits ExactDecimalDigits(long double value) {
  DecimalDigits result;
  result.negative = std::signbit(value);
  if (value == 0) return result;

  // |value| = fraction × 2^exp2 with fraction in [0.5, 1); scaling the fraction by 2^64 gives
  // the whole significand as an integer without rounding.
  int exp2 = 0;
  const long double fraction = std::frexp(std::fabs(value), &exp2);
  std::uint64_t mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
  int k = exp2 - 64;
  while ((mantissa & 1u) == 0) {
    mantissa >>= 1;
    ++k;
  }

  // |value| = mantissa × 2^k. For k < 0 that is mantissa × 5^-k / 10^-k.
  BigDecimal n(mantissa);
  if (k >= 0) {
    n.MultiplyByPower(2, kTwoPow31, 31, k);
  } else {
    n.MultiplyByPower(5, kFivePow13, 13, -k);
  }
  std::string digits = n.ToString();
  result.pointPos = static_cast<int>(digits.size()) + (k < 0 ? k : 0);
  digits.erase(digits.find_last_not_of('0') + 1);
  result.digits = std::move(digits);
  return result;
}

void RoundDigits(DecimalDigits& d, long long keep) {
  if (d.IsZero()) return;
  const long long size = static_cast<long long>(d.digits.size());
  if (keep >= size) return;
  const bool roundUp = d.DigitAt(keep) >= '5';
  if (keep <= 0) {
    // Everything is dropped: the result is zero or one unit of the rounding position.
    if (roundUp) {
      d.digits.assign(1, '1');
      d.pointPos = static_cast<int>(d.pointPos - keep + 1);
    } else {
      d.digits.clear();
      d.pointPos = 0;
    }
    return;
  }
  d.digits.resize(static_cast<size_t>(keep));
  if (roundUp) {
    while (!d.digits.empty() && d.digits.back() == '9') d.digits.pop_back();
    if (d.digits.empty()) {
      d.digits.assign(1, '1');
      ++d.pointPos;
      return;
    }
    ++d.digits.back();
  }
  d.digits.erase(d.digits.find_last_not_of('0') + 1);
}

void RoundToDecimals(DecimalDigits& d, int decimals) {
  RoundDigits(d, static_cast<long long>(d.pointPos) + decimals);
}

}  // namespace kurvex
