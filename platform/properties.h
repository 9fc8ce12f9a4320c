#pragma once
// Published properties: one registry of classes, each with its published properties
// (name, type, getter, setter, declared default), its parent class, a factory, and for
// form classes a method table (event handlers bound by name) and fields (component
// pointers filled in by name). Stored layouts (platform/layout.h) are read and written
// through it: every value goes through the same setter that C++ code calls.
//
// Registering a class (call once from an explicit registration function; repeating it is
// harmless: a property registered again under the same name replaces the old entry):
//
//   void RegisterNumLabClasses() {
//     RegisterPlatformClasses();  // parents first
//     auto c = RegisterClass<TNumLab>("TNumLab", "TGraphicControl");
//     c.Integer("LeftSpace", &TNumLab::LeftSpace, &TNumLab::SetLeftSpace, 35);
//     c.Enum<TDisplay>("DisplayType", &TNumLab::DisplayType, &TNumLab::SetDisplayType, TDisplay::dtFixP);
//     c.Object("ExtraFont", [](TNumLab& l) -> TPersistent& { return l.ExtraFont(); });
//     c.Event("OnBeforeDisplay", &TNumLab::OnBeforeDisplay);
//   }
//
// A form class that reads its own layout publishes its handlers and component fields:
//
//   auto f = RegisterClass<TForm1>("TForm1", "TForm", nullptr);  // no factory: never created by a layout
//   f.Method("ButStartClick", &TForm1::ButStartClick);  // void (TForm1::*)(TObject*)
//   f.Field("ButStart", &TForm1::ButStart);             // TButton* TForm1::*
//
// Getters are member functions or callables taking `const T&`; setters are member
// functions or callables taking `T&` and the value. The value type is the getter's result
// type: an Integer property of a Byte getter accepts 0..255 only. Properties without a
// declared default are always written. Classes inherit their parent's properties; a class
// may register an inherited name again (e.g. another default), which replaces it in place.

#include <any>
#include <cmath>
#include <concepts>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "common/color.h"
#include "common/enum_names.h"
#include "common/enum_set.h"
#include "common/persistent.h"
#include "platform/component.h"

namespace kurvex {

// JSON with the members in the order they were written.
using Json = nlohmann::ordered_json;

// A value that a property cannot take (wrong type, out of range, unknown member...). The
// message says what was expected; the layout reader adds the file and the path.
class EPropertyValue : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What property readers need from the layout being read.
class LayoutContext {
 public:
  virtual ~LayoutContext() = default;
  // The component whose class publishes the event handlers (the layout's root).
  virtual TComponent& Root() = 0;
  // Calls `resolve` with the component named `name` once the whole tree exists. An
  // unknown name is reported by the reader; `resolve` may raise EPropertyValue.
  virtual void ResolveLater(const std::string& name, std::function<void(TComponent&)> resolve) = 0;
};

enum class PropertyKind : std::uint8_t { Integer, Double, Boolean, String, Color, Cursor, Enum, Set, Object, Component, Event };

struct PropertyInfo {
  std::string name;
  PropertyKind kind = PropertyKind::Integer;
  std::string type_name;  // for messages: "Integer", "TAlign", "TFont", ...
  bool stored = true;
  std::function<bool(const TPersistent&)> stored_when;  // an extra condition, when set
  bool write_all = false;  // Object kind: write every value, defaults included
  std::optional<Json> default_value;                    // as written in a layout
  // Value kinds: the current value as layout JSON, and setting a value from layout JSON.
  std::function<Json(const TPersistent&)> write;
  std::function<void(TPersistent&, const Json&, LayoutContext&)> read;
  // Object kind: the owned sub-object (its class's properties are nested).
  std::function<TPersistent&(TPersistent&)> object;

  bool IsStored(const TPersistent& obj) const { return stored && (!stored_when || stored_when(obj)); }
};

// A handler a form class publishes: `make` binds it to a root object, giving a
// std::function of the handler's signature in a std::any.
struct MethodInfo {
  std::string name;
  std::type_index signature = typeid(void);
  std::string signature_text;
  std::function<std::any(TComponent& root)> make;
};

// A component pointer of a form class, filled in with the component of that name.
struct FieldInfo {
  std::string name;
  std::string type_name;
  std::function<bool(TComponent& root, TComponent* component)> assign;  // false: wrong class
};

using ComponentFactory = std::function<TComponent*(TComponent* owner)>;

class ClassInfo {
 public:
  ClassInfo(std::string name, std::string parent) : name_(std::move(name)), parent_(std::move(parent)) {}

