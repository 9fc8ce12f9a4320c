// Headless PNG export: a chart that never appears on a screen, drawn and saved as
// pictures of two sizes. Needs no Qt and no display; link Kurvex::Kurvex.
//
//   kurvex-example-png-export [folder]     writes damped_wave.png and damped_wave_hd.png

#include <cmath>
#include <cstdio>
#include <string>

#include <kurvex/kurvex.h>

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : ".";
  kurvex::TKurvex chart(nullptr);
  chart.SetBounds(0, 0, 800, 480);  // the size of SaveChartToPng(chart, path)
  chart.SetCaption("Damped wave");
  chart.SetGridStyle(kurvex::GridStyleType::gsDotLines);
  chart.SetLayerRange(1, 0, -1, 20, 1);
  chart.Scale1X().SetCaption("t [s]");

  // The envelope in grey, then the wave in dark blue, two pixels wide.
  chart.SetDataColor(kurvex::clGray);
  chart.MoveToPoint(0.0, 1.0);
  for (int i = 1; i <= 2000; ++i) chart.LineToPoint(i / 100.0, std::exp(-i / 1000.0));
  chart.SetDataColor(kurvex::clNavy);
  chart.SetLineWidth(2);
  chart.MoveToPoint(0.0, 0.0);
  for (int i = 1; i <= 2000; ++i) {
    const double t = i / 100.0;
    chart.LineToPoint(t, std::exp(-t / 10) * std::sin(3 * t));
  }
  chart.RefreshChart();

  try {
    kurvex::SaveChartToPng(chart, folder + "/damped_wave.png");
    // Any other size: a copy of the chart is drawn; the chart itself stays at 800 x 480.
    kurvex::SaveChartToPng(chart, folder + "/damped_wave_hd.png", 1920, 1080);
  } catch (const kurvex::EExportError& e) {
    // e.g. "Cannot save '/nowhere/damped_wave.png': No such file or directory"
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  std::printf("wrote %s/damped_wave.png (800 x 480) and %s/damped_wave_hd.png (1920 x 1080)\n", folder.c_str(),
              folder.c_str());
  return 0;
}
