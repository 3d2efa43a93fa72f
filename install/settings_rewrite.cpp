#include "install/settings_rewrite.h"

#include <cstring>

#include "base/bounded_text.h"

namespace {

const char kKey[] = "UILanguage=";
const size_t kKeyLength = sizeof kKey - 1;
const char kLineFormat[] = "UILanguage=%d";
const char kBlockFormat[] = "\r\n[Config]\r\nUILanguage=%d\r\n\r\n";
// What a 256-byte line buffer holds of a line at one read.
const size_t kLinePiece = 255;
const size_t kFormattedCapacity = kSettingsRewriteGrowth + 1;

// One line: [start, contentEnd) its text, [contentEnd, next) its line break.
struct Line {
    size_t start;
    size_t contentEnd;
    size_t next;
};

Line LineAt(const char* text, size_t length, size_t start) {
    const void* found = std::memchr(text + start, '\n', length - start);
    if (!found) return Line{start, length, length};
    size_t feed = static_cast<size_t>(static_cast<const char*>(found) - text);
    size_t contentEnd = feed > start && text[feed - 1] == '\r' ? feed - 1 : feed;
    return Line{start, contentEnd, feed + 1};
}

// Whether the key lies wholly inside one piece of the line's text.
bool HoldsKey(const char* text, const Line& line) {
    size_t size = line.contentEnd - line.start;
    for (size_t at = 0; at + kKeyLength <= size; ++at) {
        if (at / kLinePiece != (at + kKeyLength - 1) / kLinePiece) continue;
        if (std::memcmp(text + line.start + at, kKey, kKeyLength) == 0) return true;
    }
    return false;
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
    for (size_t start = 0; start < length;) {
        Line line = LineAt(settings, length, start);
        if (HoldsKey(settings, line)) {
            int n = FormatText(formatted, sizeof formatted, kLineFormat, uiLanguage);
            output.Put(settings, line.start);
            output.Put(formatted, static_cast<size_t>(n));
            output.Put(settings + line.contentEnd, length - line.contentEnd);
            if (output.overflow) return 0;
            *outLength = output.length;
            return 1;
        }
        start = line.next;
    }
    int n = FormatText(formatted, sizeof formatted, kBlockFormat, uiLanguage);
    output.Put(settings, length);
    output.Put(formatted, static_cast<size_t>(n));
    if (output.overflow) return 0;
    *outLength = output.length;
    return 1;
}
