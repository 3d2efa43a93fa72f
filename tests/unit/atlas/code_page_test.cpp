#include "code_page.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace atlas {
namespace {

struct Converter {
  explicit Converter(const char* charset)
      : handle(OpenCodeConverter(charset)) {}
  ~Converter() { CloseCodeConverter(handle); }
  CodeConverter* handle;
};

struct Mapping {
  std::uint16_t code;
  std::uint32_t codepoint;  // 0: unassigned
};

void ExpectMappings(const char* charset, const Mapping* cases, int count) {
  Converter converter(charset);
  ASSERT_NE(converter.handle, nullptr) << charset;
  for (int i = 0; i < count; ++i) {
    std::uint32_t codepoint = 0;
    const bool mapped =
        CodeToCodepoint(converter.handle, cases[i].code, &codepoint);
    EXPECT_EQ(mapped, cases[i].codepoint != 0) << std::hex << cases[i].code;
    if (mapped) {
      EXPECT_EQ(codepoint, cases[i].codepoint) << std::hex << cases[i].code;
    }
  }
}

TEST(CodeToCodepoint, MapsGb2312AndLeavesItsGapsUnassigned) {
  const Mapping cases[] = {
      {0xA1A1, 0x3000}, {0xA1A2, 0x3001}, {0xA3C1, 0xFF21}, {0xA9A4, 0x2500},
      {0xB0A1, 0x554A}, {0xC8B7, 0x786E}, {0xF7FE, 0x9F44}, {0xD7F9, 0x5EA7},
      {0xD7FA, 0},      {0xA2A1, 0},      {0xE946, 0},      {0x4142, 0},
  };
  ExpectMappings("GB2312", cases, sizeof cases / sizeof cases[0]);
}

TEST(CodeToCodepoint, MapsGbkExtensions) {
  const Mapping cases[] = {{0xE946, 0x9555}, {0xB0A1, 0x554A}};
  ExpectMappings("GBK", cases, sizeof cases / sizeof cases[0]);
}

TEST(OpenCodeConverter, FailsForUnknownCharset) {
  EXPECT_EQ(OpenCodeConverter("NO-SUCH-CHARSET"), nullptr);
  CloseCodeConverter(nullptr);
}

TEST(IsGb2312Code, ChecksBothBytes) {
  EXPECT_TRUE(IsGb2312Code(0xA1A1));
  EXPECT_TRUE(IsGb2312Code(0xFEFE));
  EXPECT_FALSE(IsGb2312Code(0xE946));
  EXPECT_FALSE(IsGb2312Code(0xA0A1));
  EXPECT_FALSE(IsGb2312Code(0xA1FF));
  EXPECT_FALSE(IsGb2312Code(0x41A1));
}

}  // namespace
}  // namespace atlas
