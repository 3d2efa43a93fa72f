// The run's journal in the installation folder (journal_format gives its
// bytes): created empty when the run starts and held open by it, so a
// second run into the folder sees that the folder is in use and an
// interrupted run's journal is told from a live one; written whole and
// flushed before the first file of the folder changes; marked done, in one
// byte, when every file is in place; removed last. Relies on folder_file
// and file_calls. Shows nothing.
#ifndef LQ_INSTALL_JOURNAL_H
#define LQ_INSTALL_JOURNAL_H

#include <windows.h>

#include <cstddef>

#include "install/install_folder.h"
#include "install/staging_names.h"

struct RunJournal {
    HANDLE file;    // INVALID_HANDLE_VALUE once removed
    size_t length;  // bytes written; 0 while empty
    char name[32];
};

// Creates run's empty journal in folder and holds it. Returns 1, or 0 when
// it cannot be created.
int CreateRunJournal(const InstallFolder& folder, const RunId& run, RunJournal* journal);

// Writes bytes as the journal's whole content and makes it reach the disk.
int WriteRunJournal(RunJournal* journal, const char* bytes, size_t length);

// Marks the journal done and makes that reach the disk.
int MarkRunJournalDone(RunJournal* journal);

// Removes the journal and lets it go. Where it cannot be removed it is let
// go all the same; the next run then reads it.
void RemoveRunJournal(const InstallFolder& folder, RunJournal* journal);

// Lets the journal go and leaves it in the folder for the next run.
void KeepRunJournal(RunJournal* journal);

#endif
