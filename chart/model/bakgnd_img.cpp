#include "chart/model/bakgnd_img.h"

namespace kurvex {

std::string TBakGndImg::ExtractFileName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void TBakGndImg::SetName(const std::string& v) {
  name_ = include_path_ ? v : ExtractFileName(v);
  Changed();
}

void TBakGndImg::SetIncludePath(bool v) {
  include_path_ = v;
  if (!v) name_ = ExtractFileName(name_);
  Changed();
}

void TBakGndImg::Assign(const TPersistent& Source) {
  const auto* from = dynamic_cast<const TBakGndImg*>(&Source);
  if (from == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  name_ = from->name_;
  include_path_ = from->include_path_;
  fill_mode_ = from->fill_mode_;
  area_mode_ = from->area_mode_;
  area_color_ = from->area_color_;
  area_left_ = from->area_left_;
  area_right_ = from->area_right_;
  area_top_ = from->area_top_;
  area_bottom_ = from->area_bottom_;
}

}  // namespace kurvex
