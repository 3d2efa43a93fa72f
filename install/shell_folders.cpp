#include "install/shell_folders.h"

#include "base/late_calls.h"
#include "install/legacy_folder_path.h"
#include "install/wide_path.h"

namespace {

const DWORD kUserNameCapacity = 256;

// The shell writes at most MAX_PATH characters, the size of every path buffer.
int PathFromItems(LPCITEMIDLIST items, WCHAR* path, int ntPlatform) {
    if (ntPlatform) return LateSHGetPathFromIDListW(items, path) ? 1 : 0;
    char ansi[kPathCapacity];
    return LateSHGetPathFromIDListA(items, ansi) && ConvertPath(path, ansi, CP_ACP) ? 1 : 0;
}

}  // namespace

int GetShellFolderPath(SpecialFolder* folder, int folderId, int ntPlatform) {
    folder->ownLevels = 0;
    IMalloc* allocator = nullptr;
    if (FAILED(LateSHGetMalloc(&allocator))) return 0;
    LPITEMIDLIST items = nullptr;
    int result = 0;
    if (SUCCEEDED(LateSHGetSpecialFolderLocation(nullptr, folderId, &items))) {
        result = PathFromItems(items, folder->path, ntPlatform);
        allocator->Free(items);
    }
    allocator->Release();
    return result;
}

int BuildLegacyFolderPath(SpecialFolder* folder, int folderId, int ntPlatform) {
    char windowsDir[kPathCapacity];
    UINT length = GetWindowsDirectoryA(windowsDir, sizeof windowsDir);
    if (length == 0 || length >= sizeof windowsDir) return 0;
    char userName[kUserNameCapacity] = "";
    DWORD userLength = sizeof userName;
    if (ntPlatform && !GetUserNameA(userName, &userLength)) return 0;
    char composed[kPathCapacity];
    folder->ownLevels = ComposeLegacyFolderPath(composed, sizeof composed, windowsDir, ntPlatform, userName, folderId);
    return folder->ownLevels && ConvertPath(folder->path, composed, CP_ACP) ? 1 : 0;
}

int GetSpecialFolderPath(SpecialFolder* folder, int folderId, int legacyShell, int ntPlatform) {
    return legacyShell ? BuildLegacyFolderPath(folder, folderId, ntPlatform)
                       : GetShellFolderPath(folder, folderId, ntPlatform);
}
