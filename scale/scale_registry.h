#pragma once

namespace kurvex {

// Registers TDTLabel and TScale for stored layouts (with the platform classes first).
// Idempotent.
void RegisterScaleClasses();

}  // namespace kurvex
