// Hello chart: a window with a sine. Drag the curve with the left mouse button to pan.
#include <QApplication>
#include <QMainWindow>

#include <cmath>
#include <kurvex/qt.h>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  auto* widget = new kurvex::qt::KurvexWidget;  // any QWidget tree or layout will do
  window.setCentralWidget(widget);
  window.resize(640, 400);

  kurvex::TKurvex& chart = widget->Chart();
  chart.SetCaption("Hello, Kurvex");
  chart.SetGridStyle(kurvex::GridStyleType::gsDotLines);
  chart.SetMouseAction(kurvex::TMouseActMode::maPan);
  chart.SetLayerRange(1, 0, -1.2, 10, 1.2);  // layer 1: x from 0 to 10, y from -1.2 to 1.2
  chart.SetDataColor(kurvex::clBlue);
  chart.MoveToPoint(0.0, 0.0);
  for (int i = 1; i <= 1000; ++i) chart.LineToPoint(i / 100.0, std::sin(i / 100.0));
  chart.RefreshChart();  // shows what was drawn since the last refresh

  window.show();
  return app.exec();
}
