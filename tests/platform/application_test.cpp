#include <gtest/gtest.h>

#include <cmath>

#include "platform/application.h"
#include "platform/std_controls.h"
#include "test_support.h"

namespace kurvex {
namespace {

using test::HostScope;

TEST(TimeOfDay, IsAFractionOfADayThatNeverGoesBack) {
  const double first = TimeOfDay();
  EXPECT_GE(first, 0.0);
  EXPECT_LT(first, 1.0 + 1.0 / 24);  // a test run does not last an hour
  double last = first;
  for (int i = 0; i < 1000; ++i) {
    const double now = TimeOfDay();
    ASSERT_GE(now, last);
    last = now;
  }
  // Readings differ by elapsed time: far less than a second here.
  EXPECT_LT((last - first) * 86400, 1.0);
}

TEST(Application, MessageBoxGoesToTheHostWithOneCaptionAndText) {
  HostScope host;
  Application().MessageBox("Kurvex: Cannot share data with myself");
  ASSERT_EQ(host->MessageBoxes().size(), 1u);
  EXPECT_EQ(host->MessageBoxes()[0].caption, "Information");
  EXPECT_EQ(host->MessageBoxes()[0].text, "Kurvex: Cannot share data with myself");
}

TEST(Application, ShowExceptionUsesOnExceptionWhenSetElseAMessageBox) {
  HostScope host;
  EXPECT_FALSE(Application().Guard([] { throw std::runtime_error("bad range"); }));
  ASSERT_EQ(host->MessageBoxes().size(), 1u);
  EXPECT_EQ(host->MessageBoxes()[0].caption, Application().Title());
  EXPECT_EQ(host->MessageBoxes()[0].text, "bad range");
  std::string seen;
  Application().OnException = [&](const std::exception& e) { seen = e.what(); };
  EXPECT_FALSE(Application().Guard([] { throw 42; }));
  EXPECT_EQ(seen, "Unknown error");
  EXPECT_TRUE(Application().Guard([] {}));
  EXPECT_EQ(host->MessageBoxes().size(), 1u);
}

TEST(Application, RunShowsTheMainFormAndPaintsIt) {
  HostScope host;
  TForm form(nullptr);
  form.SetBounds(0, 0, 100, 80);
  form.SetColor(clTeal);
  Application().SetMainForm(&form);
  EXPECT_EQ(Application().Run(), 0);
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(host->ShownPixel(form, 5, 5), clTeal);
}

TEST(Application, MainFormForgetsAFormThatIsDestroyed) {
  HostScope host;
  auto* form = new TForm(nullptr);
  Application().SetMainForm(form);
  delete form;
  EXPECT_EQ(Application().MainForm(), nullptr);
}

TEST(Screen, CursorChangesReachTheHostAndTheTableKeepsImages) {
  HostScope host;
  Screen().SetCursor(crCross);
  EXPECT_EQ(host->ScreenCursor(), crCross);
  Screen().SetCursor(crDefault);
  EXPECT_EQ(host->ScreenCursor(), crDefault);
  CursorImage image;
  image.hot_x = 12;
  image.pixels[5] = 1;
  Screen().SetCursorImage(1, image);
  ASSERT_NE(Screen().CursorImageOf(1), nullptr);
  EXPECT_EQ(Screen().CursorImageOf(1)->hot_x, 12);
  EXPECT_EQ(Screen().CursorImageOf(1)->At(5, 0), 1);
  EXPECT_EQ(Screen().CursorImageOf(7), nullptr);
}

}  // namespace
}  // namespace kurvex
