#include "install/file_calls.h"

#include <cstring>

namespace {

FileCallObserver Observer = nullptr;
int Pretending = 0;
unsigned long WideCalls = 0;

// The handle calls of Vista and later, found in kernel32 (always mapped) at
// first use; null where the system lacks them.
struct HandleCalls {
    int looked;
    decltype(SetFileInformationByHandle)* setInformation;
    decltype(GetFinalPathNameByHandleW)* finalPath;
};
HandleCalls Found;

const HandleCalls& Calls() {
    if (!Found.looked) {
        HMODULE kernel = GetModuleHandleA("kernel32.dll");
        Found.setInformation = reinterpret_cast<decltype(SetFileInformationByHandle)*>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "SetFileInformationByHandle")));
        Found.finalPath = reinterpret_cast<decltype(GetFinalPathNameByHandleW)*>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "GetFinalPathNameByHandleW")));
        Found.looked = 1;
    }
    return Found;
}

enum { kLooks = 0, kChanges = 1 };

void Before(const char* call, int changes) {
    if (Observer) Observer(call, changes);
}

void BeforeWide(const char* call, int changes) {
    ++WideCalls;
    Before(call, changes);
}

BOOL NotImplemented() {
    SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
    return FALSE;
}

BOOL SetInformation(const char* call, HANDLE file, FILE_INFO_BY_HANDLE_CLASS kind, void* information,
                    DWORD size) {
    Before(call, kChanges);
    if (Pretending || !Calls().setInformation) return NotImplemented();
    return Calls().setInformation(file, kind, information, size);
}

// FILE_RENAME_INFO with room for a full path after it.
struct RenameInformation {
    FILE_RENAME_INFO head;
    WCHAR room[MAX_PATH];
};

}  // namespace

void ObserveFileCalls(FileCallObserver observer) { Observer = observer; }

int HasHandleCalls() { return !Pretending && Calls().setInformation && Calls().finalPath; }

void PretendNoHandleCalls(int pretend) { Pretending = pretend; }

HANDLE CallCreateFile(const char* path, DWORD access, DWORD share, DWORD disposition, DWORD flagsAndAttributes) {
    Before("CreateFile", disposition == OPEN_EXISTING ? kLooks : kChanges);
    return CreateFileA(path, access, share, nullptr, disposition, flagsAndAttributes, nullptr);
}

BOOL CallWriteFile(HANDLE file, const void* data, DWORD length, DWORD* written) {
    Before("WriteFile", kChanges);
    return WriteFile(file, data, length, written, nullptr);
}

BOOL CallReadFile(HANDLE file, void* data, DWORD length, DWORD* read) {
    Before("ReadFile", kLooks);
    return ReadFile(file, data, length, read, nullptr);
}

BOOL CallFlushFileBuffers(HANDLE file) {
    Before("FlushFileBuffers", kLooks);
    return FlushFileBuffers(file);
}

BOOL CallSeekFile(HANDLE file, DWORD offset) {
    Before("SeekFile", kLooks);
    return SetFilePointer(file, static_cast<LONG>(offset), nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER;
}

BOOL CallGetFileInformationByHandle(HANDLE file, BY_HANDLE_FILE_INFORMATION* information) {
    Before("GetFileInformationByHandle", kLooks);
    return GetFileInformationByHandle(file, information);
}

BOOL CallSetFileTime(HANDLE file, const FILETIME* created, const FILETIME* accessed, const FILETIME* written) {
    Before("SetFileTime", kChanges);
    return SetFileTime(file, created, accessed, written);
}

BOOL CallRenameByHandle(HANDLE file, const WCHAR* path, BOOL replace) {
    RenameInformation information;
    std::memset(&information, 0, sizeof information);
    const size_t length = lstrlenW(path);
    if (length >= MAX_PATH) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return FALSE;
    }
    information.head.ReplaceIfExists = replace;
    information.head.FileNameLength = static_cast<DWORD>(length * sizeof(WCHAR));
    std::memcpy(information.head.FileName, path, (length + 1) * sizeof(WCHAR));
    return SetInformation("RenameByHandle", file, FileRenameInfo, &information, sizeof information);
}

BOOL CallSetAttributesByHandle(HANDLE file, DWORD attributes) {
    FILE_BASIC_INFO information;
    // Zero times mean "leave as they are".
    std::memset(&information, 0, sizeof information);
    information.FileAttributes = attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
    return SetInformation("SetAttributesByHandle", file, FileBasicInfo, &information, sizeof information);
}

BOOL CallDeleteByHandle(HANDLE file) {
    FILE_DISPOSITION_INFO information;
    information.DeleteFile = TRUE;
    return SetInformation("DeleteByHandle", file, FileDispositionInfo, &information, sizeof information);
}

DWORD CallGetFinalPath(HANDLE file, WCHAR* path, DWORD capacity) {
    Before("GetFinalPath", kLooks);
    if (Pretending || !Calls().finalPath) {
        NotImplemented();
        return 0;
    }
    const DWORD length = Calls().finalPath(file, path, capacity, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    return length < capacity ? length : 0;
}

BOOL CallMoveFile(const char* from, const char* to, DWORD flags) {
    Before("MoveFile", kChanges);
    if (MoveFileExA(from, to, flags)) return TRUE;
    if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED || (flags & MOVEFILE_REPLACE_EXISTING)) return FALSE;
    return MoveFileA(from, to);
}

BOOL CallDeleteFile(const char* path) {
    Before("DeleteFile", kChanges);
    return DeleteFileA(path);
}

BOOL CallSetFileAttributes(const char* path, DWORD attributes) {
    Before("SetFileAttributes", kChanges);
    return SetFileAttributesA(path, attributes);
}

DWORD CallGetFileAttributes(const char* path) {
    Before("GetFileAttributes", kLooks);
    return GetFileAttributesA(path);
}

HANDLE CallFindFirstFile(const char* pattern, WIN32_FIND_DATAA* found) {
    Before("FindFirstFile", kLooks);
    return FindFirstFileA(pattern, found);
}

BOOL CallFindNextFile(HANDLE search, WIN32_FIND_DATAA* found) {
    Before("FindNextFile", kLooks);
    return FindNextFileA(search, found);
}

BOOL CallCreateDirectory(const char* path) {
    Before("CreateDirectory", kChanges);
    return CreateDirectoryA(path, nullptr);
}

HANDLE CallCreateFileW(const WCHAR* path, DWORD access, DWORD share, DWORD disposition, DWORD flagsAndAttributes) {
    BeforeWide("CreateFileW", disposition == OPEN_EXISTING ? kLooks : kChanges);
    return CreateFileW(path, access, share, nullptr, disposition, flagsAndAttributes, nullptr);
}

BOOL CallMoveFileW(const WCHAR* from, const WCHAR* to, DWORD flags) {
    BeforeWide("MoveFileW", kChanges);
    return MoveFileExW(from, to, flags);
}

BOOL CallDeleteFileW(const WCHAR* path) {
    BeforeWide("DeleteFileW", kChanges);
    return DeleteFileW(path);
}

BOOL CallCreateDirectoryW(const WCHAR* path) {
    BeforeWide("CreateDirectoryW", kChanges);
    return CreateDirectoryW(path, nullptr);
}

DWORD CallGetFileAttributesW(const WCHAR* path) {
    BeforeWide("GetFileAttributesW", kLooks);
    return GetFileAttributesW(path);
}

void BeforeOtherFileCall(const char* call) { Before(call, kChanges); }

unsigned long WideFileCallCount() { return WideCalls; }
