#include <set>
#include <vector>

#include "platform/control.h"
#include "platform/layout.h"

namespace kurvex {

ELayoutError::ELayoutError(const std::string& source, const std::string& path, const std::string& problem)
    : std::runtime_error(source + ": " + (path.empty() ? std::string() : path + ": ") + problem),
      source_(source),
      path_(path),
      problem_(problem) {}

namespace {

// Parses JSON text, refusing an object that names one key twice (one of the values would
// be lost without a word).
class StrictParser {
 public:
  explicit StrictParser(std::string source) : source_(std::move(source)) {}

  Json Parse(std::string_view text) {
    Json doc;
    try {
      doc = Json::parse(text.begin(), text.end(), [this](int, Json::parse_event_t event, Json& parsed) {
        return Track(event, parsed);
      });
    } catch (const Json::parse_error& e) {
      throw ELayoutError(source_, "", "malformed JSON: " + WithoutPrefix(e.what()));
    } catch (const Json::out_of_range& e) {
      // The only range error of parsing: a number beyond what a double holds (1e400).
      throw ELayoutError(source_, PathOfNextValue(),
                         "expected a number within the range of a double (up to about 1.8e308), got " +
                             QuotedPart(e.what()));
    } catch (const Json::exception& e) {
      throw ELayoutError(source_, PathOfNextValue(), "malformed JSON: " + WithoutPrefix(e.what()));
    }
    if (!duplicate_.empty()) throw ELayoutError(source_, duplicate_path_, "the key \"" + duplicate_ + "\" appears twice");
    return doc;
  }

 private:
  struct Frame {
    bool object = false;
    std::set<std::string> keys;
    std::string key;
    int index = -1;
  };

  std::string PathText() const {
    std::string path;
    for (const Frame& f : frames_) {
      if (f.object) {
        if (!path.empty()) path += '.';
        path += f.key;
      } else {
        path += '[';
        path += std::to_string(f.index);
        path += ']';
      }
    }
    return path;
  }

  // The library's messages start with "[json.exception.kind.N] ".
  static std::string WithoutPrefix(std::string what) {
    if (const auto at = what.find("] "); what.rfind("[json.exception", 0) == 0 && at != std::string::npos) {
      what = what.substr(at + 2);
    }
    return what;
  }

  // The text in single quotes in a message ("number overflow parsing '1e400'").
  static std::string QuotedPart(const std::string& what) {
    const auto open = what.find('\'');
    const auto close = what.rfind('\'');
    if (open == std::string::npos || close <= open) return WithoutPrefix(what);
    return what.substr(open + 1, close - open - 1);
  }

  // The path of the value being parsed: after its key in an object, or the next element
  // of an array (elements are counted when they end).
  std::string PathOfNextValue() {
    if (!frames_.empty() && !frames_.back().object) ++frames_.back().index;
    return PathText();
  }

  void CountArrayElement() {
    if (!frames_.empty() && !frames_.back().object) ++frames_.back().index;
  }

  bool Track(Json::parse_event_t event, const Json& parsed) {
    switch (event) {
      case Json::parse_event_t::object_start:
        CountArrayElement();
        frames_.push_back(Frame{true, {}, {}, -1});
        break;
      case Json::parse_event_t::array_start:
        CountArrayElement();
        frames_.push_back(Frame{false, {}, {}, -1});
        break;
      case Json::parse_event_t::object_end:
      case Json::parse_event_t::array_end:
        if (!frames_.empty()) frames_.pop_back();
        break;
      case Json::parse_event_t::key: {
        Frame& f = frames_.back();
        f.key = parsed.get<std::string>();
        if (!f.keys.insert(f.key).second && duplicate_.empty()) {
          duplicate_ = f.key;
          duplicate_path_ = PathText();
        }
        break;
      }
      case Json::parse_event_t::value:
        CountArrayElement();
        break;
    }
    return true;
  }

  std::string source_;
  std::vector<Frame> frames_;
  std::string duplicate_;
  std::string duplicate_path_;
};

class Reader : public LayoutContext {
 public:
  explicit Reader(std::string_view source) : source_(source) {}

  TComponent& Root() override { return *root_; }

  void ResolveLater(const std::string& name, std::function<void(TComponent&)> resolve) override {
    fixups_.push_back(Fixup{name, current_path_, std::move(resolve)});
  }

