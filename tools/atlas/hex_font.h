// Reader for GNU Unifont ".hex" bitmaps: one glyph per line, "CODE:BITS",
// where BITS is 32 hex digits (8x16) or 64 hex digits (16x16), 1 = ink.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "atlas_format.h"

namespace atlas {

constexpr int kNarrowGlyphPx = 8;
constexpr int kWideGlyphPx = 16;
constexpr std::uint32_t kMaxCodepoint = 0x10FFFF;

struct HexGlyph {
  std::uint32_t codepoint;
  int width;  // kNarrowGlyphPx or kWideGlyphPx
  // Ink bits of each row, leftmost pixel in bit 15; a narrow glyph keeps
  // its pixels in the high byte.
  std::uint16_t rows[kCellPx];
};

// Glyphs sorted by codepoint.
struct HexFont {
  std::vector<HexGlyph> glyphs;
};

// Parses one line without its line terminator. False if malformed.
bool ParseHexLine(const char* line, std::size_t length, HexGlyph* glyph);

// Parses a whole file's text; blank lines are skipped, anything else must
// be a glyph line. On failure writes a one-line reason into `error`.
bool ParseHexFont(const std::string& text, HexFont* font, char* error,
                  std::size_t error_size);

bool LoadHexFont(const char* path, HexFont* font, char* error,
                 std::size_t error_size);

// First glyph for the codepoint, or nullptr.
const HexGlyph* FindGlyph(const HexFont& font, std::uint32_t codepoint);

}  // namespace atlas
