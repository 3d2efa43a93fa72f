// The Chinese licence as list lines: the text is cut at its line breaks in
// place, each line becoming a zero-terminated string of its own, and a line
// too long for one list item is shown in pieces, laid out as the list's
// items for the program to keep. The buffer
// size and the line limit are base/carried_file_limits.h's. Platform-free.
#ifndef LQ_SETUP_LICENCE_LINES_H
#define LQ_SETUP_LICENCE_LINES_H

#include <cstddef>

#include "base/carried_file_limits.h"

// Stores the terminator after a text of length bytes decompressed into
// buffer (capacity bytes). Returns 1, or 0 when the text fills the buffer and
// leaves no room for it: such a text counts as not loaded.
int TerminateLicenceText(char* buffer, size_t capacity, size_t length);

// Splits the zero-terminated text in place: every CR becomes a zero byte and
// ends a line (an LF right after it belongs to that break; any other LF stays
// in its line). A last line without CR counts too unless it is empty. Writes
// the start of each line into lines, at most maxLines of them, and returns
// how many it wrote.
int SplitLicenceLines(char* text, const char** lines, int maxLines);

// How many bytes of the zero-terminated line go into one list item: all of
// it when it is shorter than kLicenceLineCapacity, else as many whole GBK
// characters as fit kLicenceLineCapacity - 1 bytes, the rest following in
// the next item. A long paragraph is thus shown in pieces rather than left
// out. Never 0 for a non-empty line.
size_t LicencePieceLength(const char* line);

// Lays the lines out as list items: every piece of every line (an empty
// line is one empty item), each zero-terminated, one after the other. With
// items null it only measures; otherwise items must hold the bytes that the
// measuring call returned. Returns the bytes, and the number of items in
// *itemCount when that is not null.
size_t LayOutLicenceItems(const char* const* lines, int count, char* items, int* itemCount);

#endif
