#pragma once
// The chart's mouse interaction state: zoom window, drag start per layer, corners, the
// mouse trace and the two-corner selection. The gesture code works on it; the chart keeps
// it, resets it at creation and copies it in Assign.

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "common/color.h"
#include "common/geometry.h"

namespace kurvex {

enum class TZoomWindowState : std::uint8_t { zsNormal, zsDrawWin };
enum class TCornerSelectState : std::uint8_t { msNormal, msFirstCorner, msRectDraw, msFinished };
// The XOR figure of a zoom window, rubber band or selection rectangle shown on the window.
enum class TWindowFigure : std::uint8_t { None, Line, Rect };

// One point of the mouse trace (world values of the chart's current layer).
struct TMouseTracePoint {
  double X = 0;
  double Y = 0;
  std::uint16_t Flags = 0;  // bit 0: the stroke ends here; bit 1: the segment to here is XOR
  TColor Color = 0;
};

struct TMouseState {
  static constexpr int kTraceCapacity = 5000;

  TZoomWindowState ZoomWindow = TZoomWindowState::zsNormal;
  bool DragActive = false;
  // Per layer 1..16 (index 0 unused): drag start pixel and the ranges at that moment.
  struct LayerStart {
    TPoint Pixel;
    double XLow = 0, XHigh = 0, YLow = 0, YHigh = 0;
  };
  std::array<LayerStart, 17> Start{};
  TPoint StartCorner;
  TPoint CurrentCorner;
  // What is drawn from StartCorner to CurrentCorner on the window now; a paint over it draws
  // it again, so that the next XOR draw erases it instead of leaving a copy behind.
  TWindowFigure Figure = TWindowFigure::None;
  TPoint LastMouse;
  bool SwallowDoubleClick = false;
  int DraggedCrossHair = 0;  // 1..4 once chosen
  int DraggedTextLabel = 0;  // 1..50 once chosen
  bool MouseMoveGuard = false;
  TCornerSelectState CornerSelect = TCornerSelectState::msNormal;
  TPoint FirstCorner;
  TPoint SelectCurrentCorner;
  TPoint SecondCorner;
  bool SelectRectShown = false;  // FirstCorner..SelectCurrentCorner is drawn on the window
  // The trace: room for kTraceCapacity points, TraceCount of them in use.
  std::vector<TMouseTracePoint> Trace = std::vector<TMouseTracePoint>(kTraceCapacity);
  int TraceCount = 0;

  // Back to the state of a new chart (the trace storage stays allocated).
  void Reset() {
    std::vector<TMouseTracePoint> trace = std::move(Trace);
    *this = TMouseState{};
    std::fill(trace.begin(), trace.end(), TMouseTracePoint{});
    Trace = std::move(trace);
  }
};

}  // namespace kurvex
