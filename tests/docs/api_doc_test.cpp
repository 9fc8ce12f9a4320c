// docs/api.md against the headers: every function, property or event the overview names
// must be declared where its section says. A section starts with a marker
//   <!-- api: header [Class ...] -->
// and its table rows name one entry each in their first column: `Name(...)` or `Name`.
// With classes, the entry must be declared in the body of one of them; without, in the
// header itself.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSource = KX_SOURCE_DIR;

// The text of a file without // comments, so that a name mentioned in a comment does not
// count as declared.
std::string ReadCode(const fs::path& path) {
  std::ifstream in(path);
  std::string line, code;
  while (std::getline(in, line)) {
    const auto comment = line.find("//");
    code += line.substr(0, comment) + "\n";
  }
  return code;
}

// Every header of the library, read once.
const std::vector<std::string>& Headers() {
  static const std::vector<std::string> headers = [] {
    std::vector<std::string> all;
    for (const char* dir : {"common", "platform", "chart", "scale", "numlab", "export", "qt"}) {
      for (const auto& entry : fs::recursive_directory_iterator(kSource / dir)) {
        if (entry.path().extension() == ".h") all.push_back(ReadCode(entry.path()));
      }
    }
    return all;
  }();
  return headers;
}

// The body of a class (from its opening to its closing brace), or "" when no header
// defines it.
std::string ClassBody(const std::string& name) {
  const std::regex head("(class|struct)\\s+" + name + "\\b[^;{]*\\{");
  for (const std::string& code : Headers()) {
    std::smatch match;
    if (!std::regex_search(code, match, head)) continue;
    std::size_t i = static_cast<std::size_t>(match.position(0) + match.length(0));
    const std::size_t begin = i;
    for (int depth = 1; i < code.size() && depth > 0; ++i) {
      if (code[i] == '{') ++depth;
      if (code[i] == '}') --depth;
    }
    return code.substr(begin, i - begin);
  }
  return "";
}

bool Declares(const std::string& code, const std::string& name, bool function) {
  const std::regex declaration(function ? "\\b" + name + "\\s*\\(" : "\\b" + name + "\\s*[;={]");
  return std::regex_search(code, declaration);
}

struct Entry {
  std::string name;
  bool function;
  int line;
};

struct Section {
  std::string header;
  std::vector<std::string> classes;
  std::vector<Entry> entries;
};

std::vector<Section> ReadOverview(const fs::path& path) {
  std::ifstream in(path);
  const std::regex marker("<!-- api: (\\S+)((?: \\w+)*) -->");
  const std::regex row("^\\| `(~?\\w+)(\\(?)");
  std::vector<Section> sections;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    std::smatch match;
    if (std::regex_search(line, match, marker)) {
      Section section;
      section.header = match[1];
      std::istringstream classes(match[2]);
      for (std::string c; classes >> c;) section.classes.push_back(c);
      sections.push_back(section);
    } else if (!sections.empty() && std::regex_search(line, match, row)) {
      sections.back().entries.push_back({match[1], match[2] == "(", number});
    }
  }
  return sections;
}

TEST(ApiOverview, EveryDocumentedNameIsDeclaredWhereItsSectionSays) {
  const std::vector<Section> sections = ReadOverview(kSource / "docs" / "api.md");
  ASSERT_GE(sections.size(), 6u) << "docs/api.md lost its section markers";
  int checked = 0;
  for (const Section& section : sections) {
    ASSERT_TRUE(fs::exists(kSource / section.header)) << section.header << " does not exist";
    std::vector<std::string> scopes;
    for (const std::string& c : section.classes) {
      scopes.push_back(ClassBody(c));
      EXPECT_FALSE(scopes.back().empty()) << "no header defines class " << c;
    }
    if (section.classes.empty()) scopes.push_back(ReadCode(kSource / section.header));
    for (const Entry& entry : section.entries) {
      bool found = false;
      for (const std::string& scope : scopes) found = found || Declares(scope, entry.name, entry.function);
      EXPECT_TRUE(found) << "docs/api.md:" << entry.line << ": " << entry.name << " is not declared in "
                         << section.header << (section.classes.empty() ? "" : " (its classes)");
      ++checked;
    }
  }
  EXPECT_GE(checked, 80);
}

// The check itself: declared names are found, missing ones and names that only appear
// in comments are not, and a function is not taken for a property or event.
TEST(ApiOverview, TheCheckFindsMissingAndCommentedOutNames) {
  const std::string body = ClassBody("TCustomKurvex");
  ASSERT_FALSE(body.empty());
  EXPECT_TRUE(Declares(body, "MoveToPoint", true));
  EXPECT_TRUE(Declares(body, "OnZoomPan", false));
  EXPECT_FALSE(Declares(body, "OnZoomPan", true));
  EXPECT_FALSE(Declares(body, "DrawEverything", true));
  const fs::path file = fs::temp_directory_path() / "kx_api_doc_test.h";
  std::ofstream(file) << "class TThing {\n  // void Forgotten(int);\n  void Kept(int);  // Later(\n};\n";
  const std::string code = ReadCode(file);
  fs::remove(file);
  EXPECT_TRUE(Declares(code, "Kept", true));
  EXPECT_FALSE(Declares(code, "Forgotten", true));
  EXPECT_FALSE(Declares(code, "Later", true));
}

}  // namespace
