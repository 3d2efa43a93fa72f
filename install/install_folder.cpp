#include "install/install_folder.h"

#include "base/bounded_text.h"
#include "install/file_calls.h"

namespace {

const DWORD kLinkOrFile = FILE_ATTRIBUTE_REPARSE_POINT;
// Others may read and write inside the folder, never rename or delete it.
const DWORD kFolderSharing = FILE_SHARE_READ | FILE_SHARE_WRITE;
const DWORD kOpenFolderItself = FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT;

int IsAbsolute(const char* path) {
    const int drive = ((path[0] | 0x20) >= 'a' && (path[0] | 0x20) <= 'z') && path[1] == ':' && path[2] == '\\';
    return drive || (path[0] == '\\' && path[1] == '\\');
}

// A folder, not a link to one: the attributes read by path (where some
// systems mark a link that the handle, following it, no longer shows) and,
// when given, through the handle.
int IsPlainFolder(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & kLinkOrFile);
}

FolderHold OpenHeld(InstallFolder* folder) {
    folder->handle = CallCreateFile(folder->path, FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES, kFolderSharing,
                                    OPEN_EXISTING, kOpenFolderItself);
    if (folder->handle == INVALID_HANDLE_VALUE) return kFolderUnavailable;
    BY_HANDLE_FILE_INFORMATION information;
    if (!CallGetFileInformationByHandle(folder->handle, &information) ||
        !IsPlainFolder(information.dwFileAttributes)) {
        ReleaseInstallFolder(folder);
        return kFolderRefused;
    }
    // Where the system cannot resolve paths, files are checked by their
    // attributes alone.
    if (!CallGetFinalPath(folder->handle, folder->resolved, kPathCapacity)) folder->resolved[0] = L'\0';
    return kFolderHeld;
}

}  // namespace

FolderHold HoldInstallFolder(const char* path, int ntPlatform, InstallFolder* folder) {
    folder->handle = INVALID_HANDLE_VALUE;
    folder->resolved[0] = L'\0';
    folder->ntPlatform = ntPlatform;
    if (!IsAbsolute(path) || FormatText(folder->path, sizeof folder->path, "%s", path) < 0)
        return kFolderUnavailable;
    const DWORD attributes = CallGetFileAttributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return kFolderUnavailable;
    if (!IsPlainFolder(attributes)) return kFolderRefused;
    // Windows 9x opens no folder: its checks are the attributes above.
    return ntPlatform ? OpenHeld(folder) : kFolderHeld;
}

void ReleaseInstallFolder(InstallFolder* folder) {
    if (folder->handle == INVALID_HANDLE_VALUE) return;
    CloseHandle(folder->handle);
    folder->handle = INVALID_HANDLE_VALUE;
}
