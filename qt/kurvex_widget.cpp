#include "qt/kurvex_widget.h"

#include <memory>

namespace kurvex::qt {

namespace {

// The window a numeric label fills; the label is owned by the window (freed with it) and
// is its only child.
std::unique_ptr<TWinControl> MakeLabelWindow() {
  auto window = std::make_unique<TWinControl>(nullptr);
  auto* label = new TNumLab(window.get());
  label->SetParent(window.get());
  label->SetAlign(TAlign::alClient);
  return window;
}

}  // namespace

KurvexWidget::KurvexWidget(QWidget* parent)
    : ControlWidget(std::make_unique<TKurvex>(nullptr), parent, QSize(480, 320), QSize(160, 80)) {}

ScaleWidget::ScaleWidget(QWidget* parent)
    : ControlWidget(std::make_unique<TScale>(nullptr), parent, QSize(320, 40), QSize(40, 20)) {}

NumLabWidget::NumLabWidget(QWidget* parent)
    : ControlWidget(MakeLabelWindow(), parent, QSize(120, 28), QSize(24, 12)) {}

}  // namespace kurvex::qt
