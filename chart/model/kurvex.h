#pragma once
// TCustomKurvex / TKurvex: the chart control. This header holds the chart's model: its
// owned objects, properties, item lists and drawing commands, the 16 layers with their
// ranges and mapping, data sharing and the standard layouts. The drawing pipeline
// (Paint, PaintPlotBackground, RenderDataToBitmap, RenderData, PresentBitmap,
// RefreshPlotArea) is implemented in chart/render.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "chart/model/bakgnd_img.h"
#include "chart/model/chart_item.h"
#include "chart/model/chart_types.h"
#include "chart/model/crosshair.h"
#include "chart/model/item_store.h"
#include "chart/model/joint_layers.h"
#include "chart/model/layer_mapping.h"
#include "chart/model/long_texts.h"
#include "chart/model/mouse_state.h"
#include "chart/model/scale_props.h"
#include "chart/model/text_label.h"
#include "platform/control.h"
#include "scale/scale.h"

namespace kurvex {

// The renderer's own per-chart state (canvas-state cache, path buffer, ...), defined and
// destroyed by the render code.
struct TRenderState;
struct TRenderStateDeleter {
  void operator()(TRenderState* state) const;
};

// The main list's shared state: one object referenced by every chart that shows it, so an
// item appended through any of them is seen by all.
struct TSharedItemList {
  TKxItemContainer Items;
  std::ptrdiff_t LastDrawn = 0;
};

// One range history snapshot of a layer: x low, y high, x high, y low.
struct TRangeSnapshot {
  double Left = 0, Top = 0, Right = 0, Bottom = 0;
  friend bool operator==(const TRangeSnapshot&, const TRangeSnapshot&) = default;
};

class TCustomKurvex : public TCustomControl {
 public:
  static constexpr int kLayers = 16;
  static constexpr int kTextLabels = 50;
  static constexpr int kMaxUsers = 4;
  static constexpr int kHistory = 16;

  explicit TCustomKurvex(TComponent* AOwner);
  ~TCustomKurvex() override;
  const char* ClassName() const override { return "TCustomKurvex"; }

  // ---- Virtual operations, in slot order ----
  // Recomputes the transform coefficients of all 16 layers (skipped while loading); raises
  // EKPXKurvexError "Logarithmic axis must not be negative." for a bad logarithmic range.
  virtual void UpdateTransforms();
  virtual void PaintPlotBackground(TCanvas& Canvas, int Left, int Top, int Width, int Height);
  virtual void RenderDataToBitmap(Bitmap& Target, int OffsetX, int OffsetY, bool Monochrome, int NoGrid);
  virtual void RenderData(TCanvas& Canvas, int OffsetX, int OffsetY, bool Monochrome, int NoGrid);
  // When value differs from the paint hold: stores it, and paints once when it becomes False.
  virtual void HoldPaint(bool Value);
  bool PaintHeld() const { return paint_hold_; }

  void Paint() override;
  // Draws the crosshairs into source at (X, Y) and copies source onto canvas at (X, Y).
  virtual void PresentBitmap(int X, int Y, TCanvas& Canvas, Bitmap& Source);

  // ---- Item lists and drawing commands ----
  void MoveToPoint(int X, int Y) { MoveToPoint(CoordMode::Pixels, X, Y); }
  void MoveToPoint(int X, double Y) { MoveToPoint(CoordMode::XPixels, X, Y); }
  void MoveToPoint(double X, int Y) { MoveToPoint(CoordMode::YPixels, X, Y); }
  void MoveToPoint(double X, double Y) { MoveToPoint(CoordMode::World, X, Y); }
  void MoveToPoint(std::uint8_t Mode, double X, double Y) { AppendPointItem(ItemKind::MoveTo, move_cache_, Mode, X, Y); }
  void LineToPoint(int X, int Y) { LineToPoint(CoordMode::Pixels, X, Y); }
  void LineToPoint(int X, double Y) { LineToPoint(CoordMode::XPixels, X, Y); }
  void LineToPoint(double X, int Y) { LineToPoint(CoordMode::YPixels, X, Y); }
  void LineToPoint(double X, double Y) { LineToPoint(CoordMode::World, X, Y); }
  void LineToPoint(std::uint8_t Mode, double X, double Y) { AppendPointItem(ItemKind::LineTo, line_cache_, Mode, X, Y); }
  // Appends a record as given (no attributes stamped), to the list chosen by the
  // annotation mode; in the main list CoordMode is always 0.
  void AppendItem(const TkxChartItem& Item);
  // Empties the main list and paints the empty plot background into the plot bitmap.
  void ClearItems();
  // Makes the appended items visible and tells the charts that share the data.
  void RefreshChart();

