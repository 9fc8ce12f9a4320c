#pragma once
// The Qt widgets of the library, each owning one control:
//
//   auto* chart = new kurvex::qt::KurvexWidget(parent);   // any QWidget tree or layout
//   chart->Chart().SetLayerRange(1, 0, -1, 10, 1);
//   chart->Chart().MoveToPoint(0.0, 0.0);
//   chart->Chart().LineToPoint(10.0, 1.0);
//   chart->Chart().RefreshChart();
//
// KurvexWidget shows a TKurvex, ScaleWidget a stand-alone TScale and NumLabWidget a
// TNumLab. Several may live in one window; each has its own control and state. See
// control_widget.h for how they take part in Qt's layouts, events and painting.

#include <QWidget>

#include "chart/model/kurvex.h"
#include "numlab/numlab.h"
#include "qt/control_widget.h"
#include "scale/scale.h"

namespace kurvex::qt {

class KurvexWidget : public ControlWidget {
 public:
  explicit KurvexWidget(QWidget* parent = nullptr);

  TKurvex& Chart() const { return static_cast<TKurvex&>(Control()); }
};

class ScaleWidget : public ControlWidget {
 public:
  explicit ScaleWidget(QWidget* parent = nullptr);

  TScale& Scale() const { return static_cast<TScale&>(Control()); }
};

// The numeric label is a windowless control; the widget shows it filling a plain window of
// the widget's size, whose colour shows where the label is transparent.
class NumLabWidget : public ControlWidget {
 public:
  explicit NumLabWidget(QWidget* parent = nullptr);

  TNumLab& Label() const { return static_cast<TNumLab&>(*Control().Controls(0)); }
};

}  // namespace kurvex::qt
