// A small window built from a stored layout: a form with a panel holding a button and a
// label, and a custom control that draws a pattern with the canvas. "Next" changes the
// pattern. Run with --screenshot FILE to save a picture of the window and quit.

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/layout.h"
#include "platform/qt/qt_host.h"
#include "platform/std_controls.h"

namespace kurvex {
namespace {

// Colour bands, a Lissajous figure and a framed caption, all drawn through the canvas.
class TPattern : public TCustomControl {
 public:
  explicit TPattern(TComponent* owner) : TCustomControl(owner) {}
  const char* ClassName() const override { return "TPattern"; }

  int Phase() const { return phase_; }
  void SetPhase(int phase) {
    phase_ = phase;
    Refresh();
  }

  void Paint() override {
    TCanvas& c = Canvas();
    const int w = Width(), h = Height();
    static const TColor bands[] = {clNavy, clTeal, clGreen, clOlive, clMaroon, clPurple};
    const int band = std::max(h / 6, 1);
    c.Pen().SetStyle(TPenStyle::psClear);
    for (int i = 0; i < 6; ++i) {
      c.Brush().SetColor(bands[(i + phase_) % 6]);
      c.Rectangle(0, i * band, w + 1, (i + 1) * band + 1);
    }
    c.Brush().SetColor(bands[(5 + phase_) % 6]);
    c.Rectangle(0, 6 * band, w + 1, h + 1);
    c.Pen().SetStyle(TPenStyle::psSolid);
    c.Pen().SetColor(clWhite);
    c.Pen().SetWidth(2);
    std::vector<TPoint> curve;
    for (int i = 0; i <= 720; ++i) {
      const double t = i * 3.14159265358979 / 360;
      curve.push_back(Point(static_cast<int>(w / 2 + w * 0.4 * std::sin(3 * t + phase_ * 0.5)),
                            static_cast<int>(h / 2 + h * 0.4 * std::sin(2 * t))));
    }
    c.Polyline(curve);
    c.Pen().SetWidth(1);
    c.Pen().SetColor(clYellow);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Ellipse(w / 2 - 40, h / 2 - 40, w / 2 + 40, h / 2 + 40);
    c.Font().SetName("Arial");
    c.Font().SetHeight(-16);
    c.Font().SetColor(clBlack);
    const std::string caption = "Kurvex platform, phase " + std::to_string(phase_);
    c.Brush().SetColor(clWhite);
    c.Pen().SetColor(clBlack);
    c.Rectangle(10, 10, 28 + c.TextWidth(caption), 18 + c.TextHeight(caption));
    c.TextOut(18, 14, caption);
  }

 private:
  int phase_ = 0;
};

class TExampleForm : public TForm {
 public:
  explicit TExampleForm(TComponent* owner) : TForm(owner) {}
  const char* ClassName() const override { return "TExampleForm"; }
  void NextClick(TObject*) {
    Pattern->SetPhase(Pattern->Phase() + 1);
    Info->SetCaption("Phase " + std::to_string(Pattern->Phase()));
  }
  TPattern* Pattern = nullptr;
  TLabel* Info = nullptr;
  TButton* Next = nullptr;
};

const char* const kLayout = R"({
  "class": "TExampleForm", "name": "ExampleForm",
  "properties": {"Left": 100, "Top": 80, "Width": 488, "Height": 373, "Caption": "Kurvex platform example",
                 "Color": "clSilver", "ParentFont": false,
                 "Font": {"Name": "Arial", "Height": -13, "Color": "clBlack"}},
  "children": [
    {"class": "TPanel", "name": "Panel1",
     "properties": {"Left": 0, "Top": 0, "Width": 480, "Height": 48, "Align": "alTop", "Caption": "panel"},
     "children": [
       {"class": "TButton", "name": "Next",
        "properties": {"Left": 8, "Top": 9, "Width": 89, "Height": 29, "Caption": "Next", "OnClick": "NextClick"}},
       {"class": "TLabel", "name": "Info", "properties": {"Left": 110, "Top": 15, "Caption": "Phase 0"}}
     ]},
    {"class": "TPattern", "name": "Pattern", "properties": {"Align": "alClient"}}
  ]
})";

void RegisterExampleClasses() {
  RegisterPlatformClasses();
  RegisterClass<TPattern>("TPattern", "TCustomControl");
  auto f = RegisterClass<TExampleForm>("TExampleForm", "TForm");
  f.Method("NextClick", &TExampleForm::NextClick);
  f.Field("Pattern", &TExampleForm::Pattern);
  f.Field("Info", &TExampleForm::Info);
  f.Field("Next", &TExampleForm::Next);
}

}  // namespace
}  // namespace kurvex

int main(int argc, char** argv) {
  using namespace kurvex;
  QApplication app(argc, argv);
  std::string screenshot;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--screenshot") == 0) screenshot = argv[i + 1];
  }
  int result = 0;
  {
    auto* host = new qt::QtHost;
    Application().SetHost(std::unique_ptr<Host>(host));
    RegisterExampleClasses();
    auto form = ReadLayoutAs<TExampleForm>(kLayout, "example.json");
    Application().SetMainForm(form.get());
    if (!screenshot.empty()) {
      QTimer::singleShot(300, [&] {
        form->Next->Click();  // one click, to show that the handler runs
        Application().ProcessMessages();
        // The pixels the window system shows for the window; Qt's own rendering of the
        // widget where the platform cannot read the screen.
        QWidget* window = host->WidgetOf(*form);
        QImage shot;
        if (QScreen* screen = window->screen()) shot = screen->grabWindow(window->winId()).toImage();
        if (shot.isNull()) shot = window->grab().toImage();
        const bool saved = shot.save(QString::fromStdString(screenshot));
        std::cout << (saved ? "saved " : "could not save ") << screenshot << " (" << shot.width() << " x "
                  << shot.height() << ")\n";
        form->Close();
      });
    }
    result = Application().Run();
    form.reset();
    Application().SetHost(nullptr);
  }
  return result;
}
