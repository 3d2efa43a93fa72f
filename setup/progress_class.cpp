#include "setup/progress_class.h"

#include <windows.h>
#include <commctrl.h>

#include "base/system_library.h"

namespace {

typedef BOOL(WINAPI* InitCommonControlsExFn)(const INITCOMMONCONTROLSEX*);
const char kCommonControlsDll[] = "comctl32.dll";

}  // namespace

int RegisterProgressBarClass() {
    // Not a static import: the library is not mapped from the system
    // directory by every Windows, so a planted copy could be loaded instead.
    // Never freed: the class must stay registered for the whole run.
    HMODULE library = LoadSystemLibrary(kCommonControlsDll);
    if (!library) return 0;
    InitCommonControlsExFn init = reinterpret_cast<InitCommonControlsExFn>(
        reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")));
    if (!init) return 0;
    INITCOMMONCONTROLSEX classes;
    classes.dwSize = sizeof classes;
    classes.dwICC = ICC_PROGRESS_CLASS;
    return init(&classes) ? 1 : 0;
}
