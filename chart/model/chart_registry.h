#pragma once

namespace kurvex {

// Registers TKurvex with its published properties and owned objects (TScalePropsHoriz,
// TScalePropsVert, TCrossHair, TBakGndImg, TJointLayers, TTextLabel) for stored layouts;
// the platform and scale classes first. Idempotent.
void RegisterChartClasses();

}  // namespace kurvex
