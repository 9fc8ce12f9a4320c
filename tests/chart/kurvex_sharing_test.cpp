// Charts that share one main list: propagation, the refusals, leaving, destruction.

#include <gtest/gtest.h>

#include <memory>

#include "chart/model/kurvex.h"
#include "chart_test_support.h"

namespace kurvex {
namespace {

using test::TakeMessages;

class Sharing : public ::testing::Test {
 protected:
  void SetUp() override { TakeMessages(); }
};

TEST_F(Sharing, UserSeesTheOwnersItemsAndTheirBookkeeping) {
  TKurvex a(nullptr), b(nullptr);
  a.MoveToPoint(0, 0);
  b.SetUseDataOf(&a);
  EXPECT_EQ(b.UseDataOf(), &a);
  EXPECT_EQ(b.ItemCount(), 1u);
  a.LineToPoint(1, 1.0);
  a.RefreshChart();
  EXPECT_EQ(b.ItemCount(), 2u);
  EXPECT_EQ(b.Item(1).Y1, 1.0);
  EXPECT_EQ(b.LastDrawnIndex(), 1);
  EXPECT_EQ(b.KindCount(ItemKind::LineTo), 1);
  // Appending through the user reaches the owner as well.
  b.LineToPoint(2, 2.0);
  EXPECT_EQ(a.ItemCount(), 3u);
  EXPECT_EQ(a.ItemCapacity(), b.ItemCapacity());
  b.ClearItems();
  EXPECT_EQ(a.ItemCount(), 0u);
  EXPECT_EQ(a.ItemCapacity(), 0u);
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(Sharing, SharingIsOneLevelDeep) {
  TKurvex a(nullptr), b(nullptr), c(nullptr);
  b.SetUseDataOf(&a);
  c.SetUseDataOf(&b);
  EXPECT_EQ(c.UseDataOf(), &a);
  EXPECT_EQ(a.DataUserCount(), 2);
  EXPECT_EQ(b.DataUserCount(), 0);
}

TEST_F(Sharing, RefusalsShowTheirMessagesAndChangeNothing) {
  TKurvex a(nullptr), b(nullptr), c(nullptr);
  a.SetUseDataOf(&a);
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"Kurvex: Cannot share data with myself"});
  EXPECT_EQ(a.UseDataOf(), nullptr);

  b.SetUseDataOf(&a);
  a.SetUseDataOf(&c);
  EXPECT_EQ(TakeMessages(),
            std::vector<std::string>{"Kurvex: Cannot use foreign data. Other Kurvexs are using my own data."});
  EXPECT_EQ(a.UseDataOf(), nullptr);

  std::vector<std::unique_ptr<TKurvex>> more;
  for (int i = 0; i < 3; ++i) {
    more.push_back(std::make_unique<TKurvex>(nullptr));
    more.back()->SetUseDataOf(&a);
  }
  EXPECT_EQ(a.DataUserCount(), 4);
  c.SetUseDataOf(&a);
  EXPECT_EQ(TakeMessages(), std::vector<std::string>{"Kurvex: Max. number of data shares exceeded"});
  EXPECT_EQ(c.UseDataOf(), nullptr);
  EXPECT_EQ(a.DataUserCount(), 4);
  // Asking again for the owner one already has is not a new share.
  b.SetUseDataOf(&a);
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(Sharing, LeavingKeepsAPrivateCopy) {
  TKurvex a(nullptr), b(nullptr), c(nullptr);
  a.MoveToPoint(0, 0);
  a.LineToPoint(1, 1.0);
  b.SetUseDataOf(&a);
  c.SetUseDataOf(&a);
  b.SetUseDataOf(nullptr);
  EXPECT_EQ(a.DataUserCount(), 1);
  EXPECT_EQ(a.DataUser(0), &c);
  EXPECT_EQ(b.ItemCount(), 2u);
  a.LineToPoint(2, 2.0);
  EXPECT_EQ(b.ItemCount(), 2u);
  b.LineToPoint(5, 5.0);
  EXPECT_EQ(a.ItemCount(), 3u);
  EXPECT_EQ(b.Item(2).X1, 5.0);
  a.ClearItems();
  EXPECT_EQ(b.ItemCount(), 3u);
  EXPECT_EQ(b.Item(1).X1, 1.0);
}

TEST_F(Sharing, DestroyingAnOwnerOrAUserLeavesNoDanglingReference) {
  auto a = std::make_unique<TKurvex>(nullptr);
  auto b = std::make_unique<TKurvex>(nullptr);
  auto c = std::make_unique<TKurvex>(nullptr);
  a->MoveToPoint(3, 3);
  b->SetUseDataOf(a.get());
  c->SetUseDataOf(a.get());
  a.reset();
  EXPECT_EQ(b->UseDataOf(), nullptr);
  EXPECT_EQ(c->UseDataOf(), nullptr);
  EXPECT_EQ(b->ItemCount(), 1u);
  b->LineToPoint(4, 4.0);  // the two former users no longer share
  EXPECT_EQ(c->ItemCount(), 1u);
  b->RefreshChart();

  auto d = std::make_unique<TKurvex>(nullptr);
  c->SetUseDataOf(d.get());
  c.reset();
  EXPECT_EQ(d->DataUserCount(), 0);
  d->RefreshChart();
}

}  // namespace
}  // namespace kurvex