  std::size_t ItemCount() const { return main_->Items.Count(); }
  std::size_t ItemCapacity() const { return main_->Items.Capacity(); }
  TkxChartItem Item(std::size_t Index) const { return main_->Items.At(Index); }
  std::size_t AnnotationCount() const { return annot_.Count(); }
  std::size_t AnnotationCapacity() const { return annot_.Capacity(); }
  TkxChartItem AnnotationItem(std::size_t Index) const { return annot_.At(Index); }
  // The lists themselves, for the renderer's run cursor.
  const TKxItemContainer& MainItems() const { return main_->Items; }
  const TKxItemContainer& AnnotationItems() const { return annot_; }
  std::int64_t KindCount(int Kind) const;
  std::ptrdiff_t LastDrawnIndex() const { return main_->LastDrawn; }

  bool AnnotationMode() const { return annotation_mode_; }
  void SetAnnotationMode(bool Value) {
    annotation_mode_ = Value;
    AttributesChanged();
  }
  int CurrentLayer() const { return current_layer_; }
  // 1..16; raises EKPXKurvexError for other layers.
  void SetCurrentLayer(int Layer);
  std::int32_t ReservedAttribute() const { return reserved_; }
  void SetReservedAttribute(std::int32_t Value);
  // The long texts of the main and the annotation list.
  TLongTextArray& LongTexts() { return main_texts_; }
  const TLongTextArray& LongTexts() const { return main_texts_; }
  TLongTextArray& AnnotationLongTexts() { return annot_texts_; }
  const TLongTextArray& AnnotationLongTexts() const { return annot_texts_; }
  // Sets entry Index (1..50) of the long texts of the list the annotation mode chooses.
  void SetLongText(int Index, const std::string& Text);

  // Show/hide filters and render-order switches (a change repaints).
  // Classes are 0..255; setting another is ignored, and reading one gives True (nothing of
  // that class can be hidden).
  bool ClassVisible(int ClassNo) const { return !IsItemClass(ClassNo) || class_visible_[ClassNo]; }
  void SetClassVisible(int ClassNo, bool Value);
  bool AnnotationClassVisible(int ClassNo) const { return !IsItemClass(ClassNo) || annot_class_visible_[ClassNo]; }
  void SetAnnotationClassVisible(int ClassNo, bool Value);
  bool LayerVisible(int Layer) const { return Layer >= 1 && Layer <= kLayers && layer_visible_[Layer]; }
  void SetLayerVisible(int Layer, bool Value);
  bool AnnotationsVisible() const { return annotations_visible_; }
  void SetAnnotationsVisible(bool Value);
  bool AnnotationTextsLast() const { return annotation_texts_last_; }
  void SetAnnotationTextsLast(bool Value);
  bool MainListAfterAnnotations() const { return main_after_annotations_; }
  void SetMainListAfterAnnotations(bool Value);

  // ---- Data sharing ----
  TCustomKurvex* UseDataOf() const { return owner_; }
  void SetUseDataOf(TCustomKurvex* Source);
  int DataUserCount() const { return user_count_; }
  TCustomKurvex* DataUser(int Index) const { return Index >= 0 && Index < user_count_ ? users_[Index] : nullptr; }

  // ---- Layers, ranges and mapping ----
  // Sets one layer's ranges (layer 0: all 16 in turn) through the range rules, with a
  // history snapshot. Raises EKPXKurvexError for a layer outside 0..16.
  void SetLayerRange(int Layer, double XLow, double YLow, double XHigh, double YHigh);
  // The internal range setter of the mouse actions: joint layers, the two switches, and
  // the paint hold taken for the duration.
  void ApplyLayerRange(int Layer, double XLow, double YLow, double XHigh, double YHigh, bool RecordHistory,
                       bool ApplyLimits);
  // Property objects of layer n (n outside 1..16: layer 1).
  TScalePropsHoriz& ScaleXProps(int Layer) { return *x_props_[ClampLayer(Layer)]; }
  TScalePropsVert& ScaleYProps(int Layer) { return *y_props_[ClampLayer(Layer)]; }
  const TScalePropsHoriz& ScaleXProps(int Layer) const { return *x_props_[ClampLayer(Layer)]; }
  const TScalePropsVert& ScaleYProps(int Layer) const { return *y_props_[ClampLayer(Layer)]; }
  // The axis controls of layer n (n outside 1..16: layer 1).
  TScale& ScaleX(int Layer) { return *x_scales_[ClampLayer(Layer)]; }
  TScale& ScaleY(int Layer) { return *y_scales_[ClampLayer(Layer)]; }

