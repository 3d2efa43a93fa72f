// The wizard's progress bar (control IDC_PROGRESS, class "msctls_progress32")
// and the common-controls library that provides its class. Loading that
// library costs start-up time and memory, and the bar stays hidden until the
// installation; so start-up registers a stand-in class of the same name in
// the program's own module, from which the dialog makes its hidden control,
// and the installation puts a real bar in the stand-in's place before it
// shows it. Relies on the late-bound system calls (base/late_calls).
#ifndef LQ_SETUP_PROGRESS_CLASS_H
#define LQ_SETUP_PROGRESS_CLASS_H

#include <windows.h>

// Loads the common-controls library from the system directory by its full
// path and registers the real progress-bar class. Returns 1 on success, 0
// when the library or its entry point is missing.
int RegisterProgressBarClass();

// Registers the stand-in class in instance, the module that the dialog is
// made from. Returns 1, or 0 when it cannot be registered (the wizard then
// cannot be created).
int RegisterProgressBarStandIn(HINSTANCE instance);

// Returns dialog's progress bar as a real one. While the stand-in class is
// registered, dialog's bar is a stand-in: it is replaced by a bar of the
// library's class with its id, text, styles, place, z-position and font,
// and the stand-in class is unregistered. Otherwise the bar is returned as
// it is. Returns null when there is no bar, or no real one can be had (no
// library): the installation then shows none.
HWND ProvideProgressBar(HWND dialog);

#endif
