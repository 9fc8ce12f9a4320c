// Every published integer property of every registered class, and of the sub-objects it
// publishes, set to the ends of the int range and to -1 and 0, each followed by a paint.
// Run in the sanitizer build, an overflow or an out-of-bounds access anywhere in a setter
// or in painting stops the test. Classes and properties come from the registry, so new
// ones are swept without a change here.

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>

#include "chart/model/chart_registry.h"
#include "common/errors.h"
#include "numlab/numlab.h"
#include "platform/application.h"
#include "platform/component.h"
#include "platform/control.h"
#include "platform/headless_host.h"
#include "platform/properties.h"
#include "platform/std_controls.h"
#include "scale/scale_registry.h"

namespace kurvex {
namespace {

constexpr int kExtremes[] = {INT_MIN, -1, 0, INT_MAX};

class SweepContext : public LayoutContext {
 public:
  explicit SweepContext(TComponent& root) : root_(root) {}
  TComponent& Root() override { return root_; }
  void ResolveLater(const std::string&, std::function<void(TComponent&)>) override {}

 private:
  TComponent& root_;
};

class Sweep {
 public:
  Sweep(TForm& form, TControl* control) : form_(form), control_(control), context_(form) {}

  void Object(TPersistent& object, const std::string& path, int depth = 0) {
    const ClassInfo* info = FindClass(object.ClassName());
    if (info == nullptr || depth > 4) return;
    for (const PropertyInfo* p : info->Properties()) {
      if (p->kind == PropertyKind::Object) {
        Object(p->object(object), path + "." + p->name, depth + 1);
      } else if (p->kind == PropertyKind::Integer) {
        Property(object, *p, path + "." + p->name);
      }
    }
  }

  int Settings() const { return settings_; }

 private:
  void Property(TPersistent& object, const PropertyInfo& p, const std::string& path) {
    const Json original = p.write(object);
    for (const int v : kExtremes) {
      SCOPED_TRACE(path + " = " + std::to_string(v));
      Set(object, p, Json(v));
      Paint();
    }
    SCOPED_TRACE(path + " back to " + original.dump());
    Set(object, p, original);
  }

  // A value may be refused with one of the library's documented errors; nothing else
  // may come out of a setter.
  void Set(TPersistent& object, const PropertyInfo& p, const Json& value) {
    ++settings_;
    try {
      p.read(object, value, context_);
    } catch (const EPropertyValue&) {
    } catch (const EKPXError&) {
    } catch (const EComponentError&) {
    } catch (const std::exception& e) {
      ADD_FAILURE() << "unexpected " << typeid(e).name() << ": " << e.what();
    }
  }

  void Paint() {
    try {
      form_.Refresh();
      if (control_ != nullptr) control_->Refresh();
    } catch (const EKPXError&) {
      // A logarithmic range that a value made invalid is reported while painting.
    }
  }

  TForm& form_;
  TControl* control_;
  SweepContext context_;
  int settings_ = 0;
};

TEST(PropertySweep, ExtremeIntegersInEveryPublishedPropertyThenAPaint) {
  Application().SetHost(std::make_unique<HeadlessHost>());
  RegisterChartClasses();
  RegisterScaleClasses();
  RegisterNumLabClasses();
  int classes = 0;
  int settings = 0;
  for (const ClassInfo* info : RegisteredClasses()) {
    if (!info->CanCreate()) continue;
    SCOPED_TRACE(info->Name());
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    form.HandleNeeded();
    TComponent* made = info->Create(&form);
    auto* control = dynamic_cast<TControl*>(made);
    if (control != nullptr && control != &form) control->SetParent(&form);
    Sweep sweep(form, control);
    sweep.Object(*made, info->Name());
    ++classes;
    settings += sweep.Settings();
  }
  Application().SetHost(nullptr);
  EXPECT_GE(classes, 10);
  EXPECT_GT(settings, 400);
}

}  // namespace
}  // namespace kurvex
