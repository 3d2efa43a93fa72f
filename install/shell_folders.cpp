#include "install/shell_folders.h"

#include "base/late_calls.h"
#include "base/target_path.h"
#include "install/legacy_folder_path.h"
#include "install/wide_path.h"

namespace {
const DWORD kUserNameCapacity = 256;
}  // namespace

int GetShellFolderPath(WCHAR* path, int folderId) {
    IMalloc* allocator = nullptr;
    if (FAILED(LateSHGetMalloc(&allocator))) return 0;
    LPITEMIDLIST items = nullptr;
    int result = 0;
    if (SUCCEEDED(LateSHGetSpecialFolderLocation(nullptr, folderId, &items))) {
        // The shell writes at most MAX_PATH characters, the size of every path buffer.
        result = LateSHGetPathFromIDListW(items, path) ? 1 : 0;
        allocator->Free(items);
    }
    allocator->Release();
    return result;
}

int BuildLegacyFolderPath(WCHAR* path, int folderId, int ntPlatform) {
    char windowsDir[kPathCapacity];
    UINT length = GetWindowsDirectoryA(windowsDir, sizeof windowsDir);
    if (length == 0 || length >= sizeof windowsDir) return 0;
    char userName[kUserNameCapacity] = "";
    DWORD userLength = sizeof userName;
    if (ntPlatform && !GetUserNameA(userName, &userLength)) return 0;
    char composed[kPathCapacity];
    if (!ComposeLegacyFolderPath(composed, sizeof composed, windowsDir, ntPlatform, userName, folderId)) return 0;
    return ConvertPath(path, composed, CP_ACP);
}

int GetSpecialFolderPath(WCHAR* path, int folderId, int legacyShell, int ntPlatform) {
    return legacyShell ? BuildLegacyFolderPath(path, folderId, ntPlatform) : GetShellFolderPath(path, folderId);
}
