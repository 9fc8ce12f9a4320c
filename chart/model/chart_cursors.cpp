#include "chart/model/chart_cursors.h"

namespace kurvex {

void RegisterChartCursors() {}

}  // namespace kurvex
