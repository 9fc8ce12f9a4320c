// Chart properties: construction defaults, setter clamps, bounds, layouts, axis settings,
// and copying a whole chart.

#include <gtest/gtest.h>

#include "chart/model/kurvex.h"
#include "platform/application.h"

namespace kurvex {
namespace {

TEST(ChartProperties, NewChart) {
  TKurvex chart(nullptr);
  EXPECT_EQ(chart.Width(), 280);
  EXPECT_EQ(chart.Height(), 200);
  EXPECT_EQ(chart.MarginLeft(), 50);
  EXPECT_EQ(chart.MarginRight(), 20);
  EXPECT_EQ(chart.MarginTop(), 20);
  EXPECT_EQ(chart.MarginBottom(), 40);
  EXPECT_TRUE(chart.AutoRedraw());
  EXPECT_TRUE(chart.Scale1X().Visible());
  EXPECT_EQ(chart.Scale1X().ScaleLocation(), TScaleLocationHoriz::slBottom);
  EXPECT_TRUE(chart.Scale1Y().Visible());
  EXPECT_EQ(chart.Scale1Y().ScaleLocation(), TScaleLocationVert::slLeft);
  for (int n = 2; n <= 16; ++n) {
    EXPECT_FALSE(chart.ScaleXProps(n).Visible()) << n;
    EXPECT_FALSE(chart.ScaleYProps(n).Visible()) << n;
  }
  EXPECT_EQ(chart.ScaleXProps(2).ColorScale(), clMaroon);
  EXPECT_EQ(chart.ScaleYProps(16).ColorScale(), clWhite);
  EXPECT_EQ(chart.ScaleYProps(5).ScalePos(), 100);
  EXPECT_EQ(chart.ScaleXProps(6).ScaleType(), TScaleType::sctXB);
  EXPECT_EQ(chart.ScaleX(3).Name(), "KX_FScale_X_3");
  EXPECT_TRUE(chart.ScaleX(1).Embedded());
  EXPECT_EQ(chart.ScaleX(1).TargetCanvas(), &chart.ControlCanvas());
  EXPECT_EQ(chart.ScaleX(1).MouseAction(), TMouseActMode::maZoom);
  EXPECT_TRUE(chart.ScaleY(16).Surface().Empty());  // the axes draw into the chart's bitmap
  EXPECT_EQ(chart.CrossHair(3).Layer(), 3);
  EXPECT_EQ(chart.CrossHair(1).LineType(), TPenStyle::psDashDotDot);
  EXPECT_EQ(chart.TextLabel(50).Mode(), TTxtLblMode::tlOff);
  EXPECT_EQ(chart.TextLabel(1).ShadowDx(), 3);
  EXPECT_EQ(chart.FillColor(), clSilver);
  EXPECT_EQ(chart.CaptionPosY(), -16);
  EXPECT_TRUE(chart.MouseActiveLayer(1));
  EXPECT_FALSE(chart.MouseActiveLayer(2));
  EXPECT_EQ(chart.DialogCode(), 3);
  EXPECT_EQ(chart.ScratchBitmap().Width(), 10);
  EXPECT_EQ(chart.MouseState().Trace.size(), 5000u);
}

TEST(ChartProperties, TheFourCursorsAreInTheCursorTable) {
  TKurvex chart(nullptr);
  const TPoint hot_spots[] = {Point(12, 3), Point(7, 9), Point(15, 15), Point(7, 8)};
  for (int n = 1; n <= 4; ++n) {
    const CursorImage* image = Screen().CursorImageOf(n);
    ASSERT_NE(image, nullptr) << n;
    EXPECT_EQ(Point(image->hot_x, image->hot_y), hot_spots[n - 1]) << n;
  }
}

TEST(ChartProperties, Clamps) {
  TKurvex chart(nullptr);
  chart.SetShadowWidth(40);
  EXPECT_EQ(chart.ShadowWidth(), 32);
  chart.SetShadowWidth(-1);
  EXPECT_EQ(chart.ShadowWidth(), 0);
  chart.SetCaptionTrim(3);
  EXPECT_EQ(chart.CaptionTrim(), 5);
  chart.SetCaptionTrim(0);
  EXPECT_EQ(chart.CaptionTrim(), 0);
  chart.SetCaptionTrim(500);
  EXPECT_EQ(chart.CaptionTrim(), 100);
  chart.SetMinDupMarkDist(0);
  EXPECT_EQ(chart.MinDupMarkDist(), 1);
  chart.SetMinDupMarkDist(7);
  EXPECT_EQ(chart.MinDupMarkDist(), 3);
  chart.SetGridDx(-4);
  EXPECT_EQ(chart.GridDx(), 0.0);
  chart.SetGridDx(-3);
  EXPECT_EQ(chart.GridDx(), -3.0);
  chart.SetTextBkColor(clRed);
  EXPECT_EQ(chart.FillColor(), clRed);
  chart.SetLRim(33);
  EXPECT_EQ(chart.MarginLeft(), 33);
}

TEST(ChartProperties, ClassesOutsideTheirRangeAreIgnored) {
  TKurvex chart(nullptr);
  chart.SetClassVisible(300, false);  // 300 mod 256 is 44
  chart.SetClassVisible(-1, false);   // the low byte of -1 is 255
  chart.SetAnnotationClassVisible(256, false);
  EXPECT_TRUE(chart.ClassVisible(44));
  EXPECT_TRUE(chart.ClassVisible(255));
  EXPECT_TRUE(chart.ClassVisible(300));
  EXPECT_TRUE(chart.AnnotationClassVisible(0));
  chart.SetClassVisible(255, false);
  EXPECT_FALSE(chart.ClassVisible(255));
  EXPECT_TRUE(chart.ClassVisible(-1));
}

TEST(ChartProperties, ExtremeMarginsAreClampedAndKeepThePlotBitmapBounded) {
  TKurvex chart(nullptr);
  chart.SetMarginLeft(-2147483647 - 1);
  chart.SetMarginTop(2147483647);
  EXPECT_EQ(chart.MarginLeft(), -kMaxControlExtent);
  EXPECT_EQ(chart.MarginTop(), kMaxControlExtent);
  EXPECT_EQ(chart.PlotBitmap().Height(), 0);
  chart.SetMarginRight(-2147483647 - 1);  // a plot wider than any control
  EXPECT_EQ(chart.PlotBitmap().Width(), kMaxControlExtent);
  EXPECT_EQ(chart.PlotBitmap().Height(), 0);
  // The room SetBounds keeps for the plot is computed without overflow.
  chart.SetMarginBottom(2147483647);
  chart.SetBounds(0, 0, 100, 100);
  EXPECT_EQ(chart.Height(), kMaxControlExtent);
  EXPECT_EQ(chart.Width(), 100);
  chart.Paint();
}

TEST(ChartProperties, SetBoundsKeepsRoomForThePlot) {
  TKurvex chart(nullptr);
  chart.SetMarginTop(20);
  chart.SetMarginBottom(40);
  chart.SetShadowWidth(1);
  chart.SetBounds(0, 0, 10, 10);
  EXPECT_EQ(chart.Height(), 81);
  EXPECT_EQ(chart.Width(), 50 + 20 + 1 + 80);
  EXPECT_EQ(chart.ScaleX(1).Width(), chart.Width());
  // The axis controls place their lines at the plot edges.
  EXPECT_EQ(chart.ScaleX(1).MarginTop(), 81 - 40 - 1);  // sctXT below the plot
  EXPECT_EQ(chart.ScaleX(1).MarginRight(), 20 + 1 - 1);
  EXPECT_EQ(chart.ScaleY(1).MarginRight(), chart.Width() - 50 - 1);  // sctYR left of the plot
  EXPECT_EQ(chart.ScaleY(1).MarginBottom(), 40 + 1 - 1);
}

TEST(ChartProperties, StandardLayouts) {
  TKurvex chart(nullptr);
  struct Row {
    TkxLayout layout;
    int ml, mr, mt, mb;
    int visible_y;
  };
  const Row rows[] = {{TkxLayout::kxl_X1Bottom_Y1Left, 50, 20, 20, 40, 1},
                      {TkxLayout::kxl_X1Bottom_Y2Left, 100, 20, 24, 40, 2},
                      {TkxLayout::kxl_X1Bottom_Y3Left, 150, 20, 24, 40, 3},
                      {TkxLayout::kxl_X1Bottom_Y4Left, 200, 20, 24, 40, 4},
                      {TkxLayout::kxl_X1Bottom_Y2Both, 50, 50, 24, 40, 2},
                      {TkxLayout::kxl_X2Bottom_Y2Left, 100, 20, 24, 70, 2},
                      {TkxLayout::kxl_X2Both_Y2Both, 50, 50, 64, 40, 2}};
  for (const Row& r : rows) {
    chart.SetStandardLayout(r.layout);
    EXPECT_EQ(chart.StandardLayout(), r.layout);
    EXPECT_EQ(chart.MarginLeft(), r.ml);
    EXPECT_EQ(chart.MarginRight(), r.mr);
    EXPECT_EQ(chart.MarginTop(), r.mt);
    EXPECT_EQ(chart.MarginBottom(), r.mb);
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(chart.ScaleYProps(n).Visible(), n <= r.visible_y) << n;
    EXPECT_EQ(chart.ScaleX(2).Visible(), chart.ScaleXProps(2).Visible());
  }
  // The last one shows X2 on top and Y2 on the right; the caption sits in the centre.
  EXPECT_EQ(chart.Scale2X().ScaleLocation(), TScaleLocationHoriz::slTop);
  EXPECT_EQ(chart.Scale2X().ScaleType(), TScaleType::sctXB);
  EXPECT_EQ(chart.Scale2Y().ScaleLocation(), TScaleLocationVert::slRight);
  EXPECT_EQ(chart.Scale3Y().CaptionPosY(), -23);
  EXPECT_EQ(chart.CaptionAnchorHoriz(), TCaptionAnchorHoriz::cahChartCenter);
  EXPECT_EQ(chart.CaptionPosY(), -60);

  chart.SetStandardLayout(TkxLayout::kxl_X1Bottom_Y2Both);
  EXPECT_EQ(chart.Scale2Y().ScaleLocation(), TScaleLocationVert::slRight);
  EXPECT_EQ(chart.Scale2Y().CaptionAlignment(), TAlignment::taLeftJustify);
  EXPECT_EQ(chart.CaptionAlignment(), TAlignment::taCenter);
  EXPECT_FALSE(chart.Scale2X().Visible());
  EXPECT_EQ(chart.Scale2X().ScaleLocation(), TScaleLocationHoriz::slBottom);
  EXPECT_EQ(chart.Scale2X().CaptionPosY(), 100);

  chart.SetStandardLayout(TkxLayout::kxl_X2Bottom_Y2Left);
  EXPECT_EQ(chart.Scale2X().ScalePos(), 30);
  EXPECT_EQ(chart.Scale2X().CaptionPosX(), -20);
}

TEST(ChartProperties, AxisSettingRules) {
  TKurvex chart(nullptr);
  chart.Loaded();  // end of the loading phase of the axis settings
  TScalePropsHoriz& x = chart.Scale1X();
  x.SetRangeLow(0.99999999999);
  EXPECT_DOUBLE_EQ(x.RangeLow(), 0.99999999999);
  EXPECT_DOUBLE_EQ(x.RangeHigh(), 0.99999999999 + 1e-10);
  x.SetRangeLow(0);
  x.SetRangeHigh(1);
  x.SetMinRange(10);
  EXPECT_DOUBLE_EQ(x.RangeLow(), -4.5);
  EXPECT_DOUBLE_EQ(x.RangeHigh(), 5.5);
  x.SetMinRange(0);  // ignored
  EXPECT_EQ(x.MinRange(), 10.0);

  TScalePropsVert& y = chart.Scale1Y();
  y.SetLogarithmic(true);  // range 0..1: refused
  EXPECT_FALSE(y.Logarithmic());
  y.SetRangeLow(0.1);
  y.SetLogarithmic(true);
  EXPECT_TRUE(y.Logarithmic());
  y.SetRangeLow(-3);  // a logarithmic axis cannot take it
  EXPECT_EQ(y.RangeLow(), 0.1);
  y.SetLabelType(TFigType::ftDateTime);
  EXPECT_FALSE(y.Logarithmic());
  y.SetLabelType(TFigType::ftTime);
  EXPECT_EQ(y.DecPlaces(), 4);
  y.SetDecPlaces(-9);
  EXPECT_EQ(y.DecPlaces(), -3);
  y.SetDecPlaces(40);
  EXPECT_EQ(y.DecPlaces(), 12);
  // The axis control follows every setting.
  EXPECT_EQ(chart.ScaleY(1).DecPlaces(), 12);
  EXPECT_EQ(chart.ScaleY(1).RangeLow(), 0.1);
  // A change of a controller's setting carries over to the layers it controls.
  chart.JointLayers().SetXControlledBy(2, 1);
  x.SetRangeHigh(77);
  EXPECT_EQ(chart.ScaleXProps(2).RangeHigh(), 77.0);
}

TEST(ChartProperties, AxisSettingsAssignKeepsOwnNotificationAndLocation) {
  TScalePropsHoriz a, b;
  int notified = 0;
  b.OnChange = [&notified](TObject*) { ++notified; };
  a.SetLoading(false);
  a.SetScaleLocation(TScaleLocationHoriz::slTop);
  a.SetCaption("time");
  a.SetScalePos(30);
  a.Font().SetColor(clRed);
  a.DateFormat().SetDateOrder(TDateOrder::doYYMMDD);
  a.SetMouseAction(TMouseActMode::maPan);
  b.Assign(a);
  EXPECT_EQ(notified, 0);
  EXPECT_EQ(b.Caption(), "time");
  EXPECT_EQ(b.ScaleType(), TScaleType::sctXB);
  EXPECT_EQ(b.ScalePos(), 30);
  EXPECT_EQ(b.ScaleLocation(), TScaleLocationHoriz::slBottom);
  EXPECT_EQ(b.MouseAction(), TMouseActMode::maNone);
  EXPECT_EQ(b.Font().Color(), clRed);
  EXPECT_EQ(b.DateFormat().DateOrder(), TDateOrder::doYYMMDD);
  EXPECT_FALSE(b.Loading());
  b.SetCaption("x");
  EXPECT_EQ(notified, 1);
}

TEST(ChartProperties, SettingAnAxisObjectCopiesItAndTheMappingFollows) {
  TKurvex chart(nullptr);
  TScalePropsHoriz other;
  other.SetLoading(false);
  other.SetRangeLow(10);
  other.SetRangeHigh(20);
  TScalePropsHoriz* own = &chart.Scale2X();
  chart.SetScaleX(2, other);
  EXPECT_EQ(&chart.Scale2X(), own);
  EXPECT_EQ(own->RangeHigh(), 20.0);
  EXPECT_TRUE(static_cast<bool>(own->OnChange));
  EXPECT_EQ(chart.ScaleX(2).RangeLow(), 10.0);
  EXPECT_EQ(chart.WorldToPixel(2, 10, 0).X, chart.MarginLeft());
}

TEST(ChartProperties, SubObjectsCopyWithoutReplacing) {
  TKurvex chart(nullptr);
  TCrossHair c;
  c.SetPosX(3);
  c.SetLayer(99);
  EXPECT_EQ(c.Layer(), 16);
  c.SetLayer(0);
  EXPECT_EQ(c.Layer(), 1);
  TCrossHair* own = &chart.CrossHair(2);
  chart.SetCrossHair2(c);
  EXPECT_EQ(&chart.CrossHair(2), own);
  EXPECT_EQ(own->PosX(), 3.0);
  EXPECT_TRUE(static_cast<bool>(own->OnChange));
  EXPECT_THROW(own->Assign(chart.BackGroundImg()), EConvertError);

  TTextLabel& label = chart.TextLabel(4);
  int changes = 0;
  label.OnChange = [&changes](TObject*) { ++changes; };
  label.SetLayer(17);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(label.Layer(), 1);
  label.SetCaption("a\r\nb\tc");
  EXPECT_EQ(label.Caption(), "a \nb c");
  EXPECT_EQ(changes, 1);

  TBakGndImg& img = chart.BackGroundImg();
  img.SetName("/some/dir/picture.bmp");
  EXPECT_EQ(img.Name(), "picture.bmp");
  img.SetIncludePath(true);
  img.SetName("/some/dir/picture.bmp");
  EXPECT_EQ(img.Name(), "/some/dir/picture.bmp");
  img.SetIncludePath(false);
  EXPECT_EQ(img.Name(), "picture.bmp");
}

TEST(ChartProperties, AssignCopiesAWholeChart) {
  TKurvex a(nullptr), b(nullptr);
  a.SetAllocSize(100);
  a.SetDataColor(clNavy);
  a.MoveToPoint(0, 0);
  for (int i = 1; i <= 150; ++i) a.LineToPoint(static_cast<double>(i), i * 0.5);
  a.SetAnnotationMode(true);
  a.LineToPoint(5, 6);
  a.SetAnnotationMode(false);
  a.SetLongText(2, "long");
  a.SetLayerRange(3, -1, -2, 3, 4);
  a.SetMarginLeft(70);
  a.SetCaption("copied");
  a.CrossHair(1).SetMode(TCrossHMode::chBoth);
  a.TextLabel(7).SetCaption("seven");
  a.JointLayers().SetYControlledBy(4, 3);
  a.SetLayerVisible(5, false);
  a.SetRangeLimits(-10, -10, 10, 10);
  int before = 0;
  a.OnZoomPan = [&before](TObject*) { ++before; };

  b.Assign(a);
  ASSERT_EQ(b.ItemCount(), 151u);
  EXPECT_EQ(b.ItemCapacity(), 200u);
  for (std::size_t i = 0; i < 151; ++i) ASSERT_EQ(b.Item(i), a.Item(i));
  EXPECT_EQ(b.AnnotationItem(0), a.AnnotationItem(0));
  EXPECT_EQ(b.KindCount(ItemKind::LineTo), 150);
  EXPECT_EQ(b.LongTexts().Text(2), "long");
  EXPECT_EQ(b.ScaleXProps(3).RangeHigh(), 3.0);
  EXPECT_EQ(b.WorldToPixel(3, 3, 4), a.WorldToPixel(3, 3, 4));
  EXPECT_EQ(b.MarginLeft(), 70);
  EXPECT_EQ(b.Caption(), "copied");
  EXPECT_EQ(b.CrossHair(1).Mode(), TCrossHMode::chBoth);
  EXPECT_EQ(b.TextLabel(7).Caption(), "seven");
  EXPECT_EQ(b.JointLayers().YControlledBy(4), 3);
  EXPECT_EQ(b.JointLayers().Chart(), &b);
  EXPECT_FALSE(b.LayerVisible(5));
  EXPECT_EQ(b.RangeLimitHighX(), 10.0L);
  EXPECT_EQ(b.RangeHistory(3, 2), a.RangeHistory(3, 2));
  ASSERT_TRUE(static_cast<bool>(b.OnZoomPan));
  EXPECT_EQ(b.ScaleX(1).TargetCanvas(), &b.ControlCanvas());
  // The copy is independent of the source.
  b.LineToPoint(1.0, 1.0);
  EXPECT_EQ(a.ItemCount(), 151u);
  // Assigning through the source's AssignTo works the same way.
  TKurvex c(nullptr);
  static_cast<TPersistent&>(c).Assign(a);
  EXPECT_EQ(c.ItemCount(), 151u);
}

}  // namespace
}  // namespace kurvex
