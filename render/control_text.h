// What a control carries as its window text: the MixedText it draws, in
// UTF-16, its two-byte codes read as GBK (code page 936) whatever the
// system's code page, so that a screen reader hears what the program draws.
// Drawing never reads it back: the painters take their texts from the
// program's own copies. Where UTF-16 cannot be had (no GBK table on the
// system, or no Unicode windows, as on Windows 9x) a control takes the bytes
// as the system reads them. Relies on the caption table and the MixedText
// walk.
#ifndef LQ_RENDER_CONTROL_TEXT_H
#define LQ_RENDER_CONTROL_TEXT_H

#include <windows.h>

// Room for the longest text a control is given, terminator included: a
// message's Chinese line with a folder path in it.
const int kControlTextCapacity = 512;

// Writes text as UTF-16 into wide (capacity characters, terminator
// included): one character for each character drawn, a single byte as
// itself and a two-byte code as its GBK character, where GBK has none U+FFFD
// or the system's default character. Returns 1, or 0 (wide then "") when it
// does not fit or the system has no GBK table.
int MixedTextToWide(const char* text, WCHAR* wide, int capacity);

// Sets control's window text to text (a MixedText) unless it reads so
// already, so a screen reader hears a change only when there is one.
void SetControlText(HWND control, const char* text);

// Gives every owner-drawn button of dialog with a fixed caption the caption
// it draws at wizardState as its window text.
void LabelOwnerDrawnControls(HWND dialog, int wizardState);

#endif
