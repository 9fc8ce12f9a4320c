#pragma once
// TComponent: named objects in an ownership tree. An owner frees the components it owns
// when it is destroyed (the last inserted first). A component is "loading" while a stored
// layout is applied to it; Loaded() ends that phase.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/enum_set.h"
#include "common/persistent.h"

namespace kurvex {

enum class TComponentStateItem : std::uint8_t { csLoading, csDesigning, csDestroying };
using TComponentState = TSet<TComponentStateItem>;

enum class TOperation : std::uint8_t { opInsert, opRemove };

// A component name that is not an identifier, or that its owner already uses.
class EComponentError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TComponent : public TPersistent {
 public:
  explicit TComponent(TComponent* AOwner);
  ~TComponent() override;
  const char* ClassName() const override { return "TComponent"; }

  TComponent* Owner() const { return owner_; }
  const std::string& Name() const { return name_; }
  // Names are empty or identifiers (a letter or '_' first, then letters, digits, '_'),
  // unique among the owner's components (case-sensitive). Raises EComponentError otherwise.
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
  // Leaves the loading phase without Loaded (a layout that failed to read).
  void CancelLoading() { state_.Exclude(TComponentStateItem::csLoading); }

  // Moves this component to another owner (nullptr: no owner). Raises EComponentError
  // when the new owner already has a component of this name.
  void ChangeOwner(TComponent* owner);

  // Links this component and `component`: whichever is destroyed first tells the other
  // (Notification with opRemove), so that references between them can be cleared.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // The method name a stored layout bound to an event property ("OnClick" ->
  // "ButStartClick"); empty when none. Kept so that writing a layout can name it again.
  const std::string& EventBinding(std::string_view event) const;
  void SetEventBinding(std::string_view event, const std::string& method);

 protected:
  void SetDestroying() { state_.Include(TComponentStateItem::csDestroying); }
  // Called for components registered with FreeNotification when they are destroyed.
  virtual void Notification(TComponent* AComponent, TOperation Operation);

 private:
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);
  void CheckNameFree(const std::string& name, const TComponent* owner) const;

  TComponent* owner_ = nullptr;
  std::string name_;
  std::intptr_t tag_ = 0;
  TComponentState state_;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> free_notifies_;  // linked both ways
  std::vector<std::pair<std::string, std::string>> event_bindings_;
};

}  // namespace kurvex
