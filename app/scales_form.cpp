#include "app/scales_form.h"

#include "common/datetime.h"

namespace kurvex {

namespace {

constexpr int kGap = 6;
constexpr int kTop = 30;  // below the hint
constexpr int kHorizontalWidth = 640;
constexpr int kHorizontalHeight = 58;
constexpr int kVerticalHeight = 12 * (kHorizontalHeight + kGap) - kGap;

const double kDay = EncodeDate(2026, 12, 7);
constexpr double kSecond = 1.0 / 86400;

}  // namespace

TScalesForm::TScalesForm(TComponent* AOwner) : TForm(AOwner) {
  SetCaption("Kurvex scales");
  SetColor(clBtnFace);
  SetClientWidth(10 + kHorizontalWidth + 2 * 106 + 3 * 96 + 10 + 4 * kGap);
  SetClientHeight(kTop + kVerticalHeight + 10);
  hint_ = new TLabel(this);
  hint_->SetParent(this);
  hint_->SetBounds(10, 8, 600, 16);
  hint_->SetCaption("Drag a scale to pan it; a double click switches it between panning and zooming.");

  using enum TScaleType;
  next_top_ = kTop;
  AddHorizontal("linear", sctXB, 0, 100);
  AddHorizontal("reversed", sctXT, 10, -10);
  TScale& log = AddHorizontal("logarithmic", sctXB, 1, 10000);
  log.SetLogarithmic(true);
  log.SetMinTicks(6);
  TScale& days_of_week = AddHorizontal("user texts", sctXT, 0, 6);
  days_of_week.SetMinTicks(6);
  days_of_week.SetLabelType(TFigType::ftUserText);
  days_of_week.SetUserTickText("Mon|Tue|Wed|Thu|Fri|Sat|Sun");
  AddHorizontal("inscription", sctXB, 0, 12).SetScaleInscript("& V");
  TScale& elapsed = AddHorizontal("elapsed time", sctXT, 0, 3600);
  elapsed.SetLabelType(TFigType::ftTime);
  const struct {
    const char* caption;
    double low, high;
  } levels[] = {
      {"seconds", kDay + 0.5, kDay + 0.5 + 40 * kSecond},
      {"minutes", kDay + 0.5, kDay + 0.5 + 1.0 / 24},
      {"hours", kDay + 0.25, kDay + 1.75},
      {"days", kDay, kDay + 14},
      {"months", kDay - 200, kDay + 200},
      {"years", EncodeDate(1990, 1, 1), EncodeDate(2030, 1, 1)},
  };
  for (const auto& level : levels) {
    TScale& s = AddHorizontal(level.caption, sctXB, level.low, level.high);
    s.SetLabelType(TFigType::ftDateTime);
    s.SetMinTicks(4);
  }

  next_left_ = 10 + kHorizontalWidth + kGap;
  AddVertical("linear", sctYL, -1, 1, 96);
  TScale& vertical_log = AddVertical("logarithmic", sctYR, 0.01, 100, 96);
  vertical_log.SetLogarithmic(true);
  vertical_log.SetMinTicks(8);
  AddVertical("reversed", sctYL, 50, 0, 96);
  TScale& hundredths = AddVertical("hundredths", sctYL, kDay + 0.5, kDay + 0.5 + 3 * kSecond, 106);
  hundredths.SetLabelType(TFigType::ftDateTime);
  hundredths.SetMinTicks(6);
  TScale& time = AddVertical("time", sctYR, -10, 50, 106);
  time.SetLabelType(TFigType::ftTime);
}

TScale& TScalesForm::AddHorizontal(const std::string& caption, TScaleType type, double low, double high) {
  auto* s = new TScale(this);
  s->SetParent(this);
  s->SetBounds(10, next_top_, kHorizontalWidth, kHorizontalHeight);
  s->SetScaleType(type);
  if (type == TScaleType::sctXB) {
    // Labels above the base line, the caption below it.
    s->SetMarginBottom(18);
    s->SetCaptionPosY(3);
  } else {
    // Labels below the base line, the caption above it.
    s->SetMarginTop(18);
    s->SetCaptionPosY(-16);
  }
  s->SetCaptionPosX(0);
  s->SetCaptionAlignment(TAlignment::taLeftJustify);
  s->SetCaption(caption);
  s->SetRange(high, low);
  s->SetMouseAction(TMouseActMode::maPan);
  next_top_ += kHorizontalHeight + kGap;
  scales_.push_back(s);
  return *s;
}

TScale& TScalesForm::AddVertical(const std::string& caption, TScaleType type, double low, double high, int width) {
  auto* s = new TScale(this);
  s->SetParent(this);
  s->SetBounds(next_left_, kTop, width, kVerticalHeight);
  s->SetScaleType(type);
  s->SetMarginTop(24);
  s->SetCaptionPosX(0);
  s->SetCaptionPosY(-20);
  s->SetCaptionAlignment(type == TScaleType::sctYL ? TAlignment::taLeftJustify : TAlignment::taRightJustify);
  s->SetCaption(caption);
  s->SetRange(high, low);
  s->SetMouseAction(TMouseActMode::maPan);
  next_left_ += width + kGap;
  scales_.push_back(s);
  return *s;
}

TScale* TScalesForm::ScaleCaptioned(const std::string& caption) const {
  for (TScale* s : scales_) {
    if (s->Caption() == caption) return s;
  }
  return nullptr;
}

}  // namespace kurvex
