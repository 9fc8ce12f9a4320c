#pragma once
// The files of the project's resources/ folder, built into the program at build time:
// form layouts ("form1.json") and the cursors ("cursors/curhand.xpm"). Nothing is read
// from disk at run time.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/application.h"

namespace kurvex {

// A missing or unreadable resource.
class EResourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The contents of a resource by its path below resources/ ("form1.json",
// "cursors/curhand.xpm"), or nullptr when there is none. The string lives as long as the
// program.
const std::string* FindResource(std::string_view name);
// The names of all resources, sorted.
std::vector<std::string> ResourceNames();

// A cursor resource by its name ("CURHAND", "CURZOOMW", "CURZOOMD", "CURZOOMP"): the
// image resources/cursors/<name in lower case>.xpm with the hot spot written in it.
// Raises EResourceError when there is no such cursor.
CursorImage LoadCursorResource(std::string_view name);

// Reads a 32 x 32 cursor from XPM text: colour "None" is transparent, dark colours are
// black, light ones white; the hot spot comes from the values line (0, 0 when absent).
// Raises EResourceError naming `source` and the fault.
CursorImage ParseCursorXpm(std::string_view text, std::string_view source);

}  // namespace kurvex
