#pragma once
// Helpers shared by the tick walks (not part of the scale's interface).

#include <string>
#include <utility>

#include "scale/scale.h"
#include "scale/tick_format.h"
#include "scale/tick_list.h"

namespace kurvex::walk {

// A walk stops after this many entries whatever its range asks for; the walks' own rules
// stay far below it, it only keeps a rounding surprise from stalling a paint.
inline constexpr int kMaxWalkTicks = 20000;

// Whether a step table entry fits an interval: one it equals up to rounding does (a day
// over three ticks is 8 hours, not 7.99999999).
inline bool Fits(double entry, double interval) { return entry <= interval * (1 + 1e-9); }

inline bool Full(const TTickList& out) { return static_cast<int>(out.Ticks.size()) >= kMaxWalkTicks; }

inline TTick& Add(const TScale& s, TTickList& out, double value, TTickMark mark, bool recorded) {
  TTick& t = out.Ticks.emplace_back();
  t.Value = value;
  t.Pos = s.ValueToPixel(value);
  t.Mark = mark;
  t.Recorded = recorded;
  return t;
}

inline void SetLabel(TTick& t, std::string text) {
  t.Labelled = true;
  t.Label = std::move(text);
}

// The label of the k-th labelled tick (from 1) once the user texts or the inscription apply.
inline std::string FinishLabel(const TScale& s, std::string text, int k) {
  if (s.LabelType() == TFigType::ftUserText) return UserTextPiece(s.UserTickText(), k);
  return ApplyInscription(text, s.ScaleInscript());
}

}  // namespace kurvex::walk
