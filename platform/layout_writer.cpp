#include <map>
#include <vector>

#include "platform/control.h"
#include "platform/layout.h"

namespace kurvex {

namespace {

Json PropertiesOf(const TPersistent& object, bool with_defaults = false) {
  Json values = Json::object();
  for (const PropertyInfo* p : ClassOf(object).Properties()) {
    if (!p->IsStored(object)) continue;
    if (p->kind == PropertyKind::Object) {
      Json nested = PropertiesOf(p->object(const_cast<TPersistent&>(object)), with_defaults || p->write_all);
      if (!nested.empty()) values[p->name] = std::move(nested);
      continue;
    }
    Json value = p->write(object);
    if (!with_defaults && p->default_value && *p->default_value == value) continue;
    values[p->name] = std::move(value);
  }
  return values;
}

using ChildMap = std::map<const TComponent*, std::vector<const TComponent*>>;

Json NodeOf(const TComponent& c, const ChildMap& children) {
  Json node = Json::object();
  node["class"] = c.ClassName();
  if (!c.Name().empty()) node["name"] = c.Name();
  Json values = PropertiesOf(c);
  if (!values.empty()) node["properties"] = std::move(values);
  const auto it = children.find(&c);
  if (it != children.end()) {
    Json list = Json::array();
    for (const TComponent* child : it->second) list.push_back(NodeOf(*child, children));
    node["children"] = std::move(list);
  }
  return node;
}

}  // namespace

Json LayoutToJson(const TComponent& root) {
  // A control sits under its parent when the parent is part of the layout; everything
  // else sits under the root. Order: the root's list of owned components.
  ChildMap children;
  for (int i = 0; i < root.ComponentCount(); ++i) {
    const TComponent* c = root.Components(i);
    const TComponent* parent = &root;
    if (const auto* control = dynamic_cast<const TControl*>(c)) {
      const TWinControl* p = control->Parent();
      if (p != nullptr && (p == &root || p->Owner() == &root)) parent = p;
    }
    children[parent].push_back(c);
  }
  try {
    return NodeOf(root, children);
  } catch (const EPropertyValue& e) {
    throw ELayoutError(root.Name(), "", e.what());
  }
}

std::string WriteLayout(const TComponent& root) {
  try {
    return LayoutToJson(root).dump(2) + "\n";
  } catch (const Json::type_error& e) {
    throw ELayoutError(root.Name(), "", "a text value is not valid UTF-8");
  }
}

}  // namespace kurvex
