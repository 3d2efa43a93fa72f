#include "install/shell_folders.h"

#include <windows.h>
#include <shlobj.h>

#include "install/legacy_folder_path.h"
#include "install/target_path.h"
#include "setup/program_state.h"

namespace {
const DWORD kUserNameCapacity = 256;
}  // namespace

int GetShellFolderPath(char* path, int folderId) {
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator))) return 0;
    LPITEMIDLIST items = nullptr;
    int result = 0;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, folderId, &items))) {
        // The shell writes at most MAX_PATH bytes, the size of every path buffer.
        result = SHGetPathFromIDListA(items, path) ? 1 : 0;
        allocator->Free(items);
    }
    allocator->Release();
    return result;
}

int BuildLegacyFolderPath(char* path, int folderId) {
    char windowsDir[kPathCapacity];
    UINT length = GetWindowsDirectoryA(windowsDir, sizeof windowsDir);
    if (length == 0 || length >= sizeof windowsDir) return 0;
    char userName[kUserNameCapacity] = "";
    DWORD userLength = sizeof userName;
    if (NtPlatform && !GetUserNameA(userName, &userLength)) return 0;
    return ComposeLegacyFolderPath(path, kPathCapacity, windowsDir, NtPlatform, userName, folderId);
}

int GetSpecialFolderPath(char* path, int folderId) {
    return LegacyShell ? BuildLegacyFolderPath(path, folderId) : GetShellFolderPath(path, folderId);
}
