// Property setters of the chart: attributes, colours, caption, margins, shadow and bounds.

#include <algorithm>
#include <cmath>

#include "chart/model/kurvex.h"
#include "common/errors.h"

namespace kurvex {

// ---- Drawing attributes: they only affect items appended later ----

void TCustomKurvex::SetDataColor(TColor v) {
  data_color_ = v;
  AttributesChanged();
}
void TCustomKurvex::SetFillColor(TColor v) {
  fill_color_ = v;
  AttributesChanged();
}
void TCustomKurvex::SetPenStyle(TPenStyle v) {
  pen_style_ = v;
  AttributesChanged();
}
void TCustomKurvex::SetLineWidth(std::uint8_t v) {
  line_width_ = v;
  AttributesChanged();
}
void TCustomKurvex::SetClassDefault(std::uint8_t v) {
  if (v == 255) return;
  class_default_ = v;
  AttributesChanged();
}
void TCustomKurvex::SetReservedAttribute(std::int32_t Value) {
  reserved_ = Value;
  AttributesChanged();
}
void TCustomKurvex::SetCurrentLayer(int Layer) {
  if (Layer < 1 || Layer > kLayers) {
    throw EKPXKurvexError("Layer " + std::to_string(Layer) + " is out of range (1..16)");
  }
  current_layer_ = Layer;
  AttributesChanged();
}

void TCustomKurvex::SetAllocSize(int v) {
  if (v < 1 || v > 1'000'000) return;
  alloc_size_ = static_cast<std::size_t>(v);
}

// ---- Properties that change what is drawn ----

void TCustomKurvex::SetAvoidDuplicateMarks(bool v) {
  if (v == avoid_duplicate_marks_) return;
  avoid_duplicate_marks_ = v;
  Paint();
}
void TCustomKurvex::SetMinDupMarkDist(int v) {
  v = std::clamp(v, 1, 3);
  if (v == min_dup_mark_dist_) return;
  min_dup_mark_dist_ = v;
  Paint();
}
void TCustomKurvex::SetBackGroundImg(const TBakGndImg& v) {
  bak_gnd_img_->Assign(v);
  RepaintIfAuto();
}
void TCustomKurvex::SetGridStyle(GridStyleType v) {
  grid_style_ = v;
  RepaintIfAuto();
}
void TCustomKurvex::SetGridDx(double v) {
  if (v < -3) return;
  grid_dx_ = v;
  RepaintIfAuto();
}
void TCustomKurvex::SetGridDy(double v) {
  if (v < -3) return;
  grid_dy_ = v;
  RepaintIfAuto();
}
void TCustomKurvex::SetChartFrameColor(TColor v) {
  chart_frame_color_ = v;
  RepaintIfAuto();
}
void TCustomKurvex::SetChartColor(TColor v) {
  chart_color_ = v;
  RepaintIfAuto();
}
void TCustomKurvex::SetWindColor(TColor v) {
  wind_color_ = v;
  RepaintIfAuto();
}
void TCustomKurvex::SetGridColor(TColor v) {
  grid_color_ = v;
  RepaintIfAuto();
}
void TCustomKurvex::SetJointLayers(const TJointLayers& v) {
  joint_layers_->Assign(v);
  RepaintIfAuto();
}
void TCustomKurvex::SetCaption(const std::string& v) {
  caption_ = v;
  RepaintIfAuto();
}
void TCustomKurvex::SetCaptionPosX(int v) {
  caption_pos_x_ = std::clamp(v, -kMaxControlOffset, kMaxControlOffset);
  RepaintIfAuto();
}
void TCustomKurvex::SetCaptionPosY(int v) {
  caption_pos_y_ = std::clamp(v, -kMaxControlOffset, kMaxControlOffset);
  RepaintIfAuto();
}
void TCustomKurvex::SetCaptionAlignment(TAlignment v) {
  caption_alignment_ = v;
  RepaintIfAuto();
}
void TCustomKurvex::SetCaptionAnchorHoriz(TCaptionAnchorHoriz v) {
  caption_anchor_horiz_ = v;
  RepaintIfAuto();
}
void TCustomKurvex::SetCaptionAnchorVert(TCaptionAnchorVert v) {
  caption_anchor_vert_ = v;
  RepaintIfAuto();
}
void TCustomKurvex::SetCaptionTrim(int v) {
  caption_trim_ = v == 0 ? 0 : std::clamp(v, 5, 100);
  RepaintIfAuto();
}
void TCustomKurvex::SetCrossHair(int n, const TCrossHair& v) {
  CrossHair(n).Assign(v);
  RepaintIfAuto();
}
// The copy notifies nothing; the axis controls and the mapping still follow it at once so
// that world-to-pixel agrees with the new ranges before the next paint.
void TCustomKurvex::SetScaleX(int n, const TScalePropsHoriz& v) {
  ScaleXProps(n).Assign(v);
  SyncScaleControls();
  UpdateTransforms();
  if (IsDesigning()) Paint();
}
void TCustomKurvex::SetScaleY(int n, const TScalePropsVert& v) {
  ScaleYProps(n).Assign(v);
  SyncScaleControls();
  UpdateTransforms();
  if (IsDesigning()) Paint();
}
void TCustomKurvex::SetShadowStyle(TShadowStyle v) {
  shadow_style_ = v;
  RepaintIfAuto();
}
void TCustomKurvex::SetShadowColor(TColor v) {
  shadow_color_ = v;
  RepaintIfAuto();
}
void TCustomKurvex::SetShadowBakColor(TColor v) {
  shadow_bak_color_ = v;
  RepaintIfAuto();
}
void TCustomKurvex::SetTextAlignment(TAlignment v) {
  text_alignment_ = v;
  RepaintIfAuto();
}

// ---- Filters and render order ----

void TCustomKurvex::SetClassVisible(int ClassNo, bool Value) {
  if (!IsItemClass(ClassNo)) return;
  class_visible_[ClassNo] = Value;
  RepaintIfAuto();
}
void TCustomKurvex::SetAnnotationClassVisible(int ClassNo, bool Value) {
  if (!IsItemClass(ClassNo)) return;
  annot_class_visible_[ClassNo] = Value;
  RepaintIfAuto();
}
void TCustomKurvex::SetLayerVisible(int Layer, bool Value) {
  if (Layer < 1 || Layer > kLayers) {
    throw EKPXKurvexError("Layer " + std::to_string(Layer) + " is out of range (1..16)");
  }
  layer_visible_[static_cast<std::size_t>(Layer)] = Value;
  RepaintIfAuto();
}
void TCustomKurvex::SetAnnotationsVisible(bool Value) {
  annotations_visible_ = Value;
  RepaintIfAuto();
}
void TCustomKurvex::SetAnnotationTextsLast(bool Value) {
  annotation_texts_last_ = Value;
  RepaintIfAuto();
}
void TCustomKurvex::SetMainListAfterAnnotations(bool Value) {
  main_after_annotations_ = Value;
  RepaintIfAuto();
}
void TCustomKurvex::SetMouseActiveLayer(int Layer, bool Value) {
  if (Layer < 1 || Layer > kLayers) {
    throw EKPXKurvexError("Layer " + std::to_string(Layer) + " is out of range (1..16)");
  }
  mouse_active_[static_cast<std::size_t>(Layer)] = Value;
}

// ---- Geometry ----

TPlotGeometry TCustomKurvex::Geometry() const {
  return TPlotGeometry{Width(), Height(), margin_left_, margin_right_, margin_top_, margin_bottom_, shadow_width_};
}

// Margins are kept within one control size of the edges, so that every sum of size,
// margins and shadow stays far inside the int range.
int TCustomKurvex::ClampMargin(int v) { return std::clamp(v, -kMaxControlExtent, kMaxControlExtent); }

// With negative margins the plot can be larger than the control; its bitmap then covers
// the plot's first kMaxControlExtent columns and rows (the control shows no more).
void TCustomKurvex::ResizePlotBitmap() {
  const TPlotGeometry g = Geometry();
  plot_bitmap_->SetSize(std::min(g.PlotWidth(), kMaxControlExtent), std::min(g.PlotHeight(), kMaxControlExtent));
}

void TCustomKurvex::SetMarginLeft(int v) {
  margin_left_ = ClampMargin(v);
  ResizePlotBitmap();
  if (isometric_) RecentreAllIsometric();
  SyncScaleControls();
  UpdateTransforms();
  RepaintIfAuto();
}
void TCustomKurvex::SetMarginRight(int v) {
  margin_right_ = ClampMargin(v);
  ResizePlotBitmap();
  if (isometric_) RecentreAllIsometric();
  SyncScaleControls();
  UpdateTransforms();
  RepaintIfAuto();
}
void TCustomKurvex::SetMarginTop(int v) {
  margin_top_ = ClampMargin(v);
  ResizePlotBitmap();
  if (isometric_) RecentreAllIsometric();
  SyncScaleControls();
  UpdateTransforms();
  RepaintIfAuto();
}
void TCustomKurvex::SetMarginBottom(int v) {
  margin_bottom_ = ClampMargin(v);
  ResizePlotBitmap();
  if (isometric_) RecentreAllIsometric();
  SyncScaleControls();
  UpdateTransforms();
  RepaintIfAuto();
}

void TCustomKurvex::SetShadowWidth(int v) {
  shadow_width_ = std::clamp(v, 0, 32);
  ResizePlotBitmap();
  SyncScaleControls();
  UpdateTransforms();
  RepaintIfAuto();
}

void TCustomKurvex::SetBounds(int left, int top, int width, int height) {
  const bool held = paint_hold_;
  paint_hold_ = true;
  try {
    height = std::max(height, margin_top_ + margin_bottom_ + shadow_width_ + 20);
    width = std::max(width, margin_left_ + margin_right_ + shadow_width_ + 80);
    TCustomControl::SetBounds(left, top, width, height);
    for (int n = 1; n <= kLayers; ++n) {
      if (isometric_) RecentreIsometric(n);
      for (TScale* s : {x_scales_[n].get(), y_scales_[n].get()}) {
        if (s != nullptr) s->SetBounds(s->Left(), s->Top(), width, height);
      }
    }
    SyncScaleControls();
    TCustomControl::SetBounds(left, top, width, height);
    // Keep the plot bitmap in step with the size, so that a RefreshChart before the next
    // paint draws into a plot image of the right size.
    if (plot_bitmap_) ResizePlotBitmap();
    UpdateTransforms();
  } catch (...) {
    paint_hold_ = held;
    throw;
  }
  paint_hold_ = held;
}

}  // namespace kurvex
