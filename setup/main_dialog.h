// The wizard window (template 114): its dialog procedure.
#ifndef LQ_SETUP_MAIN_DIALOG_H
#define LQ_SETUP_MAIN_DIALOG_H

#include <windows.h>

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
