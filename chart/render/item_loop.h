#pragma once
// Replaying one item list: filters, OnBeforeRenderChartItem on a copy of each item, and
// DrawItem; runs of line-to items take a fast path when no handler is assigned.

#include <array>
#include <span>

#include "chart/model/item_store.h"
#include "chart/render/item_context.h"

namespace kurvex {

// Which item kinds a pass over a list draws.
enum class TKindPass { All, NonText, TextOnly };

struct TListPass {
  const TKxItemContainer* Items = nullptr;
  const TLongTextArray* Texts = nullptr;
  bool IsAnnotation = false;
  std::array<bool, 256> ClassShown{};
  std::array<bool, TItemContext::kLayers + 1> LayerShown{};  // 1..16
  TKindPass Kinds = TKindPass::All;
  const TBeforeRenderCItemEvent* OnBeforeRenderChartItem = nullptr;
};

// Draws every item of the pass that its filters show, in index order.
void DrawItemList(const TItemContext& ctx, const TListPass& pass);

// The fast path for a polyline of line-to items sharing one attribute set with world
// coordinates, given as its runs (one per chunk of the store): the first item goes through
// DrawItem (pen width, line attributes) unless it only continues the pending path, every
// further point is mapped straight from the stored columns into the path buffer.
void DrawLineToRuns(const TItemContext& ctx, std::span<const TItemRun> runs, const TLongTextArray& texts,
                    bool is_annotation);

}  // namespace kurvex
