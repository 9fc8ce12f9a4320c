// The speed-test window shown through Qt (offscreen): the widgets take the stored places,
// and a click on the real "Start" button runs the test and updates the shown labels.

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

#include "app/form1.h"
#include "app_test_support.h"
#include "qt/qt_test_support.h"

namespace kurvex {
namespace {

const ::testing::Environment* const qt_environment =
    ::testing::AddGlobalTestEnvironment(new test::QtEnvironment);

class QtForm : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TForm1>(nullptr);
    Application().SetMainForm(form_.get());
    form_->Show();
    Application().ProcessMessages();
  }
  void TearDown() override { form_.reset(); }

  template <class W>
  W* WidgetOf(const TControl& control) {
    return dynamic_cast<W*>(host_->WidgetOf(control));
  }

  test::QtHostScope host_;
  std::unique_ptr<TForm1> form_;
};

TEST_F(QtForm, WidgetsTakeTheStoredPlaces) {
  QWidget* window = host_->WidgetOf(*form_);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->windowTitle().toStdString(), "Testing the drawing speed of KURVEX");
  EXPECT_EQ(window->size(), QSize(560, 466)) << "the client area inside the 568 x 499 frame";
  QWidget* chart = host_->WidgetOf(*form_->Kurvex1);
  ASSERT_NE(chart, nullptr);
  EXPECT_EQ(chart->geometry(), QRect(0, 81, 560, 385));
  auto* start = WidgetOf<QPushButton>(*form_->ButStart);
  ASSERT_NE(start, nullptr);
  EXPECT_EQ(start->text().toStdString(), "Start");
  EXPECT_EQ(start->geometry(), QRect(104, 6, 89, 29));
  auto* bar = WidgetOf<QScrollBar>(*form_->ScrollBar1);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->value(), 6);
  EXPECT_EQ(bar->minimum(), 1);
  EXPECT_EQ(bar->maximum(), 13);
  auto* pan = WidgetOf<QRadioButton>(*form_->RBPan);
  ASSERT_NE(pan, nullptr);
  EXPECT_TRUE(pan->isChecked());
  auto* total = WidgetOf<QLabel>(*form_->LblT2);
  ASSERT_NE(total, nullptr);
  EXPECT_EQ(total->text().toStdString(), "Total drawing time: ----");
}

TEST_F(QtForm, RealWidgetsDriveTheSpeedTest) {
  WidgetOf<QScrollBar>(*form_->ScrollBar1)->setValue(4);
  EXPECT_EQ(form_->NLabDatPoi->Value(), 1000.0);
  WidgetOf<QPushButton>(*form_->ButStart)->click();
  Application().ProcessMessages();
  EXPECT_EQ(form_->Kurvex1->ItemCount(), 1001u);
  const std::string shown = WidgetOf<QLabel>(*form_->LblT1)->text().toStdString();
  EXPECT_TRUE(test::IsTimeCaption(shown, "Time to draw internally: ")) << shown;
  WidgetOf<QRadioButton>(*form_->RBZoom)->click();
  EXPECT_EQ(form_->Kurvex1->MouseAction(), TMouseActMode::maZoomWindPos);
}

TEST_F(QtForm, ExitEndsTheMessageLoopWithExitCodeZero) {
  QTimer::singleShot(0, [this] { WidgetOf<QPushButton>(*form_->ButExit)->click(); });
  EXPECT_EQ(Application().Run(), 0);
  EXPECT_FALSE(form_->Visible());
}

}  // namespace
}  // namespace kurvex
