// Bounds at the ends of the int range: positions and sizes are clamped, and a surface that
// cannot be allocated leaves the control as it was.

#include <gtest/gtest.h>

#include <limits>
#include <new>

#include "platform/control.h"
#include "platform/std_controls.h"
#include "test_support.h"

namespace kurvex {
namespace {

using test::HostScope;

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

TEST(ControlBounds, ExtremeValuesAreClampedAndTheSurfaceFollows) {
  HostScope host;
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(0, 0, kIntMax, 41);
  EXPECT_EQ(panel->Width(), kMaxControlExtent);
  EXPECT_EQ(panel->Surface().Width(), kMaxControlExtent);
  EXPECT_EQ(panel->Surface().Height(), 41);
  panel->SetBounds(kIntMax - 5, kIntMin, 30, kIntMin);
  EXPECT_EQ(panel->Left(), kMaxControlOffset);
  EXPECT_EQ(panel->Top(), -kMaxControlOffset);
  EXPECT_EQ(panel->Height(), 0);
  EXPECT_EQ(panel->BoundsRect().Right, kMaxControlOffset + 30);
  // A control placed that far away is simply not seen.
  form.Refresh();
  panel->SetLeft(kIntMin);
  EXPECT_EQ(panel->Left(), -kMaxControlOffset);
}

// A control whose surface cannot grow past 100 pixels wide.
class Starved : public TCustomControl {
 public:
  explicit Starved(TComponent* owner) : TCustomControl(owner) {}
  void SizeChanged() override {
    if (Width() > 100) throw std::bad_alloc();
    TCustomControl::SizeChanged();
  }
  int resizes = 0;
  void Resize() override { ++resizes; }
};

TEST(ControlBounds, ASurfaceThatCannotBeHadLeavesTheOldBounds) {
  HostScope host;
  Starved c(nullptr);
  c.SetBounds(1, 2, 50, 60);
  const int resizes = c.resizes;
  EXPECT_NO_THROW(c.SetBounds(5, 6, 5000, 70));
  EXPECT_EQ(c.Left(), 1);
  EXPECT_EQ(c.Top(), 2);
  EXPECT_EQ(c.Width(), 50);
  EXPECT_EQ(c.Height(), 60);
  EXPECT_EQ(c.Surface().Width(), 50);
  EXPECT_EQ(c.Surface().Height(), 60);
  EXPECT_EQ(c.resizes, resizes);
}

}  // namespace
}  // namespace kurvex
