#include "install/settings_rewrite.h"

#include <cstring>

#include "base/bounded_text.h"

namespace {

const char kKey[] = "UILanguage=";
const size_t kKeyLength = sizeof kKey - 1;
const char kLineFormat[] = "UILanguage=%d";
const char kBlockFormat[] = "\r\n[Config]\r\nUILanguage=%d\r\n\r\n";
const size_t kFormattedCapacity = kSettingsRewriteGrowth + 1;

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// Where the key first occurs in text, or length when it does not. The key
// holds no line break, so its first occurrence lies in the first line that
// holds it.
size_t FindKey(const char* text, size_t length) {
    for (size_t at = 0; at + kKeyLength <= length; ++at) {
        if (text[at] == kKey[0] && std::memcmp(text + at, kKey, kKeyLength) == 0) return at;
    }
    return length;
}

// Appends to a buffer and remembers whether anything did not fit.
struct Output {
    char* out;
    size_t capacity;
    size_t length;
    bool overflow;

    void Put(const char* bytes, size_t count) {
        if (overflow || count > capacity - length) {
            overflow = true;
            return;
        }
        if (count) std::memcpy(out + length, bytes, count);
        length += count;
    }
};

}  // namespace

int RewriteUiLanguageSetting(const char* settings, size_t length, int uiLanguage, char* out,
                             size_t capacity, size_t* outLength) {
    *outLength = 0;
    char formatted[kFormattedCapacity];
    Output output = {out, capacity, 0, false};
    size_t key = FindKey(settings, length);
    if (key == length) {
        int n = FormatText(formatted, sizeof formatted, kBlockFormat, uiLanguage);
        output.Put(settings, length);
        output.Put(formatted, static_cast<size_t>(n));
    } else {
        // The key's line: from after the previous line break to the next one.
        size_t lineStart = key;
        while (lineStart > 0 && !IsLineBreak(settings[lineStart - 1])) --lineStart;
        size_t lineEnd = key + kKeyLength;
        while (lineEnd < length && !IsLineBreak(settings[lineEnd])) ++lineEnd;
        int n = FormatText(formatted, sizeof formatted, kLineFormat, uiLanguage);
        output.Put(settings, lineStart);
        output.Put(formatted, static_cast<size_t>(n));
        output.Put(settings + lineEnd, length - lineEnd);
    }
    if (output.overflow) return 0;
    *outLength = output.length;
    return 1;
}
