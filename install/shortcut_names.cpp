// Compiled with a GBK execution character set: the Simplified Chinese names
// are stored as GBK bytes. The Traditional Chinese names are Big5 and so are
// written as escapes.
#include "install/shortcut_names.h"

const char kProgramFile[] = "LectorQuillery.exe";
const char kUninstallerFile[] = "LectorQuilleryUnInstall.exe";

namespace {

const char kEnglishProgram[] = "Korvo LectorQuillery";
const char kEnglishUninstaller[] = "UnInstall LectorQuillery";
const char kSimplifiedProgram[] = "科沃笺羽声读";
const char kSimplifiedUninstaller[] = "科沃笺羽声读卸载";
// 科沃箋羽聲讀
const char kTraditionalProgram[] = "\xac\xec\xa8\x55\xba\xe0\xa6\xd0\xc1\x6e\xc5\xaa";
// 科沃箋羽聲讀卸載
const char kTraditionalUninstaller[] =
    "\xac\xec\xa8\x55\xba\xe0\xa6\xd0\xc1\x6e\xc5\xaa\xa8\xf8\xb8\xfc";

const int kLanguageCount = 3;  // DisplayLanguage 0 English, 1 Simplified, 2 Traditional
const int kEnglish = 0;

const ShortcutEntry kGroupEntries[kLanguageCount][3] = {
    {{kEnglishProgram, kProgramFile}, {kEnglishUninstaller, kUninstallerFile}, {nullptr, nullptr}},
    {{kSimplifiedProgram, kProgramFile}, {kSimplifiedUninstaller, kUninstallerFile}, {nullptr, nullptr}},
    {{kTraditionalProgram, kProgramFile}, {kTraditionalUninstaller, kUninstallerFile}, {nullptr, nullptr}},
};

const unsigned kNameCodePages[kLanguageCount] = {kAnsiCodePage, 936, 950};

const ShortcutEntry kStartupEntries[kLanguageCount][2] = {
    {{kEnglishProgram, kProgramFile}, {nullptr, nullptr}},
    {{kSimplifiedProgram, kProgramFile}, {nullptr, nullptr}},
    {{kTraditionalProgram, kProgramFile}, {nullptr, nullptr}},
};

int LanguageIndex(int displayLanguage) {
    return displayLanguage >= 0 && displayLanguage < kLanguageCount ? displayLanguage : kEnglish;
}

}  // namespace

const char* ProgramShortcutName(int displayLanguage) {
    return kGroupEntries[LanguageIndex(displayLanguage)][0].displayName;
}

const ShortcutEntry* ProgramGroupEntries(int displayLanguage) {
    return kGroupEntries[LanguageIndex(displayLanguage)];
}

const ShortcutEntry* StartupEntries(int displayLanguage) {
    return kStartupEntries[LanguageIndex(displayLanguage)];
}

unsigned ShortcutNameCodePage(int displayLanguage) {
    return kNameCodePages[LanguageIndex(displayLanguage)];
}
