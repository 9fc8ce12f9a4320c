#include "scale/tick_engine.h"

#include "scale/scale.h"

namespace kurvex {

void BuildTicks(const TScale& s, TTickList& out) {
  out.Clear();
  switch (s.LabelType()) {
    case TFigType::ftDateTime:
      DateTimeWalk(s, out);
      return;
    case TFigType::ftTime:
      if (TimeWalk(s, out)) return;
      break;
    default:
      break;
  }
  if (s.Logarithmic()) {
    LogWalk(s, out);
  } else {
    LinearWalk(s, out);
  }
}

}  // namespace kurvex
