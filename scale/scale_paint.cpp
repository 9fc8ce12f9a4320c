// Painting of TScale: an opaque scale is drawn into a bitmap (background, ticks, labels,
// caption, base line, frame) and copied onto its canvas in one step; a transparent one
// draws its ticks, labels, caption and base line straight onto the canvas.

#include <string>

#include "numlab/frame.h"
#include "scale/label_place.h"
#include "scale/scale.h"
#include "scale/tick_engine.h"

namespace kurvex {

namespace {

constexpr int kShortMark = 4;

// Draws a tick list in order: marks, labels and the two events, in the order each
// orientation has them, and records the tick values.
class TickPainter {
 public:
  TickPainter(TScale& s, TCanvas& c, const TTickList& list, int b)
      : s_(s), c_(c), list_(list), b_(b), horizontal_(s.IsHorizontal()), type_(s.ScaleType()) {}

  void Paint() {
    zero_height_ = c_.TextHeight("0");
    for (const TTick& t : list_.Ticks) {
      if (t.Recorded) s_.RecordTick(t.Value);
      if (t.Mark != TTickMark::tmNone) Mark(t);
      // Vertical scales report a tick before its label, horizontal ones after it.
      if (horizontal_) {
        if (t.Labelled) Labels(t);
        if (t.Reported) Report(t);
      } else {
        if (t.Reported) Report(t);
        if (t.Labelled) Labels(t);
      }
    }
    if (list_.Message != TScaleMessage::smNone) Message();
  }

 private:
  void Mark(const TTick& t) {
    const int length = t.Mark == TTickMark::tmShort ? kShortMark : horizontal_ ? 7 : 6;
    switch (type_) {
      case TScaleType::sctXB: Line(t.Pos, b_, t.Pos, b_ - length); break;
      case TScaleType::sctXT: Line(t.Pos, b_, t.Pos, b_ + length); break;
      case TScaleType::sctYL: Line(b_, t.Pos, b_ + length, t.Pos); break;
      case TScaleType::sctYR: Line(b_, t.Pos, b_ - length, t.Pos); break;
    }
  }

  void Line(int x1, int y1, int x2, int y2) {
    c_.MoveTo(x1, y1);
    c_.LineTo(x2, y2);
  }

  void Report(const TTick& t) {
    if (!s_.OnScaleTickDrawn) return;
    if (horizontal_) {
      s_.OnScaleTickDrawn(&s_, c_, type_, t.Value, t.Pos, b_);
    } else {
      s_.OnScaleTickDrawn(&s_, c_, type_, t.Value, b_, t.Pos);
    }
  }

  std::string Asked(const std::string& label, double value) {
    std::string text = label;
    if (s_.OnBeforeTickLabel) s_.OnBeforeTickLabel(&s_, type_, value, text);
    return text;
  }

  void Labels(const TTick& t) {
    const std::string text = Asked(t.Label, t.Value);
    const int w = c_.TextWidth(text);
    const int h = c_.TextHeight(text);
    const int centre = list_.CentreOnOwnHeight ? h : zero_height_;
    TPoint at;
    switch (type_) {
      case TScaleType::sctXB: at = Point(HorizontalLabelLeft(t.Pos, w, s_.Width()), b_ - h - 7); break;
      case TScaleType::sctXT: at = Point(HorizontalLabelLeft(t.Pos, w, s_.Width()), b_ + 7); break;
      case TScaleType::sctYL: at = Point(b_ + 8, t.Pos - centre / 2); break;
      case TScaleType::sctYR: at = Point(b_ - w - 8, t.Pos - centre / 2); break;
    }
    if (!text.empty()) c_.TextOut(at.X, at.Y, text);
    if (t.Dated) DateLabel(t, at, h);
  }

  // One line further out than the time label: above it on sctXB and on vertical scales,
  // below it on sctXT.
  void DateLabel(const TTick& t, TPoint time_at, int time_height) {
    const std::string text = Asked(t.DateLabel, t.Value);
    const int h = c_.TextHeight(text);
    TPoint at;
    if (horizontal_) {
      const int x = HorizontalLabelLeft(t.Pos, c_.TextWidth(text), s_.Width());
      at = Point(x, type_ == TScaleType::sctXB ? time_at.Y - h : time_at.Y + time_height);
    } else {
      at = Point(time_at.X, t.Pos - 3 * (h / 2));
    }
    if (!text.empty()) c_.TextOut(at.X, at.Y, text);
  }

