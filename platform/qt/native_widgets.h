#pragma once
// The native widgets of the standard controls: making them, wiring their notifications
// to the components, and setting them from the components' state.

#include <QWidget>

#include "platform/control.h"

namespace kurvex::qt {

// The native widget of a standard control (button, radio button, group box, scroll bar,
// label), or nullptr for any other control.
QWidget* MakeNativeWidget(TWinControl& control, QWidget* parent);

// Sets the class-specific state (caption, checked, range, ...) of a native widget.
void SyncNativeWidget(TWinControl& control, QWidget& widget);

}  // namespace kurvex::qt
