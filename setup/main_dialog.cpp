#include "setup/main_dialog.h"

#include "resources/resource_ids.h"
#include "setup/program_state.h"

namespace {

void OnCommand(int id) {
    switch (id) {
    case IDC_CANCEL:
        // No question asked: nothing has been written yet.
        WizardState = kWizardQuit;
        break;
    default:
        break;
    }
}

}  // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    (void)dialog;
    (void)lParam;
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        // The notification code is ignored: every notification acts as a click.
        OnCommand(LOWORD(wParam));
        return FALSE;
    default:
        return FALSE;
    }
}
