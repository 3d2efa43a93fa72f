#include "setup/licence_lines.h"

namespace {
const char kCr = '\r';
const char kLf = '\n';
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
