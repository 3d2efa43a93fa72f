#include "install/shortcut_names.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct Names {
    int displayLanguage;
    unsigned codePage;
    const char* program;
    const char* uninstaller;
};

// Spelled as bytes so that the check does not depend on the compiler's
// character-set conversion: GBK for 1, Big5 for 2.
const Names kExpected[] = {
    {0, 0, "Korvo LectorQuillery", "UnInstall LectorQuillery"},
    // 科沃笺羽声读, 科沃笺羽声读卸载
    {1, 936, "\xbf\xc6\xce\xd6\xbc\xe3\xd3\xf0\xc9\xf9\xb6\xc1",
     "\xbf\xc6\xce\xd6\xbc\xe3\xd3\xf0\xc9\xf9\xb6\xc1\xd0\xb6\xd4\xd8"},
    // 科沃箋羽聲讀, 科沃箋羽聲讀卸載
    {2, 950, "\xac\xec\xa8\x55\xba\xe0\xa6\xd0\xc1\x6e\xc5\xaa",
     "\xac\xec\xa8\x55\xba\xe0\xa6\xd0\xc1\x6e\xc5\xaa\xa8\xf8\xb8\xfc"},
};

TEST(ShortcutNames, NamesAreTheBytesOfEachLanguageReadInItsOwnCodePage) {
    for (const Names& n : kExpected) {
        EXPECT_EQ(n.codePage, ShortcutNameCodePage(n.displayLanguage)) << n.displayLanguage;
        EXPECT_STREQ(n.program, ProgramShortcutName(n.displayLanguage)) << n.displayLanguage;
        const ShortcutEntry* group = ProgramGroupEntries(n.displayLanguage);
        EXPECT_STREQ(n.program, group[0].displayName) << n.displayLanguage;
        EXPECT_STREQ(n.uninstaller, group[1].displayName) << n.displayLanguage;
        EXPECT_STREQ(n.program, StartupEntries(n.displayLanguage)[0].displayName) << n.displayLanguage;
    }
}

TEST(ShortcutNames, ListsPointAtTheProgramAndTheUninstallerAndEnd) {
    for (int language = 0; language < 3; ++language) {
        const ShortcutEntry* group = ProgramGroupEntries(language);
        EXPECT_STREQ("LectorQuillery.exe", group[0].targetFile);
        EXPECT_STREQ("LectorQuilleryUnInstall.exe", group[1].targetFile);
        EXPECT_EQ(nullptr, group[2].displayName);
        const ShortcutEntry* startup = StartupEntries(language);
        EXPECT_STREQ("LectorQuillery.exe", startup[0].targetFile);
        EXPECT_EQ(nullptr, startup[1].displayName);
    }
}

TEST(ShortcutNames, UnknownLanguageGetsTheEnglishNames) {
    for (int language : {-1, 3, 99}) {
        EXPECT_STREQ("Korvo LectorQuillery", ProgramShortcutName(language)) << language;
        EXPECT_EQ(0u, ShortcutNameCodePage(language)) << language;
        EXPECT_STREQ("UnInstall LectorQuillery", ProgramGroupEntries(language)[1].displayName) << language;
        EXPECT_STREQ("Korvo LectorQuillery", StartupEntries(language)[0].displayName) << language;
    }
}

// The names become file and folder names: no byte of them may be read as a
// path separator or a character Windows refuses in a name, in any code page
// where the bytes below 0x80 are ASCII.
TEST(ShortcutNames, NoByteIsRefusedInAFileName) {
    const char kRefused[] = "\\/:*?\"<>|";
    for (const Names& n : kExpected) {
        for (const char* name : {n.program, n.uninstaller}) {
            for (const char* p = name; *p; ++p) {
                unsigned char byte = static_cast<unsigned char>(*p);
                EXPECT_FALSE(byte < 0x20 || std::strchr(kRefused, byte)) << n.displayLanguage;
            }
        }
    }
}

}  // namespace
