#include "install/folder_file.h"

#include "base/target_path.h"
#include "install/file_calls.h"
#include "install/wide_path.h"

namespace {

const DWORD kOpenItself = FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS;
const DWORD kNotPlainFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
const DWORD kEveryone = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

int WidePathInFolder(const InstallFolder& folder, const char* name, WCHAR* path) {
    return ConvertPath(path, folder.path, CP_ACP) && AppendConverted(path, "\\", CP_ACP) &&
           AppendConverted(path, name, CP_ACP);
}

// Whether the open file is name in folder as the system resolves both:
// a link elsewhere resolves to its target. Where the system cannot
// resolve, the attributes have decided alone.
int ResolvesInFolder(HANDLE file, const InstallFolder& folder, const char* name) {
    if (!folder.resolved[0]) return 1;
    WCHAR resolved[kPathCapacity], expected[kPathCapacity];
    if (!CallGetFinalPath(file, resolved, kPathCapacity)) return 0;
    if (!CopyPath(expected, folder.resolved) || !AppendConverted(expected, "\\", CP_ACP) || !AppendConverted(expected, name, CP_ACP)) return 0;
    return lstrcmpiW(resolved, expected) == 0;
}

// Windows 9x knows no access but reading and writing, and no link to
// open: only what it knows is asked of it.
DWORD OnPlatform(const InstallFolder& folder, DWORD access) {
    return folder.ntPlatform ? access : access & (GENERIC_READ | GENERIC_WRITE);
}

}  // namespace

ExistingFile OpenFileInFolder(const InstallFolder& folder, const char* name, DWORD access, DWORD share,
                              HANDLE* file, BY_HANDLE_FILE_INFORMATION* information) {
    char path[kPathCapacity];
    if (!JoinPath(path, sizeof path, folder.path, name)) return kFileUnavailable;
    *file = CallCreateFile(path, OnPlatform(folder, access | FILE_READ_ATTRIBUTES), share, OPEN_EXISTING,
                           folder.ntPlatform ? kOpenItself : 0);
    if (*file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? kFileMissing : kFileUnavailable;
    }
    BY_HANDLE_FILE_INFORMATION read;
    BY_HANDLE_FILE_INFORMATION* into = information ? information : &read;
    if (!CallGetFileInformationByHandle(*file, into)) {
        CloseHandle(*file);
        return kFileUnavailable;
    }
    if ((into->dwFileAttributes & kNotPlainFile) || !ResolvesInFolder(*file, folder, name)) {
        CloseHandle(*file);
        return kFileRefused;
    }
    return kFileOpened;
}

HANDLE CreateFileInFolder(const InstallFolder& folder, const char* name, DWORD attributes) {
    char path[kPathCapacity];
    if (!JoinPath(path, sizeof path, folder.path, name)) return INVALID_HANDLE_VALUE;
    // CREATE_NEW fails on anything of that name, a link included.
    return CallCreateFile(path, OnPlatform(folder, GENERIC_WRITE | DELETE), FILE_SHARE_READ, CREATE_NEW,
                          attributes ? attributes : FILE_ATTRIBUTE_NORMAL);
}

int RenameOpenFile(HANDLE file, const InstallFolder& folder, const char* name, int replace) {
    WCHAR path[kPathCapacity];
    if (!WidePathInFolder(folder, name, path)) return 0;
    return CallRenameByHandle(file, path, replace ? TRUE : FALSE) ? 1 : 0;
}

int DeleteOpenFile(HANDLE file) {
    // A read-only file is not deleted; should clearing fail, the delete
    // fails too and says so.
    CallSetAttributesByHandle(file, FILE_ATTRIBUTE_NORMAL);
    const int deleted = CallDeleteByHandle(file) ? 1 : 0;
    CloseHandle(file);
    return deleted;
}

int RemoveFileInFolder(const InstallFolder& folder, const char* name) {
    if (!HasHandleCalls()) {
        char path[kPathCapacity];
        if (!JoinPath(path, sizeof path, folder.path, name)) return 0;
        // Without handle calls the system has no file links to follow.
        CallSetFileAttributes(path, FILE_ATTRIBUTE_NORMAL);
        return CallDeleteFile(path) || GetLastError() == ERROR_FILE_NOT_FOUND ? 1 : 0;
    }
    HANDLE file;
    const ExistingFile found = OpenFileInFolder(folder, name, DELETE | FILE_WRITE_ATTRIBUTES, kEveryone, &file, nullptr);
    if (found == kFileMissing) return 1;
    return found == kFileOpened ? DeleteOpenFile(file) : 0;
}

int SetAttributesInFolder(const InstallFolder& folder, const char* name, DWORD attributes) {
    if (!HasHandleCalls()) {
        char path[kPathCapacity];
        const DWORD given = attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
        return JoinPath(path, sizeof path, folder.path, name) && CallSetFileAttributes(path, given) ? 1 : 0;
    }
    HANDLE file;
    if (OpenFileInFolder(folder, name, FILE_WRITE_ATTRIBUTES, kEveryone, &file, nullptr) != kFileOpened) return 0;
    const int set = CallSetAttributesByHandle(file, attributes) ? 1 : 0;
    CloseHandle(file);
    return set;
}

int MoveFileInFolder(const InstallFolder& folder, const char* from, const char* to, int replace) {
    char source[kPathCapacity], target[kPathCapacity];
    if (!JoinPath(source, sizeof source, folder.path, from) || !JoinPath(target, sizeof target, folder.path, to))
        return 0;
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (CallMoveFile(source, target, flags)) return 1;
    if (!replace || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) return 0;
    // The journal covers the moment without a target.
    if (!CallDeleteFile(target) && GetLastError() != ERROR_FILE_NOT_FOUND) return 0;
    return CallMoveFile(source, target, MOVEFILE_WRITE_THROUGH) ? 1 : 0;
}
