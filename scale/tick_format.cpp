#include "scale/tick_format.h"

#include "common/number_format.h"
#include "common/numeric.h"

namespace kurvex {

std::string FormatTickNumber(double value, int decimals) {
  if (decimals >= 0) return FormatFixed(value, decimals);
  return FloatToText(1, -2, value);
}

std::string UserTextPiece(std::string_view text, int index) {
  std::size_t start = 0;
  for (int piece = 1; piece < index; ++piece) {
    const std::size_t bar = text.find('|', start);
    if (bar == std::string_view::npos) break;  // fewer pieces: the last one
    start = bar + 1;
  }
  const std::size_t end = text.find('|', start);
  return std::string(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

std::string ApplyInscription(const std::string& label, std::string_view inscription) {
  if (label.empty()) return label;
  const std::size_t amp = inscription.find('&');
  if (amp == std::string_view::npos) return std::string(inscription) + label;
  std::string out(inscription.substr(0, amp));
  out += label;
  out += inscription.substr(amp + 1);
  return out;
}

void StripTrailingZeros(std::string& text) {
  if (text.find('.') == std::string::npos || text.find_first_of("eE") != std::string::npos) return;
  while (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.pop_back();
}

}  // namespace kurvex
