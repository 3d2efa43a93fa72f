// The bilingual message box (template 112): a Chinese line drawn with the
// program's own glyphs above an English line, with one or two owner-drawn
// buttons; it sizes and centres itself to its texts. Every error, notice and
// question of the program goes through it.
#ifndef LQ_SETUP_MESSAGE_BOX_H
#define LQ_SETUP_MESSAGE_BOX_H

#include <windows.h>

// MessageBoxKind: kMessageBoxOk shows OK alone, kMessageBoxYesNo Yes and No,
// any other value OK and Cancel.
enum { kMessageBoxOk = 0, kMessageBoxOkCancel = 1, kMessageBoxYesNo = 4 };

// Shows the box modally, owned by owner (may be null). chinese: a MixedText
// line; english: at most 127 single-byte characters (longer is cut) or null.
// Enter presses the focused button; Escape and the close box answer Cancel,
// or OK where it is the only button, or No on a Yes/No box. Returns the id of
// the answer (1, 2, 6 or 7), or the modal dialog call's failure value when
// the box cannot be made.
int ShowMessageBox(const char* chinese, const char* english, int kind, HWND owner);

INT_PTR CALLBACK MessageBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

#endif
