#pragma once
// What a tick walk produces: a plain list of ticks that the paint step draws in order and
// the tests compare exactly. Nothing here knows a canvas.

#include <cstdint>
#include <string>
#include <vector>

namespace kurvex {

enum class TTickMark : std::uint8_t { tmNone, tmShort, tmLong };

struct TTick {
  double Value = 0;        // world value, reported to the events
  int Pos = 0;             // pixel along the scale where the mark stands and the events point
  TTickMark Mark = TTickMark::tmNone;
  bool Recorded = false;   // entered in the scale's tick list (the first 250 are kept)
  bool Reported = true;    // OnScaleTickDrawn fires for it
  bool Labelled = false;   // carries Label (possibly empty); OnBeforeTickLabel fires for it
  bool Dated = false;      // carries DateLabel as well, one line further out
  std::string Label;
  std::string DateLabel;

  friend bool operator==(const TTick&, const TTick&) = default;
};

// A date/time scale that cannot be drawn shows one of these instead of ticks.
enum class TScaleMessage : std::uint8_t { smNone, smInvalidDateTime, smBelowOneSecond };

struct TTickList {
  std::vector<TTick> Ticks;
  TScaleMessage Message = TScaleMessage::smNone;
  int MessagePos = 0;  // pixel of the range's middle
  // Vertical date/time labels are centred on their own height rather than that of "0".
  bool CentreOnOwnHeight = false;

  void Clear() {
    Ticks.clear();
    Message = TScaleMessage::smNone;
    MessagePos = 0;
    CentreOnOwnHeight = false;
  }
};

}  // namespace kurvex
