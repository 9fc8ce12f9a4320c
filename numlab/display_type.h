#pragma once
// The numeric label's display types and its text event.

#include <cstdint>
#include <functional>
#include <string>

#include "common/enum_names.h"
#include "common/persistent.h"

namespace kurvex {

// How the label turns its value into text.
enum class TDisplay : std::uint8_t {
  dtFloat, dtFixP, dtExp, dtHex, dtZeroInt, dtInt, dtDateTime, dtState, dtBin, dtOct, dtDeg,
  dtDegMin, dtDegMinSec, dtEEng, dtEEngNoDP
};
KX_ENUM_NAMES(TDisplay, "dtFloat", "dtFixP", "dtExp", "dtHex", "dtZeroInt", "dtInt", "dtDateTime", "dtState",
              "dtBin", "dtOct", "dtDeg", "dtDegMin", "dtDegMinSec", "dtEEng", "dtEEngNoDP");

// Called with the finished value text just before it is drawn; the handler may change it.
using TBeforeDisplayEvent = std::function<void(TObject* Sender, std::string& Text)>;

}  // namespace kurvex
