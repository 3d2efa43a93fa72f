#include "setup/main_dialog.h"

#include "render/owner_draw.h"
#include "resources/resource_ids.h"
#include "setup/program_state.h"

namespace {

const UINT kLicenceItemWidth = 1024;
const UINT kLicenceItemHeight = 23;
const int kOptionBoxes[] = {IDC_DESKTOP_OPTION, IDC_AUTOSTART_OPTION};

// The option boxes stay standard check boxes; only their painting is ours.
// Both return the same button-class procedure, so one saved value serves both.
void SubclassOptionBoxes(HWND dialog) {
    for (int id : kOptionBoxes) {
        LONG_PTR previous = SetWindowLongPtrA(GetDlgItem(dialog, id), GWLP_WNDPROC,
                                              reinterpret_cast<LONG_PTR>(CheckBoxProc));
        SavedButtonProc = reinterpret_cast<WNDPROC>(previous);
    }
}

void OnInitDialog(HWND dialog) {
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon));
    SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon));
    SubclassOptionBoxes(dialog);
}

void OnCommand(HWND dialog, int id) {
    switch (id) {
    case IDC_CANCEL:
        // No question asked: nothing has been written yet.
        WizardState = kWizardQuit;
        break;
    case IDC_DESKTOP_OPTION:
    case IDC_AUTOSTART_OPTION:
        // Every notification of a box (click, focus) repaints its state.
        InvalidateRect(GetDlgItem(dialog, id), nullptr, FALSE);
        break;
    default:
        break;
    }
}

INT_PTR OnMeasureItem(MEASUREITEMSTRUCT* item) {
    if (item->CtlID != IDC_LICENCE_LIST) return FALSE;
    item->itemWidth = kLicenceItemWidth;
    item->itemHeight = kLicenceItemHeight;
    return TRUE;
}

void OnDrawItem(HWND dialog, WPARAM id, DRAWITEMSTRUCT* item) {
    if (id == IDC_LICENCE_LIST)
        PaintLicenceItem(item, dialog);
    else
        PaintOwnerButton(item);
}

}  // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return TRUE;
    case WM_DRAWITEM:
        OnDrawItem(dialog, wParam, reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_MEASUREITEM:
        return OnMeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_COMMAND:
        // The notification code is ignored: every notification acts as a click.
        OnCommand(dialog, LOWORD(wParam));
        return FALSE;
    default:
        return FALSE;
    }
}
