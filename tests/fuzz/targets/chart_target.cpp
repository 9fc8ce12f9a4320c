// A byte stream decoded into chart commands: drawing commands and raw item records, range
// changes, published property changes (through the registry, with any value), sharing
// between two charts, and painting, with a final paint of both.

#include <memory>
#include <string>
#include <vector>

#include "chart/model/kurvex.h"
#include "common/errors.h"
#include "fuzz/targets/fuzz_input.h"
#include "fuzz/targets/fuzz_targets.h"
#include "platform/properties.h"
#include "platform/std_controls.h"

namespace kurvex::fuzz {

namespace {

class NoLayout : public LayoutContext {
 public:
  explicit NoLayout(TComponent& root) : root_(root) {}
  TComponent& Root() override { return root_; }
  void ResolveLater(const std::string&, std::function<void(TComponent&)>) override {}

 private:
  TComponent& root_;
};

// Sizes are kept small enough for a fuzzer's memory limit; the bounds of a control are
// tested at their extremes elsewhere.
bool IsSize(const std::string& name) {
  return name == "Width" || name == "Height" || name.rfind("Margin", 0) == 0 || name.find("Rim") != std::string::npos;
}

Json AnyValue(FuzzInput& in, const PropertyInfo& p) {
  switch (p.kind) {
    case PropertyKind::Double: return Json(in.Double());
    case PropertyKind::Boolean: return Json(in.Flag());
    default: return IsSize(p.name) ? Json(in.Int() % 700) : Json(in.Int());
  }
}

// Sets one published value of the chart or of one of its sub-objects.
void SetProperty(FuzzInput& in, TKurvex& chart, NoLayout& context) {
  TPersistent* object = &chart;
  for (int depth = 0; depth < 3; ++depth) {
    const ClassInfo* info = FindClass(object->ClassName());
    if (info == nullptr) return;
    const std::vector<const PropertyInfo*> all = info->Properties();
    if (all.empty()) return;
    const PropertyInfo* p = all[in.Byte() % all.size()];
    if (p->kind == PropertyKind::Object) {
      object = &p->object(*object);
      continue;
    }
    if (p->kind != PropertyKind::Integer && p->kind != PropertyKind::Double && p->kind != PropertyKind::Boolean &&
        p->kind != PropertyKind::Color) {
      return;
    }
    p->read(*object, AnyValue(in, *p), context);
    return;
  }
}

TkxChartItem AnyItem(FuzzInput& in) {
  TkxChartItem it;
  it.Kind = in.Byte() % 24;
  it.Layer = in.Byte() % 4 == 0 ? in.Int() : 1 + in.Byte() % 16;
  it.X1 = in.Double();
  it.Y1 = in.Double();
  it.X2 = in.Double();
  it.Y2 = in.Double();
  it.Color = in.Raw<TColor>();
  it.FillColor = in.Raw<TColor>();
  it.PenStyle = static_cast<TPenStyle>(in.Byte() % 7);
  it.LineWidth = in.Byte() % 4 == 0 ? in.Int() : in.Byte() % 8;
  it.ClassNo = in.Byte();
  it.Hollow = in.Flag();
  it.FrameStyle = in.Byte() % 8;
  it.ShortText.Set(in.Text(20));
  it.Param1 = in.Int();
  it.Param2 = in.Int();
  it.MarkType = in.Int();
  it.CoordMode = in.Byte() % 8;
  return it;
}

void RunCommand(FuzzInput& in, std::vector<TKurvex*>& charts, NoLayout& context) {
  TKurvex& chart = *charts[in.Byte() % charts.size()];
  switch (in.Byte() % 16) {
    case 0: chart.MoveToPoint(in.Double(), in.Double()); break;
    case 1: chart.LineToPoint(in.Double(), in.Double()); break;
    case 2: chart.LineToPoint(in.Int(), in.Int()); break;
    case 3:
    case 4: chart.AppendItem(AnyItem(in)); break;
    case 5: chart.SetLayerRange(in.Int() % 18, in.Double(), in.Double(), in.Double(), in.Double()); break;
    case 6:
    case 7: SetProperty(in, chart, context); break;
    case 8: chart.SetUseDataOf(in.Flag() ? nullptr : charts[in.Byte() % charts.size()]); break;
    case 9: chart.SetCurrentLayer(in.Int() % 18); break;
    case 10: chart.SetAnnotationMode(in.Flag()); break;
    case 11: chart.ClearItems(); break;
    case 12: chart.RefreshChart(); break;
    case 13: chart.SetBounds(in.Int(), in.Int(), in.Int() % 700, in.Int() % 500); break;
    case 14: chart.SetLongText(in.Int() % 60, in.Text()); break;
    default: chart.Paint(); break;
  }
}

}  // namespace

void FuzzChart(const std::uint8_t* data, std::size_t size) {
  SetUpOnce();
  FuzzInput in(data, size);
  TForm form(nullptr);
  form.SetBounds(0, 0, 500, 400);
  std::vector<TKurvex*> charts;
  for (int i = 0; i < 2; ++i) {
    auto* chart = new TKurvex(&form);
    chart->SetParent(&form);
    chart->SetBounds(10 * i, 10 * i, 200 + 50 * i, 150 + 30 * i);
    charts.push_back(chart);
  }
  NoLayout context(form);
  for (int step = 0; step < 200 && !in.Empty(); ++step) {
    try {
      RunCommand(in, charts, context);
    } catch (const EKPXError&) {
    } catch (const EPropertyValue&) {
    }
  }
  for (TKurvex* chart : charts) {
    try {
      chart->Paint();
    } catch (const EKPXError&) {
    }
  }
}

}  // namespace kurvex::fuzz
