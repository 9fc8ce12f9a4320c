#include <gtest/gtest.h>

#include <cctype>
#include <functional>

#include "layout_fixtures.h"
#include "platform/layout.h"
#include "test_support.h"

namespace kurvex {
namespace {

using test::HostScope;

struct BadCase {
  const char* title;
  std::function<void(Json&)> edit;  // spoils the good layout
  const char* path;                 // expected JSON path in the message
  const char* problem;              // expected part of the message
};

// JSON paths into kTestLayout.
Json& Gauge1(Json& doc) { return doc["children"][0]["children"][3]; }
Json& Start(Json& doc) { return doc["children"][0]["children"][0]; }

const BadCase kCases[] = {
    {"unknown class", [](Json& d) { Gauge1(d)["class"] = "TDial"; }, "Form1.Panel1.Gauge1.class",
     "unknown class \"TDial\""},
    {"class that layouts may not create", [](Json& d) { Gauge1(d)["class"] = "TControl"; },
     "Form1.Panel1.Gauge1.class", "cannot be created by a layout"},
    {"unknown property", [](Json& d) { Gauge1(d)["properties"]["Colour"] = 1; },
     "Form1.Panel1.Gauge1.properties.Colour", "unknown property \"Colour\" of TGauge"},
    {"string for an integer", [](Json& d) { Gauge1(d)["properties"]["Digits"] = "seven"; },
     "Form1.Panel1.Gauge1.properties.Digits", "expected an integer in 0..255, got the string \"seven\""},
    {"integer out of the getter's range", [](Json& d) { Gauge1(d)["properties"]["Digits"] = 256; },
     "Form1.Panel1.Gauge1.properties.Digits", "expected an integer in 0..255, got the number 256"},
    {"fraction for an integer", [](Json& d) { Start(d)["properties"]["Left"] = 1.5; },
     "Form1.Panel1.Start.properties.Left", "expected an integer"},
    {"number for a boolean", [](Json& d) { Gauge1(d)["properties"]["Frozen"] = 1; },
     "Form1.Panel1.Gauge1.properties.Frozen", "expected true or false, got the number 1"},
    {"unknown enumeration member", [](Json& d) { Gauge1(d)["properties"]["Shape"] = "ndRound"; },
     "Form1.Panel1.Gauge1.properties.Shape",
     "\"ndRound\" is not a member of TNeedle; expected one of ndThin, ndThick, ndArrow"},
    {"ordinal for an enumeration", [](Json& d) { Gauge1(d)["properties"]["Shape"] = 2; },
     "Form1.Panel1.Gauge1.properties.Shape", "expected a member name of TNeedle: one of ndThin, ndThick, ndArrow"},
    {"unknown set member", [](Json& d) { Gauge1(d)["properties"]["Marks"] = Json::array({"fsBold", "fsWavy"}); },
     "Form1.Panel1.Gauge1.properties.Marks", "\"fsWavy\" is not a member of TFontStyle"},
    {"unknown colour name", [](Json& d) { Gauge1(d)["properties"]["Needle"] = "clPink"; },
     "Form1.Panel1.Gauge1.properties.Needle", "a colour name such as clBlack"},
    {"negative colour", [](Json& d) { Gauge1(d)["properties"]["Needle"] = -1; },
     "Form1.Panel1.Gauge1.properties.Needle", "expected a colour number in 0..4294967295 or a colour name"},
    {"number for a sub-object", [](Json& d) { Gauge1(d)["properties"]["Settings"] = 5; },
     "Form1.Panel1.Gauge1.properties.Settings", "expected an object with the properties of TGaugeSettings"},
    {"unknown property of a sub-object", [](Json& d) { Gauge1(d)["properties"]["Settings"]["RangeLow"] = 0; },
     "Form1.Panel1.Gauge1.properties.Settings.RangeLow", "unknown property \"RangeLow\" of TGaugeSettings"},
    {"wrong value inside the form's font", [](Json& d) { d["properties"]["Font"]["Height"] = "big"; },
     "Form1.properties.Font.Height", "expected an integer"},
    {"duplicate component name", [](Json& d) { Gauge1(d)["name"] = "Start"; }, "Form1.Panel1.Start.name",
     "A component named Start already exists"},
    {"child named like the root", [](Json& d) { Gauge1(d)["name"] = "Form1"; }, "Form1.Panel1.Form1.name",
     "A component named Form1 already exists"},
    {"name that is not an identifier", [](Json& d) { Gauge1(d)["name"] = "Gauge 1"; },
     "Form1.Panel1.Gauge 1.name", "\"Gauge 1\" is not a valid component name"},
    {"unknown event handler", [](Json& d) { Start(d)["properties"]["OnClick"] = "StopClick"; },
     "Form1.Panel1.Start.properties.OnClick",
     "unknown event handler \"StopClick\": TTestForm publishes no method of that name"},
    {"handler of another signature", [](Json& d) { Start(d)["properties"]["OnClick"] = "GaugeDown"; },
     "Form1.Panel1.Start.properties.OnClick", "event handler \"GaugeDown\" is a std::function<void (TObject*, "},
    {"reference to nobody", [](Json& d) { Gauge1(d)["properties"]["Follow"] = "Gauge9"; },
     "Form1.Panel1.Gauge1.properties.Follow", "no component named \"Gauge9\" in this layout"},
    {"reference to a component of another class", [](Json& d) { Gauge1(d)["properties"]["Follow"] = "Start"; },
     "Form1.Panel1.Gauge1.properties.Follow", "expected a TGauge, but Start is a TButton"},
    {"field without its component", [](Json& d) { Start(d)["name"] = "Begin"; }, "Form1",
     "TTestForm needs a component named Start (TButton)"},
    {"field with a component of another class",
     [](Json& d) {
       Start(d)["name"] = "Begin";
       Gauge1(d)["name"] = "Start";
       Gauge1(d)["properties"].erase("OnMouseDown");
     },
     "Form1.Start", "TTestForm needs Start to be a TButton, but it is a TGauge"},
    {"control inside a windowless control",
     [](Json& d) { Gauge1(d)["children"] = Json::array({Json::parse(R"({"class": "TGauge", "name": "Inner"})")}); },
     "Form1.Panel1.Gauge1.Inner", "a TGauge cannot be placed in TGauge Gauge1, which holds no controls"},
    {"unknown key of a component", [](Json& d) { Gauge1(d)["kids"] = Json::array(); }, "Form1.Panel1.Gauge1.kids",
     "unknown key; expected class, name, properties or children"},
    {"component without a class", [](Json& d) { Gauge1(d).erase("class"); }, "Form1.Panel1.Gauge1.class",
     "missing"},
    {"children that are not an array", [](Json& d) { d["children"][0]["children"] = Json::object(); },
     "Form1.Panel1.children", "expected an array of components"},
    {"child that is not an object", [](Json& d) { d["children"][1] = 7; }, "Form1.children[1]",
     "expected a component"},
};

class LayoutErrors : public ::testing::TestWithParam<BadCase> {
 protected:
  void SetUp() override { RegisterTestClasses(); }
  HostScope host;
};

TEST_P(LayoutErrors, NameFilePathAndExpectationAndLeaveNothingBehind) {
  const BadCase& c = GetParam();
  Json doc = Json::parse(kTestLayout);
  c.edit(doc);
  const std::string text = doc.dump(2);
  try {
    ReadLayout(text, "form1.json");
    FAIL() << c.title << ": no error";
  } catch (const ELayoutError& e) {
    EXPECT_EQ(e.Source(), "form1.json");
    EXPECT_EQ(e.Path(), c.path) << e.what();
    EXPECT_NE(e.Problem().find(c.problem), std::string::npos) << e.what();
    EXPECT_EQ(std::string(e.what()), "form1.json: " + e.Path() + ": " + e.Problem());
  }
  EXPECT_EQ(live_objects, 0) << c.title;
}

// Each case is named by its title in CamelCase ("unknown class" -> UnknownClass).
std::string CaseName(const ::testing::TestParamInfo<BadCase>& info) {
  std::string name;
  bool upper = true;
  for (const char* c = info.param.title; *c != '\0'; ++c) {
    if (!std::isalnum(static_cast<unsigned char>(*c))) {
      upper = true;
      continue;
    }
    name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(*c))) : *c;
    upper = false;
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(BadInput, LayoutErrors, ::testing::ValuesIn(kCases), CaseName);

class LayoutErrorsMisc : public ::testing::Test {
 protected:
  void SetUp() override { RegisterTestClasses(); }
  void TearDown() override { EXPECT_EQ(live_objects, 0); }
  HostScope host;
};

TEST_F(LayoutErrorsMisc, MalformedJsonNamesTheFileAndThePlace) {
  try {
    ReadLayout("{\"class\": \"TTestForm\",\n \"name\": }", "form1.json");
    FAIL();
  } catch (const ELayoutError& e) {
    const std::string what = e.what();
    EXPECT_EQ(what.rfind("form1.json: malformed JSON: ", 0), 0u) << what;
    EXPECT_NE(what.find("line 2"), std::string::npos) << what;
  }
  EXPECT_THROW(ReadLayout("", "empty.json"), ELayoutError);
  EXPECT_THROW(ReadLayout("[1, 2]", "array.json"), ELayoutError);
}

TEST_F(LayoutErrorsMisc, NumbersBeyondTheDoubleRangeNameTheirPlace) {
  struct Case {
    const char* value;
    const char* path;
  } cases[] = {{"1e400", "children[0].children[3].properties.Digits"},
               {"-2.5E+999", "children[0].children[3].properties.Digits"},
               {"[1, 2, 1e400]", "children[0].children[3].properties.Digits[2]"}};
  for (const Case& c : cases) {
    Json doc = Json::parse(kTestLayout);
    Gauge1(doc)["properties"]["Digits"] = "@";
    std::string text = doc.dump();
    text.replace(text.find("\"@\""), 3, c.value);
    try {
      ReadLayout(text, "form1.json");
      ADD_FAILURE() << c.value;
    } catch (const ELayoutError& e) {
      EXPECT_EQ(e.Path(), c.path);
      EXPECT_NE(e.Problem().find("expected a number within the range of a double"), std::string::npos) << e.what();
      EXPECT_EQ(std::string(e.what()).rfind("form1.json: ", 0), 0u) << e.what();
    }
  }
}

TEST_F(LayoutErrorsMisc, AKeyWrittenTwiceIsRefused) {
  Json doc = Json::parse(kTestLayout);
  std::string text = doc.dump();
  const std::string caption = "\"Caption\":\"Start\"";
  text.replace(text.find(caption), caption.size(), caption + ",\"Caption\":\"Go\"");
  try {
    ReadLayout(text, "form1.json");
    FAIL();
  } catch (const ELayoutError& e) {
    EXPECT_EQ(e.Path(), "children[0].children[0].properties.Caption");
    EXPECT_NE(e.Problem().find("appears twice"), std::string::npos);
  }
}

TEST_F(LayoutErrorsMisc, FailedReadIntoAnExistingRootFreesOnlyWhatItMade) {
  Json doc = Json::parse(kTestLayout);
  Gauge1(doc)["properties"]["Shape"] = "ndNone";
  {
    TTestForm form(nullptr);
    new TButton(&form);  // made before: survives
    EXPECT_THROW(ReadLayoutInto(form, doc.dump(), "form1.json"), ELayoutError);
    EXPECT_EQ(form.ComponentCount(), 1);
    EXPECT_FALSE(form.IsLoading());
    EXPECT_EQ(form.Start, nullptr);
    EXPECT_EQ(form.ControlCount(), 0);  // the button was never placed
  }
}

TEST_F(LayoutErrorsMisc, ARootReadsOnlyALayoutOfItsOwnClass) {
  TTestForm form(nullptr);
  try {
    ReadLayoutInto(form, R"({"class": "TForm", "name": "Other"})", "other.json");
    FAIL();
  } catch (const ELayoutError& e) {
    EXPECT_EQ(e.Path(), "Other.class");
    EXPECT_NE(e.Problem().find("expected \"TTestForm\""), std::string::npos);
  }
  EXPECT_THROW(ReadLayoutAs<TPanel>(R"({"class": "TButton"})", "button.json"), ELayoutError);
}

}  // namespace
}  // namespace kurvex