  const std::string& Name() const { return name_; }
  const std::string& ParentName() const { return parent_; }
  // The registered parent class; nullptr for a root class. Raises std::logic_error when
  // the parent was named but never registered.
  const ClassInfo* Parent() const;
  bool InheritsFrom(std::string_view name) const;

  bool CanCreate() const { return static_cast<bool>(factory_); }
  TComponent* Create(TComponent* owner) const { return factory_(owner); }

  // All properties, inherited ones first, in registration order.
  std::vector<const PropertyInfo*> Properties() const;
  const PropertyInfo* FindProperty(std::string_view name) const;
  const MethodInfo* FindMethod(std::string_view name) const;
  std::vector<const FieldInfo*> Fields() const;

  // Registration (through ClassRegistration).
  void SetParent(std::string parent) { parent_ = std::move(parent); }
  void SetFactory(ComponentFactory factory) { factory_ = std::move(factory); }
  PropertyInfo& AddProperty(PropertyInfo info);
  void AddMethod(MethodInfo info);
  void AddField(FieldInfo info);

 private:
  std::string name_;
  std::string parent_;
  ComponentFactory factory_;
  std::vector<std::unique_ptr<PropertyInfo>> properties_;
  std::vector<MethodInfo> methods_;
  std::vector<FieldInfo> fields_;
};

// The class registered under a name, or nullptr.
const ClassInfo* FindClass(std::string_view name);
// Every registered class, by name.
std::vector<const ClassInfo*> RegisteredClasses();
// The registered class of an object (by its ClassName); raises EPropertyValue when the
// class is not registered.
const ClassInfo& ClassOf(const TPersistent& object);
// Registers a class (or returns the existing entry, with parent and factory updated).
ClassInfo& RegisterClassInfo(const std::string& name, const std::string& parent, ComponentFactory factory);

// Registers TFont, TComponent, the control classes and the standard controls.
// Idempotent; call it before registering subclasses.
void RegisterPlatformClasses();

// ---- Helpers of the typed registration below -------------------------------------------

namespace props {

std::string Describe(const Json& value);  // a short text of a JSON value, for messages
[[noreturn]] void Expected(const std::string& what, const Json& got);

std::int64_t ReadInteger(const Json& v, std::int64_t lo, std::int64_t hi);
double ReadDouble(const Json& v);
Json WriteDouble(double d);  // non-finite values as "NaN", "Infinity", "-Infinity"
bool ReadBoolean(const Json& v);
std::string ReadString(const Json& v);
TColor ReadColor(const Json& v);
Json WriteColor(TColor c);  // a cl name when there is one, else the number
int ReadCursor(const Json& v);
Json WriteCursor(int cursor);
std::size_t ReadEnum(const Json& v, std::span<const std::string_view> names, std::string_view type_name);
std::uint32_t ReadSet(const Json& v, std::span<const std::string_view> names, std::string_view type_name);
Json WriteSet(std::uint32_t bits, std::span<const std::string_view> names);
std::string Demangle(const char* mangled);
[[noreturn]] void WrongClass(const TPersistent& object, const char* wanted);

template <class T>
T& As(TPersistent& object) {
  auto* t = dynamic_cast<T*>(&object);
  if (t == nullptr) WrongClass(object, typeid(T).name());
  return *t;
}

template <class T>
const T& As(const TPersistent& object) {
  return As<T>(const_cast<TPersistent&>(object));
}

template <class G, class T>
using ValueOf = std::remove_cvref_t<std::invoke_result_t<const G&, const T&>>;

}  // namespace props

template <class T>
class PropertyRef {
 public:
  explicit PropertyRef(PropertyInfo& info) : info_(&info) {}
  // Never written to a stored layout (still read).
  PropertyRef& NotStored() {
    info_->stored = false;
    return *this;
  }
  // Written only while pred holds (and the value differs from the default).
  PropertyRef& StoredWhen(std::function<bool(const T&)> pred) {
    info_->stored_when = [pred = std::move(pred)](const TPersistent& o) { return pred(props::As<T>(o)); };
    return *this;
  }
  // Object properties: write every value of the sub-object, defaults included, so that
  // reading restores it completely whatever it held before (e.g. a font that a control
  // took from its parent when it was placed).
  PropertyRef& WriteAllValues() {
    info_->write_all = true;
    return *this;
  }
  PropertyInfo& Info() { return *info_; }

