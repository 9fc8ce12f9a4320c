#include "platform/properties.h"

#include <cxxabi.h>

#include <cstdlib>
#include <map>

#include "platform/control.h"

namespace kurvex {

namespace {

std::map<std::string, std::unique_ptr<ClassInfo>, std::less<>>& Registry() {
  static std::map<std::string, std::unique_ptr<ClassInfo>, std::less<>> registry;
  return registry;
}

std::string JoinNames(std::span<const std::string_view> names) {
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) list += ", ";
    list += names[i];
  }
  return list;
}

}  // namespace

// ---- ClassInfo -------------------------------------------------------------------------

const ClassInfo* ClassInfo::Parent() const {
  if (parent_.empty()) return nullptr;
  const ClassInfo* parent = FindClass(parent_);
  if (parent == nullptr) throw std::logic_error("class " + name_ + " names the unregistered parent " + parent_);
  return parent;
}

bool ClassInfo::InheritsFrom(std::string_view name) const {
  for (const ClassInfo* c = this; c != nullptr; c = c->Parent()) {
    if (c->name_ == name) return true;
  }
  return false;
}

std::vector<const PropertyInfo*> ClassInfo::Properties() const {
  std::vector<const ClassInfo*> chain;
  for (const ClassInfo* c = this; c != nullptr; c = c->Parent()) chain.push_back(c);
  std::vector<const PropertyInfo*> list;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
    for (const auto& p : (*it)->properties_) {
      auto same = std::find_if(list.begin(), list.end(), [&](const PropertyInfo* q) { return q->name == p->name; });
      if (same != list.end()) {
        *same = p.get();  // a subclass's entry replaces the inherited one in place
      } else {
        list.push_back(p.get());
      }
    }
  }
  return list;
}

const PropertyInfo* ClassInfo::FindProperty(std::string_view name) const {
  for (const ClassInfo* c = this; c != nullptr; c = c->Parent()) {
    for (const auto& p : c->properties_) {
      if (p->name == name) return p.get();
    }
  }
  return nullptr;
}

const MethodInfo* ClassInfo::FindMethod(std::string_view name) const {
  for (const ClassInfo* c = this; c != nullptr; c = c->Parent()) {
    for (const auto& m : c->methods_) {
      if (m.name == name) return &m;
    }
  }
  return nullptr;
}

std::vector<const FieldInfo*> ClassInfo::Fields() const {
  std::vector<const FieldInfo*> list;
  for (const ClassInfo* c = this; c != nullptr; c = c->Parent()) {
    for (const auto& f : c->fields_) list.push_back(&f);
  }
  return list;
}

PropertyInfo& ClassInfo::AddProperty(PropertyInfo info) {
  for (auto& p : properties_) {
    if (p->name == info.name) {
      *p = std::move(info);
      return *p;
    }
  }
  properties_.push_back(std::make_unique<PropertyInfo>(std::move(info)));
  return *properties_.back();
}

void ClassInfo::AddMethod(MethodInfo info) {
  for (auto& m : methods_) {
    if (m.name == info.name) {
      m = std::move(info);
      return;
    }
  }
  methods_.push_back(std::move(info));
}

void ClassInfo::AddField(FieldInfo info) {
  for (auto& f : fields_) {
    if (f.name == info.name) {
      f = std::move(info);
      return;
    }
  }
  fields_.push_back(std::move(info));
}

// ---- Registry --------------------------------------------------------------------------

const ClassInfo* FindClass(std::string_view name) {
  const auto& registry = Registry();
  const auto it = registry.find(name);
  return it == registry.end() ? nullptr : it->second.get();
}

std::vector<const ClassInfo*> RegisteredClasses() {
  std::vector<const ClassInfo*> all;
  for (const auto& [name, info] : Registry()) all.push_back(info.get());
  return all;
}

const ClassInfo& ClassOf(const TPersistent& object) {
  const ClassInfo* info = FindClass(object.ClassName());
  if (info == nullptr) throw EPropertyValue(std::string("class ") + object.ClassName() + " is not registered");
  return *info;
}

ClassInfo& RegisterClassInfo(const std::string& name, const std::string& parent, ComponentFactory factory) {
  auto& slot = Registry()[name];
  if (!slot) slot = std::make_unique<ClassInfo>(name, parent);
  slot->SetParent(parent);
  slot->SetFactory(std::move(factory));
  return *slot;
}

// ---- Value conversions -----------------------------------------------------------------

