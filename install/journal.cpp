#include "install/journal.h"

#include "install/file_calls.h"
#include "install/folder_file.h"
#include "install/journal_format.h"

namespace {

const DWORD kJournalAttributes = FILE_ATTRIBUTE_HIDDEN;

// Writes length bytes at offset and flushes them.
int WriteAt(HANDLE file, DWORD offset, const char* bytes, size_t length) {
    DWORD written = 0;
    return CallSeekFile(file, offset) && CallWriteFile(file, bytes, static_cast<DWORD>(length), &written) &&
                   written == length && CallFlushFileBuffers(file)
               ? 1
               : 0;
}

}  // namespace

int CreateRunJournal(const InstallFolder& folder, const RunId& run, RunJournal* journal) {
    journal->length = 0;
    journal->file = INVALID_HANDLE_VALUE;
    if (!ComposeJournalName(journal->name, sizeof journal->name, run)) return 0;
    journal->file = CreateFileInFolder(folder, journal->name, kJournalAttributes);
    return journal->file != INVALID_HANDLE_VALUE;
}

int WriteRunJournal(RunJournal* journal, const char* bytes, size_t length) {
    if (!WriteAt(journal->file, 0, bytes, length)) return 0;
    journal->length = length;
    return 1;
}

int MarkRunJournalDone(RunJournal* journal) {
    const size_t offset = JournalStateOffset(journal->length);
    return WriteAt(journal->file, static_cast<DWORD>(offset), JournalStateText(kJournalDone), kJournalStateLength);
}

void RemoveRunJournal(const InstallFolder& folder, RunJournal* journal) {
    if (journal->file == INVALID_HANDLE_VALUE) return;
    if (HasHandleCalls()) {
        // Should the delete fail, the journal stays for the next run to read.
        DeleteOpenFile(journal->file);
    } else {
        CloseHandle(journal->file);
        RemoveFileInFolder(folder, journal->name);
    }
    journal->file = INVALID_HANDLE_VALUE;
}

void KeepRunJournal(RunJournal* journal) {
    if (journal->file == INVALID_HANDLE_VALUE) return;
    CloseHandle(journal->file);
    journal->file = INVALID_HANDLE_VALUE;
}
