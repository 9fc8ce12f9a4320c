// Construction, destruction and the component life of the chart control.

#include "chart/model/kurvex.h"

#include "chart/model/chart_cursors.h"
#include "common/errors.h"
#include "platform/application.h"

namespace kurvex {

namespace {

// The 16 standard colours given to the axes of layers 1..16.
constexpr std::array<TColor, 16> kLayerColors = {clBlack, clMaroon, clGreen, clOlive, clNavy,    clPurple,
                                                 clTeal,  clGray,   clSilver, clRed,  clLime,    clYellow,
                                                 clBlue,  clFuchsia, clAqua,  clWhite};

}  // namespace

TCustomKurvex::TCustomKurvex(TComponent* AOwner) : TCustomControl(AOwner) {
  paint_hold_ = true;
  annotation_mode_ = false;
  main_after_annotations_ = false;
  annotation_texts_last_ = true;
  annotations_visible_ = true;

  CreateOwnedObjects();
  TCustomControl::SetBounds(Left(), Top(), 280, 200);
  margin_left_ = 50;
  margin_right_ = 10;
  margin_top_ = 16;
  margin_bottom_ = 32;
  mouse_.TraceCount = 0;
  ResizePlotBitmap();
  control_bitmap_->SetSize(Width(), Height());

  ResetDefaults();
  ResetSubObjects();
  SetUpLayers();

  paint_hold_ = true;
  SetStandardLayout(TkxLayout::kxl_X1Bottom_Y1Left);
  ClearRangeHistory();
  limit_low_x_ = limit_low_y_ = limit_high_x_ = limit_high_y_ = 0;
  mouse_action_ = TMouseActMode::maNone;
  mouse_.Reset();
  auto_redraw_ = true;
}

void TCustomKurvex::CreateOwnedObjects() {
  for (int n = 1; n <= 4; ++n) crosshairs_[n] = std::make_unique<TCrossHair>();
  for (int n = 1; n <= kTextLabels; ++n) text_labels_[n] = std::make_unique<TTextLabel>();
  bak_gnd_img_ = std::make_unique<TBakGndImg>();
  joint_layers_ = std::make_unique<TJointLayers>();
  for (int n = 1; n <= kLayers; ++n) {
    x_props_[n] = std::make_unique<TScalePropsHoriz>();
    y_props_[n] = std::make_unique<TScalePropsVert>();
    x_scales_[n] = std::make_unique<TScale>(nullptr);
    y_scales_[n] = std::make_unique<TScale>(nullptr);
  }
  text_font_ = std::make_unique<TFont>();
  plot_bitmap_ = std::make_unique<Bitmap>();
  control_bitmap_ = std::make_unique<Bitmap>();
  scratch_bitmap_ = std::make_unique<Bitmap>();
  back_image_bitmap_ = std::make_unique<Bitmap>();
  plot_canvas_ = std::make_unique<TCanvas>(plot_bitmap_.get());
  control_canvas_ = std::make_unique<TCanvas>(control_bitmap_.get());
}

// The chart's defaults (everything a new chart starts with besides its sub-objects).
void TCustomKurvex::ResetDefaults() {
  paint_hold_ = true;
  standard_layout_ = TkxLayout::kxl_X1Bottom_Y1Left;
  main_ = std::make_shared<TSharedItemList>();
  annot_.Clear();
  alloc_size_ = 1000;
  class_default_ = 0;
  avoid_duplicate_marks_ = false;
  min_dup_mark_dist_ = 1;
  shadow_width_ = 0;
  shadow_color_ = clGrayText;
  shadow_bak_color_ = clBtnFace;
  shadow_style_ = TShadowStyle::ssFlying;
  current_layer_ = 1;
  layer_visible_.fill(true);
  mouse_active_.fill(false);
  mouse_active_[1] = true;
  data_color_ = 0;
  fill_color_ = clSilver;
  pen_style_ = TPenStyle::psSolid;
  line_width_ = 1;
  reserved_ = 0;
  chart_frame_color_ = 0;
  chart_color_ = clWhite;
  wind_color_ = clBtnFace;
  grid_color_ = 0;
  mouse_trace_color_ = clWhite;
  mouse_trace_invert_ = true;
  pan_grid_dx_ = pan_grid_dy_ = 1.0;
  pan_grid_offs_x_ = pan_grid_offs_y_ = 0;
  owner_ = nullptr;
  users_.fill(nullptr);
  user_count_ = 0;
  caption_.clear();
  caption_trim_ = 100;
  caption_pos_x_ = 0;
  caption_pos_y_ = -15;
  caption_alignment_ = TAlignment::taRightJustify;
  caption_anchor_horiz_ = TCaptionAnchorHoriz::cahChartRight;
  caption_anchor_vert_ = TCaptionAnchorVert::cavChartTop;
  AttributesChanged();
}

void TCustomKurvex::ResetSubObjects() {
  const TNotifyEvent repaint = [this](TObject*) { RepaintIfAuto(); };
  for (int n = 1; n <= 4; ++n) {
    TCrossHair& c = *crosshairs_[n];
    c.OnChange = repaint;
    c.SetPosX(0);
    c.SetPosY(0);
    c.SetLayer(n);
    c.SetColor(clRed);
    c.SetMode(TCrossHMode::chOff);
    c.SetLineType(TPenStyle::psDashDotDot);
    c.SetLineWid(1);
  }
  for (int n = 1; n <= kTextLabels; ++n) {
    TTextLabel& t = *text_labels_[n];
    t.OnChange = repaint;
    t.SetPosX(0);
    t.SetPosY(0);
    t.SetLayer(1);
    t.SetAttachToData(TTxtLblAttachMode::tlamBoth);
    t.SetAlignment(TAlignment::taCenter);
    t.SetVerticalAlignment(TVerticalAlignment::vaBottom);
    t.SetColorBkg(clWhite);
    t.SetColorBorder(clBlack);
    t.SetShadowDx(3);
    t.SetShadowDy(3);
    t.SetColorShadow(clGray);
    t.SetTransparent(false);
    t.SetCaption("");
    t.SetFont(Font());
    t.SetVisible(false);
    t.SetMode(TTxtLblMode::tlOff);
  }
  main_texts_.Clear();
  annot_texts_.Clear();
  bak_gnd_img_->OnChange = repaint;
  joint_layers_->SetChart(this);
  joint_layers_->OnChange = repaint;
  isometric_ = false;
  mouse_cursor_fixed_ = true;
  auto_redraw_ = false;
  text_font_->Assign(Font());
  text_bk_style_ = TTextBkg::tbClear;
  text_alignment_ = TAlignment::taCenter;
  class_visible_.fill(true);
  annot_class_visible_.fill(true);
  grid_style_ = GridStyleType::gsNone;
  grid_dx_ = grid_dy_ = 0;
  RegisterChartCursors();
  scratch_bitmap_->SetSize(10, 10);
  aspect_x_ = GetHost().AspectX();
  aspect_y_ = GetHost().AspectY();
}

void TCustomKurvex::SetUpLayers() {
  const TNotifyEvent scale_changed = [this](TObject*) { ScalePropsChanged(); };
  for (int n = 1; n <= kLayers; ++n) {
    x_props_[n]->Reset();
    y_props_[n]->Reset();
    x_props_[n]->OnChange = scale_changed;
    y_props_[n]->OnChange = scale_changed;
    x_props_[n]->DateFormat().OnChange = scale_changed;
    y_props_[n]->DateFormat().OnChange = scale_changed;
    for (TScale* s : {x_scales_[n].get(), y_scales_[n].get()}) {
      s->ResetDefaults();
      s->OnScaleTickDrawn = [this](TObject*, TCanvas& canvas, TScaleType type, double pos, int x, int y) {
        if (OnScaleTickDrawn) OnScaleTickDrawn(this, canvas, type, pos, x, y);
      };
      s->OnBeforeTickLabel = [this](TObject*, TScaleType type, double pos, std::string& label) {
        if (OnBeforeTickLabel) OnBeforeTickLabel(this, type, pos, label);
      };
      s->OnZoomPan = scale_changed;
      s->SetTransparent(true);
      s->SetColorBackGnd(wind_color_);
      s->SetFrameStyle(TFrameStyle::fsNone);
      s->SetBounds(0, 0, Width(), Height());
    }
    x_scales_[n]->SetMouseAction(TMouseActMode::maZoom);
    CopyLayerToScales(n);
  }
  for (int n = 1; n <= kLayers; ++n) {
    for (TScale* s : {x_scales_[n].get(), y_scales_[n].get()}) {
      s->SetPaintSuspended(true);
      s->SetEmbedded(true);
      s->SetTargetCanvas(control_canvas_.get(), 0, 0);
    }
    x_scales_[n]->SetName("KX_FScale_X_" + std::to_string(n));
    y_scales_[n]->SetName("KX_FScale_Y_" + std::to_string(n));
    x_props_[n]->SetColorScale(kLayerColors[static_cast<std::size_t>(n - 1)]);
    y_props_[n]->SetColorScale(kLayerColors[static_cast<std::size_t>(n - 1)]);
    const bool odd = n % 2 == 1;
    x_props_[n]->SetScaleTypeSilently(odd ? TScaleType::sctXT : TScaleType::sctXB);
    y_props_[n]->SetScaleTypeSilently(odd ? TScaleType::sctYR : TScaleType::sctYL);
    x_props_[n]->SetScalePos((n - 1) / 2 * 30);
    y_props_[n]->SetScalePos((n - 1) / 2 * 50);
  }
}

TCustomKurvex::~TCustomKurvex() {
  SetDestroying();
  // Leave every sharing relation first so that no chart keeps a reference to this one.
  if (owner_ != nullptr) LeaveOwner();
  ReleaseUsers();

  for (auto& c : crosshairs_) c.reset();
  for (auto& t : text_labels_) t.reset();
  for (int n = 1; n <= kLayers; ++n) {
    x_props_[n].reset();
    x_scales_[n].reset();
    y_props_[n].reset();
    y_scales_[n].reset();
  }
  text_font_.reset();
  joint_layers_.reset();
  render_state_.reset();
  plot_canvas_.reset();
  control_canvas_.reset();
  plot_bitmap_.reset();
  control_bitmap_.reset();
  scratch_bitmap_.reset();
  bak_gnd_img_.reset();
}

void TCustomKurvex::Loaded() {
  TCustomControl::Loaded();
  for (int n = 1; n <= kLayers; ++n) {
    CopyLayerToScales(n);
    x_props_[n]->SetLoading(false);
    y_props_[n]->SetLoading(false);
  }
  UpdateTransforms();
  Paint();
}

void TCustomKurvex::CreateWnd() {
  TCustomControl::CreateWnd();
  paint_hold_ = false;
}

int TCustomKurvex::DialogCode() const {
  TCustomControl::DialogCode();
  return 3;  // the arrow keys and the Tab key
}

void TCustomKurvex::HoldPaint(bool Value) {
  if (Value == paint_hold_) return;
  paint_hold_ = Value;
  if (!Value) Paint();
}

TCrossHair& TCustomKurvex::CrossHair(int n) {
  if (n < 1 || n > 4) throw EKPXKurvexError("Crosshair " + std::to_string(n) + " does not exist (1..4)");
  return *crosshairs_[static_cast<std::size_t>(n)];
}

const TCrossHair& TCustomKurvex::CrossHair(int n) const { return const_cast<TCustomKurvex*>(this)->CrossHair(n); }

TTextLabel& TCustomKurvex::TextLabel(int n) {
  if (n < 1 || n > kTextLabels) throw EKPXKurvexError("Text label " + std::to_string(n) + " does not exist (1..50)");
  return *text_labels_[static_cast<std::size_t>(n)];
}

const TTextLabel& TCustomKurvex::TextLabel(int n) const { return const_cast<TCustomKurvex*>(this)->TextLabel(n); }

}  // namespace kurvex
