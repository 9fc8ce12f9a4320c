#include "platform/gfx/font_engine.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <tuple>

namespace kurvex::fonts {

namespace {

// Pixel sizes are kept within this range: beyond it a single glyph would take megabytes.
constexpr int kMinPixelSize = 1;
constexpr int kMaxPixelSize = 2048;
// The em height used for a font whose Height is 0.
constexpr int kDefaultPixelSize = 11;

// The fixed rendering settings (see the header).
constexpr FT_Int32 kLoadFlags = FT_LOAD_TARGET_LIGHT | FT_LOAD_FORCE_AUTOHINT | FT_LOAD_NO_BITMAP;

// Desktop family names and the installed free families that share their metrics. There
// is no free twin of "MS Sans Serif"; its metric-compatible stand-in is the sans family.
struct Alias {
  const char* requested;
  const char* family;
};
constexpr Alias kAliases[] = {
    {"Arial", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Microsoft Sans Serif", "Liberation Sans"},
    {"Helvetica", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
};

std::string AliasFor(const std::string& name) {
  for (const Alias& alias : kAliases) {
    if (strcasecmp(alias.requested, name.c_str()) == 0) return alias.family;
  }
  return name;
}

struct KeyHash {
  std::size_t operator()(const FontKey& k) const {
    return std::hash<std::string>()(k.name) ^ (std::hash<int>()(k.height) * 31) ^ (k.bold ? 0x9e37 : 0) ^
           (k.italic ? 0x79b9 : 0);
  }
};

// The FreeType library with everything made from it. One object, so that the faces are
// released before the library at exit.
class Engine {
 public:
  static Engine& Get() {
    static Engine engine;
    return engine;
  }
  FT_Library library = nullptr;
  // A fontconfig configuration of our own, so the engine neither depends on nor changes the
  // process-wide one that a GUI toolkit may use, and can release it at exit.
  FcConfig* config = nullptr;
  std::map<std::tuple<std::string, bool, bool>, FaceSource> resolved;
  std::unordered_map<FontKey, std::unique_ptr<SizedFont>, KeyHash> faces;

 private:
  Engine() {
    if (FT_Init_FreeType(&library) != 0) library = nullptr;
    config = FcInitLoadConfigAndFonts();
  }
  ~Engine() {
    faces.clear();
    if (library != nullptr) FT_Done_FreeType(library);
    if (config != nullptr) FcConfigDestroy(config);
  }
};

bool MatchFont(const std::string& family, bool bold, bool italic, FaceSource* out) {
  FcConfig* config = Engine::Get().config;
  if (config == nullptr) return false;
  FcPattern* pattern = FcPatternCreate();
  if (pattern == nullptr) return false;
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(config, pattern, &result);
  FcPatternDestroy(pattern);
  if (match == nullptr) return false;
  FcChar8* file = nullptr;
  FcChar8* found_family = nullptr;
  int index = 0;
  int weight = FC_WEIGHT_REGULAR;
  int slant = FC_SLANT_ROMAN;
  FcBool scalable = FcTrue;
  const bool ok = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file != nullptr;
  if (ok) {
    out->file = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(match, FC_SLANT, 0, &slant);
    FcPatternGetBool(match, FC_SCALABLE, 0, &scalable);
    if (FcPatternGetString(match, FC_FAMILY, 0, &found_family) == FcResultMatch && found_family != nullptr) {
      out->family = reinterpret_cast<const char*>(found_family);
    }
    out->index = index;
    out->embolden = bold && weight < FC_WEIGHT_DEMIBOLD;
    out->slant = italic && slant == FC_SLANT_ROMAN;
  }
  FcPatternDestroy(match);
  return ok && scalable;
}

int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

FaceSource ResolveFace(const std::string& name, bool bold, bool italic) {
  auto& resolved = Engine::Get().resolved;
  const auto key = std::make_tuple(name, bold, italic);
  if (auto it = resolved.find(key); it != resolved.end()) return it->second;
  FaceSource source;
  // An unknown family gets fontconfig's default match; should even that fail (no fonts at
  // all), text is measured from the size alone and draws nothing.
  if (!MatchFont(AliasFor(name), bold, italic, &source)) MatchFont("sans-serif", bold, italic, &source);
  resolved.emplace(key, source);
  return source;
}

struct SizedFont::FaceHandle {
  FT_Face face = nullptr;
  ~FaceHandle() {
    if (face != nullptr) FT_Done_Face(face);
  }
};

SizedFont::SizedFont(const FaceSource& source, int height)
    : face_(std::make_unique<FaceHandle>()), family_(source.family), embolden_(source.embolden),
      slant_(source.slant) {
  FT_Library library = Engine::Get().library;
  if (library != nullptr && !source.file.empty() &&
      FT_New_Face(library, source.file.c_str(), source.index, &face_->face) != 0) {
    face_->face = nullptr;
  }
  FT_Face face = face_->face;
  if (face != nullptr && !FT_IS_SCALABLE(face)) {
    FT_Done_Face(face);
    face = face_->face = nullptr;
  }

  // Vertical metrics in font units: the desktop ascent and descent from the OS/2 table when
  // there is one, otherwise the horizontal header's.
  double units = 2048;
  double ascender = 1854;
  double descender = 434;
  double underline_pos = -217;
  double underline_size = 150;
  double strike_pos = 530;
  double strike_size = 102;
  if (face != nullptr) {
    units = face->units_per_EM;
    ascender = face->ascender;
    descender = -face->descender;
    underline_pos = face->underline_position;
    underline_size = face->underline_thickness;
    strike_pos = 0.25 * units;
    strike_size = underline_size;
    if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2))) {
      if (os2->usWinAscent + os2->usWinDescent > 0) {
        ascender = os2->usWinAscent;
        descender = os2->usWinDescent;
      }
      if (os2->yStrikeoutSize > 0) {
        strike_pos = os2->yStrikeoutPosition;
        strike_size = os2->yStrikeoutSize;
      }
    }
  }
  const double cell_units = std::max(ascender + descender, 1.0);

