#include "platform/component.h"

#include <algorithm>

namespace kurvex {

namespace {

bool IsIdentifier(const std::string& name) {
  if (name.empty()) return false;
  auto alpha = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (!alpha(name[0])) return false;
  return std::all_of(name.begin() + 1, name.end(), [&](char c) { return alpha(c) || digit(c); });
}

void Erase(std::vector<TComponent*>& list, TComponent* c) {
  list.erase(std::remove(list.begin(), list.end(), c), list.end());
}

}  // namespace

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner != nullptr) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  SetDestroying();
  // Tell the components that asked about this one; they may clear references to it.
  while (!free_notifies_.empty()) {
    TComponent* other = free_notifies_.back();
    free_notifies_.pop_back();
    Erase(other->free_notifies_, this);
    other->Notification(this, TOperation::opRemove);
  }
  // Owned components go first, the last inserted first. Each is unlinked before it is
  // deleted so that its destructor does not look for itself in this list.
  while (!components_.empty()) {
    TComponent* c = components_.back();
    components_.pop_back();
    c->owner_ = nullptr;
    delete c;
  }
  if (owner_ != nullptr) owner_->RemoveComponent(this);
}

void TComponent::CheckNameFree(const std::string& name, const TComponent* owner) const {
  if (name.empty() || owner == nullptr) return;
  for (const TComponent* c : owner->components_) {
    if (c != this && c->name_ == name) throw EComponentError("A component named " + name + " already exists");
  }
}

void TComponent::SetName(const std::string& name) {
  if (name == name_) return;
  if (!name.empty() && !IsIdentifier(name)) {
    throw EComponentError("\"" + name + "\" is not a valid component name");
  }
  CheckNameFree(name, owner_);
  name_ = name;
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_) {
    if (c->name_ == name) return c;
  }
  return nullptr;
}

void TComponent::SetDesigning(bool designing) {
  if (designing) {
    state_.Include(TComponentStateItem::csDesigning);
  } else {
    state_.Exclude(TComponentStateItem::csDesigning);
  }
}

void TComponent::BeginLoading() { state_.Include(TComponentStateItem::csLoading); }

void TComponent::Loaded() { state_.Exclude(TComponentStateItem::csLoading); }

void TComponent::ChangeOwner(TComponent* owner) {
  if (owner == owner_) return;
  for (TComponent* o = owner; o != nullptr; o = o->owner_) {
    if (o == this) throw EComponentError("A component cannot own itself");
  }
  CheckNameFree(name_, owner);
  if (owner_ != nullptr) owner_->RemoveComponent(this);
  if (owner != nullptr) owner->InsertComponent(this);
}

void TComponent::InsertComponent(TComponent* component) {
  components_.push_back(component);
  component->owner_ = this;
}

void TComponent::RemoveComponent(TComponent* component) {
  Erase(components_, component);
  component->owner_ = nullptr;
}

void TComponent::FreeNotification(TComponent* component) {
  if (component == nullptr || component == this) return;
  if (std::find(free_notifies_.begin(), free_notifies_.end(), component) != free_notifies_.end()) return;
  free_notifies_.push_back(component);
  component->free_notifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (component == nullptr) return;
  Erase(free_notifies_, component);
  Erase(component->free_notifies_, this);
}

void TComponent::Notification(TComponent*, TOperation) {}

const std::string& TComponent::EventBinding(std::string_view event) const {
  static const std::string kNone;
  for (const auto& [name, method] : event_bindings_) {
    if (name == event) return method;
  }
  return kNone;
}

void TComponent::SetEventBinding(std::string_view event, const std::string& method) {
  for (auto it = event_bindings_.begin(); it != event_bindings_.end(); ++it) {
    if (it->first == event) {
      if (method.empty()) {
        event_bindings_.erase(it);
      } else {
        it->second = method;
      }
      return;
    }
  }
  if (!method.empty()) event_bindings_.emplace_back(std::string(event), method);
}

}  // namespace kurvex
