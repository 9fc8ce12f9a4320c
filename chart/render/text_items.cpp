// Text items (kinds 7 and 16): font and background, anchor, OnBeforeRenderText, and the
// layout of one or several lines around the anchor.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "chart/render/item_kinds.h"

namespace kurvex {

namespace {

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      return lines;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
}

}  // namespace

TTextMetrics MeasureText(const std::string& text, TCanvas& canvas) {
  TTextMetrics m;
  m.Lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  int widest = 0;
  for (const std::string_view line : SplitLines(text)) widest = std::max(widest, canvas.TextWidth(line));
  m.MaxWidth = widest == 0 ? canvas.TextWidth(text) : widest;
  m.LineHeight = canvas.TextHeight(text) + 1;
  m.TotalHeight = m.Lines * m.LineHeight;
  return m;
}

namespace items {

namespace {

TPoint TextAnchor(const TItemContext& ctx, const TkxChartItem& it) {
  if (it.Kind == ItemKind::Text) return PointByMode(ctx, it, it.X1, it.Y1);
  const TPoint p = ctx.World(it.Layer, it.X1, it.Y1);
  return Point(ClampDrawable(AddSaturated(p.X, RoundInt(it.X2))), ClampDrawable(AddSaturated(p.Y, RoundInt(it.Y2))));
}

std::string ItemText(const TkxChartItem& it, const TLongTextArray& texts) {
  if (it.LineWidth < 1) return std::string(it.ShortText.Get());
  return texts.Text(it.LineWidth);
}

}  // namespace

void DrawTextItem(const TItemContext& ctx, const TkxChartItem& it, const TItemColors& c, const TLongTextArray& texts,
                  bool is_annotation, int index) {
  TCanvas& canvas = ctx.C();
  ctx.SetFontColor(c.P);
  if (ctx.TextFont != nullptr) {
    canvas.Font().SetName(ctx.TextFont->Name());
    canvas.Font().SetStyle(ctx.TextFont->Style());
  }
  canvas.Font().SetSize(it.Param1);
  ctx.SetBrushColor(c.R);
  const bool opaque = (it.Param2 & 0xFF) != 0;
  canvas.Brush().SetStyle(opaque ? TBrushStyle::bsSolid : TBrushStyle::bsClear);

  const TPoint anchor = TextAnchor(ctx, it);
  std::string text = ItemText(it, texts);
  if (ctx.OnBeforeRenderText != nullptr && *ctx.OnBeforeRenderText) {
    (*ctx.OnBeforeRenderText)(ctx.Sender, text, index, is_annotation);
  }
  const TTextMetrics m = MeasureText(text, canvas);

  // The first line is centred vertically on the anchor; MarkType aligns horizontally.
  const int y = anchor.Y - m.LineHeight / 2;
  int x = anchor.X;
  if (it.MarkType == 1) x = anchor.X - m.MaxWidth;
  if (it.MarkType == 2) x = anchor.X - m.MaxWidth / 2;

  if (m.Lines == 1) {
    canvas.TextOut(x, y, text);
    return;
  }
  if (opaque) {
    ctx.SetPenColor(c.R);
    canvas.Rectangle(x - 4, y - 2, x + m.MaxWidth + 4, y + m.Lines * m.LineHeight + 2);
  }
  int k = 0;
  for (const std::string_view line : SplitLines(text)) {
    const int room = m.MaxWidth - canvas.TextWidth(line);
    const int dx = it.MarkType == 1 ? room : it.MarkType == 2 ? room / 2 : 0;
    canvas.TextOut(x + dx, y + k * m.LineHeight, line);
    ++k;
  }
}

}  // namespace items

}  // namespace kurvex