  // The precomputed mapping of a layer (clamped into 1..16), for per-point use.
  // World to pixel and back clamp the layer into 1..16 (a layer above 16 maps with 16).
  const TLayerMap& LayerMap(int Layer) const { return maps_[NearestLayer(Layer)]; }
  TPoint WorldToPixel(int Layer, double X, double Y) const { return LayerMap(Layer).ToPixel(X, Y); }
  void PixelToWorld(int Layer, double PX, double PY, double& X, double& Y) const;
  TPlotGeometry Geometry() const;

  // Range limits (all 0: no limits), applied by mouse actions.
  void SetRangeLimits(long double LowX, long double LowY, long double HighX, long double HighY);
  long double RangeLimitLowX() const { return limit_low_x_; }
  long double RangeLimitLowY() const { return limit_low_y_; }
  long double RangeLimitHighX() const { return limit_high_x_; }
  long double RangeLimitHighY() const { return limit_high_y_; }

  // Range history: 16 snapshots per layer in a ring; Position (1..16) is the next slot.
  void ClearRangeHistory();
  void StoreRangeHistory();
  TRangeSnapshot RangeHistory(int Layer, int Position) const;
  int RangeHistoryPosition() const { return history_pos_; }

  bool MouseActiveLayer(int Layer) const { return Layer >= 1 && Layer <= kLayers && mouse_active_[Layer]; }
  void SetMouseActiveLayer(int Layer, bool Value);
  int AspectX() const { return aspect_x_; }
  int AspectY() const { return aspect_y_; }

