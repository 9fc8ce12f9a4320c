#include "chart/model/text_label.h"

namespace kurvex {

TCustomTextLabel::TCustomTextLabel() {
  font_.OnChange = [this](TObject*) { Changed(); };
}

void TCustomTextLabel::SetLayer(int v) {
  if (v < 1 || v > 16) return;
  layer_ = v;
  Changed();
}

void TCustomTextLabel::SetFont(const TFont& v) {
  silent_ = true;
  try {
    font_.Assign(v);
  } catch (...) {
    silent_ = false;
    throw;
  }
  silent_ = false;
  Changed();
}

void TCustomTextLabel::SetCaption(const std::string& v) {
  caption_ = v;
  for (char& c : caption_) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 32 && c != '\n') c = ' ';
  }
  Changed();
}

void TCustomTextLabel::Assign(const TPersistent& Source) {
  const auto* from = dynamic_cast<const TCustomTextLabel*>(&Source);
  if (from == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  pos_x_ = from->pos_x_;
  pos_y_ = from->pos_y_;
  layer_ = from->layer_;
  shadow_dx_ = from->shadow_dx_;
  shadow_dy_ = from->shadow_dy_;
  color_shadow_ = from->color_shadow_;
  alignment_ = from->alignment_;
  vertical_alignment_ = from->vertical_alignment_;
  attach_to_data_ = from->attach_to_data_;
  color_bkg_ = from->color_bkg_;
  color_border_ = from->color_border_;
  transparent_ = from->transparent_;
  silent_ = true;
  try {
    font_.Assign(from->font_);
  } catch (...) {
    silent_ = false;
    throw;
  }
  silent_ = false;
  caption_ = from->caption_;
  mode_ = from->mode_;
  visible_ = from->visible_;
}

}  // namespace kurvex
