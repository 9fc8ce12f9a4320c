#pragma once
// The Qt widgets: KurvexWidget, ScaleWidget and NumLabWidget, for any Qt 6 widget tree.
// Link Kurvex::Qt.

#include "kurvex/kurvex.h"
#include "qt/kurvex_widget.h"
