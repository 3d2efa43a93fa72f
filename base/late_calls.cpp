#include "base/late_calls.h"

#include "base/system_library.h"

namespace {

enum LateLibrary { kComdlg32, kShell32, kOle32, kComctl32, kUxtheme, kOleacc, kOleaut32, kLateLibraryCount };

const char* const kLibraryNames[kLateLibraryCount] = {"comdlg32.dll", "shell32.dll", "ole32.dll", "comctl32.dll",
                                                      "uxtheme.dll",  "oleacc.dll",  "oleaut32.dll"};

enum LateCall {
    kGetOpenFileNameA,
    kSHGetMalloc,
    kSHGetSpecialFolderLocation,
    kSHGetPathFromIDListW,
    kSHGetPathFromIDListA,
    kShellExecuteExA,
    kCoInitialize,
    kCoUninitialize,
    kCoCreateInstance,
    kInitCommonControlsEx,
    kSetWindowTheme,
    kCreateStdAccessibleObject,
    kLresultFromObject,
    kSysAllocString,
    kLateCallCount
};

struct LateCallEntry {
    LateLibrary library;
    const char* name;
};

const LateCallEntry kLateCalls[kLateCallCount] = {
    {kComdlg32, "GetOpenFileNameA"},
    {kShell32, "SHGetMalloc"},
    {kShell32, "SHGetSpecialFolderLocation"},
    {kShell32, "SHGetPathFromIDListW"},
    {kShell32, "SHGetPathFromIDListA"},
    {kShell32, "ShellExecuteExA"},
    {kOle32, "CoInitialize"},
    {kOle32, "CoUninitialize"},
    {kOle32, "CoCreateInstance"},
    {kComctl32, "InitCommonControlsEx"},
    {kUxtheme, "SetWindowTheme"},
    {kOleacc, "CreateStdAccessibleObject"},
    {kOleacc, "LresultFromObject"},
    {kOleaut32, "SysAllocString"},
};

// One thread: plain values, filled at first use. Never freed (see the header).
HMODULE LoadedLibraries[kLateLibraryCount];
FARPROC FoundCalls[kLateCallCount];

// The entry point of call, loading its DLL first if need be; null when
// either cannot be had (tried again at the next use).
FARPROC FindLateCall(LateCall call) {
    if (FoundCalls[call]) return FoundCalls[call];
    LateLibrary library = kLateCalls[call].library;
    if (!LoadedLibraries[library]) LoadedLibraries[library] = LoadSystemLibrary(kLibraryNames[library]);
    if (!LoadedLibraries[library]) return nullptr;
    FoundCalls[call] = GetProcAddress(LoadedLibraries[library], kLateCalls[call].name);
    return FoundCalls[call];
}

// The entry point typed as the system header declares Declared, so each
// call below is checked against the real signature.
template <typename Declared>
Declared* Find(LateCall call) {
    return reinterpret_cast<Declared*>(reinterpret_cast<void*>(FindLateCall(call)));
}

}  // namespace

BOOL LateGetOpenFileNameA(OPENFILENAMEA* chooser) {
    auto* call = Find<decltype(GetOpenFileNameA)>(kGetOpenFileNameA);
    return call ? call(chooser) : FALSE;
}

HRESULT LateSHGetMalloc(IMalloc** allocator) {
    auto* call = Find<decltype(SHGetMalloc)>(kSHGetMalloc);
    return call ? call(allocator) : E_FAIL;
}

HRESULT LateSHGetSpecialFolderLocation(HWND owner, int folderId, LPITEMIDLIST* items) {
    auto* call = Find<decltype(SHGetSpecialFolderLocation)>(kSHGetSpecialFolderLocation);
    return call ? call(owner, folderId, items) : E_FAIL;
}

BOOL LateSHGetPathFromIDListW(LPCITEMIDLIST items, WCHAR* path) {
    auto* call = Find<decltype(SHGetPathFromIDListW)>(kSHGetPathFromIDListW);
    return call ? call(items, path) : FALSE;
}

BOOL LateSHGetPathFromIDListA(LPCITEMIDLIST items, char* path) {
    auto* call = Find<decltype(SHGetPathFromIDListA)>(kSHGetPathFromIDListA);
    return call ? call(items, path) : FALSE;
}

BOOL LateShellExecuteExA(SHELLEXECUTEINFOA* execute) {
    auto* call = Find<decltype(ShellExecuteExA)>(kShellExecuteExA);
    return call ? call(execute) : FALSE;
}

HRESULT LateCoInitialize() {
    auto* call = Find<decltype(CoInitialize)>(kCoInitialize);
    return call ? call(nullptr) : E_FAIL;
}

void LateCoUninitialize() {
    auto* call = Find<decltype(CoUninitialize)>(kCoUninitialize);
    if (call) call();
}

HRESULT LateCoCreateInstance(REFCLSID classId, IUnknown* outer, DWORD context, REFIID interfaceId,
                             void** object) {
    auto* call = Find<decltype(CoCreateInstance)>(kCoCreateInstance);
    return call ? call(classId, outer, context, interfaceId, object) : E_FAIL;
}

BOOL LateInitCommonControlsEx(const INITCOMMONCONTROLSEX* classes) {
    auto* call = Find<decltype(InitCommonControlsEx)>(kInitCommonControlsEx);
    return call ? call(classes) : FALSE;
}

HRESULT LateSetWindowTheme(HWND window, const WCHAR* application, const WCHAR* classList) {
    auto* call = Find<decltype(SetWindowTheme)>(kSetWindowTheme);
    return call ? call(window, application, classList) : E_FAIL;
}

HRESULT LateCreateStdAccessibleObject(HWND window, LONG objectId, REFIID interfaceId, void** object) {
    auto* call = Find<decltype(CreateStdAccessibleObject)>(kCreateStdAccessibleObject);
    return call ? call(window, objectId, interfaceId, object) : E_FAIL;
}

LRESULT LateLresultFromObject(REFIID interfaceId, WPARAM request, IUnknown* object) {
    auto* call = Find<decltype(LresultFromObject)>(kLresultFromObject);
    return call ? call(interfaceId, request, object) : static_cast<LRESULT>(E_FAIL);
}

BSTR LateSysAllocString(const WCHAR* text) {
    auto* call = Find<decltype(SysAllocString)>(kSysAllocString);
    return call ? call(text) : nullptr;
}
