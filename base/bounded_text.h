// Composing texts and paths into fixed buffers. Every write is bounded by
// the buffer's capacity; a text that must not be cut (a path, a key line) is
// refused whole instead. Platform-free, and free of the C runtime's printf
// family, whose mingw implementation would double the installer's code.
#ifndef LQ_BASE_BOUNDED_TEXT_H
#define LQ_BASE_BOUNDED_TEXT_H

#include <cstddef>

// Formats into out like snprintf, understanding only %s, %d, %c and %%.
// Returns the length written, or -1 with out set to "" when the result (and
// its terminator) would not fit capacity bytes. Writes nothing when capacity
// is 0.
int FormatText(char* out, size_t capacity, const char* format, ...);

// Copies text into out, cutting it to capacity - 1 bytes; always terminated
// when capacity > 0. Returns the length copied.
size_t CopyTextCut(char* out, size_t capacity, const char* text);

// Writes the low 4 * digits bits of value as digits hexadecimal digits, the
// most significant first, in lower or upper case, and terminates them: out
// holds digits + 1 bytes.
void FormatHexDigits(char* out, unsigned long long value, int digits, int upperCase);

#endif
