#include <gtest/gtest.h>

#include <algorithm>

#include "layout_fixtures.h"
#include "platform/layout.h"
#include "test_support.h"

namespace kurvex {
namespace {

// A gauge whose class declares another default for an inherited property.
class TBigGauge : public TGauge {
 public:
  using TGauge::TGauge;
  const char* ClassName() const override { return "TBigGauge"; }
};

std::vector<std::string> Names(const ClassInfo& info) {
  std::vector<std::string> names;
  for (const PropertyInfo* p : info.Properties()) names.push_back(p->name);
  return names;
}

TEST(Properties, RegisteringAgainChangesNothing) {
  RegisterTestClasses();
  const auto before = Names(*FindClass("TGauge"));
  RegisterTestClasses();
  RegisterPlatformClasses();
  EXPECT_EQ(Names(*FindClass("TGauge")), before);
}

TEST(Properties, ClassesInheritTheirParentsPropertiesFirst) {
  RegisterTestClasses();
  const ClassInfo* gauge = FindClass("TGauge");
  ASSERT_NE(gauge, nullptr);
  EXPECT_TRUE(gauge->InheritsFrom("TControl"));
  EXPECT_FALSE(gauge->InheritsFrom("TWinControl"));
  const auto names = Names(*gauge);
  ASSERT_GE(names.size(), 4u);
  EXPECT_EQ(names[0], "Tag");
  EXPECT_EQ(names[1], "Left");
  EXPECT_LT(std::find(names.begin(), names.end(), "OnResize"), std::find(names.begin(), names.end(), "Digits"));
  EXPECT_NE(FindClass("TButton")->FindProperty("Caption"), nullptr);
  EXPECT_EQ(FindClass("TScrollBar")->FindProperty("Caption"), nullptr);
}

TEST(Properties, ASubclassMayRedeclareAnInheritedPropertyInPlace) {
  RegisterTestClasses();
  auto big = RegisterClass<TBigGauge>("TBigGauge", "TGauge");
  big.Integer("Digits", &TBigGauge::Digits, &TBigGauge::SetDigits, 7);
  const auto gauge_names = Names(*FindClass("TGauge"));
  EXPECT_EQ(Names(*FindClass("TBigGauge")), gauge_names);
  EXPECT_EQ(*FindClass("TBigGauge")->FindProperty("Digits")->default_value, Json(7));
  EXPECT_EQ(*FindClass("TGauge")->FindProperty("Digits")->default_value, Json(2));
  // Written against its own default: 7 is left out, 2 is written.
  test::HostScope host;
  TForm form(nullptr);
  auto* g = new TBigGauge(&form);
  g->SetDigits(7);
  EXPECT_FALSE(LayoutToJson(form)["children"][0]["properties"].contains("Digits"));
  g->SetDigits(2);
  EXPECT_EQ(LayoutToJson(form)["children"][0]["properties"]["Digits"], 2);
}

TEST(Properties, ValuesConvertAsTheLayoutWritesThem) {
  EXPECT_EQ(props::WriteColor(clBtnFace), Json("clBtnFace"));
  EXPECT_EQ(props::WriteColor(0xDDDDDD), Json(14540253));
  EXPECT_EQ(props::ReadColor(Json("clRed")), clRed);
  EXPECT_EQ(props::ReadColor(Json(4278190095u)), clBtnFace);
  EXPECT_EQ(props::WriteCursor(crCross), Json("crCross"));
  EXPECT_EQ(props::WriteCursor(3), Json(3));
  EXPECT_EQ(props::ReadCursor(Json("crHandPoint")), crHandPoint);
  EXPECT_EQ(props::WriteSet(0b101, EnumMemberNames<TFontStyle>()), Json::parse(R"(["fsBold", "fsUnderline"])"));
  EXPECT_EQ(props::ReadSet(Json::parse(R"(["fsItalic", "fsItalic"])"), EnumMemberNames<TFontStyle>(), "TFontStyle"),
            0b10u);
  EXPECT_EQ(props::ReadDouble(Json(3)), 3.0);
  EXPECT_EQ(props::WriteDouble(std::numeric_limits<double>::infinity()), Json("Infinity"));
  EXPECT_THROW(props::ReadInteger(Json(2147483648LL), INT32_MIN, INT32_MAX), EPropertyValue);
  EXPECT_EQ(props::ReadInteger(Json(-2147483648LL), INT32_MIN, INT32_MAX), INT32_MIN);
  EXPECT_THROW(props::ReadString(Json(nullptr)), EPropertyValue);
}

}  // namespace
}  // namespace kurvex
