// The numeric display: one value, shown by TNumLab in several of its display types, follows
// a slider. Each label has a text on its left naming the type and one on its right for the
// unit.

#include <QApplication>
#include <QFormLayout>
#include <QSlider>
#include <QWidget>

#include <string>
#include <vector>

#include <kurvex/qt.h>

namespace {

using namespace kurvex;

struct Shown {
  const char* name;
  TDisplay type;
  int precision;
  const char* unit;
};

const Shown kShown[] = {
    {"float", TDisplay::dtFloat, 6, ""},       {"fixed point", TDisplay::dtFixP, 3, "V"},
    {"exponent", TDisplay::dtExp, 4, ""},      {"engineering", TDisplay::dtEEng, 4, "Hz"},
    {"integer", TDisplay::dtInt, 0, ""},       {"hexadecimal", TDisplay::dtHex, 6, ""},
    {"binary", TDisplay::dtBin, 12, ""},       {"degrees", TDisplay::dtDeg, 2, ""},
    {"deg min sec", TDisplay::dtDegMinSec, 1, ""},
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Kurvex numeric display");
  auto* form = new QFormLayout(&window);
  auto* slider = new QSlider(Qt::Horizontal);
  slider->setRange(0, 100000);
  form->addRow("value", slider);

  std::vector<TNumLab*> labels;
  for (const Shown& shown : kShown) {
    auto* widget = new qt::NumLabWidget;
    widget->setMinimumWidth(320);
    TNumLab& label = widget->Label();
    label.SetDisplayType(shown.type);
    label.SetPrecision(shown.precision);
    label.SetLabelWidth(150);  // the framed value field, in pixels
    label.SetFrameStyle(TFrameStyle::fsLowered);
    label.SetRightText(shown.unit);
    form->addRow(shown.name, widget);
    labels.push_back(&label);
  }

  // The slider's 0 .. 100,000 become 0 .. 360 with three decimals.
  QObject::connect(slider, &QSlider::valueChanged, [&labels](int position) {
    for (TNumLab* label : labels) label->SetValue(position * 0.0036);
  });
  slider->setValue(42195);

  window.show();
  return app.exec();
}
