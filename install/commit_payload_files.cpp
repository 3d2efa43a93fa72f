#include "install/payload_files.h"

#include <cstdlib>

#include "base/crc32_bitwise.h"
#include "base/target_path.h"
#include "install/file_calls.h"
#include "install/folder_file.h"
#include "install/journal_format.h"
#include "install/retry_briefly.h"

namespace {

const size_t kNameCapacity = 64;
const DWORD kProtecting = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
// Attributes of a previous file that its replacement keeps: the rest are
// either the entry's to decide (read-only, hidden) or not for a program to
// set.
const DWORD kKeptAttributes =
    FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE | FILE_ATTRIBUTE_TEMPORARY;
// What a copy of a previous file takes over from it.
const DWORD kCopiedAttributes = kProtecting | kKeptAttributes | FILE_ATTRIBUTE_ARCHIVE;
// A previous file is read whole for its copy while no one writes it.
const DWORD kReadAlone = FILE_SHARE_READ;

void StagingName(const PayloadFileSet& set, int index, StagingRole role, char* name) {
    // Fitted when the entry was staged.
    ComposeStagingName(name, kNameCapacity, set.run, index, role);
}

// Copies the open previous file into its new copy, piece by piece.
int CopyContent(HANDLE from, HANDLE to, unsigned char* piece, unsigned long capacity, RunFile* copy,
                InstallationReport& report) {
    for (;;) {
        DWORD read = 0;
        if (!CallReadFile(from, piece, capacity, &read)) return 0;
        if (read == 0) return 1;
        DWORD written = 0;
        if (!CallWriteFile(to, piece, read, &written) || written != read) return 0;
        copy->size += read;
        report.Pulse();
    }
}

// Copies the previous file of entry index aside, with its attributes and
// times, reading the file itself (never what a link points at). Returns 1
// with the copy made, or where no previous file lies; 0 when the previous
// file is a link or a folder, in use, or cannot be copied, with no copy
// left.
int KeepPrevious(PayloadFileSet* set, int index, unsigned char* piece, unsigned long capacity,
                 InstallationReport& report) {
    EntryFiles& entry = set->files[index];
    HANDLE previous;
    BY_HANDLE_FILE_INFORMATION information;
    const ExistingFile found = OpenFileInFolder(*set->folder, set->entries[index].fileName, GENERIC_READ, kReadAlone,
                                                &previous, &information);
    if (found == kFileMissing) return 1;
    if (found != kFileOpened) return 0;
    char name[kNameCapacity];
    StagingName(*set, index, kKeptPrevious, name);
    const DWORD attributes = information.dwFileAttributes & kCopiedAttributes;
    HANDLE copy = CreateFileInFolder(*set->folder, name, attributes);
    int kept = copy != INVALID_HANDLE_VALUE &&
               CopyContent(previous, copy, piece, capacity, &entry.kept, report) &&
               CallSetFileTime(copy, &information.ftCreationTime, &information.ftLastAccessTime,
                               &information.ftLastWriteTime) &&
               CallFlushFileBuffers(copy);
    CloseHandle(previous);
    if (!kept) {
        // A copy cut short (a full disk) goes.
        if (copy != INVALID_HANDLE_VALUE) {
            CloseHandle(copy);
            RemoveFileInFolder(*set->folder, name);
        }
        return 0;
    }
    entry.hadPrevious = 1;
    entry.previousAttributes = information.dwFileAttributes;
    if (set->byHandle) {
        entry.kept.handle = copy;
    } else {
        CloseHandle(copy);
    }
    return 1;
}

// Reads the closed file name back and tells whether it still holds what
// this run wrote: the check where files are moved by their paths.
int StillAsWritten(const PayloadFileSet& set, const char* name, const RunFile& file, unsigned char* piece,
                   unsigned long capacity) {
    HANDLE opened;
    // No one may change it while it is read.
    if (OpenFileInFolder(*set.folder, name, GENERIC_READ, kReadAlone, &opened, nullptr) != kFileOpened) return 0;
    unsigned long size = 0;
    std::uint32_t crc = 0;
    DWORD read = 0;
    int ok = 1;
    while (ok && (ok = CallReadFile(opened, piece, capacity, &read)) && read) {
        size += read;
        crc = Crc32Bitwise(crc, piece, read);
    }
    CloseHandle(opened);
    return ok && size == file.size && crc == file.crc;
}

// Puts the new file of entry index at its target, over the previous file
// when there is one. Returns 1, or 0 with the target as it was (its
// protection perhaps cleared: the journal puts it back).
int Place(PayloadFileSet* set, int index, unsigned char* piece, unsigned long capacity) {
    EntryFiles& entry = set->files[index];
    const char* target = set->entries[index].fileName;
    // A protected file is not replaced.
    if (entry.hadPrevious && (entry.previousAttributes & kProtecting) &&
        !SetAttributesInFolder(*set->folder, target, entry.previousAttributes & ~kProtecting))
        return 0;
    if (entry.staged.handle != INVALID_HANDLE_VALUE)
        return RenameOpenFile(entry.staged.handle, *set->folder, target, entry.hadPrevious);
    char name[kNameCapacity];
    StagingName(*set, index, kStagedNew, name);
    return StillAsWritten(*set, name, entry.staged, piece, capacity) && MoveFileInFolder(*set->folder, name, target, entry.hadPrevious);
}

// Gives the placed file the attributes of its previous file that it keeps.
// The file is in place either way.
void KeepAttributes(const PayloadFileSet& set, int index) {
    const EntryFiles& entry = set.files[index];
    const DWORD kept = entry.previousAttributes & kKeptAttributes;
    if (!entry.hadPrevious || !kept) return;
    const PayloadEntry& payload = set.entries[index];
    const DWORD own = (payload.readOnly ? FILE_ATTRIBUTE_READONLY : 0) | (payload.hidden ? FILE_ATTRIBUTE_HIDDEN : 0);
    const DWORD attributes = own | kept | FILE_ATTRIBUTE_ARCHIVE;
    if (entry.staged.handle != INVALID_HANDLE_VALUE)
        CallSetAttributesByHandle(entry.staged.handle, attributes);
    else
        SetAttributesInFolder(*set.folder, payload.fileName, attributes);
}

// One attempt to give entry index its previous state back: the kept copy
// renamed over the new file, or where nothing lay before, the new file
// removed.
int TryPutBack(PayloadFileSet* set, int index) {
    EntryFiles& entry = set->files[index];
    const char* target = set->entries[index].fileName;
    if (entry.staged.handle != INVALID_HANDLE_VALUE) {
        // The new file goes unprotected, and let go so it can be replaced.
        CallSetAttributesByHandle(entry.staged.handle, FILE_ATTRIBUTE_NORMAL);
        CloseHandle(entry.staged.handle);
        entry.staged.handle = INVALID_HANDLE_VALUE;
    }
    if (!entry.hadPrevious) return RemoveFileInFolder(*set->folder, target);
    // Should this fail, the next attempt finds the file unprotected already.
    SetAttributesInFolder(*set->folder, target, FILE_ATTRIBUTE_NORMAL);
    if (entry.kept.handle != INVALID_HANDLE_VALUE) {
        if (!RenameOpenFile(entry.kept.handle, *set->folder, target, 1)) return 0;
        CloseHandle(entry.kept.handle);
        entry.kept.handle = INVALID_HANDLE_VALUE;
        return 1;
    }
    char name[kNameCapacity];
    StagingName(*set, index, kKeptPrevious, name);
    return MoveFileInFolder(*set->folder, name, target, 1);
}

// Puts entry index back, trying again a few times after short waits.
int PutBack(PayloadFileSet* set, int index, InstallationReport& report) {
    if (!RetryBriefly([set, index] { return TryPutBack(set, index); }, report)) return 0;
    set->files[index].placed = 0;
    return 1;
}

// Undoes a commit that failed with entries [0, placedCount) placed: each
// gets its previous state back, in reverse order. Returns kCommitRolledBack, or
// kCommitNotRestored (the journal stays) when one could not be put back.
CommitOutcome RollBack(PayloadFileSet* set, int placedCount, InstallationReport& report) {
    int restored = 1;
    for (int i = placedCount - 1; i >= 0; --i)
        if (!PutBack(set, i, report)) restored = 0;
    if (restored) return kCommitRolledBack;
    set->keepJournal = 1;
    return kCommitNotRestored;
}

// Writes the journal of what is staged and kept, after which the files
// may change.
int WriteJournal(PayloadFileSet* set) {
    unsigned char* kept = static_cast<unsigned char*>(std::malloc(set->count + 1));
    char* bytes = static_cast<char*>(std::malloc(kJournalCapacity));
    int written = 0;
    if (kept && bytes) {
        for (int i = 0; i < set->count; ++i) kept[i] = static_cast<unsigned char>(set->files[i].hadPrevious);
        const JournalContents contents = {set->run, kJournalUndo, set->count, kept};
        const size_t length = ComposeJournal(bytes, kJournalCapacity, contents, set->entries);
        written = length && WriteRunJournal(&set->journal, bytes, length);
    }
    std::free(bytes);
    std::free(kept);
    return written;
}

}  // namespace

CommitOutcome CommitPayloadFiles(PayloadFileSet* set, unsigned char* piece, unsigned long capacity,
                                 InstallationReport& report) {
    // Every entry staged: a partial set is never put in place.
    if (set->staged != set->count) return kCommitRolledBack;
    for (int i = 0; i < set->count; ++i)
        if (!KeepPrevious(set, i, piece, capacity, report)) return kCommitRolledBack;
    if (!WriteJournal(set)) return kCommitRolledBack;
    for (int i = 0; i < set->count; ++i) {
        // A previous file whose replacing failed may have lost its
        // protection already: its copy goes back over it too.
        if (!Place(set, i, piece, capacity)) return RollBack(set, set->files[i].hadPrevious ? i + 1 : i, report);
        set->files[i].placed = 1;
        KeepAttributes(*set, i);
        report.Pulse();
    }
    // Once the journal says done, nothing is put back any more.
    if (!MarkRunJournalDone(&set->journal)) return RollBack(set, set->count, report);
    return kCommitted;
}
