// make_atlas <unifont.hex> <output.bin>
// Builds the glyph atlas image the setup program draws Chinese text from.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "atlas_format.h"
#include "atlas_layout.h"
#include "code_page.h"
#include "glyph_cell.h"
#include "hex_font.h"

namespace {

constexpr int kExpectedArgs = 3;
constexpr std::size_t kErrorSize = 512;
// GB2312 positions use the strict GB2312 table so that its unassigned
// positions stay paper; codes beyond it are taken from GBK.
constexpr const char* kGb2312Charset = "GB2312";
constexpr const char* kGbkCharset = "GBK";

struct Converters {
  atlas::CodeConverter* gb2312;
  atlas::CodeConverter* gbk;
};

int Fail(const char* message) {
  std::fprintf(stderr, "make_atlas: %s\n", message);
  return 1;
}

bool LookUpGlyph(const atlas::HexFont& font, const Converters& converters,
                 int cell, const atlas::HexGlyph** glyph) {
  std::uint16_t code = 0;
  if (!atlas::CodeForCell(cell, &code)) return false;
  atlas::CodeConverter* converter =
      atlas::IsGb2312Code(code) ? converters.gb2312 : converters.gbk;
  std::uint32_t codepoint = 0;
  if (!atlas::CodeToCodepoint(converter, code, &codepoint)) return false;
  *glyph = atlas::FindGlyph(font, codepoint);
  return *glyph != nullptr;
}

// Returns the number of cells that received a glyph.
int DrawAtlas(const atlas::HexFont& font, const Converters& converters,
              std::vector<std::uint8_t>* image) {
  atlas::FillPaper(image->data(), image->size());
  int drawn = 0;
  for (int cell = 0; cell < atlas::kCellCapacity; ++cell) {
    const atlas::HexGlyph* glyph = nullptr;
    if (!LookUpGlyph(font, converters, cell, &glyph)) continue;
    if (atlas::WriteCell(image->data(), image->size(), cell,
                         atlas::FitGlyph(*glyph))) {
      ++drawn;
    }
  }
  return drawn;
}

bool WriteImage(const char* path, const std::vector<std::uint8_t>& image) {
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  const bool written =
      std::fwrite(image.data(), 1, image.size(), file) == image.size();
  const bool closed = std::fclose(file) == 0;
  return written && closed;
}

int Run(const char* font_path, const char* output_path) {
  char error[kErrorSize];
  atlas::HexFont font;
  if (!atlas::LoadHexFont(font_path, &font, error, sizeof error)) {
    return Fail(error);
  }
  Converters converters = {atlas::OpenCodeConverter(kGb2312Charset),
                           atlas::OpenCodeConverter(kGbkCharset)};
  std::vector<std::uint8_t> image(atlas::kAtlasBytes);
  int drawn = -1;
  if (converters.gb2312 != nullptr && converters.gbk != nullptr) {
    drawn = DrawAtlas(font, converters, &image);
  }
  atlas::CloseCodeConverter(converters.gb2312);
  atlas::CloseCodeConverter(converters.gbk);
  if (drawn < 0) return Fail("iconv lacks GB2312 or GBK");
  if (!WriteImage(output_path, image)) {
    std::snprintf(error, sizeof error, "cannot write %s", output_path);
    return Fail(error);
  }
  std::printf("make_atlas: %d of %d cells drawn\n", drawn,
              atlas::kCellCapacity);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != kExpectedArgs) {
    return Fail("usage: make_atlas <unifont.hex> <output.bin>");
  }
  return Run(argv[1], argv[2]);
}
