#pragma once
// Texts of numeric tick labels.

#include <string>
#include <string_view>

namespace kurvex {

// Labels are cut to this many characters before user texts and inscriptions apply.
inline constexpr std::size_t kMaxTickLabelLength = 14;

// decimals >= 0: fixed point with exactly that many decimals, "-" for negative values, no
// point for 0 decimals (magnitudes of 1e36 and above in the exponent form, four exponent
// digits). decimals < 0: two significant digits in the exponent form " 1.5E+06",
// "-2.0E-05" (a blank where the sign of a value >= 0 would stand); an exponent of three or
// more digits does not fit and the text becomes eight "*".
std::string FormatTickNumber(double value, int decimals);

// Piece `index` (from 1) of a text whose pieces are separated by "|". Past the last piece
// the last one is given, which is empty when the text ends in "|" (or is empty).
std::string UserTextPiece(std::string_view text, int index);

// An empty label stays empty. Otherwise the label takes the place of the first "&" of the
// inscription ("& V" with "12.5" gives "12.5 V"), or follows an inscription without "&".
std::string ApplyInscription(const std::string& label, std::string_view inscription);

// Removes trailing "0" characters after a decimal point, and the point when it ends the
// text; texts without a point or in the exponent form ("E") stay as they are.
void StripTrailingZeros(std::string& text);

}  // namespace kurvex
