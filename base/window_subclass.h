// Subclassing a window without losing characters of its text: where the
// system has Unicode windows (NT) the procedure is installed as a Unicode
// one, so the text that passes it (a screen reader reading a caption, say)
// stays UTF-16 instead of going through the system's ANSI code page; on
// Windows 9x, which has none, as an ANSI one. Owns that choice; relies on
// nothing else.
#ifndef LQ_BASE_WINDOW_SUBCLASS_H
#define LQ_BASE_WINDOW_SUBCLASS_H

#include <windows.h>

// Installs procedure on window. Returns the procedure it had, for
// CallPreviousProc, or null when it could not be installed.
WNDPROC SubclassWindow(HWND window, WNDPROC procedure);

// Puts previous (a result of SubclassWindow) back on window.
void RestoreWindowProc(HWND window, WNDPROC previous);

// Hands a message on to previous in the form the subclass receives it.
LRESULT CallPreviousProc(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

#endif
