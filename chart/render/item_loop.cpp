#include "chart/render/item_loop.h"

namespace kurvex {

namespace {

bool KindInPass(std::uint8_t kind, TKindPass pass) {
  const bool text = kind == ItemKind::Text || kind == ItemKind::TextOffset;
  switch (pass) {
    case TKindPass::NonText: return !text;
    case TKindPass::TextOnly: return text;
    default: return true;
  }
}

// The filters look at an item's class, layer and kind: fields every item of a run shares.
// A layer outside 1..16 is filtered as layer 1, whose mapping it is drawn with.
bool Shown(const TListPass& pass, const TkxChartItem& attrs) {
  const int layer = attrs.Layer < 1 || attrs.Layer > TItemContext::kLayers ? 1 : attrs.Layer;
  return pass.ClassShown[attrs.ClassNo] && pass.LayerShown[static_cast<std::size_t>(layer)] &&
         KindInPass(attrs.Kind, pass.Kinds);
}

bool WorldPoint(std::uint8_t mode) {
  return mode != CoordMode::Pixels && mode != CoordMode::FirstPixels && mode != CoordMode::XPixels &&
         mode != CoordMode::YPixels;
}

}  // namespace

void DrawItemList(const TItemContext& ctx, const TListPass& pass) {
  const TBeforeRenderCItemEvent* handler =
      pass.OnBeforeRenderChartItem != nullptr && *pass.OnBeforeRenderChartItem ? pass.OnBeforeRenderChartItem : nullptr;
  auto cursor = pass.Items->Runs();
  TItemRun run;
  bool have = cursor.Next(run);
  while (have) {
    const TkxChartItem& attrs = *run.Attrs;
    if (!Shown(pass, attrs)) {
      have = cursor.Next(run);
      continue;
    }
    if (handler == nullptr && attrs.Kind == ItemKind::LineTo && WorldPoint(attrs.CoordMode)) {
      // The runs that continue this one into the next chunks form one polyline.
      std::vector<TItemRun>& runs = ctx.State->LineRuns;
      runs.assign(1, run);
      while ((have = cursor.Next(run)) && run.Attrs == runs.front().Attrs) runs.push_back(run);
      DrawLineToRuns(ctx, runs, *pass.Texts, pass.IsAnnotation);
      continue;
    }
    for (std::size_t k = 0; k < run.Count; ++k) {
      const int index = static_cast<int>(run.First + k);
      // Each item is drawn from a copy: a handler changes this drawing, never the store.
      TkxChartItem item = run.Item(k);
      if (handler != nullptr) (*handler)(ctx.Sender, item, index, pass.IsAnnotation);
      DrawItem(ctx, item, *pass.Texts, pass.IsAnnotation, index);
    }
    have = cursor.Next(run);
  }
  ctx.Path().FlushPath(ctx.C());
}

}  // namespace kurvex