  // ---- Published properties ----
  bool AvoidDuplicateMarks() const { return avoid_duplicate_marks_; }
  void SetAvoidDuplicateMarks(bool v);
  int AllocSize() const { return static_cast<int>(alloc_size_); }
  void SetAllocSize(int v);
  bool AutoRedraw() const { return auto_redraw_; }
  void SetAutoRedraw(bool v) { auto_redraw_ = v; }
  int MarginLeft() const { return margin_left_; }
  void SetMarginLeft(int v);
  int MarginRight() const { return margin_right_; }
  void SetMarginRight(int v);
  int MarginTop() const { return margin_top_; }
  void SetMarginTop(int v);
  int MarginBottom() const { return margin_bottom_; }
  void SetMarginBottom(int v);
  int MinDupMarkDist() const { return min_dup_mark_dist_; }
  void SetMinDupMarkDist(int v);
  // LRim, RRim, TRim, BRim: the four margins under other names.
  int LRim() const { return margin_left_; }
  void SetLRim(int v) { SetMarginLeft(v); }
  int RRim() const { return margin_right_; }
  void SetRRim(int v) { SetMarginRight(v); }
  int TRim() const { return margin_top_; }
  void SetTRim(int v) { SetMarginTop(v); }
  int BRim() const { return margin_bottom_; }
  void SetBRim(int v) { SetMarginBottom(v); }
  TBakGndImg& BackGroundImg() { return *bak_gnd_img_; }
  const TBakGndImg& BackGroundImg() const { return *bak_gnd_img_; }
  void SetBackGroundImg(const TBakGndImg& v);
  std::uint8_t ClassDefault() const { return class_default_; }
  void SetClassDefault(std::uint8_t v);
  GridStyleType GridStyle() const { return grid_style_; }
  void SetGridStyle(GridStyleType v);
  double GridDx() const { return grid_dx_; }
  void SetGridDx(double v);
  double GridDy() const { return grid_dy_; }
  void SetGridDy(double v);
  bool Isometric() const { return isometric_; }
  void SetIsometric(bool v);
  TColor DataColor() const { return data_color_; }
  void SetDataColor(TColor v);
  TPenStyle PenStyle() const { return pen_style_; }
  void SetPenStyle(TPenStyle v);
  TColor ChartFrameColor() const { return chart_frame_color_; }
  void SetChartFrameColor(TColor v);
  TColor FillColor() const { return fill_color_; }
  void SetFillColor(TColor v);
  TColor ChartColor() const { return chart_color_; }
  void SetChartColor(TColor v);
  TColor WindColor() const { return wind_color_; }
  void SetWindColor(TColor v);
  TColor GridColor() const { return grid_color_; }
  void SetGridColor(TColor v);
  TJointLayers& JointLayers() { return *joint_layers_; }
  const TJointLayers& JointLayers() const { return *joint_layers_; }
  void SetJointLayers(const TJointLayers& v);
  std::uint8_t LineWidth() const { return line_width_; }
  void SetLineWidth(std::uint8_t v);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v);
  int CaptionPosX() const { return caption_pos_x_; }
  void SetCaptionPosX(int v);
  int CaptionPosY() const { return caption_pos_y_; }
  void SetCaptionPosY(int v);
  TAlignment CaptionAlignment() const { return caption_alignment_; }
  void SetCaptionAlignment(TAlignment v);
  TCaptionAnchorHoriz CaptionAnchorHoriz() const { return caption_anchor_horiz_; }
  void SetCaptionAnchorHoriz(TCaptionAnchorHoriz v);
  TCaptionAnchorVert CaptionAnchorVert() const { return caption_anchor_vert_; }
  void SetCaptionAnchorVert(TCaptionAnchorVert v);
  int CaptionTrim() const { return caption_trim_; }
  void SetCaptionTrim(int v);
  TColor MouseTraceColor() const { return mouse_trace_color_; }
  void SetMouseTraceColor(TColor v) { mouse_trace_color_ = v; }
  bool MouseTraceInvert() const { return mouse_trace_invert_; }
  void SetMouseTraceInvert(bool v) { mouse_trace_invert_ = v; }
  TCrossHair& CrossHair(int n);  // n = 1..4
  const TCrossHair& CrossHair(int n) const;
  TCrossHair& CrossHair1() { return CrossHair(1); }
  TCrossHair& CrossHair2() { return CrossHair(2); }
  TCrossHair& CrossHair3() { return CrossHair(3); }
  TCrossHair& CrossHair4() { return CrossHair(4); }
  void SetCrossHair(int n, const TCrossHair& v);
  void SetCrossHair1(const TCrossHair& v) { SetCrossHair(1, v); }
  void SetCrossHair2(const TCrossHair& v) { SetCrossHair(2, v); }
  void SetCrossHair3(const TCrossHair& v) { SetCrossHair(3, v); }
  void SetCrossHair4(const TCrossHair& v) { SetCrossHair(4, v); }
  TMouseActMode MouseAction() const { return mouse_action_; }
  void SetMouseAction(TMouseActMode v) { mouse_action_ = v; }
  bool MouseCursorFixed() const { return mouse_cursor_fixed_; }
  void SetMouseCursorFixed(bool v) { mouse_cursor_fixed_ = v; }
  double PanGridDx() const { return pan_grid_dx_; }
  void SetPanGridDx(double v) { pan_grid_dx_ = v; }
  double PanGridDy() const { return pan_grid_dy_; }
  void SetPanGridDy(double v) { pan_grid_dy_ = v; }
  double PanGridOffsX() const { return pan_grid_offs_x_; }
  void SetPanGridOffsX(double v) { pan_grid_offs_x_ = v; }
  double PanGridOffsY() const { return pan_grid_offs_y_; }
  void SetPanGridOffsY(double v) { pan_grid_offs_y_ = v; }
  TScalePropsHoriz& Scale1X() { return ScaleXProps(1); }
  TScalePropsHoriz& Scale2X() { return ScaleXProps(2); }
  TScalePropsHoriz& Scale3X() { return ScaleXProps(3); }
  TScalePropsHoriz& Scale4X() { return ScaleXProps(4); }
  TScalePropsVert& Scale1Y() { return ScaleYProps(1); }
  TScalePropsVert& Scale2Y() { return ScaleYProps(2); }
  TScalePropsVert& Scale3Y() { return ScaleYProps(3); }
  TScalePropsVert& Scale4Y() { return ScaleYProps(4); }
  // Copies the given object into layer n's (1..4) own; paints only while designed.
  void SetScaleX(int n, const TScalePropsHoriz& v);
  void SetScaleY(int n, const TScalePropsVert& v);
  TkxLayout StandardLayout() const { return standard_layout_; }
  void SetStandardLayout(TkxLayout v);
  int ShadowWidth() const { return shadow_width_; }
  void SetShadowWidth(int v);
  TShadowStyle ShadowStyle() const { return shadow_style_; }
  void SetShadowStyle(TShadowStyle v);
  TColor ShadowColor() const { return shadow_color_; }
  void SetShadowColor(TColor v);
  TColor ShadowBakColor() const { return shadow_bak_color_; }
  void SetShadowBakColor(TColor v);
  TFont& TextFont() { return *text_font_; }
  const TFont& TextFont() const { return *text_font_; }
  void SetTextFont(const TFont& v) { text_font_->Assign(v); }
  TFontStyles TextFontStyle() const { return text_font_->Style(); }
  void SetTextFontStyle(TFontStyles v) { text_font_->SetStyle(v); }
  TTextBkg TextBkStyle() const { return text_bk_style_; }
  void SetTextBkStyle(TTextBkg v) { text_bk_style_ = v; }
  TColor TextBkColor() const { return fill_color_; }
  void SetTextBkColor(TColor v) { SetFillColor(v); }
  TAlignment TextAlignment() const { return text_alignment_; }
  void SetTextAlignment(TAlignment v);

