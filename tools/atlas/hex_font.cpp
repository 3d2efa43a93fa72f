#include "hex_font.h"

#include <algorithm>
#include <cstdio>

namespace atlas {
namespace {

constexpr char kFieldSeparator = ':';
constexpr int kMaxCodepointDigits = 6;
constexpr int kHexDigitBits = 4;
constexpr int kDigitsPerNarrowRow = kNarrowGlyphPx / kHexDigitBits;
constexpr int kDigitsPerWideRow = kWideGlyphPx / kHexDigitBits;
constexpr int kNarrowRowShift = kWideGlyphPx - kNarrowGlyphPx;
constexpr std::size_t kReadChunk = 16 * 1024;
constexpr std::size_t kReasonSize = 128;
constexpr int kFirstLetterDigit = 10;

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + kFirstLetterDigit;
  if (c >= 'a' && c <= 'f') return c - 'a' + kFirstLetterDigit;
  return -1;
}

// Reads `count` hex digits; false if any is not a hex digit.
bool ParseHexNumber(const char* digits, int count, std::uint32_t* value) {
  std::uint32_t result = 0;
  for (int i = 0; i < count; ++i) {
    const int digit = HexDigitValue(digits[i]);
    if (digit < 0) return false;
    result = (result << kHexDigitBits) | static_cast<std::uint32_t>(digit);
  }
  *value = result;
  return true;
}

bool ParseBitmap(const char* bits, std::size_t length, HexGlyph* glyph) {
  int digits_per_row = 0;
  if (length == static_cast<std::size_t>(kDigitsPerNarrowRow * kCellPx)) {
    glyph->width = kNarrowGlyphPx;
    digits_per_row = kDigitsPerNarrowRow;
  } else if (length == static_cast<std::size_t>(kDigitsPerWideRow * kCellPx)) {
    glyph->width = kWideGlyphPx;
    digits_per_row = kDigitsPerWideRow;
  } else {
    return false;
  }
  const int shift = glyph->width == kNarrowGlyphPx ? kNarrowRowShift : 0;
  for (int row = 0; row < kCellPx; ++row) {
    std::uint32_t value = 0;
    if (!ParseHexNumber(bits + row * digits_per_row, digits_per_row, &value)) {
      return false;
    }
    glyph->rows[row] = static_cast<std::uint16_t>(value << shift);
  }
  return true;
}

bool IsBlank(const char* line, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) {
    if (line[i] != ' ' && line[i] != '\t') return false;
  }
  return true;
}

bool ByCodepoint(const HexGlyph& a, const HexGlyph& b) {
  return a.codepoint < b.codepoint;
}

bool ReadWholeFile(std::FILE* file, std::string* text) {
  char chunk[kReadChunk];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    text->append(chunk, got);
  }
  return std::ferror(file) == 0;
}

}  // namespace

bool ParseHexLine(const char* line, std::size_t length, HexGlyph* glyph) {
  const char* end = line + length;
  const char* colon = std::find(line, end, kFieldSeparator);
  if (colon == end) return false;
  const int code_digits = static_cast<int>(colon - line);
  if (code_digits < 1 || code_digits > kMaxCodepointDigits) return false;
  std::uint32_t codepoint = 0;
  if (!ParseHexNumber(line, code_digits, &codepoint)) return false;
  if (codepoint > kMaxCodepoint) return false;
  HexGlyph parsed{};
  parsed.codepoint = codepoint;
  if (!ParseBitmap(colon + 1, static_cast<std::size_t>(end - colon - 1),
                   &parsed)) {
    return false;
  }
  *glyph = parsed;
  return true;
}

bool ParseHexFont(const std::string& text, HexFont* font, char* error,
                  std::size_t error_size) {
  std::vector<HexGlyph> glyphs;
  std::size_t start = 0;
  int line_number = 0;
  while (start < text.size()) {
    std::size_t stop = text.find('\n', start);
    if (stop == std::string::npos) stop = text.size();
    ++line_number;
    std::size_t length = stop - start;
    if (length > 0 && text[start + length - 1] == '\r') --length;
    const char* line = text.data() + start;
    start = stop + 1;
    if (IsBlank(line, length)) continue;
    HexGlyph glyph{};
    if (!ParseHexLine(line, length, &glyph)) {
      std::snprintf(error, error_size, "line %d: malformed glyph line",
                    line_number);
      return false;
    }
    glyphs.push_back(glyph);
  }
  // Stable so that a repeated codepoint resolves to its first definition.
  std::stable_sort(glyphs.begin(), glyphs.end(), ByCodepoint);
  font->glyphs.swap(glyphs);
  return true;
}

bool LoadHexFont(const char* path, HexFont* font, char* error,
                 std::size_t error_size) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) {
    std::snprintf(error, error_size, "cannot open %s", path);
    return false;
  }
  std::string text;
  const bool read_ok = ReadWholeFile(file, &text);
  std::fclose(file);
  if (!read_ok) {
    std::snprintf(error, error_size, "cannot read %s", path);
    return false;
  }
  char reason[kReasonSize];
  if (!ParseHexFont(text, font, reason, sizeof reason)) {
    std::snprintf(error, error_size, "%s: %s", path, reason);
    return false;
  }
  return true;
}

const HexGlyph* FindGlyph(const HexFont& font, std::uint32_t codepoint) {
  HexGlyph key{};
  key.codepoint = codepoint;
  const auto it = std::lower_bound(font.glyphs.begin(), font.glyphs.end(), key,
                                   ByCodepoint);
  if (it == font.glyphs.end() || it->codepoint != codepoint) return nullptr;
  return &*it;
}

}  // namespace atlas
