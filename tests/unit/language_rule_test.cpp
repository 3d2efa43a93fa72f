#include "setup/language_rule.h"

#include <gtest/gtest.h>

namespace {

struct LanguageCase {
    int multiByte;
    unsigned languageId;
    int expected;
};

TEST(DisplayLanguage, FollowsCodePageAndLanguageId) {
    const LanguageCase cases[] = {
        {1, 0x0804, kDisplaySimplifiedChinese},   // PRC
        {1, 0x1004, kDisplaySimplifiedChinese},   // Singapore
        {1, 0x0404, kDisplayTraditionalChinese},  // Taiwan
        {1, 0x0C04, kDisplayTraditionalChinese},  // Hong Kong
        {1, 0x1404, kDisplayTraditionalChinese},  // Macao
        {0, 0x0804, kDisplayEnglish},             // Chinese id, single-byte code page
        {0, 0x0404, kDisplayEnglish},
        {1, 0x0411, kDisplayEnglish},             // Japanese on a double-byte code page
        {1, 0x0412, kDisplayEnglish},             // Korean
        {1, 0x0409, kDisplayEnglish},
        {0, 0x0409, kDisplayEnglish},
        {1, 0x0004, kDisplaySimplifiedChinese},   // neutral Chinese: sublanguage bit clear
        {1, 0x0C04 | 0xF0000, kDisplayTraditionalChinese},  // high bits beyond the id ignored
    };
    for (const LanguageCase& c : cases)
        EXPECT_EQ(c.expected, DisplayLanguageFor(c.multiByte, c.languageId))
            << std::hex << c.languageId << " multibyte " << c.multiByte;
}

TEST(DisplayLanguage, CodePageCharSize) {
    EXPECT_EQ(1, IsMultiByteCharSize(1, 2));  // 936, 950, 932
    EXPECT_EQ(1, IsMultiByteCharSize(1, 4));  // UTF-8 style sizes count too
    EXPECT_EQ(0, IsMultiByteCharSize(1, 1));  // 1252
    EXPECT_EQ(0, IsMultiByteCharSize(0, 2));  // failed query: single-byte
}

struct VersionCase {
    int ok;
    unsigned platform, major;
    int nt, legacy;
};

TEST(VersionFlags, PlatformAndMajorVersion) {
    const VersionCase cases[] = {
        {1, 2, 3, 1, 1},   // NT 3.51
        {1, 0, 3, 0, 1},   // Win32s on Windows 3.1
        {1, 1, 4, 0, 0},   // Windows 95
        {1, 2, 4, 1, 0},   // NT 4
        {1, 2, 10, 1, 0},  // Windows 10
        {1, 2, 6, 1, 0},
        {0, 2, 3, 0, 0},   // failed query leaves both clear
    };
    for (const VersionCase& c : cases) {
        VersionFlags f = VersionFlagsFor(c.ok, c.platform, c.major);
        EXPECT_EQ(c.nt, f.ntPlatform) << c.platform << "." << c.major;
        EXPECT_EQ(c.legacy, f.legacyShell) << c.platform << "." << c.major;
    }
}

}  // namespace
