#pragma once
// Helpers for the chart tests: the headless host's message boxes and a record reader.

#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/headless_host.h"

namespace kurvex::test {

inline HeadlessHost& Headless() { return dynamic_cast<HeadlessHost&>(Application().GetHost()); }

// Texts of the message boxes shown since the last call.
inline std::vector<std::string> TakeMessages() {
  std::vector<std::string> texts;
  for (const auto& box : Headless().MessageBoxes()) texts.push_back(box.text);
  Headless().ClearMessageBoxes();
  return texts;
}

}  // namespace kurvex::test
