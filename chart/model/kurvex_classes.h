#pragma once
// Published properties of the chart control and of its owned settings objects, for stored
// layouts.

namespace kurvex {

// Registers TKurvex with its published properties and events, and the classes of its owned
// sub-objects (TScalePropsHoriz, TScalePropsVert, TDTLabel, TCrossHair, TBakGndImg,
// TJointLayers). Registers the platform classes first. Idempotent.
void RegisterKurvexClasses();

}  // namespace kurvex
