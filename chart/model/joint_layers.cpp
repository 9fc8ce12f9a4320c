#include "chart/model/joint_layers.h"

#include <string>

#include "chart/model/kurvex.h"
#include "common/errors.h"

namespace kurvex {

TJointLayers::TJointLayers() { Reset(); }

void TJointLayers::Reset() {
  for (int i = 0; i <= kLayers; ++i) {
    x_[static_cast<std::size_t>(i)] = i;
    y_[static_cast<std::size_t>(i)] = i;
  }
}

int TJointLayers::XControlledBy(int layer) const {
  return layer >= 1 && layer <= kLayers ? x_[static_cast<std::size_t>(layer)] : 0;
}

int TJointLayers::YControlledBy(int layer) const {
  return layer >= 1 && layer <= kLayers ? y_[static_cast<std::size_t>(layer)] : 0;
}

void TJointLayers::SetXControlledBy(int layer, int k) { SetControlledBy(x_, true, layer, k); }
void TJointLayers::SetYControlledBy(int layer, int k) { SetControlledBy(y_, false, layer, k); }

void TJointLayers::SetControlledBy(std::array<int, kLayers + 1>& table, bool x_axis, int layer, int k) {
  if (layer < 1 || layer > kLayers) {
    throw EKPXKurvexError("Layer " + std::to_string(layer) + " is out of range (1..16)");
  }
  if (k < 1 || k > kLayers) throw EKPXKurvexError("Destination layer " + std::to_string(k) + " is out of range");
  if (k == layer) {
    table[static_cast<std::size_t>(layer)] = layer;
    return;
  }
  if (table[static_cast<std::size_t>(k)] != k) {
    throw EKPXKurvexError("Destination layer " + std::to_string(k) + " is already joined");
  }
  std::string joined;
  for (int j = 1; j <= kLayers; ++j) {
    if (j != layer && table[static_cast<std::size_t>(j)] == layer) {
      joined += (joined.empty() ? "" : ", ") + std::to_string(j);
    }
  }
  if (!joined.empty()) {
    throw EKPXKurvexError("Layer " + std::to_string(layer) + " is joined by other layers (" + joined + ")");
  }
  table[static_cast<std::size_t>(layer)] = k;
  if (chart_ != nullptr) {
    // The layer takes the controller's range on this axis and keeps its own on the other.
    const TScaleProps& xs = chart_->ScaleXProps(x_axis ? k : layer);
    const TScaleProps& ys = chart_->ScaleYProps(x_axis ? layer : k);
    chart_->ApplyRangeToLayer(layer, xs.RangeLow(), ys.RangeLow(), xs.RangeHigh(), ys.RangeHigh(), false, false);
  }
  if (OnChange) OnChange(this);
}

void TJointLayers::Assign(const TPersistent& Source) {
  const auto* from = dynamic_cast<const TJointLayers*>(&Source);
  if (from == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  x_ = from->x_;
  y_ = from->y_;
}

}  // namespace kurvex
