#include "chart/model/chart_cursors.h"

#include "platform/application.h"
#include "platform/resources.h"

namespace kurvex {

void RegisterChartCursors() {
  Screen().SetCursorImage(crKxHand, LoadCursorResource("CURHAND"));
  Screen().SetCursorImage(crKxZoomWindow, LoadCursorResource("CURZOOMW"));
  Screen().SetCursorImage(crKxZoomDrag, LoadCursorResource("CURZOOMD"));
  Screen().SetCursorImage(crKxZoomPos, LoadCursorResource("CURZOOMP"));
}

}  // namespace kurvex
