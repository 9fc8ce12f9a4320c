#pragma once
// Event types of the scale control (the chart forwards the first two from its axes).

#include <functional>
#include <string>

#include "common/persistent.h"
#include "common/types.h"

namespace kurvex {

class TCanvas;

using TZoomPanEvent = std::function<void(TObject* Sender)>;
using TScaleTickDrawnEvent = std::function<void(TObject* Sender, TCanvas& Canvas, TScaleType ScaleType,
                                                double CurrentTickPos, int ChartX, int ChartY)>;
using TBeforeTickLabelEvent =
    std::function<void(TObject* Sender, TScaleType ScaleType, double CurrentTickPos, std::string& TickLabel)>;
using TScaleRenderedEvent = std::function<void(TObject* Sender, TCanvas& Canvas)>;

}  // namespace kurvex