  if (height > 0) {
    // A positive height is the cell height: the em is scaled so ascent + descent fit it.
    height = std::min(height, kMaxPixelSize);
    pixel_size_ = std::clamp(RoundHalfEven(height * units / cell_units), kMinPixelSize, kMaxPixelSize);
    ascent_ = std::clamp(RoundHalfEven(height * ascender / cell_units), 0, height);
    descent_ = height - ascent_;
  } else {
    pixel_size_ = height == 0 ? kDefaultPixelSize
                              : static_cast<int>(std::clamp<long long>(-static_cast<long long>(height),
                                                                      kMinPixelSize, kMaxPixelSize));
    const double scale = pixel_size_ / units;
    ascent_ = static_cast<int>(std::ceil(ascender * scale - 1e-6));
    descent_ = static_cast<int>(std::ceil(descender * scale - 1e-6));
  }
  if (face != nullptr && FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixel_size_)) != 0) {
    FT_Done_Face(face);
    face_->face = nullptr;
  }

  const double scale = pixel_size_ / units;
  underline_thickness_ = std::max(1, RoundHalfEven(underline_size * scale));
  underline_offset_ = static_cast<int>(std::floor(-underline_pos * scale - underline_thickness_ / 2.0 + 0.5));
  underline_offset_ = std::clamp(underline_offset_, 0, std::max(0, descent_ - underline_thickness_));
  strike_thickness_ = std::max(1, RoundHalfEven(strike_size * scale));
  strike_offset_ = static_cast<int>(std::floor(-strike_pos * scale - strike_thickness_ / 2.0 + 0.5));
}

SizedFont::~SizedFont() = default;

const Glyph& SizedFont::GlyphFor(char32_t code) {
  if (code < latin_.size() && latin_[code] != nullptr) return *latin_[code];
  auto [it, inserted] = glyphs_.try_emplace(code);
  if (inserted) Render(code, it->second);
  if (code < latin_.size()) latin_[code] = &it->second;
  return it->second;
}

void SizedFont::Render(char32_t code, Glyph& glyph) {
  ++rendered_;
  FT_Face face = face_->face;
  // Control characters take no room and draw nothing.
  if (face == nullptr || code < 0x20 || code == 0x7F) return;
  const FT_UInt index = FT_Get_Char_Index(face, code);
  if (FT_Load_Glyph(face, index, kLoadFlags) != 0) return;
  FT_GlyphSlot slot = face->glyph;
  if (slant_) FT_GlyphSlot_Oblique(slot);
  if (embolden_) FT_GlyphSlot_Embolden(slot);
  glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return;
  const FT_Bitmap& bitmap = slot->bitmap;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.width == 0 || bitmap.rows == 0) return;
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  glyph.width = static_cast<int>(bitmap.width);
  glyph.rows = static_cast<int>(bitmap.rows);
  glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.rows);
  for (int row = 0; row < glyph.rows; ++row) {
    const unsigned char* src = bitmap.pitch >= 0 ? bitmap.buffer + row * bitmap.pitch
                                                 : bitmap.buffer + (glyph.rows - 1 - row) * -bitmap.pitch;
    std::memcpy(glyph.coverage.data() + static_cast<std::size_t>(row) * glyph.width, src, glyph.width);
  }
}

SizedFont& FaceFor(const FontKey& key) {
  auto& faces = Engine::Get().faces;
  auto it = faces.find(key);
  if (it == faces.end()) {
    auto face = std::make_unique<SizedFont>(ResolveFace(key.name, key.bold, key.italic), key.height);
    it = faces.emplace(key, std::move(face)).first;
  }
  return *it->second;
}

char32_t NextCodePoint(const char* text, std::size_t size, std::size_t* pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const std::size_t i = *pos;
  const unsigned char b0 = byte(i);
  int extra = 0;
  char32_t code = 0;
  char32_t min = 0;
  if (b0 < 0x80) {
    *pos = i + 1;
    return b0;
  } else if (b0 >= 0xC2 && b0 <= 0xDF) {
    extra = 1, code = b0 & 0x1F, min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    extra = 2, code = b0 & 0x0F, min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    extra = 3, code = b0 & 0x07, min = 0x10000;
  }
  bool valid = extra > 0 && i + extra < size;  // the continuation bytes exist
  for (int k = 1; valid && k <= extra; ++k) {
    const unsigned char b = byte(i + k);
    if ((b & 0xC0) != 0x80) valid = false;
    else code = (code << 6) | (b & 0x3F);
  }
  if (valid && (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))) valid = false;
  if (!valid) {
    *pos = i + 1;
    return b0;  // Latin-1
  }
  *pos = i + 1 + extra;
  return code;
}

}  // namespace kurvex::fonts
