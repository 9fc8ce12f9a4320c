#pragma once
// TForm1: the speed-test window. Every control and value comes from the stored layout
// "form1.json"; the form binds the layout's components to its fields and its handlers to
// the controls' events by name.

#include <string_view>

#include "chart/model/kurvex.h"
#include "numlab/numlab.h"
#include "platform/std_controls.h"

namespace kurvex {

class TForm1 : public TForm {
 public:
  // Reads the stored layout into the new form. Raises ELayoutError when the layout is
  // missing or wrong.
  explicit TForm1(TComponent* AOwner);
  // Reads the given layout text instead (`source` names it in error messages).
  TForm1(TComponent* AOwner, std::string_view layout, std::string_view source);
  const char* ClassName() const override { return "TForm1"; }

  // "Start": runs the speed test with the label's count and shows both times.
  void ButStartClick(TObject* Sender);
  // The scroll bar picked another count: empties the chart and shows the new count.
  void ScrollBar1Change(TObject* Sender);
  void RBZoomClick(TObject* Sender);
  void RBPanClick(TObject* Sender);
  // "Exit": closes the form, which ends the program.
  void ButExitClick(TObject* Sender);

  TPanel* Panel1 = nullptr;
  TButton* ButExit = nullptr;
  TButton* ButStart = nullptr;
  TGroupBox* GroupBox1 = nullptr;
  TRadioButton* RBZoom = nullptr;
  TRadioButton* RBPan = nullptr;
  TLabel* Label1 = nullptr;
  TNumLab* NLabDatPoi = nullptr;
  TScrollBar* ScrollBar1 = nullptr;
  TLabel* LblT2 = nullptr;
  TLabel* LblT1 = nullptr;
  TKurvex* Kurvex1 = nullptr;
};

// The name of the form's stored layout among the program's resources.
inline constexpr const char* kForm1Layout = "form1.json";

// Registers TForm1 (handlers and fields) and the classes its layout uses. Idempotent.
void RegisterForm1Classes();

}  // namespace kurvex
