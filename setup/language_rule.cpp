#include "setup/language_rule.h"

namespace {
const unsigned kPrimaryLanguageMask = 0x3FF;
const unsigned kLangChinese = 0x04;
const unsigned kTraditionalSublanguageBit = 0x400;
const unsigned kPlatformWin32Nt = 2;
const unsigned kLegacyShellMajorVersion = 3;
}  // namespace

int DisplayLanguageFor(int ansiIsMultiByte, unsigned languageId) {
    if (!ansiIsMultiByte) return kDisplayEnglish;
    if ((languageId & kPrimaryLanguageMask) != kLangChinese) return kDisplayEnglish;
    return (languageId & kTraditionalSublanguageBit) ? kDisplayTraditionalChinese
                                                     : kDisplaySimplifiedChinese;
}

int IsMultiByteCharSize(int queryOk, unsigned maxCharSize) {
    return queryOk && maxCharSize > 1 ? 1 : 0;
}

VersionFlags VersionFlagsFor(int queryOk, unsigned platformId, unsigned majorVersion) {
    VersionFlags flags = {0, 0};
    if (!queryOk) return flags;
    flags.ntPlatform = platformId == kPlatformWin32Nt ? 1 : 0;
    flags.legacyShell = majorVersion == kLegacyShellMajorVersion ? 1 : 0;
    return flags;
}