  // Reads into `given` (when not null) or into a new root, which is returned.
  TComponent* Read(TComponent* given, std::string_view text) {
    const Json doc = StrictParser(source_).Parse(text);
    CheckNode(doc, "");
    const std::string name = doc.contains("name") ? doc["name"].get<std::string>() : std::string();
    const std::string path = name.empty() ? "(root)" : name;
    const std::string class_name = doc["class"].get<std::string>();
    if (given != nullptr) {
      if (class_name != given->ClassName()) {
        Fail(path + ".class", "expected \"" + std::string(given->ClassName()) +
                                  "\" (the class of the object reading this layout), got \"" + class_name + "\"");
      }
      root_ = given;
    } else {
      root_ = Create(class_name, nullptr, path);
    }
    try {
      BuildAndLoad(doc, path);
    } catch (...) {
      Cleanup(given);
      throw;
    }
    return root_;
  }

 private:
  struct Fixup {
    std::string name;
    std::string path;
    std::function<void(TComponent&)> resolve;
  };

  // Any error of the JSON library that the checks before did not catch still becomes a
  // layout error naming the place.
  void BuildAndLoad(const Json& doc, const std::string& path) {
    try {
      Build(doc, path);
      for (std::size_t i = 0; i < loading_.size(); ++i) {
        try {
          loading_[i]->Loaded();
        } catch (const std::exception& e) {
          Fail(paths_[i], std::string("Loaded failed: ") + e.what());
        }
      }
    } catch (const Json::exception& e) {
      Fail(current_path_.empty() ? path : current_path_, std::string("unexpected JSON value: ") + e.what());
    }
  }

  [[noreturn]] void Fail(const std::string& path, const std::string& problem) const {
    throw ELayoutError(source_, path, problem);
  }

  void CheckNode(const Json& node, const std::string& path) const {
    if (!node.is_object()) Fail(path, "expected a component {\"class\": ..., \"name\": ...}, got " + props::Describe(node));
    const std::string prefix = path.empty() ? "" : path + ".";
    for (const auto& [key, value] : node.items()) {
      if (key != "class" && key != "name" && key != "properties" && key != "children") {
        Fail(prefix + key, "unknown key; expected class, name, properties or children");
      }
    }
    if (!node.contains("class")) Fail(prefix + "class", "missing; every component names its class");
    if (!node["class"].is_string()) Fail(prefix + "class", "expected a class name, got " + props::Describe(node["class"]));
    if (node.contains("name") && !node["name"].is_string()) {
      Fail(prefix + "name", "expected a component name, got " + props::Describe(node["name"]));
    }
    if (node.contains("properties") && !node["properties"].is_object()) {
      Fail(prefix + "properties", "expected an object of property values, got " + props::Describe(node["properties"]));
    }
    if (node.contains("children") && !node["children"].is_array()) {
      Fail(prefix + "children", "expected an array of components, got " + props::Describe(node["children"]));
    }
  }

  TComponent* Create(const std::string& class_name, TComponent* owner, const std::string& path) {
    const ClassInfo* info = FindClass(class_name);
    if (info == nullptr) Fail(path + ".class", "unknown class \"" + class_name + "\"");
    if (!info->CanCreate()) Fail(path + ".class", "class " + class_name + " cannot be created by a layout");
    std::unique_ptr<TComponent> made(info->Create(owner));
    if (class_name != made->ClassName()) {
      // A registration fault: the factory makes another class than the one registered.
      Fail(path + ".class", "class " + class_name + " creates objects of class " + made->ClassName());
    }
    created_.push_back(made.get());
    return made.release();
  }

  void StartLoading(TComponent& c, const std::string& path) {
    c.BeginLoading();
    loading_.push_back(&c);
    paths_.push_back(path);
  }

  void SetName(TComponent& c, const Json& node, const std::string& path) {
    if (!node.contains("name")) return;
    const std::string name = node["name"].get<std::string>();
    if (&c != root_ && !name.empty() && name == root_->Name()) {
      Fail(path + ".name", "A component named " + name + " already exists");
    }
    try {
      c.SetName(name);
    } catch (const EComponentError& e) {
      Fail(path + ".name", e.what());
    }
  }

  // The root's own values and everything below it, then the references and fields.
  void Build(const Json& doc, const std::string& path) {
    StartLoading(*root_, path);
    SetName(*root_, doc, path);
    if (doc.contains("properties")) ApplyProperties(*root_, doc["properties"], path + ".properties");
    ReadChildren(doc, *root_, path);
    for (const Fixup& f : fixups_) {
      TComponent* target = f.name == root_->Name() ? root_ : root_->FindComponent(f.name);
      if (target == nullptr) Fail(f.path, "no component named \"" + f.name + "\" in this layout");
      try {
        f.resolve(*target);
      } catch (const EPropertyValue& e) {
        Fail(f.path, e.what());
      }
    }
    BindFields(path);
  }

