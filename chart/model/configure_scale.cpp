#include "chart/model/configure_scale.h"

namespace kurvex {

void ConfigureScale(TScale& S, const TScaleProps& P, const TPlotGeometry& g) {
  S.SetScaleType(P.ScaleType());
  const int pos = P.ScalePos();
  switch (P.ScaleType()) {
    case TScaleType::sctXB:
      S.SetMarginBottom(pos + g.Height - g.MarginTop - 1);
      break;
    case TScaleType::sctXT:
      S.SetMarginTop(pos + g.Height - g.MarginBottom - g.ShadowWidth);
      break;
    case TScaleType::sctYL:
      S.SetMarginLeft(pos + g.Width - g.MarginRight - g.ShadowWidth);
      break;
    case TScaleType::sctYR:
      S.SetMarginRight(pos + g.Width - g.MarginLeft - 1);
      break;
  }
  // Both ends at once: one end set after the other could meet the old value of the other
  // and be moved apart from it.
  S.SetRange(P.RangeHigh(), P.RangeLow());
  S.SetVisible(P.Visible());
  S.SetCaption(P.Caption());
  S.SetCaptionPosX(P.CaptionPosX());
  S.SetCaptionPosY(P.CaptionPosY());
  S.SetCaptionAlignment(P.CaptionAlignment());
  S.SetCaptionAnchor(P.CaptionAnchor());
  S.SetColorScale(P.ColorScale());
  // The label type before the decimals and the logarithmic flag: its setter changes both
  // (ftTime sets 4 decimals, ftDateTime a linear axis), and they must end up as the axis
  // setting has them.
  S.SetLabelType(P.LabelType());
  S.SetDecPlaces(P.DecPlaces());
  S.SetLogarithmic(P.Logarithmic());
  S.SetShortTicks(P.ShortTicks());
  S.SetMinTicks(P.MinTicks());
  S.SetScaleInscript(P.ScaleInscript());
  S.SetUserTickText(P.UserTickText());
  // The font's colour comes with it.
  S.Font().Assign(P.Font());
  // All seven fields: time format, both separators, year length, month names, date for
  // time and date order.
  S.DateFormat().Assign(P.DateFormat());
}

}  // namespace kurvex
