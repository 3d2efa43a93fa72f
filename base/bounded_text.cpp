#include "base/bounded_text.h"

#include <cstdarg>

namespace {

// Appends to a buffer and remembers whether anything did not fit.
struct Writer {
    char* out;
    size_t capacity;
    size_t length;
    bool overflow;

    void Put(char c) {
        if (length + 1 < capacity) out[length++] = c;
        else overflow = true;
    }
    void PutText(const char* s) {
        for (; *s; ++s) Put(*s);
    }
    void PutInt(int value) {
        char digits[12];
        int n = 0;
        // Negated as unsigned so the most negative int is printed correctly.
        unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
        do {
            digits[n++] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude);
        if (value < 0) Put('-');
        while (n) Put(digits[--n]);
    }
};

void Convert(Writer* w, char conversion, va_list* args) {
    switch (conversion) {
    case 's': {
        const char* s = va_arg(*args, const char*);
        w->PutText(s ? s : "");
        break;
    }
    case 'd':
        w->PutInt(va_arg(*args, int));
        break;
    case 'c':
        w->Put(static_cast<char>(va_arg(*args, int)));
        break;
    default:
        w->Put(conversion);  // "%%" and anything unknown: the character itself
        break;
    }
}

}  // namespace

int FormatText(char* out, size_t capacity, const char* format, ...) {
    if (capacity == 0) return -1;
    Writer w = {out, capacity, 0, false};
    va_list args;
    va_start(args, format);
    for (const char* f = format; *f; ++f) {
        if (*f != '%' || f[1] == '\0') {
            w.Put(*f);
            continue;
        }
        Convert(&w, *++f, &args);
    }
    va_end(args);
    if (w.overflow) {
        out[0] = '\0';
        return -1;
    }
    out[w.length] = '\0';
    return static_cast<int>(w.length);
}

void FormatHexDigits(char* out, unsigned long long value, int digits, int upperCase) {
    const char* alphabet = upperCase ? "0123456789ABCDEF" : "0123456789abcdef";
    for (int i = digits - 1; i >= 0; --i, value >>= 4) out[i] = alphabet[value & 0xF];
    out[digits] = '\0';
}

size_t CopyTextCut(char* out, size_t capacity, const char* text) {
    if (capacity == 0) return 0;
    size_t n = 0;
    for (; text && text[n] && n + 1 < capacity; ++n) out[n] = text[n];
    out[n] = '\0';
    return n;
}
