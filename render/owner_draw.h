// The painters of the owner-drawn controls: bilingual buttons and labels,
// the Chinese licence list and the two option check boxes.
#ifndef LQ_RENDER_OWNER_DRAW_H
#define LQ_RENDER_OWNER_DRAW_H

#include <windows.h>

// Paints an owner-drawn button or label from the caption table (by control
// id and the wizard's state, which picks the Next caption), with bevel, the
// default frame on the control defaultButtonId and focus rectangle. A
// control whose caption its dialog gives draws givenText (the dialog's own
// copy; null draws nothing). Shrinks item->rcItem in place before drawing
// the focus rectangle.
void PaintOwnerButton(DRAWITEMSTRUCT* item, int wizardState, int defaultButtonId, const char* givenText);

// Paints one line of the Chinese licence list (control 1019 of dialog): the
// MixedText its item data points at, the program's own copy, never the
// list's string; with the focus frame on the line that has the focus.
void PaintLicenceItem(const DRAWITEMSTRUCT* item, HWND dialog);

// Paints an option check box (mark and bilingual caption) into dc.
void PaintCheckBox(HWND box, HDC dc);

// Window procedure installed on the option check boxes (with SubclassWindow
// of base/window_subclass): paints them itself and forwards everything else
// to SavedButtonProc.
LRESULT CALLBACK CheckBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

// The button class's own procedure, saved when CheckBoxProc is installed.
extern WNDPROC SavedButtonProc;

#endif
