#include "base/window_subclass.h"

namespace {

const DWORD kNotNtBit = 0x80000000;

int HasUnicodeWindows() { return (GetVersion() & kNotNtBit) == 0; }

}  // namespace

WNDPROC SubclassWindow(HWND window, WNDPROC procedure) {
    const LONG_PTR value = reinterpret_cast<LONG_PTR>(procedure);
    const LONG_PTR previous = HasUnicodeWindows() ? SetWindowLongPtrW(window, GWLP_WNDPROC, value)
                                                  : SetWindowLongPtrA(window, GWLP_WNDPROC, value);
    return reinterpret_cast<WNDPROC>(previous);
}

void RestoreWindowProc(HWND window, WNDPROC previous) {
    // The window is going or staying as it was: a failure leaves nothing to do.
    SubclassWindow(window, previous);
}

LRESULT CallPreviousProc(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return HasUnicodeWindows() ? CallWindowProcW(previous, window, message, wParam, lParam)
                               : CallWindowProcA(previous, window, message, wParam, lParam);
}