 private:
  PropertyInfo* info_;
};

template <class T>
class ClassRegistration {
 public:
  explicit ClassRegistration(ClassInfo& info) : info_(&info) {}
  ClassInfo& Info() { return *info_; }

  template <class G, class S>
  PropertyRef<T> Integer(std::string name, G get, S set, std::optional<std::int64_t> def = std::nullopt) {
    using V = props::ValueOf<G, T>;
    static_assert(std::is_integral_v<V> && !std::is_same_v<V, bool>, "Integer needs an integral getter");
    constexpr std::int64_t lo = static_cast<std::int64_t>(std::numeric_limits<V>::min());
    constexpr std::int64_t hi = std::numeric_limits<V>::max() > static_cast<std::uint64_t>(INT64_MAX)
                                    ? INT64_MAX
                                    : static_cast<std::int64_t>(std::numeric_limits<V>::max());
    PropertyInfo p = Value(std::move(name), PropertyKind::Integer, "Integer", get,
                           [](V v) { return Json(static_cast<std::int64_t>(v)); });
    p.read = [set](TPersistent& o, const Json& v, LayoutContext&) {
      std::invoke(set, props::As<T>(o), static_cast<V>(props::ReadInteger(v, lo, hi)));
    };
    if (def) p.default_value = Json(*def);
    return Add(std::move(p));
  }

  template <class G, class S>
  PropertyRef<T> Double(std::string name, G get, S set, std::optional<double> def = std::nullopt) {
    using V = props::ValueOf<G, T>;
    static_assert(std::is_floating_point_v<V>, "Double needs a floating-point getter");
    PropertyInfo p = Value(std::move(name), PropertyKind::Double, "Double", get,
                           [](V v) { return props::WriteDouble(static_cast<double>(v)); });
    p.read = [set](TPersistent& o, const Json& v, LayoutContext&) {
      std::invoke(set, props::As<T>(o), static_cast<V>(props::ReadDouble(v)));
    };
    if (def) p.default_value = props::WriteDouble(*def);
    return Add(std::move(p));
  }

  template <class G, class S>
  PropertyRef<T> Boolean(std::string name, G get, S set, std::optional<bool> def = std::nullopt) {
    using V = props::ValueOf<G, T>;
    static_assert(std::is_same_v<V, bool>, "Boolean needs a bool getter");
    PropertyInfo p = Value(std::move(name), PropertyKind::Boolean, "Boolean", get, [](bool v) { return Json(v); });
    p.read = [set](TPersistent& o, const Json& v, LayoutContext&) {
      std::invoke(set, props::As<T>(o), props::ReadBoolean(v));
    };
    if (def) p.default_value = Json(*def);
    return Add(std::move(p));
  }

  template <class G, class S>
  PropertyRef<T> String(std::string name, G get, S set, std::optional<std::string> def = std::nullopt) {
    using V = props::ValueOf<G, T>;
    static_assert(std::is_convertible_v<V, std::string>, "String needs a string getter");
    PropertyInfo p = Value(std::move(name), PropertyKind::String, "String", get,
                           [](const V& v) { return Json(std::string(v)); });
    p.read = [set](TPersistent& o, const Json& v, LayoutContext&) {
      std::invoke(set, props::As<T>(o), props::ReadString(v));
    };
    if (def) p.default_value = Json(*def);
    return Add(std::move(p));
  }

  // A colour: written as its cl name when it has one ("clBtnFace"), else as a number.
  template <class G, class S>
  PropertyRef<T> Color(std::string name, G get, S set, std::optional<TColor> def = std::nullopt) {
    PropertyInfo p = Value(std::move(name), PropertyKind::Color, "TColor", get,
                           [](TColor v) { return props::WriteColor(v); });
    p.read = [set](TPersistent& o, const Json& v, LayoutContext&) {
      std::invoke(set, props::As<T>(o), props::ReadColor(v));
    };
    if (def) p.default_value = props::WriteColor(*def);
    return Add(std::move(p));
  }

  // A cursor number: written as its cr name when it has one ("crCross"), else as a number.
  template <class G, class S>
  PropertyRef<T> Cursor(std::string name, G get, S set, std::optional<int> def = std::nullopt) {
    PropertyInfo p = Value(std::move(name), PropertyKind::Cursor, "TCursor", get,
                           [](int v) { return props::WriteCursor(v); });
    p.read = [set](TPersistent& o, const Json& v, LayoutContext&) {
      std::invoke(set, props::As<T>(o), props::ReadCursor(v));
    };
    if (def) p.default_value = props::WriteCursor(*def);
    return Add(std::move(p));
  }

