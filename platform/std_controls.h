#pragma once
// The standard controls of a form: TForm, TPanel, TButton, TRadioButton, TGroupBox,
// TScrollBar and TLabel. They hold their state and raise their events here, without any
// windowing system, so form logic runs and is tested headless; the Qt host shows each of
// them with the matching native widget. TPanel and TForm paint their own surface (they can
// hold windowless children such as numeric labels).

#include <functional>
#include <string>

#include "common/saturate.h"
#include "platform/control.h"

namespace kurvex {

// A windowed control with a caption.
class TCaptionControl : public TWinControl {
 public:
  explicit TCaptionControl(TComponent* AOwner) : TWinControl(AOwner) {}
  const char* ClassName() const override { return "TCaptionControl"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

 protected:
  virtual void CaptionChanged();  // repaints and tells the host

 private:
  std::string caption_;
};

enum class TCloseAction : std::uint8_t { caNone, caHide };
KX_ENUM_NAMES(TCloseAction, "caNone", "caHide");
using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;

// A top-level window. Left, Top, Width and Height are the outer frame; the client area
// (the surface, where children live) is smaller by the frame border on every side and
// the caption bar at the top. Forms start hidden; Show makes them visible and creates
// their windows.
class TForm : public TCaptionControl {
 public:
  static constexpr int kFrameBorder = 4;
  static constexpr int kCaptionHeight = 25;

  explicit TForm(TComponent* AOwner);
  ~TForm() override;
  const char* ClassName() const override { return "TForm"; }

  TRect ClientRect() const override;
  void SetClientWidth(int width) { SetWidth(AddSaturated(width, 2 * kFrameBorder)); }
  void SetClientHeight(int height) { SetHeight(AddSaturated(height, kCaptionHeight + 2 * kFrameBorder)); }

  // Stored with the layout; fonts and bounds are not rescaled by it.
  int PixelsPerInch() const { return pixels_per_inch_; }
  void SetPixelsPerInch(int ppi) { pixels_per_inch_ = ppi; }

  void Show();
  void Hide() { SetVisible(false); }
  // Asks OnClose (Action starts as caHide); unless it answers caNone the form is hidden,
  // and closing the application's main form ends the message loop.
  void Close();
  TCloseEvent OnClose;

 private:
  int pixels_per_inch_ = 96;
};

enum class TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
KX_ENUM_NAMES(TBevelCut, "bvNone", "bvLowered", "bvRaised", "bvSpace");

// A container with an optional bevel and a centred caption.
class TPanel : public TCaptionControl {
 public:
  explicit TPanel(TComponent* AOwner);
  const char* ClassName() const override { return "TPanel"; }

  TBevelCut BevelOuter() const { return bevel_outer_; }
  void SetBevelOuter(TBevelCut bevel);

  void Paint() override;

 private:
  TBevelCut bevel_outer_ = TBevelCut::bvRaised;
};

// A push button: a click (press and release of the left button on it) raises OnClick.
class TButton : public TCaptionControl {
 public:
  explicit TButton(TComponent* AOwner);
  const char* ClassName() const override { return "TButton"; }
};

// A radio button. Checking one unchecks the other radio buttons of the same parent. A
// click checks it, then raises OnClick; setting Checked from code raises nothing.
class TRadioButton : public TCaptionControl {
 public:
  explicit TRadioButton(TComponent* AOwner);
  const char* ClassName() const override { return "TRadioButton"; }

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  void Click() override;

 private:
  bool checked_ = false;
};

// A framed box with a caption that groups other controls.
class TGroupBox : public TCaptionControl {
 public:
  explicit TGroupBox(TComponent* AOwner);
  const char* ClassName() const override { return "TGroupBox"; }
};

enum class TScrollBarKind : std::uint8_t { sbHorizontal, sbVertical };
KX_ENUM_NAMES(TScrollBarKind, "sbHorizontal", "sbVertical");

// A scroll bar over the positions Min..Max (with a PageSize > 0, up to Max - PageSize + 1).
// Position is kept inside that range; a change raises OnChange (not while loading: the
// stored values are checked together once loading ends).
class TScrollBar : public TWinControl {
 public:
  explicit TScrollBar(TComponent* AOwner);
  const char* ClassName() const override { return "TScrollBar"; }

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind kind);
  int Min() const { return min_; }
  void SetMin(int min);
  int Max() const { return max_; }
  void SetMax(int max);
  int Position() const { return position_; }
  void SetPosition(int position);
  int LargeChange() const { return large_change_; }
  void SetLargeChange(int change);
  int SmallChange() const { return small_change_; }
  void SetSmallChange(int change);
  int PageSize() const { return page_size_; }
  void SetPageSize(int size);
  // Sets position and range at once (the range first).
  void SetParams(int position, int min, int max);

  // The largest position the range allows.
  int MaxPosition() const;

  void Loaded() override;

  TNotifyEvent OnChange;

 protected:
  virtual void Change();  // raises OnChange

 private:
  void Normalize();
  void Finish(int old_position);  // normalizes, tells the host, raises OnChange

  TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int large_change_ = 1;
  int small_change_ = 1;
  int page_size_ = 0;
};

// Static text. With AutoSize (the default) the label takes the size of its caption in its
// font whenever either changes (once loading has ended).
class TLabel : public TCaptionControl {
 public:
  explicit TLabel(TComponent* AOwner);
  const char* ClassName() const override { return "TLabel"; }

  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool auto_size);

  void Loaded() override;

 protected:
  void CaptionChanged() override;
  void FontChanged() override;

 private:
  void AdjustBounds();

  bool auto_size_ = true;
};

}  // namespace kurvex
