#pragma once
// The start-up of a program that shows one window (kurvex-scales, kurvex-gallery): the Qt
// application and host, the form, the message loop, and the only option, --screenshot FILE,
// which saves the window for the documentation and quits.

#include <functional>
#include <memory>

#include "platform/std_controls.h"

namespace kurvex {

// Runs the program named `program` with window title `title`; make_form creates its form
// once the host is set. Returns the process's exit code: 0, 1 after an error or a picture
// that could not be saved, 2 for an unknown argument.
int RunWindowProgram(int argc, char** argv, const char* program, const char* title,
                     const std::function<std::unique_ptr<TForm>()>& make_form);

}  // namespace kurvex