namespace props {

std::string Describe(const Json& value) {
  std::string text = value.dump();
  if (text.size() > 40) text = text.substr(0, 37) + "...";
  const char* kind = value.is_string() ? "the string "
                     : value.is_number() ? "the number "
                     : value.is_boolean() ? "the boolean "
                     : value.is_array() ? "the array "
                     : value.is_object() ? "the object "
                                         : "";
  return kind + text;
}

void Expected(const std::string& what, const Json& got) {
  throw EPropertyValue("expected " + what + ", got " + Describe(got));
}

std::int64_t ReadInteger(const Json& v, std::int64_t lo, std::int64_t hi) {
  const std::string range = "an integer in " + std::to_string(lo) + ".." + std::to_string(hi);
  if (v.is_number_unsigned()) {
    const auto u = v.get<std::uint64_t>();
    if (u > static_cast<std::uint64_t>(hi)) Expected(range, v);
    return static_cast<std::int64_t>(u);
  }
  if (!v.is_number_integer()) Expected(range, v);
  const auto i = v.get<std::int64_t>();
  if (i < lo || i > hi) Expected(range, v);
  return i;
}

double ReadDouble(const Json& v) {
  if (v.is_number()) return v.get<double>();
  if (v.is_string()) {
    const auto& s = v.get_ref<const std::string&>();
    if (s == "NaN") return std::numeric_limits<double>::quiet_NaN();
    if (s == "Infinity") return std::numeric_limits<double>::infinity();
    if (s == "-Infinity") return -std::numeric_limits<double>::infinity();
  }
  Expected("a number (or \"NaN\", \"Infinity\", \"-Infinity\")", v);
}

Json WriteDouble(double d) {
  if (std::isnan(d)) return Json("NaN");
  if (std::isinf(d)) return Json(d > 0 ? "Infinity" : "-Infinity");
  return Json(d);
}

bool ReadBoolean(const Json& v) {
  if (!v.is_boolean()) Expected("true or false", v);
  return v.get<bool>();
}

std::string ReadString(const Json& v) {
  if (!v.is_string()) Expected("a string", v);
  return v.get<std::string>();
}

TColor ReadColor(const Json& v) {
  const char* expected = "a colour number in 0..4294967295 or a colour name such as clBlack, clBtnFace";
  TColor c = 0;
  if (v.is_string()) {
    if (!IdentToColor(v.get_ref<const std::string&>().c_str(), c)) Expected(expected, v);
    return c;
  }
  if (v.is_number_unsigned() && v.get<std::uint64_t>() <= 0xFFFFFFFFu) return static_cast<TColor>(v.get<std::uint64_t>());
  if (v.is_number_integer() && !v.is_number_unsigned() && v.get<std::int64_t>() >= 0 &&
      v.get<std::int64_t>() <= 0xFFFFFFFF) {
    return static_cast<TColor>(v.get<std::int64_t>());
  }
  Expected(expected, v);
}

Json WriteColor(TColor c) {
  if (const char* ident = ColorToIdent(c)) return Json(ident);
  return Json(static_cast<std::uint64_t>(c));
}

int ReadCursor(const Json& v) {
  if (v.is_string()) {
    TCursor c = 0;
    if (!IdentToCursor(v.get_ref<const std::string&>(), c)) {
      Expected("a cursor number or a cursor name such as crDefault, crCross", v);
    }
    return c;
  }
  return static_cast<int>(ReadInteger(v, INT32_MIN, INT32_MAX));
}

Json WriteCursor(int cursor) {
  if (const char* ident = CursorToIdent(cursor)) return Json(ident);
  return Json(cursor);
}

std::size_t ReadEnum(const Json& v, std::span<const std::string_view> names, std::string_view type_name) {
  const std::string expected = "one of " + JoinNames(names);
  if (!v.is_string()) Expected("a member name of " + std::string(type_name) + ": " + expected, v);
  const auto& s = v.get_ref<const std::string&>();
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i] == s) return i;
  }
  throw EPropertyValue("\"" + s + "\" is not a member of " + std::string(type_name) + "; expected " + expected);
}

std::uint32_t ReadSet(const Json& v, std::span<const std::string_view> names, std::string_view type_name) {
  const std::string expected = "an array of member names of " + std::string(type_name) + " (" + JoinNames(names) + ")";
  if (!v.is_array()) Expected(expected, v);
  std::uint32_t bits = 0;
  for (const Json& item : v) {
    bits |= 1u << ReadEnum(item, names, type_name);
  }
  return bits;
}

Json WriteSet(std::uint32_t bits, std::span<const std::string_view> names) {
  Json list = Json::array();
  for (std::size_t i = 0; i < names.size() && i < 32; ++i) {
    if ((bits & (1u << i)) != 0) list.push_back(std::string(names[i]));
  }
  return list;
}

std::string Demangle(const char* mangled) {
  int status = 0;
  char* text = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
  if (status != 0 || text == nullptr) return mangled;
  std::string result(text);
  std::free(text);
  // Messages read better without the namespace.
  for (std::size_t at; (at = result.find("kurvex::")) != std::string::npos;) result.erase(at, 8);
  return result;
}

void WrongClass(const TPersistent& object, const char* wanted) {
  throw std::logic_error(std::string("property of ") + Demangle(wanted) + " used on a " + object.ClassName());
}

}  // namespace props

}  // namespace kurvex
