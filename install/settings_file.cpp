#include "install/settings_file.h"

#include <windows.h>

#include <cstdlib>

#include "install/settings_rewrite.h"
#include "base/target_path.h"

namespace {

const char kSettingsFile[] = "QuilleryUI.ini";
const char kTemporaryPrefix[] = "lqs";
const UINT kUniqueName = 0;  // GetTempFileNameA makes up a name and creates the file
// Far beyond any real settings file; keeps the work buffer sane.
const DWORD kSettingsSizeLimit = 4u << 20;
const DWORD kProtectingAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;

// The size of the file at path, or 0 with *found false when it cannot be read.
DWORD FileSize(const char* path, bool* found) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    *found = GetFileAttributesExA(path, GetFileExInfoStandard, &data) && data.nFileSizeHigh == 0;
    return *found ? data.nFileSizeLow : 0;
}

// Reads exactly size bytes, the whole file at path, into buffer.
int ReadWholeFile(const char* path, char* buffer, DWORD size) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    DWORD read = 0;
    BOOL ok = GetFileSize(file, nullptr) == size && (size == 0 || ReadFile(file, buffer, size, &read, nullptr));
    CloseHandle(file);
    return ok && read == size ? 1 : 0;
}

// Creates or empties the file at path and writes data to it, flushed.
int WriteWholeFile(const char* path, const char* data, DWORD size) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    DWORD written = 0;
    BOOL ok = size == 0 || WriteFile(file, data, size, &written, nullptr);
    ok = ok && written == size && FlushFileBuffers(file);
    // A close that fails after a successful flush loses nothing.
    CloseHandle(file);
    return ok ? 1 : 0;
}

// Writes data to a new file in folder, beside path, and moves it over path.
int ReplaceFileWith(const char* folder, const char* path, const char* data, DWORD size) {
    char temporary[kPathCapacity];
    if (!GetTempFileNameA(folder, kTemporaryPrefix, kUniqueName, temporary)) return 0;
    int replaced = WriteWholeFile(temporary, data, size) &&
                   MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    // After a failure the temporary file is litter; after the move it is gone.
    if (!replaced) DeleteFileA(temporary);
    return replaced;
}

// Reads the settings file at path in folder, rewrites its bytes for
// uiLanguage and replaces it.
int RewriteSettingsFile(const char* folder, const char* path, int uiLanguage) {
    bool found = false;
    DWORD size = FileSize(path, &found);
    if (!found || size > kSettingsSizeLimit) return 0;
    size_t capacity = size + kSettingsRewriteGrowth;
    char* buffer = static_cast<char*>(std::malloc(size + capacity));
    if (!buffer) return 0;
    char* rewritten = buffer + size;
    size_t length = 0;
    int done = ReadWholeFile(path, buffer, size) &&
               RewriteUiLanguageSetting(buffer, size, uiLanguage, rewritten, capacity, &length) &&
               ReplaceFileWith(folder, path, rewritten, static_cast<DWORD>(length));
    std::free(buffer);
    return done;
}

}  // namespace

int ClearFileAttributes(const char* path, int clearReadOnly, int clearHidden) {
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return 0;
    DWORD remaining = attributes;
    if (clearReadOnly) remaining &= ~FILE_ATTRIBUTE_READONLY;
    if (clearHidden) remaining &= ~FILE_ATTRIBUTE_HIDDEN;
    if (remaining == attributes) return 0;
    return SetFileAttributesA(path, remaining) ? 1 : 0;
}

int WriteUiLanguageSetting(const char* installDir, int uiLanguage) {
    char path[kPathCapacity];
    if (!JoinPath(path, sizeof path, installDir, kSettingsFile)) return 1;
    DWORD attributes = GetFileAttributesA(path);
    // Missing: the product then runs with its own default; a folder of that
    // name is not ours to touch.
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return 1;
    // Left protected, the file would only make the replacement fail.
    ClearFileAttributes(path, 1, 1);
    // A failed rewrite has left the old file whole: nothing to undo.
    RewriteSettingsFile(installDir, path, uiLanguage);
    // Protected again, with the attributes it had; should that fail, the
    // file is unprotected but whole.
    SetFileAttributesA(path, (attributes & ~FILE_ATTRIBUTE_NORMAL) | kProtectingAttributes);
    return 1;
}
