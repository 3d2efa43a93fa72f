// The licence texts on the licence page: the Chinese one (resource 124) line
// by line into the list 1019, the English one (resource 161) whole into the
// edit field 1014. Each is decompressed into a 64 KB buffer that lives only
// while it is loaded; the Chinese lines are kept, as the list's items, for
// as long as the list shows them: the painter draws them from that copy,
// while the list's own strings, in UTF-16, are what a screen reader reads.
// Relies on the payload resources (payload_resource), the control texts of
// render/ and the message box for a lack of memory.
#ifndef LQ_SETUP_LICENCE_LOADER_H
#define LQ_SETUP_LICENCE_LOADER_H

#include <windows.h>

// 1 once both texts are in their controls; never goes back to 0.
extern int LicenceLoaded;

// Loads both texts into the controls of dialog, Chinese first, and sets
// LicenceLoaded. The list is emptied first, so a load after a failed one
// shows every line once. Each list item's data points at its line in the
// kept copy. Returns 1, or 0 when a text cannot be loaded: no memory (told
// to the user), a missing or corrupt resource, or a text that fills the
// whole buffer.
int LoadLicenceTexts(HWND dialog);

// Frees the kept Chinese lines; for when the list is gone.
void ReleaseLicenceTexts();

#endif
