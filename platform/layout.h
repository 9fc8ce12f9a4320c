#pragma once
// Stored layouts: a component tree as JSON.
//
//   {"class": "TForm1", "name": "Form1",
//    "properties": {"Caption": "Speed test", "Font": {"Name": "Arial", "Height": -13}},
//    "children": [{"class": "TPanel", "name": "Panel1", "properties": {...}, "children": [...]}]}
//
// Nesting is the parent/child relation of controls (a non-control component sits among
// the root's children). Every component a layout creates is owned by the root. Property
// values are applied in the order they are written, through the setters, while every
// created component (and the root) is loading; references to other components are
// resolved once the whole tree exists; then Loaded runs on each component in creation
// order, the root first.
//
// Any bad input raises ELayoutError naming the source, the JSON path of the offending
// value (e.g. "Form1.Panel1.NLabDatPoi.properties.DisplayType") and what was expected.
// A failed read frees every component it created.

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/component.h"
#include "platform/properties.h"

namespace kurvex {

class ELayoutError : public std::runtime_error {
 public:
  ELayoutError(const std::string& source, const std::string& path, const std::string& problem);
  const std::string& Source() const { return source_; }
  const std::string& Path() const { return path_; }
  const std::string& Problem() const { return problem_; }

 private:
  std::string source_;
  std::string path_;
  std::string problem_;
};

// Creates the tree a layout describes; the caller owns the root.
std::unique_ptr<TComponent> ReadLayout(std::string_view json, std::string_view source);

// Creates the tree a layout describes; the caller owns the root, which must be a T.
template <class T>
std::unique_ptr<T> ReadLayoutAs(std::string_view json, std::string_view source) {
  std::unique_ptr<TComponent> root = ReadLayout(json, source);
  if (dynamic_cast<T*>(root.get()) == nullptr) {
    throw ELayoutError(std::string(source), "class", std::string("the root is a ") + root->ClassName() +
                                                         ", not the class expected here");
  }
  return std::unique_ptr<T>(static_cast<T*>(root.release()));
}

// Applies a layout to an existing root (e.g. a form that reads its own layout in its
// constructor). The layout's "class" must be the root's class. On failure the components
// created so far are freed; the root keeps the values already applied.
void ReadLayoutInto(TComponent& root, std::string_view json, std::string_view source);

// The layout of a root and the components it owns: every published value that is stored
// and differs from its declared default.
Json LayoutToJson(const TComponent& root);
// As LayoutToJson, as text (two-space indentation, a final newline).
std::string WriteLayout(const TComponent& root);

}  // namespace kurvex
