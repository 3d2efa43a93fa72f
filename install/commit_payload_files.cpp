#include "install/payload_files.h"

#include <windows.h>

#include <cstdlib>

#include "base/target_path.h"
#include "install/extract_payload.h"
#include "install/staging_names.h"

namespace {

const DWORD kProtecting = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
// Attributes of a previous file that its replacement keeps: the rest are
// either the entry's to decide (read-only, hidden) or not for a program to
// set.
const DWORD kKeptAttributes =
    FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE | FILE_ATTRIBUTE_TEMPORARY;
const DWORD kPutInPlace = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
// Where nothing lies yet: the move never replaces what it has not kept.
const DWORD kPutInEmptyPlace = MOVEFILE_WRITE_THROUGH;

// The three paths of one entry. Each was composed when the entry was
// staged, so each fits.
struct EntryPaths {
    char target[kPathCapacity];
    char staged[kPathCapacity];
    char kept[kPathCapacity];
};

void ComposeEntryPaths(const PayloadFileSet& set, int index, EntryPaths* paths) {
    JoinPath(paths->target, sizeof paths->target, set.installDir, set.entries[index].fileName);
    ComposeStagingPath(paths->staged, sizeof paths->staged, set.installDir, set.runId, index, kStagedNew);
    ComposeStagingPath(paths->kept, sizeof paths->kept, set.installDir, set.runId, index, kKeptPrevious);
}

DWORD Normalised(DWORD attributes) { return attributes ? attributes : FILE_ATTRIBUTE_NORMAL; }

// Gives a replacement the attributes of its previous file that it keeps,
// when there are any. The file is in place either way.
void KeepAttributes(const char* target, const PayloadEntry& entry, DWORD previous) {
    const DWORD kept = previous & kKeptAttributes;
    if (!kept) return;
    const DWORD own = (entry.readOnly ? FILE_ATTRIBUTE_READONLY : 0) | (entry.hidden ? FILE_ATTRIBUTE_HIDDEN : 0);
    SetFileAttributesA(target, own | kept | FILE_ATTRIBUTE_ARCHIVE);
}

// Copies the previous file aside and makes it replaceable. Returns 0 when it
// cannot be, with nothing changed.
int KeepPrevious(const EntryPaths& paths, DWORD previous) {
    if (previous & FILE_ATTRIBUTE_DIRECTORY) return 0;
    // A copy rather than a rename, so that the target is never missing.
    if (!CopyFileA(paths.target, paths.kept, TRUE)) {
        // A copy cut short (a full disk) goes; a file that had the name
        // already is not ours to remove.
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) RemovePayloadFile(paths.kept);
        return 0;
    }
    if (!(previous & kProtecting)) return 1;
    if (SetFileAttributesA(paths.target, Normalised(previous & ~kProtecting))) return 1;
    RemovePayloadFile(paths.kept);
    return 0;
}

// Moves source to target where no file lies. Windows 9x has no MoveFileExA;
// its MoveFileA does the same there. (It has no replacing move either: a
// replace fails there and the installation is undone.)
int MoveToEmptyPlace(const char* source, const char* target) {
    if (MoveFileExA(source, target, kPutInEmptyPlace)) return 1;
    return GetLastError() == ERROR_CALL_NOT_IMPLEMENTED && MoveFileA(source, target) ? 1 : 0;
}

// Replaces the previous file of entry index with its staged file, keeping a
// copy of the previous one aside. Returns 0 when it cannot be, with the
// target and its attributes as they were and no copy left.
int ReplacePrevious(const PayloadFileSet& set, int index, const EntryPaths& paths) {
    const DWORD previous = GetFileAttributesA(paths.target);
    // Gone or unreadable since the move found it: nothing safe to do.
    if (previous == INVALID_FILE_ATTRIBUTES) return 0;
    if (!KeepPrevious(paths, previous)) return 0;
    if (MoveFileExA(paths.staged, paths.target, kPutInPlace)) {
        KeepAttributes(paths.target, set.entries[index], previous);
        return 1;
    }
    // The previous file is still there: protected again (should that fail,
    // it stays whole, unprotected), its copy dropped.
    if (previous & kProtecting) SetFileAttributesA(paths.target, previous);
    RemovePayloadFile(paths.kept);
    return 0;
}

// Puts entry index in place, setting *replaced when it replaced a previous
// file (whose copy is kept). Returns 0 when it cannot be, with the target as
// it was.
int PutInPlace(const PayloadFileSet& set, int index, unsigned char* replaced) {
    EntryPaths paths;
    ComposeEntryPaths(set, index, &paths);
    // A first installation needs nothing but this move.
    if (MoveToEmptyPlace(paths.staged, paths.target)) return 1;
    const DWORD error = GetLastError();
    if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) return 0;
    if (!ReplacePrevious(set, index, paths)) return 0;
    *replaced = 1;
    return 1;
}

// Gives entry index, already put in place, its previous state back: the kept
// copy moved over it, or, where it replaced nothing, the file removed.
void PutBack(const PayloadFileSet& set, int index, int replaced) {
    EntryPaths paths;
    ComposeEntryPaths(set, index, &paths);
    if (!replaced) {
        RemovePayloadFile(paths.target);
        return;
    }
    // A read-only file is not replaced; the new file is going anyway.
    SetFileAttributesA(paths.target, FILE_ATTRIBUTE_NORMAL);
    // Should this fail, the new file and the copy beside it stay: nothing
    // more can be done for it.
    MoveFileExA(paths.kept, paths.target, kPutInPlace);
}

void RemoveStagedFrom(const PayloadFileSet& set, int first) {
    for (int i = first; i < set.staged; ++i) {
        EntryPaths paths;
        ComposeEntryPaths(set, i, &paths);
        RemovePayloadFile(paths.staged);
    }
}

// Removes the kept copies of the entries that replaced a previous file, the
// installation having succeeded.
void RemoveKept(const PayloadFileSet& set, const unsigned char* replaced) {
    for (int i = 0; i < set.staged; ++i) {
        if (!replaced[i]) continue;
        EntryPaths paths;
        ComposeEntryPaths(set, i, &paths);
        // A copy that cannot be deleted stays behind; the installation stands.
        RemovePayloadFile(paths.kept);
    }
}

// Undoes a commit that failed at entry failed: the entries before it get
// their previous state back, in reverse order, and the staged files from it
// on go.
void RollBack(const PayloadFileSet& set, int failed, const unsigned char* replaced) {
    for (int j = failed - 1; j >= 0; --j) PutBack(set, j, replaced[j]);
    RemoveStagedFrom(set, failed);
}

}  // namespace

int CommitPayloadFiles(PayloadFileSet* set) {
    // Which entries replaced a previous file: their way back is its copy.
    // One byte more, so that an empty set asks for something too.
    unsigned char* replaced = static_cast<unsigned char*>(std::calloc(set->staged + 1, 1));
    if (!replaced) {
        DiscardPayloadFiles(set);
        return 0;
    }
    int committed = 1;
    for (int i = 0; i < set->staged && committed; ++i) {
        if (PutInPlace(*set, i, &replaced[i])) continue;
        RollBack(*set, i, replaced);
        committed = 0;
    }
    if (committed) RemoveKept(*set, replaced);
    std::free(replaced);
    set->staged = 0;
    return committed;
}