  // Text labels 1..50 (raises EKPXKurvexError for other numbers).
  TTextLabel& TextLabel(int n);
  const TTextLabel& TextLabel(int n) const;

  // Owned bitmaps and the interaction state, for the renderer and the mouse code.
  Bitmap& PlotBitmap() { return *plot_bitmap_; }
  TCanvas& PlotCanvas() { return *plot_canvas_; }
  Bitmap& ControlBitmap() { return *control_bitmap_; }
  TCanvas& ControlCanvas() { return *control_canvas_; }
  Bitmap& ScratchBitmap() { return *scratch_bitmap_; }
  Bitmap& BackImageBitmap() { return *back_image_bitmap_; }
  TMouseState& MouseState() { return mouse_; }
  const TMouseState& MouseState() const { return mouse_; }
  TRenderState* RenderState() const { return render_state_.get(); }
  void SetRenderState(TRenderState* state) { render_state_.reset(state); }

  // ---- Mouse gestures (chart/interact) ----
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  void WMMouseMove(int X, int Y, TShiftState Keys) override;

  // Two-corner selection. Arming it makes the next press (other than with the right button)
  // the first corner; a rectangle follows the mouse and the release gives the second corner
  // (state msFinished). A right press or release gives up (msNormal). Corners are control
  // pixels; read them once the state is msFinished, e.g. in OnMouseUp.
  void ArmCornerSelection();
  // Back to msNormal; a rectangle being drawn is erased.
  void CancelCornerSelection();
  TCornerSelectState CornerSelectionState() const { return mouse_.CornerSelect; }
  TPoint CornerSelectionFirst() const { return mouse_.FirstCorner; }
  TPoint CornerSelectionSecond() const { return mouse_.SecondCorner; }

  // The mouse trace: its points (0 .. MouseTraceCount - 1), and emptying it (repaints when
  // AutoRedraw is True).
  int MouseTraceCount() const { return mouse_.TraceCount; }
  TMouseTracePoint MouseTracePoint(int Index) const;
  void ClearMouseTrace();

  // A paint has just copied an image over Region of the window: the XOR figures of a gesture
  // in progress are drawn there again.
  void RestoreWindowFigures(const TRect& Region);

  // ---- Events ----
  TMouseMoveInChartEvent OnMouseMoveInChart;
  TSelectRectEvent OnRubberBand;
  TSelectRectEvent OnSelectRect;
  TZoomPanEvent OnZoomPan;
  TBeforeCrossHMoveEvent OnBeforeCrossHairMove;
  TCrossHairMoveEvent OnCrossHairMove;
  TTextLabelMoveEvent OnTextLabelMove;
  TScaleTickDrawnEvent OnScaleTickDrawn;
  TBeforeTickLabelEvent OnBeforeTickLabel;
  TRenderEvent OnBeforeRenderData;
  TRenderEvent OnDataRendered;
  TRenderEvent OnScalesRendered;
  TBeforeRenderCItemEvent OnBeforeRenderChartItem;
  TBeforeRenderTextEvent OnBeforeRenderText;

