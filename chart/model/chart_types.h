#pragma once
// Enumerations and event types of the chart control.

#include <cstdint>
#include <functional>
#include <string>

#include "chart/model/chart_item.h"
#include "common/enum_names.h"
#include "common/persistent.h"
#include "common/types.h"

namespace kurvex {

class TCanvas;
class TCrossHair;
class TTextLabel;

enum class GridStyleType : std::uint8_t {
  gsNone, gsPoints, gsVertLines, gsHorizLines, gsLines, gsHorizDotLines, gsVertDotLines, gsDotLines
};
KX_ENUM_NAMES(GridStyleType, "gsNone", "gsPoints", "gsVertLines", "gsHorizLines", "gsLines", "gsHorizDotLines",
              "gsVertDotLines", "gsDotLines");

// Background of chart texts: none, or the text background colour.
enum class TTextBkg : std::uint8_t { tbClear, tbOpaque };
KX_ENUM_NAMES(TTextBkg, "tbClear", "tbOpaque");

enum class TCaptionAnchorHoriz : std::uint8_t {
  cahControlLeft, cahChartLeft, cahChartCenter, cahChartRight, cahControlRight
};
KX_ENUM_NAMES(TCaptionAnchorHoriz, "cahControlLeft", "cahChartLeft", "cahChartCenter", "cahChartRight",
              "cahControlRight");

enum class TCaptionAnchorVert : std::uint8_t {
  cavControlTop, cavChartTop, cavChartCenter, cavChartBottom, cavControlBottom
};
KX_ENUM_NAMES(TCaptionAnchorVert, "cavControlTop", "cavChartTop", "cavChartCenter", "cavChartBottom",
              "cavControlBottom");

enum class TkxLayout : std::uint8_t {
  kxl_X1Bottom_Y1Left, kxl_X1Bottom_Y2Left, kxl_X1Bottom_Y3Left, kxl_X1Bottom_Y4Left, kxl_X1Bottom_Y2Both,
  kxl_X2Bottom_Y2Left, kxl_X2Both_Y2Both
};
KX_ENUM_NAMES(TkxLayout, "kxl_X1Bottom_Y1Left", "kxl_X1Bottom_Y2Left", "kxl_X1Bottom_Y3Left",
              "kxl_X1Bottom_Y4Left", "kxl_X1Bottom_Y2Both", "kxl_X2Bottom_Y2Left", "kxl_X2Both_Y2Both");

using TSelectRectEvent =
    std::function<void(TObject* Sender, int Layer, double LoX, double LoY, double HiX, double HiY)>;
using TMouseMoveInChartEvent =
    std::function<void(TObject* Sender, bool InChart, TShiftState Shift, double rMousePosX, double rMousePosY)>;
using TBeforeRenderTextEvent =
    std::function<void(TObject* Sender, std::string& Text, int Index, bool IsAnnotation)>;
using TBeforeRenderCItemEvent =
    std::function<void(TObject* Sender, TkxChartItem& ChartItem, int Index, bool IsAnnotation)>;
using TRenderEvent = std::function<void(TObject* Sender, TCanvas& Canvas, int Top, int Left)>;
using TBeforeCrossHMoveEvent =
    std::function<void(TObject* Sender, TCrossHair& WhichCrossHair, int dx, int dy, bool& AllowMove)>;
using TCrossHairMoveEvent = std::function<void(TObject* Sender, TCrossHair& WhichCrossHair)>;
using TTextLabelMoveEvent = std::function<void(TObject* Sender, TTextLabel& WhichTextLabel)>;

}  // namespace kurvex
