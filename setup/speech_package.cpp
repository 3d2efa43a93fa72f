#include "setup/speech_package.h"

#include <zlib.h>

#include "base/late_calls.h"
#include "base/payload_resource.h"
#include "base/unpredictable_value.h"
#include "install/payload_table.h"
#include "setup/busy_pump.h"
#include "setup/folder_path_rule.h"
#include "setup/owner_only_folder.h"

namespace {

// A name taken already means someone made it first; another name is tried,
// a few times at most.
const int kFolderAttempts = 8;
// Where the shell gives no process to wait for (an opener already running
// took the package over), the package is held this long at most.
const DWORD kUntrackedOpenerMs = 10 * 60 * 1000;
const DWORD kOpenerWaitSliceMs = 1000;

// Creates a new folder for the package in the temporary folder and composes
// the package's path in it. Returns 1, or 0 with nothing created.
int MakePackageFolder(char* folder, char* path, int ntPlatform) {
    char tempDir[kPathCapacity];
    const DWORD length = GetTempPathA(kPathCapacity, tempDir);
    if (length == 0 || length >= kPathCapacity) return 0;
    for (int attempt = 0; attempt < kFolderAttempts; ++attempt) {
        if (!ComposePackagePlace(folder, path, kPathCapacity, tempDir, UnpredictableValue(),
                                 SpeechRuntimePayload.fileName))
            return 0;
        if (CreateOwnerOnlyFolder(folder, ntPlatform)) return 1;
        if (GetLastError() != ERROR_ALREADY_EXISTS) return 0;
    }
    return 0;
}

// Writes each piece to the file and sums it up.
class PackageWriter : public PayloadPieceSink {
public:
    explicit PackageWriter(HANDLE file) : file_(file), size_(0), sum_(adler32(0, nullptr, 0)) {}
    int TakePiece(const unsigned char* piece, unsigned long length) override {
        DWORD written = 0;
        if (!WriteFile(file_, piece, length, &written, nullptr) || written != length) return 0;
        size_ += length;
        sum_ = adler32(sum_, piece, length);
        return 1;
    }
    unsigned long Size() const { return size_; }
    uLong Sum() const { return sum_; }

private:
    HANDLE file_;
    unsigned long size_;
    uLong sum_;
};

// Writes the whole package into a new file at path. Returns 1 with its
// size and sum, or 0 with no file left.
int WritePackage(const char* path, unsigned char* piece, unsigned long capacity, unsigned long* size, uLong* sum) {
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    PackageWriter writer(file);
    const int written = InflatePayloadResource(SpeechRuntimePayload.resourceId, piece, capacity, writer) == Z_OK;
    CloseHandle(file);
    if (!written) {
        // The file is in our own new folder; a part of a package is no use.
        DeleteFileA(path);
        return 0;
    }
    *size = writer.Size();
    *sum = writer.Sum();
    return 1;
}

// Opens the package for reading, others allowed to read it and nothing
// more, and checks that it holds what was written (the file was closed
// for a moment in between: the opener must be able to read it, which a
// handle that may write would forbid). INVALID_HANDLE_VALUE when it does not.
HANDLE HoldWritten(const char* path, unsigned char* piece, unsigned long capacity, unsigned long size, uLong sum) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return file;
    unsigned long read = 0;
    uLong readSum = adler32(0, nullptr, 0);
    DWORD got = 0;
    while (ReadFile(file, piece, capacity, &got, nullptr) && got) {
        read += got;
        readSum = adler32(readSum, piece, got);
    }
    if (read == size && readSum == sum && SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0) return file;
    CloseHandle(file);
    return INVALID_HANDLE_VALUE;
}

// Asks the shell to open path. Returns 0 when it started nothing; else 1
// with *process the opener's process, or null when the shell has none to
// give.
int OpenThroughShell(const char* path, HANDLE* process) {
    SHELLEXECUTEINFOA open = {};
    open.cbSize = sizeof open;
    open.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    open.lpVerb = "open";
    open.lpFile = path;
    open.nShow = SW_SHOWNORMAL;
    if (!LateShellExecuteExA(&open)) return 0;
    *process = open.hProcess;
    return 1;
}

// Waits for the opener to exit, or the bound where there is none to wait
// for, answering what other programs send meanwhile (the shell's DDE).
void WaitForOpener(HANDLE process) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (!process && GetTickCount() - start >= kUntrackedOpenerMs) return;
        const DWORD count = process ? 1 : 0;
        const DWORD woken = MsgWaitForMultipleObjects(count, &process, FALSE, kOpenerWaitSliceMs, QS_SENDMESSAGE);
        if (process && woken == WAIT_OBJECT_0) return;
        if (woken == WAIT_FAILED) return;
        AnswerWhileBusy();
    }
}

// Removes the package and its folder, this run's own.
void RemovePackage(const char* folder, const char* path) {
    // Should either fail (the opener still holding the file), what stays is
    // in a folder only this user can reach.
    DeleteFileA(path);
    RemoveDirectoryA(folder);
}

}  // namespace

SpeechPackageOutcome WriteAndOpenSpeechPackage(unsigned char* piece, unsigned long capacity, HWND wizard,
                                               int ntPlatform) {
    char folder[kPathCapacity], path[kPathCapacity];
    if (!MakePackageFolder(folder, path, ntPlatform)) return kPackageNotWritten;
    unsigned long size = 0;
    uLong sum = 0;
    HANDLE held = WritePackage(path, piece, capacity, &size, &sum)
                      ? HoldWritten(path, piece, capacity, size, sum)
                      : INVALID_HANDLE_VALUE;
    if (held == INVALID_HANDLE_VALUE) {
        RemovePackage(folder, path);
        return kPackageNotWritten;
    }
    HANDLE opener = nullptr;
    const int opened = OpenThroughShell(path, &opener);
    if (opened) {
        // Nothing of the wizard is left to see while its last step waits.
        ShowWindow(wizard, SW_HIDE);
        WaitForOpener(opener);
    }
    if (opener) CloseHandle(opener);
    CloseHandle(held);
    RemovePackage(folder, path);
    return opened ? kPackageUsed : kPackageNotOpened;
}
