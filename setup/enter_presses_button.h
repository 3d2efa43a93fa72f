// Enter on an owner-drawn button of a modal dialog (the message box, the
// folder chooser). The dialog manager treats only push buttons as buttons
// that Enter presses; for any other focused control it sends the default
// command (IDOK). Owner-drawn buttons are not push buttons to it, so without
// this, Enter on a focused Cancel would answer OK.
#ifndef LQ_SETUP_ENTER_PRESSES_BUTTON_H
#define LQ_SETUP_ENTER_PRESSES_BUTTON_H

#include <windows.h>

// Subclasses button so that Enter while it has the focus sends its parent
// the button's own command (its id with BN_CLICKED), as a click does.
// Returns 1, or 0 when button is null or cannot be subclassed, in which case
// Enter keeps the dialog manager's meaning.
int LetEnterPressButton(HWND button);

#endif
