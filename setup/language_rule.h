// The rules that turn the system's version, code page and language into the
// program-wide flags read at start-up. Platform-free.
#ifndef LQ_SETUP_LANGUAGE_RULE_H
#define LQ_SETUP_LANGUAGE_RULE_H

// DisplayLanguage values: the language of the shortcut names.
enum { kDisplayEnglish = 0, kDisplaySimplifiedChinese = 1, kDisplayTraditionalChinese = 2 };

// DisplayLanguage for the system default language id. Chinese names are used
// only when the ANSI code page is multi-byte (ansiIsMultiByte != 0) and the
// primary language is Chinese; the lowest sublanguage bit then selects
// Traditional (Taiwan, Hong Kong, Macao) over Simplified (PRC, Singapore).
int DisplayLanguageFor(int ansiIsMultiByte, unsigned languageId);

// 1 when a code page's maximum character size (GetCPInfo's MaxCharSize) makes
// it multi-byte; a failed query counts as single-byte.
int IsMultiByteCharSize(int queryOk, unsigned maxCharSize);

struct VersionFlags {
    int ntPlatform;   // platform id VER_PLATFORM_WIN32_NT
    int legacyShell;  // major version 3: no shell special-folder support
};

// The two flags from a version query; both 0 when the query failed.
VersionFlags VersionFlagsFor(int queryOk, unsigned platformId, unsigned majorVersion);

#endif
