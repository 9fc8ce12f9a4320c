// The layout reader on any text: it either builds components or raises ELayoutError, and
// what it builds can be written out again and painted.

#include <memory>
#include <string_view>

#include "fuzz/targets/fuzz_targets.h"
#include "platform/control.h"
#include "platform/layout.h"

namespace kurvex::fuzz {

void FuzzLayout(const std::uint8_t* data, std::size_t size) {
  SetUpOnce();
  std::unique_ptr<TComponent> root;
  try {
    root = ReadLayout(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.json");
  } catch (const ELayoutError&) {
    return;
  }
  (void)WriteLayout(*root);
  if (auto* control = dynamic_cast<TControl*>(root.get())) {
    try {
      control->Refresh();
    } catch (const std::runtime_error&) {
      // Painting may report a documented error (a logarithmic range below zero).
    }
  }
}

}  // namespace kurvex::fuzz
