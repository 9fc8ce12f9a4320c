#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/component.h"

namespace kurvex {
namespace {

// A component that writes its name into a shared log when it is destroyed.
class Tracked : public TComponent {
 public:
  Tracked(TComponent* owner, const std::string& name, std::vector<std::string>* log) : TComponent(owner), log_(log) {
    SetName(name);
  }
  ~Tracked() override { log_->push_back(Name()); }
  void Notification(TComponent* c, TOperation op) override {
    if (op == TOperation::opRemove) log_->push_back(Name() + " heard " + c->Name());
  }

 private:
  std::vector<std::string>* log_;
};

TEST(Component, OwnerFreesOwnedComponentsLastInsertedFirst) {
  std::vector<std::string> log;
  auto* root = new Tracked(nullptr, "Root", &log);
  auto* a = new Tracked(root, "A", &log);
  new Tracked(root, "B", &log);
  new Tracked(a, "A1", &log);  // owned by A: freed when A is
  new Tracked(root, "C", &log);
  EXPECT_EQ(root->ComponentCount(), 3);
  EXPECT_EQ(root->FindComponent("B")->Owner(), root);
  EXPECT_EQ(root->FindComponent("A1"), nullptr);  // only directly owned ones are found
  delete root;
  // Each entry is written when a destructor starts: the owner's own first, then its
  // components, the last inserted first, each with what it owns.
  EXPECT_EQ(log, (std::vector<std::string>{"Root", "C", "B", "A", "A1"}));
}

TEST(Component, DeletingOwnedComponentRemovesItFromItsOwner) {
  std::vector<std::string> log;
  Tracked root(nullptr, "Root", &log);
  auto* a = new Tracked(&root, "A", &log);
  new Tracked(&root, "B", &log);
  delete a;
  ASSERT_EQ(root.ComponentCount(), 1);
  EXPECT_EQ(root.Components(0)->Name(), "B");
  EXPECT_EQ(root.FindComponent("A"), nullptr);
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwner) {
  std::vector<std::string> log;
  Tracked root(nullptr, "Root", &log);
  auto* a = new Tracked(&root, "A", &log);
  EXPECT_THROW(new Tracked(&root, "A", &log), EComponentError);
  EXPECT_THROW(a->SetName("1st"), EComponentError);
  EXPECT_THROW(a->SetName("with space"), EComponentError);
  EXPECT_EQ(a->Name(), "A");
  a->SetName("");  // unnamed is allowed, also many times
  new Tracked(&root, "", &log);
  a->SetName("_ok9");
  EXPECT_EQ(root.FindComponent("_ok9"), a);
  // The constructor that threw took its half-made component out of the owner again.
  EXPECT_EQ(root.ComponentCount(), 2);
}

TEST(Component, ChangeOwnerMovesBetweenOwnersAndRefusesNameClashes) {
  std::vector<std::string> log;
  {
    Tracked first(nullptr, "First", &log);
    Tracked second(nullptr, "Second", &log);
    auto* a = new Tracked(&first, "A", &log);
    a->ChangeOwner(&second);
    EXPECT_EQ(first.ComponentCount(), 0);
    EXPECT_EQ(second.FindComponent("A"), a);
    new Tracked(&first, "B", &log);
    auto* b2 = new Tracked(&second, "B", &log);
    EXPECT_THROW(b2->ChangeOwner(&first), EComponentError);
    EXPECT_EQ(b2->Owner(), &second);
    EXPECT_THROW(second.ChangeOwner(a), EComponentError);  // would own itself through A
  }
  std::sort(log.begin(), log.end());
  EXPECT_EQ(log, (std::vector<std::string>{"A", "B", "B", "First", "Second"}));
}

TEST(Component, LoadingStateEndsWithLoaded) {
  TComponent c(nullptr);
  EXPECT_FALSE(c.IsLoading());
  c.BeginLoading();
  EXPECT_TRUE(c.IsLoading());
  EXPECT_TRUE(c.ComponentState().Contains(TComponentStateItem::csLoading));
  c.Loaded();
  EXPECT_FALSE(c.IsLoading());
  c.SetDesigning(true);
  EXPECT_TRUE(c.IsDesigning());
}

TEST(Component, FreeNotificationTellsTheSurvivor) {
  std::vector<std::string> log;
  Tracked watcher(nullptr, "Watcher", &log);
  auto* watched = new Tracked(nullptr, "Watched", &log);
  watcher.FreeNotification(watched);
  delete watched;
  EXPECT_EQ(log, (std::vector<std::string>{"Watched", "Watcher heard Watched"}));
  log.clear();
  // The link is gone: destroying the watcher tells nobody.
  auto* other = new Tracked(nullptr, "Other", &log);
  other->FreeNotification(&watcher);
  other->RemoveFreeNotification(&watcher);
  delete other;
  EXPECT_EQ(log, (std::vector<std::string>{"Other"}));
}

TEST(Component, EventBindingsAreRecordedByEventName) {
  TComponent c(nullptr);
  EXPECT_EQ(c.EventBinding("OnClick"), "");
  c.SetEventBinding("OnClick", "ButStartClick");
  c.SetEventBinding("OnResize", "FormResize");
  EXPECT_EQ(c.EventBinding("OnClick"), "ButStartClick");
  c.SetEventBinding("OnClick", "");
  EXPECT_EQ(c.EventBinding("OnClick"), "");
  EXPECT_EQ(c.EventBinding("OnResize"), "FormResize");
}

}  // namespace
}  // namespace kurvex
