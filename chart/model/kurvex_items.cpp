// The chart's item lists: drawing commands, ClearItems and RefreshChart.

#include "chart/model/kurvex.h"

namespace kurvex {

std::uint32_t TCustomKurvex::PointAttrs(std::uint8_t kind, TKxItemContainer& list, std::uint8_t mode) {
  TkxChartItem attrs;
  attrs.Kind = kind;
  attrs.Layer = current_layer_;
  attrs.ClassNo = class_default_;
  attrs.Color = data_color_;
  attrs.PenStyle = pen_style_;
  attrs.Reserved = reserved_;
  attrs.LineWidth = line_width_;
  attrs.CoordMode = mode;
  if (kind == ItemKind::LineTo) attrs.FillColor = fill_color_;
  return list.InternAttrs(attrs);
}

void TCustomKurvex::AppendPointSlow(std::uint8_t kind, AttrCache& cache, std::uint8_t mode, double x, double y) {
  if (annotation_mode_) {
    // The annotation list records the coordinate mode; InternAttrs finds a repeated
    // attribute set by comparing it with the last one first.
    annot_.AppendPoint(PointAttrs(kind, annot_, mode), x, y, alloc_size_);
    return;
  }
  TSharedItemList& shared = *main_;
  if (cache.generation != shared.Items.Generation()) {
    cache.id = PointAttrs(kind, shared.Items, CoordMode::World);
    cache.generation = shared.Items.Generation();
  }
  shared.Items.AppendPoint(cache.id, x, y, alloc_size_);
}

void TCustomKurvex::AppendItem(const TkxChartItem& Item) {
  if (annotation_mode_) {
    annot_.Append(Item, alloc_size_);
    return;
  }
  TkxChartItem item = Item;
  item.CoordMode = CoordMode::World;
  main_->Items.Append(item, alloc_size_);
}

std::int64_t TCustomKurvex::KindCount(int Kind) const {
  // Items are only ever removed all at once, so the number of items of a kind in the list
  // is the number appended since the last clear.
  return Kind >= 0 && Kind < ItemKind::kCount ? static_cast<std::int64_t>(main_->Items.KindCount(Kind)) : 0;
}

void TCustomKurvex::SetLongText(int Index, const std::string& Text) {
  (annotation_mode_ ? annot_texts_ : main_texts_).SetText(Index, Text);
}

void TCustomKurvex::ClearItems() {
  ResizePlotBitmap();
  PaintPlotBackground(*plot_canvas_, 0, 0, plot_bitmap_->Width(), plot_bitmap_->Height());
  // The list is shared by reference: clearing it clears it for every sharing chart.
  main_->Items.Clear();
  main_->LastDrawn = 0;
  mouse_.TraceCount = 0;
}

void TCustomKurvex::RefreshChart() {
  if (Visible()) {
    main_->LastDrawn = static_cast<std::ptrdiff_t>(main_->Items.Count()) - 1;
    if (auto_redraw_) {
      RefreshPlotArea();
    } else {
      Paint();
    }
  }
  if (owner_ != nullptr) {
    owner_->RepaintIfAuto();
    for (int i = 0; i < owner_->user_count_; ++i) owner_->users_[i]->RepaintIfAuto();
  }
  for (int i = 0; i < user_count_; ++i) users_[i]->RepaintIfAuto();
}

}  // namespace kurvex
