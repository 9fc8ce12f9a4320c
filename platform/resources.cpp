#include "platform/resources.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace kurvex {

namespace resources {
struct EmbeddedFile {
  const char* name;
  const unsigned char* data;
  std::size_t size;
};
extern const EmbeddedFile kEmbeddedFiles[];
extern const std::size_t kEmbeddedFileCount;
}  // namespace resources

namespace {

const std::map<std::string, std::string, std::less<>>& Files() {
  static const auto files = [] {
    std::map<std::string, std::string, std::less<>> map;
    for (std::size_t i = 0; i < resources::kEmbeddedFileCount; ++i) {
      const auto& f = resources::kEmbeddedFiles[i];
      map.emplace(f.name, std::string(reinterpret_cast<const char*>(f.data), f.size));
    }
    return map;
  }();
  return files;
}

// The string literals of C-like text, in order (XPM keeps its data in them).
std::vector<std::string> StringLiterals(std::string_view text) {
  std::vector<std::string> out;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text.compare(i, 2, "/*") == 0) {
      const std::size_t end = text.find("*/", i + 2);
      i = end == std::string_view::npos ? text.size() : end + 2;
    } else if (text[i] == '"') {
      const std::size_t end = text.find('"', i + 1);
      if (end == std::string_view::npos) break;
      out.emplace_back(text.substr(i + 1, end - i - 1));
      i = end + 1;
    } else {
      ++i;
    }
  }
  return out;
}

std::vector<std::string> Words(const std::string& s) {
  std::vector<std::string> words;
  std::string word;
  for (char c : s) {
    if (std::isspace(static_cast<unsigned char>(c))) {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

// 0 for "None", 1 for dark colours, 2 for light ones; -1 when unknown.
int CursorColor(const std::string& value) {
  std::string v = value;
  std::transform(v.begin(), v.end(), v.begin(), [](unsigned char c) { return std::tolower(c); });
  if (v == "none") return 0;
  if (v == "black") return 1;
  if (v == "white") return 2;
  if (v.size() == 7 && v[0] == '#') {
    const auto channel = [&](int at) { return std::stoi(v.substr(at, 2), nullptr, 16); };
    try {
      const int luminance = (channel(1) * 299 + channel(3) * 587 + channel(5) * 114) / 1000;
      return luminance < 128 ? 1 : 2;
    } catch (const std::exception&) {
      return -1;
    }
  }
  return -1;
}

}  // namespace

const std::string* FindResource(std::string_view name) {
  const auto& files = Files();
  const auto it = files.find(name);
  return it == files.end() ? nullptr : &it->second;
}

std::vector<std::string> ResourceNames() {
  std::vector<std::string> names;
  for (const auto& [name, data] : Files()) names.push_back(name);
  return names;
}

CursorImage ParseCursorXpm(std::string_view text, std::string_view source) {
  const std::string where(source);
  auto fail = [&](const std::string& problem) -> CursorImage { throw EResourceError(where + ": " + problem); };
  const std::vector<std::string> strings = StringLiterals(text);
  if (strings.empty()) return fail("no XPM values line");
  const std::vector<std::string> values = Words(strings[0]);
  if (values.size() != 4 && values.size() != 6) return fail("the values line needs width, height, colours, chars per pixel");
  int w = 0, h = 0, colours = 0, cpp = 0;
  CursorImage image;
  try {
    w = std::stoi(values[0]);
    h = std::stoi(values[1]);
    colours = std::stoi(values[2]);
    cpp = std::stoi(values[3]);
    if (values.size() == 6) {
      image.hot_x = std::stoi(values[4]);
      image.hot_y = std::stoi(values[5]);
    }
  } catch (const std::exception&) {
    return fail("the values line holds something that is not a number");
  }
  if (w != CursorImage::kSize || h != CursorImage::kSize) return fail("a cursor is 32 x 32 pixels");
  if (cpp < 1 || colours < 1) return fail("bad colour count or characters per pixel");
  if (image.hot_x < 0 || image.hot_y < 0 || image.hot_x >= w || image.hot_y >= h) {
    return fail("the hot spot lies outside the image");
  }
  if (strings.size() != 1u + colours + h) return fail("expected " + std::to_string(colours) + " colours and 32 rows");
  std::map<std::string, int> palette;
  for (int i = 1; i <= colours; ++i) {
    const std::string& line = strings[i];
    const std::vector<std::string> parts = Words(line.size() > static_cast<std::size_t>(cpp) ? line.substr(cpp) : "");
    int colour = -1;
    for (std::size_t k = 0; k + 1 < parts.size(); ++k) {
      if (parts[k] == "c") colour = CursorColor(parts[k + 1]);
    }
    if (colour < 0) return fail("colour line " + std::to_string(i) + " has no usable \"c\" colour");
    palette[line.substr(0, cpp)] = colour;
  }
  for (int y = 0; y < h; ++y) {
    const std::string& row = strings[1 + colours + y];
    if (row.size() != static_cast<std::size_t>(w * cpp)) {
      return fail("row " + std::to_string(y) + " has " + std::to_string(row.size() / cpp) + " pixels, expected 32");
    }
    for (int x = 0; x < w; ++x) {
      const auto it = palette.find(row.substr(static_cast<std::size_t>(x * cpp), cpp));
      if (it == palette.end()) return fail("row " + std::to_string(y) + " uses a colour that is not defined");
      image.pixels[y * CursorImage::kSize + x] = static_cast<std::uint8_t>(it->second);
    }
  }
  return image;
}

CursorImage LoadCursorResource(std::string_view name) {
  std::string file = "cursors/";
  for (char c : name) file += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  file += ".xpm";
  const std::string* text = FindResource(file);
  if (text == nullptr) throw EResourceError("no cursor resource named " + std::string(name) + " (" + file + ")");
  return ParseCursorXpm(*text, file);
}

}  // namespace kurvex
