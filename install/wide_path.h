// Paths for the Unicode file and shell calls: a buffer of kPathCapacity wide
// characters, terminator included, built from byte strings each converted
// from its own code page (the ANSI code page for what the user typed or the
// system gave as bytes, 936 or 950 for the fixed Chinese names). A path that
// would not fit is refused, never cut. Relies on MultiByteToWideChar.
#ifndef LQ_INSTALL_WIDE_PATH_H
#define LQ_INSTALL_WIDE_PATH_H

#include <windows.h>

// Appends text, converted from codePage, to the string in path (kPathCapacity
// wide characters). Returns 1, or 0 with path unusable when the conversion
// fails or the result would not fit.
int AppendConverted(WCHAR* path, const char* text, UINT codePage);

// Sets path to text converted from codePage; 1 or 0 as AppendConverted.
int ConvertPath(WCHAR* path, const char* text, UINT codePage);

#endif
