#include "install/shell_folders.h"

#include <windows.h>
#include <shlobj.h>

#include "install/legacy_folder_path.h"
#include "base/target_path.h"

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

int BuildLegacyFolderPath(char* path, int folderId, int ntPlatform) {
    char windowsDir[kPathCapacity];
    UINT length = GetWindowsDirectoryA(windowsDir, sizeof windowsDir);
    if (length == 0 || length >= sizeof windowsDir) return 0;
    char userName[kUserNameCapacity] = "";
    DWORD userLength = sizeof userName;
    if (ntPlatform && !GetUserNameA(userName, &userLength)) return 0;
    return ComposeLegacyFolderPath(path, kPathCapacity, windowsDir, ntPlatform, userName, folderId);
}

int GetSpecialFolderPath(char* path, int folderId, int legacyShell, int ntPlatform) {
    return legacyShell ? BuildLegacyFolderPath(path, folderId, ntPlatform) : GetShellFolderPath(path, folderId);
}
