#include "setup/safe_dll_search.h"

#include <windows.h>

namespace {

typedef BOOL(WINAPI* SetDefaultDllDirectoriesFn)(DWORD);
const DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
const DWORD kVistaMajor = 6;
const DWORD kVistaMinor = 0;

// On Windows Vista (with the update that adds the call) the restriction makes
// CoCreateInstance of the shell link fail, so shortcuts could not be made.
int IsVista() {
    OSVERSIONINFOA version;
    ZeroMemory(&version, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version)) return 0;
    return version.dwMajorVersion == kVistaMajor && version.dwMinorVersion == kVistaMinor;
}

}  // namespace

void RestrictDllSearchToSystem() {
    // kernel32 is mapped in every process; looked up at run time because
    // systems before Windows 8 without the update lack the call.
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (!kernel || IsVista()) return;
    SetDefaultDllDirectoriesFn restrict = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    // Without the call the loader's own order applies; nothing better is possible.
    if (restrict) restrict(kSearchSystem32);
}
