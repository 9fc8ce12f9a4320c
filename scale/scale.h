#pragma once
// TScale: a control that shows one axis. This file holds its data side: the published
// properties with their setters and defaults, the mapping of world values to pixels along
// the axis, the tick list, and the hooks the chart uses to paint its axes into its own
// bitmap (paint suspension, embedding, target canvas, ForcePaint). The drawing itself is
// RenderScale (scale_paint.cpp) over the tick walks (tick_engine.h); the mouse handling is
// in scale_mouse.cpp.

#include <array>
#include <string>

#include "common/color.h"
#include "common/types.h"
#include "platform/control.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"
#include "scale/dt_label.h"
#include "scale/scale_events.h"
#include "scale/tick_list.h"

namespace kurvex {

class TScale : public TCustomControl {
 public:
  static constexpr int kMaxTicks = 250;

  explicit TScale(TComponent* AOwner);
  ~TScale() override;
  const char* ClassName() const override { return "TScale"; }

  // ---- Published properties ----
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v);
  int CaptionPosX() const { return caption_pos_x_; }
  void SetCaptionPosX(int v);
  int CaptionPosY() const { return caption_pos_y_; }
  void SetCaptionPosY(int v);
  TAlignment CaptionAlignment() const { return caption_alignment_; }
  void SetCaptionAlignment(TAlignment v);
  TScaleUnitAnchor CaptionAnchor() const { return caption_anchor_; }
  void SetCaptionAnchor(TScaleUnitAnchor v);
  TColor ColorBackGnd() const { return color_back_gnd_; }
  void SetColorBackGnd(TColor v);
  TColor ColorScale() const { return color_scale_; }
  void SetColorScale(TColor v);
  TColorScheme ColorScheme() const { return color_scheme_; }
  void SetColorScheme(TColorScheme v);
  TDTLabel& DateFormat() { return date_format_; }
  const TDTLabel& DateFormat() const { return date_format_; }
  void SetDateFormat(const TDTLabel& v);
  int DecPlaces() const { return dec_places_; }
  void SetDecPlaces(int v);
  TFrameStyle FrameStyle() const { return frame_style_; }
  void SetFrameStyle(TFrameStyle v);
  TFigType LabelType() const { return label_type_; }
  void SetLabelType(TFigType v);
  bool Logarithmic() const { return logarithmic_; }
  void SetLogarithmic(bool v);
  int MarginTop() const { return margin_top_; }
  void SetMarginTop(int v);
  int MarginBottom() const { return margin_bottom_; }
  void SetMarginBottom(int v);
  int MarginLeft() const { return margin_left_; }
  void SetMarginLeft(int v);
  int MarginRight() const { return margin_right_; }
  void SetMarginRight(int v);
  int MinTicks() const { return min_ticks_; }
  void SetMinTicks(int v);
  TMouseActMode MouseAction() const { return mouse_action_; }
  void SetMouseAction(TMouseActMode v) { mouse_action_ = v; }
  int NumTicks() const { return num_ticks_; }
  double RangeLow() const { return range_low_; }
  void SetRangeLow(double v);
  double RangeHigh() const { return range_high_; }
  void SetRangeHigh(double v);
  bool ShortTicks() const { return short_ticks_; }
  void SetShortTicks(bool v);
  bool ShowBaseLine() const { return show_base_line_; }
  void SetShowBaseLine(bool v);
  const std::string& ScaleInscript() const { return scale_inscript_; }
  void SetScaleInscript(const std::string& v);
  const std::string& UserTickText() const { return user_tick_text_; }
  void SetUserTickText(const std::string& v);
  TScaleType ScaleType() const { return scale_type_; }
  void SetScaleType(TScaleType v);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool v);

  TZoomPanEvent OnZoomPan;
  TScaleTickDrawnEvent OnScaleTickDrawn;
  TBeforeTickLabelEvent OnBeforeTickLabel;
  TScaleRenderedEvent OnAfterScaleRendered;
  TScaleRenderedEvent OnBeforeScaleRendered;

  // ---- Operations ----
  // Puts every property back to its default except ScaleInscript, Font and the size; sets
  // the painting-suspended and reset flags.
  void ResetDefaults();
  // Paints now when opaque or embedded; otherwise asks the host to repaint later.
  void RequestRepaint();
  bool PaintSuspended() const { return paint_suspended_; }
  void SetPaintSuspended(bool v);
  // Paints now even while painting is suspended.
  void ForcePaint();
  bool Embedded() const { return embedded_; }
  void SetEmbedded(bool v);
  // Paints onto canvas at offset (x, y) instead of the own window (nullptr: own window).
  void SetTargetCanvas(TCanvas* canvas, int x, int y);
  TCanvas* TargetCanvas() const { return target_canvas_; }
  TPoint TargetOffset() const { return target_offset_; }
  // Sets both ends (high first); equal ends make RangeHigh = RangeLow + 1.
  void SetRange(double high, double low);

  // The index-th (1-based) tick value recorded by the last paint; 0 outside 1..NumTicks.
  double TickPosition(int index) const;
  // Used by the tick engine while painting: empties the list / records a tick (ignored
  // once 250 are recorded).
  void ClearTicks() { num_ticks_ = 0; }
  void RecordTick(double value);

  // Mapping along the axis (x of horizontal scales, y of vertical ones).
  void UpdateMapping();
  int ValueToPixel(double value) const;
  double PixelFactor() const { return pixel_factor_; }
  double PixelOffset() const { return pixel_offset_; }

  bool IsHorizontal() const { return scale_type_ == TScaleType::sctXB || scale_type_ == TScaleType::sctXT; }
  // The base line: y of a horizontal scale (H - MarginBottom - 1 for sctXB, MarginTop for
  // sctXT), x of a vertical one (MarginLeft for sctYL, W - MarginRight - 1 for sctYR).
  int BaseLine() const;
  // The ticks of the last paint, in drawing order.
  const TTickList& PaintedTicks() const { return painted_ticks_; }

  // Frame colours (set by ColorScheme).
  TColor FrameSimpleColor() const { return frame_simple_color_; }
  TColor FrameShadowColor() const { return frame_shadow_color_; }
  TColor FrameHighlightColor() const { return frame_highlight_color_; }
  bool ResetFlag() const { return reset_flag_; }

  void Assign(const TPersistent& Source) override;
  void SetBounds(int left, int top, int width, int height) override;
  void CreateWnd() override;
  void Loaded() override;
  void Paint() override;

  // The mouse pans and zooms the range (MouseAction maPan, maZoom, maZoomDrag); a double
  // click switches between maPan and maZoom.
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;

 protected:
  // An embedded scale that paints onto a target canvas keeps no window surface of its own
  // (the chart's 32 axes would otherwise hold 32 images of the chart's size).
  void SizeChanged() override;
  bool DrawsElsewhere() const { return embedded_ && target_canvas_ != nullptr; }
  void UpdateOwnSurface();

  // Draws the scale on canvas with its origin offset (ox, oy): background, ticks, labels,
  // caption and frame (scale_paint.cpp). The paint gating and the choice of the canvas
  // happen in Paint before it is called.
  virtual void RenderScale(TCanvas& canvas, int ox, int oy);
  // A transparent scale in its own window is painted over its parent's colour.
  void PaintBackground(const TRect& region) override;

 private:
  // Ticks, labels and caption on canvas with the base line at b (shifted across the scale
  // by the target offset on a transparent scale).
  void RunTickEngine(TCanvas& canvas, int b);
  void DrawCaption(TCanvas& canvas, int b);
  void DrawBaseLine(TCanvas& canvas, int b);
  // Whether the point lies where a drag pans or zooms the scale.
  bool InActiveArea(int x, int y) const;

  std::string caption_;
  int caption_pos_x_ = 4;
  int caption_pos_y_ = 4;
  TAlignment caption_alignment_ = TAlignment::taCenter;
  TScaleUnitAnchor caption_anchor_ = TScaleUnitAnchor::uaSclTopLft;
  TColor color_back_gnd_ = clBtnFace;
  TColor color_scale_ = clBlack;
  TColorScheme color_scheme_ = TColorScheme::csBWG;
  TDTLabel date_format_;
  int dec_places_ = -2;
  TFrameStyle frame_style_ = TFrameStyle::fsLowered;
  TFigType label_type_ = TFigType::ftNum;
  bool logarithmic_ = false;
  int margin_top_ = 20, margin_bottom_ = 20, margin_left_ = 20, margin_right_ = 20;
  int min_ticks_ = 3;
  TMouseActMode mouse_action_ = TMouseActMode::maNone;
  double range_low_ = 0;
  double range_high_ = 100;
  bool short_ticks_ = true;
  bool show_base_line_ = true;
  std::string scale_inscript_;
  std::string user_tick_text_;
  TScaleType scale_type_ = TScaleType::sctXB;
  bool transparent_ = false;

  double pixel_factor_ = 1;
  double pixel_offset_ = 0;
  std::array<double, kMaxTicks> ticks_{};
  int num_ticks_ = 0;
  TColor frame_simple_color_ = clBlack;
  TColor frame_shadow_color_ = 0x808080;
  TColor frame_highlight_color_ = 0xFFFFFF;
  bool paint_suspended_ = true;
  bool embedded_ = false;
  TCanvas* target_canvas_ = nullptr;
  TPoint target_offset_;
  bool reset_flag_ = true;
  TTickList painted_ticks_;
  Bitmap image_;  // the opaque scale is drawn here, then copied in one step
  TCanvas image_canvas_{&image_};

 public:
  // Drag state of the mouse handling (press pixel and the range at the press).
  struct DragState {
    bool Dragging = false;
    TPoint Press;
    double PressLow = 0;
    double PressHigh = 0;
  } Drag;
};

}  // namespace kurvex
