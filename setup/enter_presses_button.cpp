#include "setup/enter_presses_button.h"

#include "base/window_subclass.h"

namespace {

// Where each subclassed button keeps the procedure it had before.
const char kPreviousProcProperty[] = "LectorQuillery.ButtonProc";

WNDPROC PreviousProc(HWND button) {
    return reinterpret_cast<WNDPROC>(GetPropA(button, kPreviousProcProperty));
}

int IsEnterDown(const MSG* message) {
    return message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN;
}

void PressFromKeyboard(HWND button) {
    SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

LRESULT CALLBACK EnterPressesProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = PreviousProc(button);
    switch (message) {
    case WM_GETDLGCODE: {
        // Asking for the Enter key keeps the dialog manager from turning it
        // into the default command; it is then dispatched to the button.
        const LRESULT code = CallPreviousProc(previous, button, message, wParam, lParam);
        return IsEnterDown(reinterpret_cast<const MSG*>(lParam)) ? code | DLGC_WANTMESSAGE : code;
    }
    case WM_KEYDOWN:
        if (wParam != VK_RETURN) break;
        PressFromKeyboard(button);
        return 0;
    case WM_NCDESTROY:
        // The last message: hand the window back before it goes.
        RestoreWindowProc(button, previous);
        RemovePropA(button, kPreviousProcProperty);
        break;
    default:
        break;
    }
    return CallPreviousProc(previous, button, message, wParam, lParam);
}

}  // namespace

int LetEnterPressButton(HWND button) {
    if (!button || PreviousProc(button)) return button ? 1 : 0;
    // No message reaches the new procedure before the property is set.
    const WNDPROC previous = SubclassWindow(button, EnterPressesProc);
    if (!previous) return 0;
    if (SetPropA(button, kPreviousProcProperty, reinterpret_cast<HANDLE>(previous))) return 1;
    RestoreWindowProc(button, previous);
    return 0;
}
