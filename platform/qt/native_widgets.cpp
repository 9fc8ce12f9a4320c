#include "platform/qt/native_widgets.h"

#include <QAbstractSlider>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>

#include "common/saturate.h"
#include "platform/application.h"
#include "platform/qt/qt_convert.h"
#include "platform/std_controls.h"

namespace kurvex::qt {

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

// Runs a component's reaction to a widget notification, then sets the widget from the
// component again (the component decides, e.g. a radio button stays checked when clicked
// twice). The widget is checked for life: a handler may have destroyed it.
template <class F>
void React(TWinControl& control, QWidget* widget, F&& f) {
  QPointer<QWidget> alive(widget);
  Application().Guard(std::forward<F>(f));
  if (alive) SyncNativeWidget(control, *alive);
}

QWidget* MakeButton(TButton& button, QWidget* parent) {
  auto* w = new QPushButton(parent);
  QObject::connect(w, &QPushButton::clicked, w, [&button, w] { React(button, w, [&] { button.Click(); }); });
  return w;
}

QWidget* MakeRadioButton(TRadioButton& radio, QWidget* parent) {
  auto* w = new QRadioButton(parent);
  w->setAutoExclusive(false);  // the components uncheck their siblings themselves
  QObject::connect(w, &QRadioButton::clicked, w, [&radio, w] { React(radio, w, [&] { radio.Click(); }); });
  return w;
}

QWidget* MakeScrollBar(TScrollBar& bar, QWidget* parent) {
  auto* w = new QScrollBar(parent);
  QObject::connect(w, &QScrollBar::valueChanged, w,
                   [&bar, w](int value) { React(bar, w, [&] { bar.SetPosition(value); }); });
  // A click beside the thumb moves by LargeChange; Qt's page step only sizes the thumb.
  QObject::connect(w, &QAbstractSlider::actionTriggered, w, [&bar, w](int action) {
    if (action == QAbstractSlider::SliderPageStepAdd) {
      w->setSliderPosition(std::min(AddSaturated(bar.Position(), bar.LargeChange()), bar.MaxPosition()));
    } else if (action == QAbstractSlider::SliderPageStepSub) {
      w->setSliderPosition(std::max(SubtractSaturated(bar.Position(), bar.LargeChange()), bar.Min()));
    }
  });
  return w;
}

void SetTextColor(QWidget& widget, QPalette::ColorRole role, TColor color) {
  QPalette palette = widget.palette();
  const QColor c = ToQColor(color);
  if (palette.color(role) != c) {
    palette.setColor(role, c);
    widget.setPalette(palette);
  }
}

}  // namespace

QWidget* MakeNativeWidget(TWinControl& control, QWidget* parent) {
  if (auto* button = dynamic_cast<TButton*>(&control)) return MakeButton(*button, parent);
  if (auto* radio = dynamic_cast<TRadioButton*>(&control)) return MakeRadioButton(*radio, parent);
  if (auto* bar = dynamic_cast<TScrollBar*>(&control)) return MakeScrollBar(*bar, parent);
  if (dynamic_cast<TGroupBox*>(&control)) return new QGroupBox(parent);
  if (dynamic_cast<TLabel*>(&control)) return new QLabel(parent);
  return nullptr;
}

void SyncNativeWidget(TWinControl& control, QWidget& widget) {
  if (auto* button = dynamic_cast<TButton*>(&control)) {
    auto& w = static_cast<QPushButton&>(widget);
    if (w.text() != Text(button->Caption())) w.setText(Text(button->Caption()));
    SetTextColor(w, QPalette::ButtonText, button->Font().Color());
  } else if (auto* radio = dynamic_cast<TRadioButton*>(&control)) {
    auto& w = static_cast<QRadioButton&>(widget);
    if (w.text() != Text(radio->Caption())) w.setText(Text(radio->Caption()));
    if (w.isChecked() != radio->Checked()) w.setChecked(radio->Checked());
    SetTextColor(w, QPalette::WindowText, radio->Font().Color());
  } else if (auto* bar = dynamic_cast<TScrollBar*>(&control)) {
    auto& w = static_cast<QScrollBar&>(widget);
    const QSignalBlocker quiet(&w);  // setting the widget from the model is no user change
    w.setOrientation(bar->Kind() == TScrollBarKind::sbHorizontal ? Qt::Horizontal : Qt::Vertical);
    w.setRange(bar->Min(), bar->MaxPosition());
    w.setSingleStep(bar->SmallChange());
    w.setPageStep(bar->PageSize() > 0 ? bar->PageSize() : 1);
    w.setValue(bar->Position());
  } else if (auto* group = dynamic_cast<TGroupBox*>(&control)) {
    auto& w = static_cast<QGroupBox&>(widget);
    if (w.title() != Text(group->Caption())) w.setTitle(Text(group->Caption()));
    SetTextColor(w, QPalette::WindowText, group->Font().Color());
  } else if (auto* label = dynamic_cast<TLabel*>(&control)) {
    auto& w = static_cast<QLabel&>(widget);
    if (w.text() != Text(label->Caption())) w.setText(Text(label->Caption()));
    SetTextColor(w, QPalette::WindowText, label->Font().Color());
    if (label->AutoSize()) {
      // Qt's own text measure may differ from the canvas's by a pixel; never cut the text.
      const QSize hint = w.sizeHint();
      w.resize(std::max(label->Width(), hint.width()), std::max(label->Height(), hint.height()));
    }
  }
}

}  // namespace kurvex::qt
