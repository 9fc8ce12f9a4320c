#pragma once
// Enumerations shared by the library's controls and the platform layer. Members are in
// their declared order: ordinals matter (stored layouts, tables indexed by them).

#include <cstdint>

#include "common/enum_names.h"
#include "common/enum_set.h"

namespace kurvex {

// ---- Drawing (canvas) ----------------------------------------------------------------

enum class TPenStyle : std::uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
KX_ENUM_NAMES(TPenStyle, "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame");

enum class TPenMode : std::uint8_t {
  pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
  pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
KX_ENUM_NAMES(TPenMode, "pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot",
              "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask",
              "pmNotMask", "pmXor", "pmNotXor");

enum class TBrushStyle : std::uint8_t { bsSolid, bsClear };
KX_ENUM_NAMES(TBrushStyle, "bsSolid", "bsClear");

// How Draw combines a source bitmap with the destination.
enum class TCopyMode : std::uint8_t { cmSrcCopy, cmSrcAnd, cmSrcPaint, cmSrcInvert };
KX_ENUM_NAMES(TCopyMode, "cmSrcCopy", "cmSrcAnd", "cmSrcPaint", "cmSrcInvert");

enum class TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
KX_ENUM_NAMES(TFontStyle, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut");
using TFontStyles = TSet<TFontStyle>;

enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
KX_ENUM_NAMES(TAlignment, "taLeftJustify", "taRightJustify", "taCenter");

// ---- Mouse -------------------------------------------------------------------------

enum class TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };
KX_ENUM_NAMES(TMouseButton, "mbLeft", "mbRight", "mbMiddle");

enum class TShiftStateItem : std::uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
KX_ENUM_NAMES(TShiftStateItem, "ssShift", "ssAlt", "ssCtrl", "ssLeft", "ssRight", "ssMiddle", "ssDouble");
using TShiftState = TSet<TShiftStateItem>;

// ---- Shared by the chart, the scale and the numeric label ----------------------------

enum class TMouseActMode : std::uint8_t {
  maNone, maPan, maPanHoriz, maPanVert, maPanGrid, maRubberBand, maZoom, maZoomWind, maZoomWindPos,
  maZoomDrag, maDragCrossH, maDragLabel, maRotate, maRotAndZoom, maRotXOnly, maRotZOnly, maSelectRect,
  maDrawMTrace, maZoomPanColors
};
KX_ENUM_NAMES(TMouseActMode, "maNone", "maPan", "maPanHoriz", "maPanVert", "maPanGrid", "maRubberBand", "maZoom",
              "maZoomWind", "maZoomWindPos", "maZoomDrag", "maDragCrossH", "maDragLabel", "maRotate",
              "maRotAndZoom", "maRotXOnly", "maRotZOnly", "maSelectRect", "maDrawMTrace", "maZoomPanColors");

enum class TScaleType : std::uint8_t { sctXB, sctXT, sctYL, sctYR };
KX_ENUM_NAMES(TScaleType, "sctXB", "sctXT", "sctYL", "sctYR");

enum class TFigType : std::uint8_t { ftNoFigs, ftNum, ftTime, ftDateTime, ftUserText };
KX_ENUM_NAMES(TFigType, "ftNoFigs", "ftNum", "ftTime", "ftDateTime", "ftUserText");

enum class TScaleUnitAnchor : std::uint8_t { uaSclTopLft, uaSclCenter, uaSclBotRgt };
KX_ENUM_NAMES(TScaleUnitAnchor, "uaSclTopLft", "uaSclCenter", "uaSclBotRgt");

enum class TTimeFormat : std::uint8_t { tfHHMMSS, tfHHhMM, tfAMPM };
KX_ENUM_NAMES(TTimeFormat, "tfHHMMSS", "tfHHhMM", "tfAMPM");

enum class TYearLength : std::uint8_t { ylNone, ylYY, ylYYYY };
KX_ENUM_NAMES(TYearLength, "ylNone", "ylYY", "ylYYYY");

enum class TDateOrder : std::uint8_t { doMMDDYY, doDDMMYY, doYYMMDD };
KX_ENUM_NAMES(TDateOrder, "doMMDDYY", "doDDMMYY", "doYYMMDD");

enum class TDateForTime : std::uint8_t { dtNone, dtOnePerChart, dtOnePerDay, dtAllTicks };
KX_ENUM_NAMES(TDateForTime, "dtNone", "dtOnePerChart", "dtOnePerDay", "dtAllTicks");

enum class TFrameStyle : std::uint8_t { fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved };
KX_ENUM_NAMES(TFrameStyle, "fsNone", "fsSimple", "fsLowered", "fsRaised", "fsEmbossed", "fsEngraved");

enum class TColorScheme : std::uint8_t { csBWG, csSystem };
KX_ENUM_NAMES(TColorScheme, "csBWG", "csSystem");

enum class TCrossHMode : std::uint8_t { chOff, chHoriz, chVert, chBoth, chCrossBox, chBox };
KX_ENUM_NAMES(TCrossHMode, "chOff", "chHoriz", "chVert", "chBoth", "chCrossBox", "chBox");

enum class TShadowStyle : std::uint8_t { ssFlying, ssBox };
KX_ENUM_NAMES(TShadowStyle, "ssFlying", "ssBox");

enum class TBkgFill : std::uint8_t { bfSimple, bfStretch, bfTile };
KX_ENUM_NAMES(TBkgFill, "bfSimple", "bfStretch", "bfTile");

enum class TVerticalAlignment : std::uint8_t { vaTop, vaCenter, vaBottom };
KX_ENUM_NAMES(TVerticalAlignment, "vaTop", "vaCenter", "vaBottom");

enum class TTxtLblAttachMode : std::uint8_t { tlamNone, tlamXOnly, tlamYOnly, tlamBoth };
KX_ENUM_NAMES(TTxtLblAttachMode, "tlamNone", "tlamXOnly", "tlamYOnly", "tlamBoth");

enum class TTxtLblMode : std::uint8_t { tlOff, tlsimple, tlBox, tlUnderline, tlShadow };
KX_ENUM_NAMES(TTxtLblMode, "tlOff", "tlsimple", "tlBox", "tlUnderline", "tlShadow");

}  // namespace kurvex
