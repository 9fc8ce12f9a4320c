#pragma once
// A numeric label on a plain panel of a headless host, and pixel helpers for its tests.

#include <memory>
#include <string>

#include "numlab/numlab.h"
#include "platform/application.h"
#include "platform/headless_host.h"
#include "platform/std_controls.h"

namespace kurvex::numlab_test {

// A label that counts its paints.
class CountingNumLab : public TNumLab {
 public:
  using TNumLab::TNumLab;
  void Paint() override {
    ++paints;
    TNumLab::Paint();
  }
  int paints = 0;
};

// A borderless panel of the given colour with one label at (left, top), shown by a fresh
// headless host that the fixture gives back when it ends.
class LabelOnPanel {
 public:
  LabelOnPanel(int panel_width, int panel_height, TColor panel_color, int left = 0, int top = 0) {
    auto host = std::make_unique<HeadlessHost>();
    host_ = host.get();
    Application().SetHost(std::move(host));
    panel_ = std::make_unique<TPanel>(nullptr);
    panel_->SetBevelOuter(TBevelCut::bvNone);
    panel_->SetColor(panel_color);
    panel_->SetBounds(0, 0, panel_width, panel_height);
    label_ = new CountingNumLab(panel_.get());
    label_->SetParent(panel_.get());
    label_->SetBounds(left, top, label_->Width(), label_->Height());
    panel_->HandleNeeded();
    host_->ProcessMessages();
    label_->paints = 0;
  }
  ~LabelOnPanel() {
    panel_->DestroyHandle();
    panel_.reset();
    Application().SetHost(nullptr);
  }
  LabelOnPanel(const LabelOnPanel&) = delete;
  LabelOnPanel& operator=(const LabelOnPanel&) = delete;

  CountingNumLab& Label() { return *label_; }
  TPanel& Panel() { return *panel_; }
  HeadlessHost& Host() { return *host_; }
  const Bitmap& Surface() const { return panel_->Surface(); }

  // The panel's pixels under the label, in the label's own coordinates.
  Bitmap LabelImage() const {
    Bitmap out(label_->Width(), label_->Height());
    for (int y = 0; y < out.Height(); ++y) {
      for (int x = 0; x < out.Width(); ++x) out.SetPixel(x, y, Surface().Pixel(label_->Left() + x, label_->Top() + y));
    }
    return out;
  }
  TColor LabelPixel(int x, int y) const { return Surface().Pixel(label_->Left() + x, label_->Top() + y); }

  // Runs the deferred repaints the host has collected.
  void ProcessMessages() { host_->ProcessMessages(); }

 private:
  HeadlessHost* host_;
  std::unique_ptr<TPanel> panel_;
  CountingNumLab* label_;  // owned by the panel
};

// Bounding box of the pixels inside a region that have one exact colour (InkBox) or any
// other colour than the background (InkBoxExcept); Right/Bottom exclusive, empty when there
// are none.
template <class Pred>
TRect BoxWhere(const Bitmap& b, const TRect& region, Pred pred) {
  TRect box = Rect(region.Right, region.Bottom, region.Left, region.Top);
  for (int y = region.Top; y < region.Bottom; ++y) {
    for (int x = region.Left; x < region.Right; ++x) {
      if (!pred(b.Pixel(x, y))) continue;
      box.Left = std::min(box.Left, x);
      box.Top = std::min(box.Top, y);
      box.Right = std::max(box.Right, x + 1);
      box.Bottom = std::max(box.Bottom, y + 1);
    }
  }
  return box;
}

inline TRect InkBox(const Bitmap& b, const TRect& region, TColor ink) {
  return BoxWhere(b, region, [ink](TColor c) { return c == ink; });
}

inline TRect InkBoxExcept(const Bitmap& b, const TRect& region, TColor background) {
  return BoxWhere(b, region, [background](TColor c) { return c != background; });
}

inline bool HasInk(const TRect& box) { return box.Right > box.Left; }

// Number of pixels of a region that differ from `color`.
inline int CountOther(const Bitmap& b, const TRect& region, TColor color) {
  int n = 0;
  for (int y = region.Top; y < region.Bottom; ++y) {
    for (int x = region.Left; x < region.Right; ++x) n += b.Pixel(x, y) != color;
  }
  return n;
}

inline bool SameRegion(const Bitmap& a, const Bitmap& b, const TRect& region) {
  for (int y = region.Top; y < region.Bottom; ++y) {
    for (int x = region.Left; x < region.Right; ++x) {
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
    }
  }
  return true;
}

}  // namespace kurvex::numlab_test