  void ReadChildren(const Json& node, TComponent& parent, const std::string& path) {
    if (!node.contains("children")) return;
    const Json& children = node["children"];
    for (std::size_t i = 0; i < children.size(); ++i) {
      const Json& child = children[i];
      // A child is known by its name where it has one, by its index otherwise.
      std::string child_path = path + ".children[" + std::to_string(i) + "]";
      if (child.is_object() && child.contains("name") && child["name"].is_string() &&
          !child["name"].get_ref<const std::string&>().empty()) {
        child_path = path + "." + child["name"].get<std::string>();
      }
      CheckNode(child, child_path);
      TComponent* c = Create(child["class"].get<std::string>(), root_, child_path);
      StartLoading(*c, child_path);
      SetName(*c, child, child_path);
      if (auto* control = dynamic_cast<TControl*>(c)) {
        auto* window = dynamic_cast<TWinControl*>(&parent);
        if (window == nullptr && &parent != root_) {
          Fail(child_path, std::string("a ") + c->ClassName() + " cannot be placed in " + parent.ClassName() +
                               " " + parent.Name() + ", which holds no controls");
        }
        if (window != nullptr) control->SetParent(window);
      }
      if (child.contains("properties")) ApplyProperties(*c, child["properties"], child_path + ".properties");
      ReadChildren(child, *c, child_path);
    }
  }

  void ApplyProperties(TPersistent& object, const Json& values, const std::string& path) {
    const ClassInfo* info = FindClass(object.ClassName());
    if (info == nullptr) Fail(path, std::string("class ") + object.ClassName() + " has no published properties");
    for (const auto& [key, value] : values.items()) {
      const std::string value_path = path + "." + key;
      const PropertyInfo* p = info->FindProperty(key);
      if (p == nullptr) Fail(value_path, "unknown property \"" + key + "\" of " + object.ClassName());
      if (p->kind == PropertyKind::Object) {
        TPersistent& sub = p->object(object);
        if (!value.is_object()) {
          Fail(value_path, std::string("expected an object with the properties of ") + sub.ClassName() + ", got " +
                               props::Describe(value));
        }
        ApplyProperties(sub, value, value_path);
        continue;
      }
      current_path_ = value_path;
      try {
        p->read(object, value, *this);
      } catch (const EPropertyValue& e) {
        Fail(value_path, e.what());
      } catch (const ELayoutError&) {
        throw;
      } catch (const std::exception& e) {
        Fail(value_path, std::string("the value was refused: ") + e.what());
      }
    }
  }

  void BindFields(const std::string& path) {
    const ClassInfo* info = FindClass(root_->ClassName());
    if (info == nullptr) return;
    for (const FieldInfo* f : info->Fields()) {
      TComponent* c = root_->FindComponent(f->name);
      if (c == nullptr) {
        Fail(path, std::string(root_->ClassName()) + " needs a component named " + f->name + " (" + f->type_name + ")");
      }
      if (!f->assign(*root_, c)) {
        Fail(path + "." + f->name, std::string(root_->ClassName()) + " needs " + f->name + " to be a " + f->type_name +
                                       ", but it is a " + c->ClassName());
      }
    }
  }

  // Frees what this read created; a given root leaves the loading state and loses the
  // fields that pointed at freed components.
  void Cleanup(TComponent* given) {
    if (given == nullptr) {
      delete root_;  // owns everything else
      root_ = nullptr;
      return;
    }
    if (const ClassInfo* info = FindClass(given->ClassName())) {
      for (const FieldInfo* f : info->Fields()) f->assign(*given, nullptr);
    }
    for (auto it = created_.rbegin(); it != created_.rend(); ++it) delete *it;
    given->CancelLoading();
  }

  std::string source_;
  TComponent* root_ = nullptr;
  std::vector<TComponent*> created_;  // by this read, in creation order (not a given root)
  std::vector<TComponent*> loading_;  // in creation order, the root first
  std::vector<std::string> paths_;    // of loading_
  std::vector<Fixup> fixups_;
  std::string current_path_;
};

}  // namespace

std::unique_ptr<TComponent> ReadLayout(std::string_view json, std::string_view source) {
  Reader reader(source);
  return std::unique_ptr<TComponent>(reader.Read(nullptr, json));
}

void ReadLayoutInto(TComponent& root, std::string_view json, std::string_view source) {
  Reader reader(source);
  reader.Read(&root, json);
}

}  // namespace kurvex
