// The system calls that the wizard's first page does not need: the folder
// chooser's common dialog (comdlg32), the special folders and the shell's
// "open" (shell32), the shell's link object through COM (ole32), the
// progress bar's class (comctl32) and its theme (uxtheme), and what answers a
// screen reader (oleacc, oleaut32). They are looked up at their first
// use, in DLLs loaded by full path from the system directory
// (system_library), so start-up maps none of these DLLs and the import
// table names none of them. Owns the table of those entry points; relies on
// LoadSystemLibrary.
//
// Each function does what the system call of the same name does. When the
// DLL or the entry point cannot be had, it does nothing and fails as that
// call reports failure: FALSE, E_FAIL or null. A DLL once loaded stays for the
// rest of the run: the COM objects and the dialog live in it, and the next
// use finds it ready.
#ifndef LQ_BASE_LATE_CALLS_H
#define LQ_BASE_LATE_CALLS_H

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <oleacc.h>
#include <shlobj.h>
#include <uxtheme.h>

BOOL LateGetOpenFileNameA(OPENFILENAMEA* chooser);

HRESULT LateSHGetMalloc(IMalloc** allocator);
HRESULT LateSHGetSpecialFolderLocation(HWND owner, int folderId, LPITEMIDLIST* items);
BOOL LateSHGetPathFromIDListW(LPCITEMIDLIST items, WCHAR* path);
// The form for Windows 9x, whose shell implements no Unicode one.
BOOL LateSHGetPathFromIDListA(LPCITEMIDLIST items, char* path);
BOOL LateShellExecuteExA(SHELLEXECUTEINFOA* execute);

BOOL LateInitCommonControlsEx(const INITCOMMONCONTROLSEX* classes);

// Where the system has no theme library (before XP), E_FAIL: nothing is
// themed there anyway.
HRESULT LateSetWindowTheme(HWND window, const WCHAR* application, const WCHAR* classList);

HRESULT LateCoInitialize();
// Nothing to undo when ole32 was never had: CoInitialize failed then.
void LateCoUninitialize();
HRESULT LateCoCreateInstance(REFCLSID classId, IUnknown* outer, DWORD context, REFIID interfaceId,
                             void** object);

HRESULT LateCreateStdAccessibleObject(HWND window, LONG objectId, REFIID interfaceId, void** object);
// Without oleacc, E_FAIL as an LRESULT: the request is not answered.
LRESULT LateLresultFromObject(REFIID interfaceId, WPARAM request, IUnknown* object);
// Null, as for no memory, without oleaut32.
BSTR LateSysAllocString(const WCHAR* text);

#endif
