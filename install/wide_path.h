// Paths for the Unicode file and shell calls: a buffer of kPathCapacity wide
// characters, terminator included, built from byte strings each converted
// from its own code page (the ANSI code page for what the user typed or the
// system gave as bytes, 936 or 950 for the fixed Chinese names), and turned
// back into the ANSI code page for the systems that have only the ANSI
// calls (Windows 9x). A path that would not fit or convert whole is
// refused, never cut. Relies on MultiByteToWideChar, WideCharToMultiByte and
// lstrlenW, which Windows 9x implements as well; no other wide string call.
#ifndef LQ_INSTALL_WIDE_PATH_H
#define LQ_INSTALL_WIDE_PATH_H

#include <windows.h>

// Appends text, converted from codePage, to the string in path (kPathCapacity
// wide characters). Returns 1, or 0 with path unusable when the conversion
// fails or the result would not fit.
int AppendConverted(WCHAR* path, const char* text, UINT codePage);

// Sets path to text converted from codePage; 1 or 0 as AppendConverted.
int ConvertPath(WCHAR* path, const char* text, UINT codePage);

// Sets path (kPathCapacity wide characters) to text. Returns 1, or 0 with
// path unusable when text would not fit.
int CopyPath(WCHAR* path, const WCHAR* text);

// Sets ansi (kPathCapacity bytes) to text in the ANSI code page. Returns 1,
// or 0 with ansi unusable when that code page cannot spell text whole or
// the result would not fit.
int NarrowPath(char* ansi, const WCHAR* text);

#endif
