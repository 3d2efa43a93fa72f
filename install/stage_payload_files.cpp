#include "install/payload_files.h"

#include <cstdlib>
#include <cstring>

#include "base/carried_file_limits.h"
#include "base/crc32_bitwise.h"
#include "base/payload_resource.h"
#include "base/target_path.h"
#include "install/file_calls.h"
#include "install/folder_file.h"
#include "install/settings_rewrite.h"

namespace {

const size_t kNameCapacity = 64;

DWORD EntryAttributes(const PayloadEntry& entry) {
    return (entry.readOnly ? FILE_ATTRIBUTE_READONLY : 0) | (entry.hidden ? FILE_ATTRIBUTE_HIDDEN : 0);
}

int IsSettingsEntry(const PayloadEntry& entry) { return std::strcmp(entry.fileName, kSettingsFileName) == 0; }

// Writes the settings file as carried with uiLanguage recorded in it, so
// that the language lands with the files, in the same commit.
int WriteSettings(const PayloadEntry& entry, int uiLanguage, HANDLE file, RunFile* staged) {
    if (entry.size > kSettingsSizeLimit) return 0;
    const size_t capacity = entry.size + kSettingsRewriteGrowth;
    unsigned char* buffer = static_cast<unsigned char*>(std::malloc(entry.size + capacity + 1));
    if (!buffer) return 0;
    char* rewritten = reinterpret_cast<char*>(buffer) + entry.size + 1;
    unsigned long length = entry.size + 1;  // one byte more: a longer stream is not the packed file
    size_t rewrittenLength = 0;
    const int written = DecompressPayloadResource(entry.resourceId, buffer, &length) == 0 && length == entry.size &&
                        RewriteUiLanguageSetting(reinterpret_cast<const char*>(buffer), length, uiLanguage, rewritten,
                                                 capacity, &rewrittenLength) &&
                        WritePayloadFile(file, reinterpret_cast<unsigned char*>(rewritten),
                                         static_cast<unsigned long>(rewrittenLength));
    if (written) {
        staged->size = static_cast<unsigned long>(rewrittenLength);
        staged->crc = Crc32Bitwise(0, reinterpret_cast<unsigned char*>(rewritten), rewrittenLength);
    }
    std::free(buffer);
    return written;
}

int WriteEntry(const PayloadFileSet& set, const PayloadEntry& entry, HANDLE file, unsigned char* piece,
               unsigned long capacity, int uiLanguage, ExtractionProgress& progress, RunFile* staged) {
    if (IsSettingsEntry(entry)) {
        if (!WriteSettings(entry, uiLanguage, file, staged)) return 0;
        progress.PieceWritten(entry.size);
        return 1;
    }
    ExtractedFile written;
    // A file that is moved by its path is checked by its sum first.
    if (!ExtractPayload(entry.resourceId, entry.size, file, piece, capacity, !set.byHandle, progress, &written))
        return 0;
    staged->size = written.size;
    staged->crc = written.crc;
    return 1;
}

// Removes a file this run created and still holds.
void DropNewFile(const PayloadFileSet& set, HANDLE file, const char* name) {
    // DeleteOpenFile closes the handle, deleted or not.
    if (set.byHandle && DeleteOpenFile(file)) return;
    if (!set.byHandle) CloseHandle(file);
    RemoveFileInFolder(*set.folder, name);
}

// Drops one run file of entry index: deleted through its handle where it is
// held, else by its name.
void DropRunFile(const PayloadFileSet& set, RunFile* file, int index, StagingRole role) {
    char name[kNameCapacity];
    ComposeStagingName(name, sizeof name, set.run, index, role);  // fitted when the file was made
    if (file->handle != INVALID_HANDLE_VALUE) {
        DropNewFile(set, file->handle, name);
        file->handle = INVALID_HANDLE_VALUE;
        return;
    }
    RemoveFileInFolder(*set.folder, name);
}

}  // namespace

int BeginPayloadFiles(PayloadFileSet* set, const InstallFolder& folder, const PayloadEntry* entries, int count,
                      const RunId& run) {
    set->folder = &folder;
    set->entries = entries;
    set->count = count;
    set->run = run;
    set->staged = 0;
    set->keepJournal = 0;
    set->byHandle = HasHandleCalls();
    set->files = static_cast<EntryFiles*>(std::calloc(count + 1, sizeof(EntryFiles)));
    if (!set->files) return 0;
    for (int i = 0; i < count; ++i) set->files[i].staged.handle = set->files[i].kept.handle = INVALID_HANDLE_VALUE;
    if (CreateRunJournal(folder, run, &set->journal)) return 1;
    std::free(set->files);
    set->files = nullptr;
    return 0;
}

int StagePayloadFile(PayloadFileSet* set, unsigned char* piece, unsigned long capacity, int uiLanguage,
                     ExtractionProgress& progress) {
    const int index = set->staged;
    const PayloadEntry& entry = set->entries[index];
    char name[kNameCapacity], target[kPathCapacity];
    // A target that could never be put in place is refused before anything
    // is written.
    if (!JoinPath(target, sizeof target, set->folder->path, entry.fileName)) return 0;
    if (!ComposeStagingName(name, sizeof name, set->run, index, kStagedNew)) return 0;
    HANDLE file = CreateFileInFolder(*set->folder, name, EntryAttributes(entry));
    if (file == INVALID_HANDLE_VALUE) return 0;
    RunFile& staged = set->files[index].staged;
    if (!WriteEntry(*set, entry, file, piece, capacity, uiLanguage, progress, &staged) ||
        !CallFlushFileBuffers(file)) {
        // A file cut short (a full disk, a damaged stream) is worth nothing.
        DropNewFile(*set, file, name);
        return 0;
    }
    // Without renames through the handle the file is moved by its path,
    // which needs it closed; its sum is checked before the move instead.
    if (set->byHandle)
        staged.handle = file;
    else
        CloseHandle(file);
    set->staged = index + 1;
    return 1;
}

void EndPayloadFiles(PayloadFileSet* set) {
    if (!set->files) return;
    for (int i = 0; i < set->staged; ++i) {
        EntryFiles& entry = set->files[i];
        if (entry.placed) {
            // In place and the installation's: let go.
            if (entry.staged.handle != INVALID_HANDLE_VALUE) CloseHandle(entry.staged.handle);
        } else {
            DropRunFile(*set, &entry.staged, i, kStagedNew);
        }
        // A copy still kept is needed only while the journal stays.
        if (entry.hadPrevious && !set->keepJournal) DropRunFile(*set, &entry.kept, i, kKeptPrevious);
        else if (entry.kept.handle != INVALID_HANDLE_VALUE) CloseHandle(entry.kept.handle);
    }
    if (set->keepJournal)
        KeepRunJournal(&set->journal);
    else
        RemoveRunJournal(*set->folder, &set->journal);
    std::free(set->files);
    set->files = nullptr;
}
