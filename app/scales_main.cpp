// kurvex-scales: a window of stand-alone scales to pan and zoom with the mouse.

#include "app/scales_form.h"
#include "app/window_program.h"

int main(int argc, char** argv) {
  using namespace kurvex;
  return RunWindowProgram(argc, argv, "kurvex-scales", "Kurvex scales",
                          [] { return std::make_unique<TScalesForm>(nullptr); });
}
