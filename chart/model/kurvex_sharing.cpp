// Data sharing between charts: one main list referenced by an owner and up to 4 users.

#include "chart/model/kurvex.h"
#include "platform/application.h"

namespace kurvex {

namespace {

// A private copy of a shared list: the same records, count, capacity and bookkeeping.
std::shared_ptr<TSharedItemList> CopyOf(const TSharedItemList& from) {
  auto copy = std::make_shared<TSharedItemList>();
  copy->Items.CopyFrom(from.Items, from.Items.Capacity());
  copy->LastDrawn = from.LastDrawn;
  return copy;
}

}  // namespace

void TCustomKurvex::ShowSharingMessage(const char* text) { Application().MessageBox(text); }

void TCustomKurvex::SetUseDataOf(TCustomKurvex* Source) {
  if (Source == this) {
    ShowSharingMessage("Kurvex: Cannot share data with myself");
    return;
  }
  if (user_count_ > 0) {
    ShowSharingMessage("Kurvex: Cannot use foreign data. Other Kurvexs are using my own data.");
    return;
  }
  if (Source == owner_) return;
  if (Source == nullptr) {
    if (owner_ == nullptr) return;
    LeaveOwner();
    RepaintIfAuto();
    return;
  }
  // Sharing is never more than one level deep: a user's data belongs to its owner.
  if (Source->owner_ != nullptr) Source = Source->owner_;
  if (Source == owner_) return;
  if (Source->user_count_ >= kMaxUsers) {
    ShowSharingMessage("Kurvex: Max. number of data shares exceeded");
    return;
  }
  if (owner_ != nullptr) LeaveOwner();
  owner_ = Source;
  main_ = Source->main_;
  Source->users_[static_cast<std::size_t>(Source->user_count_++)] = this;
  RepaintIfAuto();
}

// Leaves the owner's user table; this chart keeps what it shows as its own copy.
void TCustomKurvex::LeaveOwner() {
  TCustomKurvex* owner = owner_;
  if (owner == nullptr) return;
  int i = 0;
  while (i < owner->user_count_ && owner->users_[static_cast<std::size_t>(i)] != this) ++i;
  for (; i + 1 < owner->user_count_; ++i) owner->users_[static_cast<std::size_t>(i)] = owner->users_[static_cast<std::size_t>(i + 1)];
  if (owner->user_count_ > 0) owner->users_[static_cast<std::size_t>(--owner->user_count_)] = nullptr;
  owner_ = nullptr;
  main_ = CopyOf(*main_);
}

// Gives every user the owner none (used when this chart is destroyed). Each keeps what it
// shows; all but the last get a copy so that no two of them stay connected.
void TCustomKurvex::ReleaseUsers() {
  for (int i = 0; i < user_count_; ++i) {
    TCustomKurvex* user = users_[static_cast<std::size_t>(i)];
    user->owner_ = nullptr;
    if (i + 1 < user_count_) user->main_ = CopyOf(*user->main_);
    users_[static_cast<std::size_t>(i)] = nullptr;
  }
  user_count_ = 0;
}

}  // namespace kurvex
