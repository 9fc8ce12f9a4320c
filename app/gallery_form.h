#pragma once
// TGalleryForm: the window of kurvex-gallery, charts that show what the chart draws. One
// large chart holds three layers with axes on all four sides (a date axis, a logarithmic
// axis, an elapsed-time axis and one moved out from the plot), a grid, an area fixed to
// the data and text labels of every mode; beside it a background image in each fill mode;
// below, one chart per grid style, the three logarithmic grid rules and four area modes.
// Every chart's mouse action is maPan.

#include <string>
#include <vector>

#include "chart/model/kurvex.h"
#include "platform/std_controls.h"

namespace kurvex {

class TGalleryForm : public TForm {
 public:
  // Writes the background picture into a file of the temporary folder first.
  explicit TGalleryForm(TComponent* AOwner);
  // Removes the picture's file.
  ~TGalleryForm() override;
  const char* ClassName() const override { return "TGalleryForm"; }

  // The charts in the order they were placed: the large one, the three background images,
  // the grid styles, the logarithmic grid rules, the area modes.
  const std::vector<TKurvex*>& Charts() const { return charts_; }
  // The chart whose caption is `caption`, or nullptr.
  TKurvex* ChartCaptioned(const std::string& caption) const;
  const std::string& BackgroundImageFile() const { return image_file_; }

 private:
  struct Cell {
    int Left, Top, Width, Height;
  };
  TKurvex& AddChart(const std::string& caption, Cell cell, int marginLeft, int marginRight, int marginTop,
                    int marginBottom);

  void AddLayersChart(Cell cell);
  void AddBackgroundCharts(int left, int top, int width);
  void AddGridStyleCharts(int top);
  void AddLogGridAndAreaCharts(int top);

  std::string image_file_;
  std::vector<TKurvex*> charts_;
};

}  // namespace kurvex
