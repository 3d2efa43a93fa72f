#include "setup/licence_lines.h"

#include <cstring>

namespace {
const char kCr = '\r';
const char kLf = '\n';
// GBK: a byte from here on opens a two-byte character.
const unsigned char kFirstLeadByte = 0x81;
}  // namespace

int TerminateLicenceText(char* buffer, size_t capacity, size_t length) {
    if (length >= capacity) return 0;
    buffer[length] = '\0';
    return 1;
}

int SplitLicenceLines(char* text, const char** lines, int maxLines) {
    int count = 0;
    char* line = text;
    while (count < maxLines && *line) {
        char* end = line;
        while (*end && *end != kCr) ++end;
        lines[count++] = line;
        if (*end == '\0') break;  // the last line, without CR
        *end = '\0';
        line = end + 1;
        if (*line == kLf) ++line;
    }
    return count;
}

size_t LicencePieceLength(const char* line) {
    const size_t room = static_cast<size_t>(kLicenceLineCapacity) - 1;
    size_t length = 0;
    while (line[length]) {
        // A lead byte before the terminator stands alone: the text is not
        // GBK there, and the terminator must not be taken as its partner.
        const size_t next = static_cast<unsigned char>(line[length]) >= kFirstLeadByte && line[length + 1] ? 2 : 1;
        if (length + next > room) break;
        length += next;
    }
    return length;
}

size_t LayOutLicenceItems(const char* const* lines, int count, char* items, int* itemCount) {
    size_t bytes = 0;
    int pieces = 0;
    for (int i = 0; i < count; ++i) {
        const char* rest = lines[i];
        do {
            const size_t length = LicencePieceLength(rest);
            if (items) {
                std::memcpy(items + bytes, rest, length);
                items[bytes + length] = '\0';
            }
            bytes += length + 1;
            ++pieces;
            rest += length;
        } while (*rest);
    }
    if (itemCount) *itemCount = pieces;
    return bytes;
}
