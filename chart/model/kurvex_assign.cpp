// Copying one chart onto another.

#include <typeinfo>

#include "chart/model/kurvex.h"

namespace kurvex {

void TCustomKurvex::Assign(const TPersistent& Source) {
  const auto* from = dynamic_cast<const TCustomKurvex*>(&Source);
  if (from == nullptr) {
    TCustomControl::Assign(Source);
    return;
  }
  if (from == this) return;
  SetTag(from->Tag());

  // Both lists in full, each with the smallest multiple of AllocSize above its count. The
  // main list is replaced for every chart that shares it with this one.
  const auto capacity_for = [from](std::size_t count) { return (count / from->alloc_size_ + 1) * from->alloc_size_; };
  if (main_ != from->main_) {
    main_->Items.CopyFrom(from->main_->Items, capacity_for(from->main_->Items.Count()));
    main_->LastDrawn = from->main_->LastDrawn;
  }
  annot_.CopyFrom(from->annot_, capacity_for(from->annot_.Count()));

  main_after_annotations_ = from->main_after_annotations_;
  annotation_texts_last_ = from->annotation_texts_last_;
  annotations_visible_ = from->annotations_visible_;
  annotation_mode_ = from->annotation_mode_;
  class_visible_ = from->class_visible_;
  annot_class_visible_ = from->annot_class_visible_;
  layer_visible_ = from->layer_visible_;
  alloc_size_ = from->alloc_size_;
  data_color_ = from->data_color_;
  fill_color_ = from->fill_color_;
  pen_style_ = from->pen_style_;
  line_width_ = from->line_width_;
  class_default_ = from->class_default_;
  chart_frame_color_ = from->chart_frame_color_;
  chart_color_ = from->chart_color_;
  wind_color_ = from->wind_color_;
  grid_color_ = from->grid_color_;
  margin_left_ = from->margin_left_;
  margin_right_ = from->margin_right_;
  margin_top_ = from->margin_top_;
  margin_bottom_ = from->margin_bottom_;
  shadow_width_ = from->shadow_width_;
  shadow_style_ = from->shadow_style_;
  shadow_color_ = from->shadow_color_;
  shadow_bak_color_ = from->shadow_bak_color_;
  grid_style_ = from->grid_style_;
  grid_dx_ = from->grid_dx_;
  grid_dy_ = from->grid_dy_;
  caption_ = from->caption_;
  caption_pos_x_ = from->caption_pos_x_;
  caption_pos_y_ = from->caption_pos_y_;
  caption_alignment_ = from->caption_alignment_;
  caption_anchor_horiz_ = from->caption_anchor_horiz_;
  caption_anchor_vert_ = from->caption_anchor_vert_;
  caption_trim_ = from->caption_trim_;
  text_bk_style_ = from->text_bk_style_;
  text_alignment_ = from->text_alignment_;
  mouse_trace_color_ = from->mouse_trace_color_;
  mouse_trace_invert_ = from->mouse_trace_invert_;
  mouse_action_ = from->mouse_action_;
  mouse_cursor_fixed_ = from->mouse_cursor_fixed_;
  pan_grid_dx_ = from->pan_grid_dx_;
  pan_grid_dy_ = from->pan_grid_dy_;
  pan_grid_offs_x_ = from->pan_grid_offs_x_;
  pan_grid_offs_y_ = from->pan_grid_offs_y_;
  mouse_ = from->mouse_;
  // The figures shown on the source's window are not on this one.
  mouse_.Figure = TWindowFigure::None;
  mouse_.SelectRectShown = false;
  standard_layout_ = from->standard_layout_;
  current_layer_ = from->current_layer_;
  reserved_ = from->reserved_;
  avoid_duplicate_marks_ = from->avoid_duplicate_marks_;
  min_dup_mark_dist_ = from->min_dup_mark_dist_;
  auto_redraw_ = from->auto_redraw_;
  isometric_ = from->isometric_;
  aspect_x_ = from->aspect_x_;
  aspect_y_ = from->aspect_y_;
  main_texts_ = from->main_texts_;
  annot_texts_ = from->annot_texts_;
  paint_hold_ = from->paint_hold_;
  AttributesChanged();

  for (int n = 1; n <= kLayers; ++n) {
    x_scales_[n]->Assign(*from->x_scales_[n]);
    y_scales_[n]->Assign(*from->y_scales_[n]);
    // The copied axes draw into this chart's bitmap, not into the source's.
    x_scales_[n]->SetTargetCanvas(control_canvas_.get(), 0, 0);
    y_scales_[n]->SetTargetCanvas(control_canvas_.get(), 0, 0);
    x_props_[n]->Assign(*from->x_props_[n]);
    y_props_[n]->Assign(*from->y_props_[n]);
    mouse_active_[n] = from->mouse_active_[n];
    maps_[n] = from->maps_[n];
    history_[n] = from->history_[n];
  }
  history_pos_ = from->history_pos_;
  limit_low_x_ = from->limit_low_x_;
  limit_low_y_ = from->limit_low_y_;
  limit_high_x_ = from->limit_high_x_;
  limit_high_y_ = from->limit_high_y_;
  bak_gnd_img_->Assign(*from->bak_gnd_img_);
  for (int n = 1; n <= 4; ++n) crosshairs_[n]->Assign(*from->crosshairs_[n]);
  for (int n = 1; n <= kTextLabels; ++n) text_labels_[n]->Assign(*from->text_labels_[n]);
  joint_layers_->Assign(*from->joint_layers_);
  text_font_->Assign(*from->text_font_);

  OnMouseMoveInChart = from->OnMouseMoveInChart;
  OnRubberBand = from->OnRubberBand;
  OnSelectRect = from->OnSelectRect;
  OnZoomPan = from->OnZoomPan;
  OnBeforeCrossHairMove = from->OnBeforeCrossHairMove;
  OnCrossHairMove = from->OnCrossHairMove;
  OnTextLabelMove = from->OnTextLabelMove;
  OnScaleTickDrawn = from->OnScaleTickDrawn;
  OnBeforeTickLabel = from->OnBeforeTickLabel;
  OnBeforeRenderData = from->OnBeforeRenderData;
  OnDataRendered = from->OnDataRendered;
  OnScalesRendered = from->OnScalesRendered;
  OnBeforeRenderChartItem = from->OnBeforeRenderChartItem;
  OnBeforeRenderText = from->OnBeforeRenderText;
  OnClick = from->OnClick;
  OnDblClick = from->OnDblClick;
  OnResize = from->OnResize;
  OnMouseEnter = from->OnMouseEnter;
  OnMouseLeave = from->OnMouseLeave;
  OnMouseDown = from->OnMouseDown;
  OnMouseUp = from->OnMouseUp;
  OnMouseMove = from->OnMouseMove;
  OnMouseWheel = from->OnMouseWheel;
  OnMouseWheelUp = from->OnMouseWheelUp;
  OnMouseWheelDown = from->OnMouseWheelDown;

  // The scale controls forward their events with this chart as the sender.
  for (int n = 1; n <= kLayers; ++n) {
    for (TScale* s : {x_scales_[n].get(), y_scales_[n].get()}) {
      s->OnScaleTickDrawn = [this](TObject*, TCanvas& canvas, TScaleType type, double pos, int x, int y) {
        if (OnScaleTickDrawn) OnScaleTickDrawn(this, canvas, type, pos, x, y);
      };
      s->OnBeforeTickLabel = [this](TObject*, TScaleType type, double pos, std::string& label) {
        if (OnBeforeTickLabel) OnBeforeTickLabel(this, type, pos, label);
      };
    }
  }

  ResizePlotBitmap();
  ScalePropsChanged();
  UpdateTransforms();
  Paint();
}

void TCustomKurvex::AssignTo(TPersistent& Dest) const {
  // A target of this chart's own class or of one of its ancestors copies from this chart.
  if (auto* to = dynamic_cast<TCustomKurvex*>(&Dest)) {
    const std::type_info& target = typeid(*to);
    const bool ancestor_or_same = target == typeid(*this) || target == typeid(TCustomKurvex) ||
                                  (target == typeid(TKurvex) && dynamic_cast<const TKurvex*>(this) != nullptr);
    if (ancestor_or_same) {
      to->Assign(*this);
      return;
    }
  }
  TCustomControl::AssignTo(Dest);
}

}  // namespace kurvex
