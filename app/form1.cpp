#include "app/form1.h"

#include "app/speed_test.h"
#include "chart/model/chart_registry.h"
#include "common/numeric.h"
#include "platform/layout.h"
#include "platform/properties.h"
#include "platform/resources.h"

namespace kurvex {

void RegisterForm1Classes() {
  static const bool registered = [] {
    RegisterPlatformClasses();
    RegisterNumLabClasses();
    RegisterChartClasses();
    // No factory: the form reads its own layout and is never created by one.
    auto f = RegisterClass<TForm1>("TForm1", "TForm", nullptr);
    f.Method("ButStartClick", &TForm1::ButStartClick);
    f.Method("ScrollBar1Change", &TForm1::ScrollBar1Change);
    f.Method("RBZoomClick", &TForm1::RBZoomClick);
    f.Method("RBPanClick", &TForm1::RBPanClick);
    f.Method("ButExitClick", &TForm1::ButExitClick);
    f.Field("Panel1", &TForm1::Panel1);
    f.Field("ButExit", &TForm1::ButExit);
    f.Field("ButStart", &TForm1::ButStart);
    f.Field("GroupBox1", &TForm1::GroupBox1);
    f.Field("RBZoom", &TForm1::RBZoom);
    f.Field("RBPan", &TForm1::RBPan);
    f.Field("Label1", &TForm1::Label1);
    f.Field("NLabDatPoi", &TForm1::NLabDatPoi);
    f.Field("ScrollBar1", &TForm1::ScrollBar1);
    f.Field("LblT2", &TForm1::LblT2);
    f.Field("LblT1", &TForm1::LblT1);
    f.Field("Kurvex1", &TForm1::Kurvex1);
    return true;
  }();
  (void)registered;
}

namespace {

const std::string& StoredLayout() {
  const std::string* layout = FindResource(kForm1Layout);
  if (layout == nullptr) throw EResourceError(std::string("the stored layout ") + kForm1Layout + " is missing");
  return *layout;
}

}  // namespace

TForm1::TForm1(TComponent* AOwner) : TForm1(AOwner, StoredLayout(), kForm1Layout) {}

TForm1::TForm1(TComponent* AOwner, std::string_view layout, std::string_view source) : TForm(AOwner) {
  RegisterForm1Classes();
  ReadLayoutInto(*this, layout, source);
}

void TForm1::ButStartClick(TObject*) {
  const int n = RoundToInt(NLabDatPoi->Value());
  const SpeedTestTimes times = RunSpeedTest(*Kurvex1, n);
  LblT1->SetCaption(BuildTimeCaption(times.build_seconds));
  LblT2->SetCaption(TotalTimeCaption(times.total_seconds));
}

void TForm1::ScrollBar1Change(TObject*) {
  const int count = PointCountAt(ScrollBar1->Position());
  Kurvex1->ClearItems();
  NLabDatPoi->SetValue(count);
  Kurvex1->Scale1X().SetRangeHigh(count);
  Kurvex1->RefreshChart();
}

void TForm1::RBZoomClick(TObject*) { Kurvex1->SetMouseAction(TMouseActMode::maZoomWindPos); }

void TForm1::RBPanClick(TObject*) { Kurvex1->SetMouseAction(TMouseActMode::maPan); }

void TForm1::ButExitClick(TObject*) { Close(); }

}  // namespace kurvex
