// The names a screen reader announces for the wizard's controls that show a
// value rather than a caption of their own, and for the program icon (the
// table of control_names): each such control is subclassed to answer the
// request for its client object with the named object of named_accessible.
// Owns the table of subclassed controls and their saved procedures.
#ifndef LQ_SETUP_ACCESSIBLE_NAMES_H
#define LQ_SETUP_ACCESSIBLE_NAMES_H

#include <windows.h>

// Names every control of dialog that the name table knows and that is not
// named yet; a control that cannot be named keeps the system's answer. Call
// again after a control has been replaced (the progress bar).
void GiveAccessibleNames(HWND dialog);

#endif
