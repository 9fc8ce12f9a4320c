// Scales and labels: stand-alone scales (linear, logarithmic, user texts, calendar) beside a
// chart with a date axis, a second y axis on the right and text labels tied to the data.
// Drag a scale to pan it; a double click switches it between panning and zooming.

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <cmath>
#include <string>

#include <kurvex/qt.h>

#include "common/datetime.h"

namespace {

using namespace kurvex;

// A horizontal scale with its caption at the left, below the base line.
qt::ScaleWidget* AddScale(QVBoxLayout* layout, const std::string& caption, double low, double high) {
  auto* widget = new qt::ScaleWidget;
  widget->setFixedHeight(52);
  TScale& scale = widget->Scale();
  scale.SetScaleType(TScaleType::sctXB);
  scale.SetMarginBottom(18);
  scale.SetCaptionPosX(0);
  scale.SetCaptionPosY(3);
  scale.SetCaptionAlignment(TAlignment::taLeftJustify);
  scale.SetCaption(caption);
  scale.SetRange(high, low);
  scale.SetMouseAction(TMouseActMode::maPan);
  layout->addWidget(widget);
  return widget;
}

// Four weeks of a daily value on a calendar axis, in layer 1; a percentage in layer 2 with
// its own axis on the right; two text labels that stay at their data points when panned.
void FillChart(TKurvex& chart) {
  const double first_day = EncodeDate(2026, 11, 1);
  chart.SetStandardLayout(TkxLayout::kxl_X1Bottom_Y2Both);  // y of layer 1 left, of layer 2 right
  chart.SetGridStyle(GridStyleType::gsDotLines);
  chart.SetMouseAction(TMouseActMode::maPan);
  chart.Scale1X().SetLabelType(TFigType::ftDateTime);
  chart.Scale1Y().SetCaption("kWh");
  chart.Scale2Y().SetCaption("%");
  chart.SetLayerRange(1, first_day, 0, first_day + 28, 60);
  chart.SetLayerRange(2, first_day, 0, first_day + 28, 100);
  // Layer 2's x range follows layer 1's when the chart is panned.
  chart.JointLayers().SetXControlledBy(2, 1);

  chart.SetDataColor(clNavy);
  chart.SetLineWidth(2);
  chart.MoveToPoint(first_day, 30.0);
  for (int day = 1; day <= 28; ++day) chart.LineToPoint(first_day + day, 30 + 20 * std::sin(day / 3.0));
  chart.SetCurrentLayer(2);
  chart.SetDataColor(clMaroon);
  chart.SetLineWidth(1);
  chart.MoveToPoint(first_day, 50.0);
  for (int day = 1; day <= 28; ++day) chart.LineToPoint(first_day + day, 50 + 40 * std::cos(day / 5.0));
  chart.SetCurrentLayer(1);

  TTextLabel& peak = chart.TextLabel(1);
  peak.SetCaption("peak");
  peak.SetMode(TTxtLblMode::tlBox);
  peak.SetAttachToData(TTxtLblAttachMode::tlamBoth);
  peak.SetPosX(first_day + 5);
  peak.SetPosY(52);
  peak.SetVisible(true);  // the 50 labels start hidden
  TTextLabel& note = chart.TextLabel(2);
  note.SetCaption("maintenance");
  note.SetMode(TTxtLblMode::tlUnderline);
  note.SetAttachToData(TTxtLblAttachMode::tlamBoth);
  note.SetPosX(first_day + 14);
  note.SetPosY(8);
  note.SetVisible(true);
  chart.RefreshChart();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Kurvex scales and labels");
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(new QLabel("Drag a scale to pan it; a double click switches it between panning and zooming."));

  AddScale(layout, "linear", 0, 100);
  AddScale(layout, "logarithmic", 1, 100000)->Scale().SetLogarithmic(true);
  TScale& weekdays = AddScale(layout, "user texts", 0, 6)->Scale();
  weekdays.SetLabelType(TFigType::ftUserText);
  weekdays.SetUserTickText("Mon|Tue|Wed|Thu|Fri|Sat|Sun");
  weekdays.SetMinTicks(6);
  TScale& hours = AddScale(layout, "calendar", EncodeDate(2026, 12, 9) + 0.25, EncodeDate(2026, 12, 10) + 0.75)->Scale();
  hours.SetLabelType(TFigType::ftDateTime);
  hours.SetMinTicks(4);

  auto* chart = new qt::KurvexWidget;
  layout->addWidget(chart, 1);
  FillChart(chart->Chart());

  window.resize(760, 640);
  window.show();
  return app.exec();
}
