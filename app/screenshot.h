#pragma once
// A picture of the running program for the documentation: once the window is up, pick a
// point count with the scroll bar, press "Start", save what the window shows and close
// the program.

#include <string>

#include "app/form1.h"

namespace kurvex {

namespace qt {
class QtHost;
}

// Schedules the steps above to run from the message loop, with the scroll bar moved to
// `position` (1..13). Prints where the picture went; a picture that cannot be saved makes
// `failed` true.
void ScheduleScreenshot(qt::QtHost& host, TForm1& form, const std::string& path, int position, bool& failed);

// Saves what the window of `form` shows once it is up, then closes the form. Prints where
// the picture went; a picture that cannot be saved makes `failed` true.
void ScheduleFormScreenshot(qt::QtHost& host, TForm& form, const std::string& path, bool& failed);

}  // namespace kurvex
