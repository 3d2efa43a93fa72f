#include "install/recover_installation.h"

#include <cstdlib>

#include "base/target_path.h"
#include "install/file_calls.h"
#include "install/folder_file.h"
#include "install/journal_format.h"
#include "install/retry_briefly.h"

namespace {

const size_t kNameCapacity = 64;
// Only a journal's reader has it open: no run can use it meanwhile.
const DWORD kNoSharing = 0;

enum JournalRead {
    kJournalFinished,  // acted on, or not to be acted on
    kJournalLive,      // its run holds it
    kJournalStuck,     // a previous file could not be put back
};

// Puts the previous file of entry index that run kept aside back over its
// target. Returns 1 when it is back, or was already.
int RestoreKept(const InstallFolder& folder, const RunId& run, int index, const char* target) {
    char kept[kNameCapacity];
    if (!ComposeStagingName(kept, sizeof kept, run, index, kKeptPrevious)) return 0;
    if (!HasHandleCalls()) {
        char path[kPathCapacity];
        if (!JoinPath(path, sizeof path, folder.path, kept)) return 0;
        if (CallGetFileAttributes(path) == INVALID_FILE_ATTRIBUTES) return 1;
        // A protected target is not replaced; a missing one needs nothing.
        SetAttributesInFolder(folder, target, FILE_ATTRIBUTE_NORMAL);
        return MoveFileInFolder(folder, kept, target, 1);
    }
    HANDLE file;
    const ExistingFile found = OpenFileInFolder(folder, kept, DELETE, kNoSharing, &file, nullptr);
    if (found == kFileMissing) return 1;
    if (found != kFileOpened) return 0;
    SetAttributesInFolder(folder, target, FILE_ATTRIBUTE_NORMAL);
    const int restored = RenameOpenFile(file, folder, target, 1);
    CloseHandle(file);
    return restored;
}

// Gives every entry of the journal its previous state back, the last
// placed first. Returns 1 when all of them have it.
int UndoJournal(const InstallFolder& folder, const PayloadEntry* table, const JournalContents& contents,
                InstallationReport& report) {
    for (int i = contents.count - 1; i >= 0; --i) {
        const char* target = table[i].fileName;
        const int back = contents.kept[i]
                             ? RetryBriefly([&] { return RestoreKept(folder, contents.run, i, target); }, report)
                             : RetryBriefly([&] { return RemoveFileInFolder(folder, target); }, report);
        if (!back) return 0;
    }
    return 1;
}

// Reads the open journal whole, at most kJournalCapacity bytes, into bytes.
int ReadJournal(HANDLE file, const BY_HANDLE_FILE_INFORMATION& information, char* bytes, size_t* length) {
    if (information.nFileSizeHigh || information.nFileSizeLow > kJournalCapacity) return 0;
    DWORD read = 0;
    *length = information.nFileSizeLow;
    return *length == 0 || (CallReadFile(file, bytes, information.nFileSizeLow, &read) && read == *length);
}

// Acts on the open journal: undoes its run where it must be undone.
JournalRead ActOnJournal(const InstallFolder& folder, HANDLE file, const BY_HANDLE_FILE_INFORMATION& information,
                         const PayloadEntry* table, int count, InstallationReport& report) {
    char* bytes = static_cast<char*>(std::malloc(kJournalCapacity));
    unsigned char* kept = static_cast<unsigned char*>(std::malloc(count + 1));
    JournalRead result = kJournalFinished;
    size_t length = 0;
    JournalContents contents;
    if (!bytes || !kept)
        result = kJournalStuck;  // without memory nothing can be known: nothing is touched
    else if (ReadJournal(file, information, bytes, &length) &&
             ParseJournal(bytes, length, table, count, kept, &contents) && contents.state == kJournalUndo &&
             !UndoJournal(folder, table, contents, report))
        result = kJournalStuck;
    std::free(kept);
    std::free(bytes);
    return result;
}

// Reads the journal name and acts on it, holding it meanwhile.
JournalRead ReadAndAct(const InstallFolder& folder, const char* name, const PayloadEntry* table, int count,
                       InstallationReport& report) {
    HANDLE file;
    BY_HANDLE_FILE_INFORMATION information;
    const ExistingFile found =
        OpenFileInFolder(folder, name, GENERIC_READ | GENERIC_WRITE | DELETE, kNoSharing, &file, &information);
    if (found == kFileUnavailable && GetLastError() == ERROR_SHARING_VIOLATION) return kJournalLive;
    // Gone, not a plain file, or unreadable: nothing to act on.
    if (found != kFileOpened) return kJournalFinished;
    const JournalRead result = ActOnJournal(folder, file, information, table, count, report);
    CloseHandle(file);
    return result;
}

// Calls act(name, kind) for every file of the installer's naming in folder
// but ownJournal. Returns 0 when the folder cannot be listed.
template <typename Act>
int ForEachOwnName(const InstallFolder& folder, const char* ownJournal, Act act) {
    char pattern[kPathCapacity];
    if (!JoinPath(pattern, sizeof pattern, folder.path, "*")) return 0;
    WIN32_FIND_DATAA found;
    HANDLE search = CallFindFirstFile(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        const OwnNameKind kind = ClassifyOwnName(found.cFileName);
        if (kind != kNotOwnName && lstrcmpiA(found.cFileName, ownJournal) != 0 && !act(found.cFileName, kind))
            break;
    } while (CallFindNextFile(search, &found));
    FindClose(search);
    return 1;
}

}  // namespace

Recovery RecoverInterruptedRuns(const InstallFolder& folder, const PayloadEntry* table, int count,
                                const RunId& ownRun, InstallationReport& report) {
    char ownJournal[kNameCapacity];
    if (!ComposeJournalName(ownJournal, sizeof ownJournal, ownRun)) return kNotRecovered;
    Recovery recovery = kRecovered;
    ForEachOwnName(folder, ownJournal, [&](const char* name, OwnNameKind kind) {
        if (kind != kOwnJournal) return 1;
        const JournalRead read = ReadAndAct(folder, name, table, count, report);
        if (read == kJournalLive) recovery = kFolderInUse;
        if (read == kJournalStuck) recovery = kNotRecovered;
        return read == kJournalFinished ? 1 : 0;
    });
    if (recovery != kRecovered) return recovery;
    // Leftovers go, journals last: a journal goes only after what it kept.
    // One that stays (in use) changes nothing, and the next run tries again.
    for (int journals = 0; journals <= 1; ++journals)
        ForEachOwnName(folder, ownJournal, [&](const char* name, OwnNameKind kind) {
            if ((kind == kOwnJournal) == (journals == 1)) RemoveFileInFolder(folder, name);
            return 1;
        });
    return kRecovered;
}
