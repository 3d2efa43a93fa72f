// The one setting this program writes into the product's settings file
// ("QuilleryUI.ini", GBK text with INI layout): "UILanguage=N". Owns the
// rewrite of the file's bytes; reading and replacing the file is
// settings_file's. Platform-free.
//
// A line is a run of bytes between line breaks, and a CR, an LF or a CR LF
// each end one line, so a file written with any of them, or a mix, is read
// as the lines its writer meant. The first line that holds "UILanguage="
// (letter case as written, anywhere in the line, however long the line) has
// its text replaced whole by "UILanguage=N", its line break kept as it was;
// when no line holds it, "\r\n[Config]\r\nUILanguage=N\r\n\r\n" is appended.
// Every other byte stays.
#ifndef LQ_INSTALL_SETTINGS_REWRITE_H
#define LQ_INSTALL_SETTINGS_REWRITE_H

#include <cstddef>

// The most the rewrite can add to its input: the appended block with the
// longest decimal int.
const size_t kSettingsRewriteGrowth = 40;

// Writes the rewritten settings (length bytes at settings, NUL bytes
// allowed) for uiLanguage into out (capacity bytes; no terminator) and
// its length into *outLength. Returns 1, or 0 with *outLength 0 when the
// result would not fit; length + kSettingsRewriteGrowth always fits. out
// must not overlap settings.
int RewriteUiLanguageSetting(const char* settings, size_t length, int uiLanguage, char* out,
                             size_t capacity, size_t* outLength);

#endif
