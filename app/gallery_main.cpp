// kurvex-gallery: one window of charts that shows what the chart draws.

#include "app/gallery_form.h"
#include "app/window_program.h"

int main(int argc, char** argv) {
  using namespace kurvex;
  return RunWindowProgram(argc, argv, "kurvex-gallery", "Kurvex gallery",
                          [] { return std::make_unique<TGalleryForm>(nullptr); });
}
