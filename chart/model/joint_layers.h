#pragma once
// TJointLayers: which layer controls the x range and the y range of each layer. Entry i = i
// means layer i owns its range; entry i = k means layer i's range always equals layer k's.

#include <array>

#include "common/persistent.h"

namespace kurvex {

class TCustomKurvex;

class TJointLayers : public TPersistent {
 public:
  static constexpr int kLayers = 16;

  TJointLayers();
  const char* ClassName() const override { return "TJointLayers"; }

  // The controller of layer's x / y range (layer 1..16; other layers give 0).
  int XControlledBy(int layer) const;
  int YControlledBy(int layer) const;
  // Makes layer's x / y range follow layer k. Raises EKPXKurvexError "Destination layer k is
  // out of range", "Destination layer k is already joined" or "Layer L is joined by other
  // layers (list)"; k = layer gives the layer its own range back.
  void SetXControlledBy(int layer, int k);
  void SetYControlledBy(int layer, int k);

  // Every layer its own controller again (no notification).
  void Reset();
  // From another TJointLayers: copies both tables; keeps the chart and the notification.
  void Assign(const TPersistent& Source) override;

  TCustomKurvex* Chart() const { return chart_; }
  void SetChart(TCustomKurvex* chart) { chart_ = chart; }

  TNotifyEvent OnChange;

 private:
  void SetControlledBy(std::array<int, kLayers + 1>& table, bool x_axis, int layer, int k);

  std::array<int, kLayers + 1> x_{};  // index 0 unused
  std::array<int, kLayers + 1> y_{};
  TCustomKurvex* chart_ = nullptr;
};

}  // namespace kurvex