  void Message() {
    const bool invalid = list_.Message == TScaleMessage::smInvalidDateTime;
    const int p = list_.MessagePos;
    if (horizontal_) {
      const char* text = invalid ? "invalid DateTime scale" : "DateTime range is below 1 second";
      c_.TextOut(p - c_.TextWidth(text) / 2, b_ + 7, text);
      return;
    }
    static const char* const kInvalid[] = {"invalid", "DateTime", "scale"};
    static const char* const kBelow[] = {"DateTime", "range is", "below 1", "second"};
    const int h = c_.TextHeight("T");
    const int lines = invalid ? 3 : 4;
    for (int i = 0; i < lines; ++i) {
      const char* line = invalid ? kInvalid[i] : kBelow[i];
      const int x = type_ == TScaleType::sctYR ? b_ - 2 - c_.TextWidth(line) : b_ + 2;
      c_.TextOut(x, p - h + i * h, line);
    }
  }

  TScale& s_;
  TCanvas& c_;
  const TTickList& list_;
  int b_;
  bool horizontal_;
  TScaleType type_;
  int zero_height_ = 0;
};

}  // namespace

int TScale::BaseLine() const {
  switch (scale_type_) {
    case TScaleType::sctXB: return Height() - margin_bottom_ - 1;
    case TScaleType::sctXT: return margin_top_;
    case TScaleType::sctYL: return margin_left_;
    case TScaleType::sctYR: return Width() - margin_right_ - 1;
  }
  return 0;
}

void TScale::RenderScale(TCanvas& target, int ox, int oy) {
  target.Font().Assign(Font());
  if (OnBeforeScaleRendered) OnBeforeScaleRendered(this, target);
  if (transparent_) {
    // Along the scale the offset is not applied: the chart's axes span its whole width.
    const int b = BaseLine() + (IsHorizontal() ? oy : ox);
    target.Pen().SetColor(color_scale_);
    RunTickEngine(target, b);
    if (show_base_line_) DrawBaseLine(target, b);
    if (OnAfterScaleRendered) OnAfterScaleRendered(this, target);
    return;
  }
  const int w = Width(), h = Height();
  image_.SetSize(w, h);
  TCanvas& c = image_canvas_;
  c.Font().Assign(Font());
  c.Pen().SetColor(color_back_gnd_);
  c.Brush().SetColor(color_back_gnd_);
  c.Rectangle(0, 0, w, h);
  c.Pen().SetColor(color_scale_);
  RunTickEngine(c, BaseLine());
  if (show_base_line_) DrawBaseLine(c, BaseLine());
  if (OnAfterScaleRendered) OnAfterScaleRendered(this, c);
  DrawFrame(c, frame_style_, 0, 0, w - 1, h - 1, frame_highlight_color_, clSilver, frame_shadow_color_,
            frame_simple_color_, frame_simple_color_);
  const TCopyMode mode = target.CopyMode();
  target.SetCopyMode(TCopyMode::cmSrcCopy);
  target.Draw(ox, oy, image_);
  target.SetCopyMode(mode);
}

void TScale::RunTickEngine(TCanvas& c, int b) {
  // Labels of an opaque scale stand on its background colour.
  c.Brush().SetStyle(transparent_ ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
  ClearTicks();
  BuildTicks(*this, painted_ticks_);
  TickPainter(*this, c, painted_ticks_, b).Paint();
  DrawCaption(c, b);
}

void TScale::DrawCaption(TCanvas& c, int b) {
  if (caption_.empty()) return;
  const int w = Width(), h = Height();
  int x = 0, y = 0;
  const int anchor = static_cast<int>(caption_anchor_);
  if (IsHorizontal()) {
    const int at[] = {margin_left_, margin_left_ + (w - margin_left_ - margin_right_) / 2, w - margin_right_};
    x = caption_pos_x_ + at[anchor];
    y = caption_pos_y_ + b;
  } else {
    const int at[] = {margin_top_, margin_top_ + (h - margin_top_ - margin_bottom_) / 2, h - margin_bottom_};
    x = caption_pos_x_ + b;
    y = caption_pos_y_ + at[anchor];
  }
  const int tw = c.TextWidth(caption_);
  switch (caption_alignment_) {
    case TAlignment::taLeftJustify: break;
    case TAlignment::taRightJustify: x -= tw; break;
    case TAlignment::taCenter: x -= tw / 2; break;
  }
  c.TextOut(x, y, caption_);
}

void TScale::DrawBaseLine(TCanvas& c, int b) {
  if (IsHorizontal()) {
    c.MoveTo(margin_left_, b);
    c.LineTo(Width() - margin_right_, b);
  } else {
    c.MoveTo(b, margin_top_);
    c.LineTo(b, Height() - margin_bottom_);
  }
}

void TScale::PaintBackground(const TRect& region) {
  if (!transparent_) return;
  TCanvas& c = Canvas();
  c.Brush().SetColor(Parent() != nullptr ? Parent()->Color() : Color());
  c.FillRect(region);
}

}  // namespace kurvex