  // An enumeration, written by member name (EnumNames<E>).
  template <class E, class G, class S>
  PropertyRef<T> Enum(std::string name, G get, S set, std::optional<E> def = std::nullopt) {
    static_assert(std::is_enum_v<E>, "Enum needs an enumeration type");
    auto write = [](E v) { return Json(std::string(EnumName(v))); };
    PropertyInfo p = Value(std::move(name), PropertyKind::Enum, std::string(EnumNames<E>::type_name), get, write);
    p.read = [set](TPersistent& o, const Json& v, LayoutContext&) {
      const std::size_t index = props::ReadEnum(v, EnumMemberNames<E>(), EnumNames<E>::type_name);
      std::invoke(set, props::As<T>(o), static_cast<E>(index));
    };
    if (def) p.default_value = write(*def);
    return Add(std::move(p));
  }

  // A set of enumeration members, written as an array of member names.
  template <class E, class G, class S>
  PropertyRef<T> Set(std::string name, G get, S set, std::optional<TSet<E>> def = std::nullopt) {
    auto write = [](TSet<E> v) { return props::WriteSet(v.Bits(), EnumMemberNames<E>()); };
    PropertyInfo p = Value(std::move(name), PropertyKind::Set,
                           "set of " + std::string(EnumNames<E>::type_name), get, write);
    p.read = [set](TPersistent& o, const Json& v, LayoutContext&) {
      const std::uint32_t bits = props::ReadSet(v, EnumMemberNames<E>(), EnumNames<E>::type_name);
      std::invoke(set, props::As<T>(o), TSet<E>::FromBits(bits));
    };
    if (def) p.default_value = write(*def);
    return Add(std::move(p));
  }

  // An owned sub-object (a font, a settings object) whose registered class's properties
  // are read and written as a nested JSON object. Omitted when all of them are default.
  template <class F>
  PropertyRef<T> Object(std::string name, F get) {
    PropertyInfo p;
    p.name = std::move(name);
    p.kind = PropertyKind::Object;
    p.type_name = "object";
    p.object = [get](TPersistent& o) -> TPersistent& { return get(props::As<T>(o)); };
    return Add(std::move(p));
  }

  // A reference to another component of the layout, written by its name. The getter
  // returns a C* (nullptr: none), the setter takes one.
  template <class C, class G, class S>
  PropertyRef<T> Component(std::string name, G get, S set) {
    static_assert(std::is_base_of_v<TComponent, C>, "Component needs a component class");
    PropertyInfo p;
    p.name = std::move(name);
    p.kind = PropertyKind::Component;
    p.type_name = "component reference";
    p.write = [get](const TPersistent& o) -> Json {
      const TComponent* c = std::invoke(get, props::As<T>(o));
      if (c == nullptr || c->Name().empty()) return Json(nullptr);
      return Json(c->Name());
    };
    p.read = [set, prop = p.name](TPersistent& o, const Json& v, LayoutContext& context) {
      if (v.is_null()) {
        std::invoke(set, props::As<T>(o), static_cast<C*>(nullptr));
        return;
      }
      context.ResolveLater(props::ReadString(v), [set, &o](TComponent& target) {
        C* typed = dynamic_cast<C*>(&target);
        if (typed == nullptr) {
          throw EPropertyValue("expected a " + props::Demangle(typeid(C).name()) + ", but " + target.Name() +
                               " is a " + target.ClassName());
        }
        std::invoke(set, props::As<T>(o), typed);
      });
    };
    p.default_value = Json(nullptr);
    return Add(std::move(p));
  }

