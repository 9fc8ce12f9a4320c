#pragma once
// TComponent: named objects in an ownership tree. An owner frees the components it owns
// when it is destroyed (the last inserted first). A component is "loading" while a stored
// layout is applied to it; Loaded() ends that phase.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/enum_set.h"
#include "common/persistent.h"

namespace kurvex {

enum class TComponentStateItem : std::uint8_t { csLoading, csDesigning, csDestroying };
using TComponentState = TSet<TComponentStateItem>;

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  const char* ClassName() const override { return "TComponent"; }

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  std::intptr_t Tag() const { return tag_; }
  void SetTag(std::intptr_t tag) { tag_ = tag; }

  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_.at(static_cast<std::size_t>(index)); }
  TComponent* FindComponent(std::string_view name) const;

  TComponentState ComponentState() const { return state_; }
  bool IsLoading() const { return state_.Contains(TComponentStateItem::csLoading); }
  bool IsDesigning() const { return state_.Contains(TComponentStateItem::csDesigning); }
  bool IsDestroying() const { return state_.Contains(TComponentStateItem::csDestroying); }
  void SetDesigning(bool designing);  // design mode, for tools and tests

  // Starts the loading phase (used by the layout reader before it sets any property).
  void BeginLoading();
  // Ends the loading phase. Overrides call the inherited Loaded first.
  virtual void Loaded();

  // Moves this component to another owner (nullptr: no owner).
  void ChangeOwner(TComponent* owner);

 protected:
  void SetDestroying() { state_.Include(TComponentStateItem::csDestroying); }

 private:
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  TComponent* owner_ = nullptr;
  std::string name_;
  std::intptr_t tag_ = 0;
  TComponentState state_;
  std::vector<TComponent*> components_;
};

}  // namespace kurvex
