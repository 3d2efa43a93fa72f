#include "setup/progress_class.h"

#include <commctrl.h>

#include "base/late_calls.h"
#include "resources/resource_ids.h"

namespace {

const char kProgressClass[] = PROGRESS_CLASSA;
// A theme name that matches no theme: the control draws itself classically.
const WCHAR kNoTheme[] = L" ";
// The template's text is "Progress1"; a bar draws no text anyway.
const int kBarTextCapacity = 64;

// What a replacement takes over from the control it replaces.
struct BarPlacement {
    char text[kBarTextCapacity];
    LONG style;
    LONG exStyle;
    RECT place;   // in the dialog's client coordinates
    HWND above;   // the sibling just above it in the z-order, or null
    HFONT font;   // the dialog's, as the dialog gives each of its controls
};

// The module the stand-in class is registered in, while it is; null
// otherwise. While it is, the template makes stand-ins: a module's own class
// is found before a global class of the same name.
HINSTANCE StandInModule = nullptr;

void ReadPlacement(HWND bar, HWND dialog, BarPlacement* placement) {
    // An unreadable text leaves "": the bar shows none either way.
    if (GetWindowTextA(bar, placement->text, kBarTextCapacity) <= 0) placement->text[0] = '\0';
    placement->style = GetWindowLongA(bar, GWL_STYLE);
    placement->exStyle = GetWindowLongA(bar, GWL_EXSTYLE);
    GetWindowRect(bar, &placement->place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&placement->place), 2);
    placement->above = GetWindow(bar, GW_HWNDPREV);
    placement->font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
}

HWND CreateRealBar(HWND dialog, const BarPlacement& placement) {
    const RECT& r = placement.place;
    HWND bar = CreateWindowExA(placement.exStyle, kProgressClass, placement.text,
                               static_cast<DWORD>(placement.style), r.left, r.top, r.right - r.left,
                               r.bottom - r.top, dialog, reinterpret_cast<HMENU>(IDC_PROGRESS),
                               reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE)), nullptr);
    if (!bar) return nullptr;
    // Should these fail, the bar is still there, only lower in the z-order
    // or in the system font, neither of which a bar shows.
    SetWindowPos(bar, placement.above ? placement.above : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageA(bar, WM_SETFONT, reinterpret_cast<WPARAM>(placement.font), FALSE);
    // The manifest asks for the classic common controls, so Windows draws
    // this bar unthemed; a system that themes it anyway (Wine does) would
    // spend a millisecond on each value for a look Windows never shows.
    // Without the theme library there is nothing to undo.
    LateSetWindowTheme(bar, kNoTheme, kNoTheme);
    return bar;
}

}  // namespace

int RegisterProgressBarClass() {
    // Not a static import: the library is not mapped from the system
    // directory by every Windows, so a planted copy could be loaded instead.
    // It stays loaded: the class must stay registered for the whole run.
    INITCOMMONCONTROLSEX classes;
    classes.dwSize = sizeof classes;
    classes.dwICC = ICC_PROGRESS_CLASS;
    return LateInitCommonControlsEx(&classes) ? 1 : 0;
}

int RegisterProgressBarStandIn(HINSTANCE instance) {
    // A hidden control that is never shown: nothing to paint, nothing to
    // answer beyond what any window does.
    WNDCLASSA standIn = {};
    standIn.lpfnWndProc = DefWindowProcA;
    standIn.hInstance = instance;
    standIn.lpszClassName = kProgressClass;
    if (!RegisterClassA(&standIn)) return 0;
    StandInModule = instance;
    return 1;
}

HWND ProvideProgressBar(HWND dialog) {
    HWND current = GetDlgItem(dialog, IDC_PROGRESS);
    if (!current || !StandInModule) return current;
    BarPlacement placement;
    ReadPlacement(current, dialog, &placement);
    DestroyWindow(current);
    // With its only window gone the stand-in class goes too, before the
    // library registers its own: one class of the name at a time, so the
    // name finds the library's. While the stand-in stayed, the name would
    // make another stand-in.
    if (!UnregisterClassA(kProgressClass, StandInModule)) return nullptr;
    StandInModule = nullptr;
    if (!RegisterProgressBarClass()) return nullptr;
    return CreateRealBar(dialog, placement);
}