  // An event (a std::function member), bound by the name of a method that the layout's
  // root class publishes (Method). Written as that name.
  template <class Fn, class C>
  PropertyRef<T> Event(std::string name, Fn C::*member) {
    static_assert(std::is_base_of_v<C, T>, "the event must be a member of the class or a parent");
    PropertyInfo p;
    p.name = name;
    p.kind = PropertyKind::Event;
    p.type_name = "event";
    p.write = [member, name](const TPersistent& o) -> Json {
      const T& t = props::As<T>(o);
      const auto* component = dynamic_cast<const TComponent*>(&t);
      if (!(t.*member) || component == nullptr || component->EventBinding(name).empty()) return Json(nullptr);
      return Json(component->EventBinding(name));
    };
    p.read = [member, name](TPersistent& o, const Json& v, LayoutContext& context) {
      T& t = props::As<T>(o);
      auto* component = dynamic_cast<TComponent*>(&t);
      const std::string method = v.is_null() ? std::string() : props::ReadString(v);
      if (method.empty()) {
        t.*member = nullptr;
        if (component != nullptr) component->SetEventBinding(name, "");
        return;
      }
      const MethodInfo* info = ClassOf(context.Root()).FindMethod(method);
      if (info == nullptr) {
        throw EPropertyValue("unknown event handler \"" + method + "\": " + context.Root().ClassName() +
                             " publishes no method of that name");
      }
      std::any bound = info->make(context.Root());
      Fn* fn = std::any_cast<Fn>(&bound);
      if (fn == nullptr) {
        throw EPropertyValue("event handler \"" + method + "\" is a " + info->signature_text + ", but " + name +
                             " needs a " + props::Demangle(typeid(Fn).name()));
      }
      t.*member = std::move(*fn);
      if (component != nullptr) component->SetEventBinding(name, method);
    };
    p.default_value = Json(nullptr);
    return Add(std::move(p));
  }

  // A handler that layouts can bind to events: a member function of this class.
  template <class C, class... A>
  void Method(std::string name, void (C::*method)(A...)) {
    static_assert(std::is_base_of_v<C, T>, "the method must be a member of the class or a parent");
    using Fn = std::function<void(A...)>;
    MethodInfo m;
    m.name = std::move(name);
    m.signature = typeid(Fn);
    m.signature_text = props::Demangle(typeid(Fn).name());
    m.make = [method](TComponent& root) -> std::any {
      T* self = &props::As<T>(root);
      return Fn([self, method](A... args) { (self->*method)(std::forward<A>(args)...); });
    };
    info_->AddMethod(std::move(m));
  }

  // A component pointer member that reading a layout sets to the component of that name
  // (which must exist and be a C).
  template <class Cm, class C>
  void Field(std::string name, Cm* C::*member) {
    static_assert(std::is_base_of_v<C, T>, "the field must be a member of the class or a parent");
    static_assert(std::is_base_of_v<TComponent, Cm>, "fields hold components");
    FieldInfo f;
    f.name = std::move(name);
    f.type_name = props::Demangle(typeid(Cm).name());
    f.assign = [member](TComponent& root, TComponent* component) {
      Cm* typed = dynamic_cast<Cm*>(component);
      if (component != nullptr && typed == nullptr) return false;
      props::As<T>(root).*member = typed;
      return true;
    };
    info_->AddField(std::move(f));
  }

 private:
  template <class G, class W>
  PropertyInfo Value(std::string name, PropertyKind kind, std::string type_name, G get, W write) {
    PropertyInfo p;
    p.name = std::move(name);
    p.kind = kind;
    p.type_name = std::move(type_name);
    p.write = [get, write](const TPersistent& o) -> Json { return write(std::invoke(get, props::As<T>(o))); };
    return p;
  }

  PropertyRef<T> Add(PropertyInfo p) { return PropertyRef<T>(info_->AddProperty(std::move(p))); }

  ClassInfo* info_;
};

template <class T>
ComponentFactory DefaultFactory() {
  if constexpr (std::is_constructible_v<T, TComponent*> && !std::is_abstract_v<T>) {
    return [](TComponent* owner) -> TComponent* { return new T(owner); };
  } else {
    return nullptr;
  }
}

// Registers a component class that layouts can create by name (pass nullptr as the
// factory for a class that layouts must not create, such as a form reading itself).
template <class T>
ClassRegistration<T> RegisterClass(const std::string& name, const std::string& parent,
                                   ComponentFactory factory = DefaultFactory<T>()) {
  static_assert(std::is_base_of_v<TComponent, T>, "RegisterClass is for components");
  return ClassRegistration<T>(RegisterClassInfo(name, parent, std::move(factory)));
}

// Registers a persistent class that appears in layouts only as an owned sub-object
// (TFont, scale settings, crosshairs...).
template <class T>
ClassRegistration<T> RegisterPersistentClass(const std::string& name, const std::string& parent = "") {
  static_assert(std::is_base_of_v<TPersistent, T>, "RegisterPersistentClass is for persistent classes");
  return ClassRegistration<T>(RegisterClassInfo(name, parent, nullptr));
}

}  // namespace kurvex
