#include "setup/safe_dll_search.h"

#include <windows.h>

namespace {

typedef BOOL(WINAPI* SetDefaultDllDirectoriesFn)(DWORD);
typedef BOOL(WINAPI* SetDllDirectoryFn)(LPCSTR);
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

template <typename Fn>
Fn KernelCall(HMODULE kernel, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(kernel, name)));
}

// Takes the current directory (the installation folder once the folder check
// has entered it) out of the search. The program's own folder is still
// searched first; on these systems nothing removes it.
void DropCurrentDirectoryFromSearch(HMODULE kernel) {
    SetDllDirectoryFn drop = KernelCall<SetDllDirectoryFn>(kernel, "SetDllDirectoryA");
    // Before Windows XP SP1 there is no such call, and nothing else to do.
    if (drop) drop("");
}

}  // namespace

void RestrictDllSearchToSystem() {
    // kernel32 is mapped in every process; looked up at run time because
    // systems before Windows 8 without the update lack the calls.
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (!kernel) return;
    SetDefaultDllDirectoriesFn restrict =
        IsVista() ? nullptr : KernelCall<SetDefaultDllDirectoriesFn>(kernel, "SetDefaultDllDirectories");
    if (restrict && restrict(kSearchSystem32)) return;
    DropCurrentDirectoryFromSearch(kernel);
}