  // ---- Component life ----
  void Assign(const TPersistent& Source) override;
  void Loaded() override;
  void SetBounds(int left, int top, int width, int height) override;
  void CreateWnd() override;
  int DialogCode() const override;

  // Paints when AutoRedraw is True or the chart is being designed.
  void RepaintIfAuto() {
    if (auto_redraw_ || IsDesigning()) Paint();
  }

 protected:
  void AssignTo(TPersistent& Dest) const override;
  // The drawing part of RefreshChart (the bookkeeping and the sharing notifications are
  // the model's).
  virtual void RefreshPlotArea();

 private:
  // The attribute-set id of the point items of one kind in the main list. Valid while
  // generation equals the list's generation; every change of the chart's attributes, of
  // the annotation mode or of the list the chart shows sets it to 0 (never a generation).
  struct AttrCache {
    std::uint64_t generation = 0;
    std::uint32_t id = 0;
  };

  static int ClampLayer(int layer) { return layer < 1 || layer > kLayers ? 1 : layer; }
  static bool IsItemClass(int class_no) { return class_no >= 0 && class_no <= 255; }
  static int NearestLayer(int layer) { return layer < 1 ? 1 : layer > kLayers ? kLayers : layer; }

  // The drawing commands' hot path: stamps the current attributes (through the cache) and
  // appends one point item to the list the annotation mode chooses.
  void AppendPointItem(std::uint8_t kind, AttrCache& cache, std::uint8_t mode, double x, double y) {
    TKxItemContainer& items = main_->Items;
    if (cache.generation == items.Generation() && items.TryAppendToRun(cache.id, x, y)) [[likely]] return;
    AppendPointSlow(kind, cache, mode, x, y);
  }
  // Everything the fast path leaves: annotation mode, attributes to look up, a new run,
  // a full list.
  void AppendPointSlow(std::uint8_t kind, AttrCache& cache, std::uint8_t mode, double x, double y);
  std::uint32_t PointAttrs(std::uint8_t kind, TKxItemContainer& list, std::uint8_t mode);
  void AttributesChanged() {
    move_cache_.generation = 0;
    line_cache_.generation = 0;
  }

  // Construction steps.
  void CreateOwnedObjects();
  void ResetDefaults();
  void ResetSubObjects();
  void SetUpLayers();

  // Geometry and scale controls.
  static int ClampMargin(int v);
  void ResizePlotBitmap();
  void CopyLayerToScales(int layer);
  void SyncScaleControls();
  void ScalePropsChanged();
  void RecentreIsometric(int layer);
  void RecentreAllIsometric();
  // Stores one layer's ranges (with the range rules and the history), copies them into its
  // scale controls and updates the mapping.
  void ApplyRangeToLayer(int layer, double x1, double y1, double x2, double y2, bool record_history,
                         bool apply_limits);
  // The storing part of ApplyRangeToLayer and ApplyLayerRange: one layer, or one layer and
  // the layers it controls (returned as a bit per layer number).
  void StoreLayerRange(int layer, double x1, double y1, double x2, double y2, bool record_history,
                       bool apply_limits);
  std::uint32_t StoreJointRanges(int layer, double x_low, double y_low, double x_high, double y_high,
                                 bool record_history, bool apply_limits);
  void ApplyLimits(double& lo, double& hi, long double lower, long double upper, bool pan) const;
  void SetOneLayerRange(int layer, double x1, double y1, double x2, double y2);
  friend class TJointLayers;

  // Sharing.
  void LeaveOwner();
  void ReleaseUsers();
  static void ShowSharingMessage(const char* text);

