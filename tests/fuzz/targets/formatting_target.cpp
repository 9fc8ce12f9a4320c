// Number and date formatting, and the numeric label's text paths up to a paint: values of
// every magnitude, widths and precisions from the whole int range, any pattern text.

#include "common/datetime.h"
#include "common/number_format.h"
#include "common/numeric.h"
#include "fuzz/targets/fuzz_input.h"
#include "fuzz/targets/fuzz_targets.h"
#include "numlab/numlab.h"
#include "numlab/value_text.h"
#include "platform/std_controls.h"

namespace kurvex::fuzz {

namespace {

void FormatNumbers(FuzzInput& in) {
  const double v = in.Double();
  const int a = in.Int();
  const int b = in.Int();
  (void)FloatToText(a, b, v);
  (void)EngFloatToText(a, v);
  (void)FormatGeneral(v, a, b);
  (void)FormatExponent(v, a, b, in.Int());
  (void)FormatFixedDigits(v, a % 64, b % 64);
  (void)FormatInt(in.Raw<std::int64_t>(), a, b);
  (void)FormatHex(in.Raw<std::int64_t>(), a, b);
  (void)FormatDateTime(in.Text(), v);
  (void)DegreeMinuteSecondText(v, a);
}

void PaintLabel(FuzzInput& in) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 260, 60);
  auto* label = new TNumLab(&form);
  label->SetParent(&form);
  // Sizes stay small for speed; the bounds of a control are tested at their extremes elsewhere.
  label->SetBounds(in.Int() % 300, in.Int() % 60, in.Int() % 400, in.Int() % 100);
  label->SetDisplayType(static_cast<TDisplay>(in.Byte() % 16));
  label->SetPrecision(in.Int());
  label->SetLeftSpace(in.Int());
  label->SetLabelWidth(in.Int());
  label->SetComma(in.Flag());
  label->SetForcePlusSign(in.Flag());
  label->SetTransparent(in.Flag());
  label->SetEnabled(in.Flag());
  label->SetAlignment(static_cast<TAlignment>(in.Byte() % 3));
  label->SetLeftTextAlignment(static_cast<TAlignment>(in.Byte() % 3));
  label->SetRightTextAlignment(static_cast<TAlignment>(in.Byte() % 3));
  label->SetLeftText(in.Text());
  label->SetRightText(in.Text());
  label->SetOverflowIndicator(in.Text(12));
  label->SetStateText(in.Text(12));
  label->SetDTFormat(in.Text());
  label->SetValue(in.Double());
  form.Refresh();
}

}  // namespace

void FuzzFormatting(const std::uint8_t* data, std::size_t size) {
  SetUpOnce();
  FuzzInput in(data, size);
  FormatNumbers(in);
  PaintLabel(in);
}

}  // namespace kurvex::fuzz
