#pragma once
// Rendered fonts: fontconfig finds the font file for a family name and style, FreeType
// renders its glyphs, and every glyph is rendered once per face, size and style and then
// kept (coverage bitmap and advance), so measuring and drawing text does not render again.
//
// Rendering settings are fixed here, independent of the user's fontconfig preferences, so
// that the same text gives the same pixels on every machine with the same font files:
// grayscale anti-aliasing (8-bit coverage, blended over the destination), FreeType's
// auto-hinter in its light mode (snaps vertical metrics only, keeps glyph shapes), integer
// advances (hinted, rounded to whole pixels), no kerning, no sub-pixel rendering.
//
// Like the rest of the canvas, the engine is used from the user-interface thread only.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/types.h"

namespace kurvex::fonts {

// What selects a rendered face: family name, the Height property of the font (negative:
// em height in pixels; positive: cell height) and the two style bits that change glyphs.
struct FontKey {
  std::string name;
  int height = 0;
  bool bold = false;
  bool italic = false;
  friend bool operator==(const FontKey&, const FontKey&) = default;
};

struct Glyph {
  int left = 0;     // first coverage column, relative to the pen position
  int top = 0;      // rows from the first coverage row down to the baseline
  int width = 0;
  int rows = 0;
  int advance = 0;  // pixels from this pen position to the next
  std::vector<std::uint8_t> coverage;  // rows x width values, 0 (empty) .. 255 (covered)
};

// Where fontconfig found a face, and whether bold or italic must be synthesized because
// the family has no such face.
struct FaceSource {
  std::string file;
  int index = 0;
  std::string family;  // the family of the file found
  bool embolden = false;
  bool slant = false;
};

class SizedFont {
 public:
  SizedFont(const FaceSource& source, int height);
  ~SizedFont();
  SizedFont(const SizedFont&) = delete;
  SizedFont& operator=(const SizedFont&) = delete;

  const std::string& Family() const { return family_; }
  int PixelSize() const { return pixel_size_; }
  int Ascent() const { return ascent_; }
  int Descent() const { return descent_; }
  int CellHeight() const { return ascent_ + descent_; }
  // Lines relative to the baseline row (the first row below the baseline): first row and
  // thickness of the underline (below) and of the strike-out line (negative = above).
  int UnderlineOffset() const { return underline_offset_; }
  int UnderlineThickness() const { return underline_thickness_; }
  int StrikeOutOffset() const { return strike_offset_; }
  int StrikeOutThickness() const { return strike_thickness_; }

  const Glyph& GlyphFor(char32_t code);
  // How many glyphs have been rendered so far (the cache works when this stays put).
  std::size_t RenderedGlyphs() const { return rendered_; }

 private:
  void Render(char32_t code, Glyph& glyph);

  struct FaceHandle;
  std::unique_ptr<FaceHandle> face_;
  std::string family_;
  bool embolden_ = false;
  bool slant_ = false;
  int pixel_size_ = 0;
  int ascent_ = 0;
  int descent_ = 0;
  int underline_offset_ = 1;
  int underline_thickness_ = 1;
  int strike_offset_ = -3;
  int strike_thickness_ = 1;
  std::size_t rendered_ = 0;
  std::array<const Glyph*, 256> latin_{};
  std::unordered_map<char32_t, Glyph> glyphs_;
};

// The face for a font key, created on first use and kept for the life of the program.
SizedFont& FaceFor(const FontKey& key);

// The family actually used for a requested family name and style (after the aliases for
// desktop families and fontconfig's matching).
FaceSource ResolveFace(const std::string& name, bool bold, bool italic);

// Decodes the next code point of a UTF-8 string at *pos and advances *pos. A byte that
// does not start a valid sequence is taken as a Latin-1 character, so single-byte text
// ("\xB0") still shows the character it means.
char32_t NextCodePoint(const char* text, std::size_t size, std::size_t* pos);

}  // namespace kurvex::fonts
