// docs/api.md against the headers: every function, property or event the overview names
// must be declared where its section says. (Plain string search: std::regex draws false
// warnings from GCC 12 in the sanitizer tree.) A section starts with a marker
//   <!-- api: header [Class ...] -->
// and its table rows name one entry each in their first column: `Name(...)` or `Name`.
// With classes, the entry must be declared in the body of one of them; without, in the
// header itself.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
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

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

// Where `word` occurs in code as a whole identifier from `from` on (npos when nowhere).
std::size_t FindWord(const std::string& code, const std::string& word, std::size_t from = 0) {
  for (std::size_t at = code.find(word, from); at != std::string::npos; at = code.find(word, at + 1)) {
    const bool starts = at == 0 || !IsWordChar(code[at - 1]);
    const std::size_t end = at + word.size();
    if (starts && (end == code.size() || !IsWordChar(code[end]))) return at;
  }
  return std::string::npos;
}

// The first character after position `at` that is not white space.
char NextNonSpace(const std::string& code, std::size_t at) {
  while (at < code.size() && std::isspace(static_cast<unsigned char>(code[at])) != 0) ++at;
  return at < code.size() ? code[at] : '\0';
}

// The body of a class (from its opening to its closing brace), or "" when no header
// defines it.
std::string ClassBody(const std::string& name) {
  for (const std::string& code : Headers()) {
    for (const char* keyword : {"class ", "struct "}) {
      for (std::size_t at = code.find(keyword); at != std::string::npos; at = code.find(keyword, at + 1)) {
        const std::size_t name_at = FindWord(code, name, at);
        if (name_at != at + std::string(keyword).size()) continue;
        const std::size_t open = code.find_first_of("{;", name_at);
        if (open == std::string::npos || code[open] != '{') continue;  // a declaration only
        std::size_t i = open + 1;
        for (int depth = 1; i < code.size() && depth > 0; ++i) {
          if (code[i] == '{') ++depth;
          if (code[i] == '}') --depth;
        }
        return code.substr(open + 1, i - open - 1);
      }
    }
  }
  return "";
}

// A function is a name followed by "(", a property or event one followed by ";", "=" or "{".
bool Declares(const std::string& code, const std::string& name, bool function) {
  for (std::size_t at = FindWord(code, name); at != std::string::npos; at = FindWord(code, name, at + 1)) {
    const char next = NextNonSpace(code, at + name.size());
    if (function ? next == '(' : (next == ';' || next == '=' || next == '{')) return true;
  }
  return false;
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
  static const std::string kMarker = "<!-- api: ";
  std::ifstream in(path);
  std::vector<Section> sections;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (const auto at = line.find(kMarker); at != std::string::npos) {
      std::istringstream words(line.substr(at + kMarker.size()));
      Section section;
      words >> section.header;
      for (std::string word; words >> word && word != "-->";) section.classes.push_back(word);
      sections.push_back(section);
    } else if (!sections.empty() && line.rfind("| `", 0) == 0) {
      std::size_t end = 3;
      while (end < line.size() && (IsWordChar(line[end]) || line[end] == '~')) ++end;
      if (end > 3) sections.back().entries.push_back({line.substr(3, end - 3), line[end] == '(', number});
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
