#include "chart/model/crosshair.h"

namespace kurvex {

void TCrossHair::Assign(const TPersistent& Source) {
  const auto* from = dynamic_cast<const TCrossHair*>(&Source);
  if (from == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  pos_x_ = from->pos_x_;
  pos_y_ = from->pos_y_;
  color_ = from->color_;
  mode_ = from->mode_;
  line_type_ = from->line_type_;
  line_wid_ = from->line_wid_;
  layer_ = from->layer_;
}

void TCrossHair::AssignTo(TPersistent& Dest) const {
  if (auto* to = dynamic_cast<TCrossHair*>(&Dest)) {
    to->Assign(*this);
    return;
  }
  TPersistent::AssignTo(Dest);
}

}  // namespace kurvex