  // Owned objects (freed in the destructor in a fixed order).
  std::array<std::unique_ptr<TCrossHair>, 5> crosshairs_;                // 1..4
  std::array<std::unique_ptr<TTextLabel>, kTextLabels + 1> text_labels_;  // 1..50
  std::unique_ptr<TBakGndImg> bak_gnd_img_;
  std::unique_ptr<TJointLayers> joint_layers_;
  std::array<std::unique_ptr<TScalePropsHoriz>, kLayers + 1> x_props_;
  std::array<std::unique_ptr<TScalePropsVert>, kLayers + 1> y_props_;
  std::array<std::unique_ptr<TScale>, kLayers + 1> x_scales_;
  std::array<std::unique_ptr<TScale>, kLayers + 1> y_scales_;
  std::unique_ptr<TFont> text_font_;
  std::unique_ptr<Bitmap> plot_bitmap_, control_bitmap_, scratch_bitmap_, back_image_bitmap_;
  std::unique_ptr<TCanvas> plot_canvas_, control_canvas_;
  std::unique_ptr<TRenderState, TRenderStateDeleter> render_state_;
  TMouseState mouse_;

  // Item lists.
  std::shared_ptr<TSharedItemList> main_ = std::make_shared<TSharedItemList>();
  TKxItemContainer annot_;
  TLongTextArray main_texts_, annot_texts_;
  bool annotation_mode_ = false;
  std::size_t alloc_size_ = 1000;
  std::array<bool, 256> class_visible_{};
  std::array<bool, 256> annot_class_visible_{};
  std::array<bool, kLayers + 1> layer_visible_{};
  bool annotations_visible_ = true;
  bool annotation_texts_last_ = true;
  bool main_after_annotations_ = false;
  AttrCache move_cache_, line_cache_;

  // Current drawing attributes.
  TColor data_color_ = 0;
  TColor fill_color_ = clSilver;
  TPenStyle pen_style_ = TPenStyle::psSolid;
  std::uint8_t line_width_ = 1;
  std::uint8_t class_default_ = 0;
  int current_layer_ = 1;
  std::int32_t reserved_ = 0;

  // Sharing.
  TCustomKurvex* owner_ = nullptr;
  std::array<TCustomKurvex*, kMaxUsers> users_{};
  int user_count_ = 0;

  // Layers.
  std::array<TLayerMap, kLayers + 1> maps_{};
  std::array<bool, kLayers + 1> mouse_active_{};
  long double limit_low_x_ = 0, limit_low_y_ = 0, limit_high_x_ = 0, limit_high_y_ = 0;
  std::array<std::array<TRangeSnapshot, kHistory + 1>, kLayers + 1> history_{};
  int history_pos_ = 1;
  int aspect_x_ = 1, aspect_y_ = 1;
  bool isometric_ = false;

  // Properties.
  bool paint_hold_ = true;
  bool avoid_duplicate_marks_ = false;
  bool auto_redraw_ = false;
  int margin_left_ = 50, margin_right_ = 10, margin_top_ = 16, margin_bottom_ = 32;
  int min_dup_mark_dist_ = 1;
  GridStyleType grid_style_ = GridStyleType::gsNone;
  double grid_dx_ = 0, grid_dy_ = 0;
  TColor chart_frame_color_ = 0, chart_color_ = clWhite, wind_color_ = clBtnFace, grid_color_ = 0;
  std::string caption_;
  int caption_pos_x_ = 0, caption_pos_y_ = -15;
  TAlignment caption_alignment_ = TAlignment::taRightJustify;
  TCaptionAnchorHoriz caption_anchor_horiz_ = TCaptionAnchorHoriz::cahChartRight;
  TCaptionAnchorVert caption_anchor_vert_ = TCaptionAnchorVert::cavChartTop;
  int caption_trim_ = 100;
  TColor mouse_trace_color_ = clWhite;
  bool mouse_trace_invert_ = true;
  TMouseActMode mouse_action_ = TMouseActMode::maNone;
  bool mouse_cursor_fixed_ = true;
  double pan_grid_dx_ = 1.0, pan_grid_dy_ = 1.0, pan_grid_offs_x_ = 0, pan_grid_offs_y_ = 0;
  TkxLayout standard_layout_ = TkxLayout::kxl_X1Bottom_Y1Left;
  int shadow_width_ = 0;
  TShadowStyle shadow_style_ = TShadowStyle::ssFlying;
  TColor shadow_color_ = clGrayText, shadow_bak_color_ = clBtnFace;
  TTextBkg text_bk_style_ = TTextBkg::tbClear;
  TAlignment text_alignment_ = TAlignment::taCenter;
};

class TKurvex : public TCustomKurvex {
 public:
  explicit TKurvex(TComponent* AOwner) : TCustomKurvex(AOwner) {}
  const char* ClassName() const override { return "TKurvex"; }
};

}  // namespace kurvex
