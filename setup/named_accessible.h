// The answer to an accessibility client's request (WM_GETOBJECT) for a
// control's client object: the system's standard object for the control,
// wrapped so that its name is the one given and everything else is the
// standard object's. oleacc, oleaut32 and COM (ole32) are had through the
// late calls at the first request and kept for the run, so a run without a
// screen reader loads none of them.
#ifndef LQ_SETUP_NAMED_ACCESSIBLE_H
#define LQ_SETUP_NAMED_ACCESSIBLE_H

#include <windows.h>

// The result for WM_GETOBJECT (wParam request) asking control's client
// object, named name (a MixedText in GBK), or 0 when the object cannot be
// had: the control then answers as it would have.
LRESULT AnswerNamedClientObject(HWND control, WPARAM request, const char* name);

// Ends COM if a request started it; for when the windows it served are gone.
void EndNamedClientObjects();

#endif
