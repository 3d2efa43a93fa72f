#include "setup/speech_package.h"

#include <windows.h>
#include <zlib.h>

#include "base/late_calls.h"
#include "base/payload_resource.h"
#include "base/unpredictable_value.h"
#include "install/payload_table.h"
#include "setup/folder_path_rule.h"

namespace {

// A name taken already means someone made it first; another name is tried,
// a few times at most.
const int kFolderAttempts = 8;

// Creates a new folder for the package in the temporary folder and composes
// the package's path in it. Returns 1, or 0 with nothing created.
int MakePackageFolder(char* folder, char* path) {
    char tempDir[kPathCapacity];
    const DWORD length = GetTempPathA(kPathCapacity, tempDir);
    if (length == 0 || length >= kPathCapacity) return 0;
    for (int attempt = 0; attempt < kFolderAttempts; ++attempt) {
        if (!ComposePackagePlace(folder, path, kPathCapacity, tempDir, UnpredictableValue(),
                                 SpeechRuntimePayload.fileName))
            return 0;
        if (CreateDirectoryA(folder, nullptr)) return 1;
        if (GetLastError() != ERROR_ALREADY_EXISTS) return 0;
    }
    return 0;
}

// Writes the whole package into a file that must not exist yet. Returns the
// open handle, which lets others read but not write or delete, or
// INVALID_HANDLE_VALUE with no file left behind.
HANDLE WriteNewFile(const char* path, const unsigned char* data, unsigned long length) {
    HANDLE file =
        CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return file;
    DWORD written = 0;
    if (WriteFile(file, data, length, &written, nullptr) && written == length) return file;
    CloseHandle(file);
    // The file is in our own new folder; a part of a package is no use.
    DeleteFileA(path);
    return INVALID_HANDLE_VALUE;
}

}  // namespace

int WriteAndOpenSpeechPackage(unsigned char* buffer, unsigned long capacity) {
    unsigned long length = capacity;
    if (DecompressPayloadResource(SpeechRuntimePayload.resourceId, buffer, &length) != Z_OK) return 0;
    char folder[kPathCapacity], path[kPathCapacity];
    if (!MakePackageFolder(folder, path)) return 0;
    HANDLE file = WriteNewFile(path, buffer, length);
    if (file == INVALID_HANDLE_VALUE) {
        // Empty again: whatever this run made is gone.
        RemoveDirectoryA(folder);
        return 0;
    }
    // Held while the shell is asked, so the file it is given is this one.
    // The package's own installer is not waited for, and its failure to
    // start is not ours to report.
    LateShellExecuteA(nullptr, "open", path, nullptr, nullptr, SW_SHOWNORMAL);
    CloseHandle(file);
    return 1;
}
