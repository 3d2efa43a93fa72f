// Installing the payload files all or nothing, in a way that a crash at any
// instant cannot break: the next run finishes what this one left (recover_
// installation). Each file is first written whole under a staging name in
// the installation folder (staging_names), and held open, so no one else
// can change it, until it is in place. Then every previous file is copied
// aside, the staged files, the copies and the run's journal (journal,
// journal_format) reach the disk, and only then are the files put in place,
// each by an atomic rename over its target, so a target on disk is at every
// moment its previous or its new version. If anything fails, every file
// already replaced gets its previous version back with its attributes;
// when one cannot be put back, the journal stays for the next run. Relies
// on extract_payload, folder_file and the PayloadTable's entries. Shows
// nothing; tells its progress and waits through an InstallationReport.
#ifndef LQ_INSTALL_PAYLOAD_FILES_H
#define LQ_INSTALL_PAYLOAD_FILES_H

#include <windows.h>

#include <cstdint>

#include "install/extract_payload.h"
#include "install/install_folder.h"
#include "install/installation_request.h"
#include "install/journal.h"
#include "install/payload_table.h"
#include "install/staging_names.h"

// One file this run made: a staged new file or a previous file's copy.
struct RunFile {
    HANDLE handle;       // open from its creation until it is placed or dropped; else INVALID_HANDLE_VALUE
    unsigned long size;  // what was written, and its CRC-32: a file closed before its move,
    std::uint32_t crc;   // on a system that renames no open file, is checked against both
};

struct EntryFiles {
    RunFile staged;
    RunFile kept;               // where the entry replaces a previous file
    int hadPrevious;            // a previous file lay at the target and was copied aside
    int placed;                 // the new file is at the target
    DWORD previousAttributes;
};

// The files of one installation.
struct PayloadFileSet {
    const InstallFolder* folder;
    const PayloadEntry* entries;  // the table whose files these are
    int count;
    RunId run;
    int staged;                   // entries [0, staged) are written under their staging names
    EntryFiles* files;            // count of them
    RunJournal journal;
    int keepJournal;              // the journal must stay for the next run
    int byHandle;                 // staged files stay open until placed
};

// What a commit came to.
enum CommitOutcome {
    kCommitted,          // every file is in place
    kCommitRolledBack,   // none is: the folder holds what it held before
    kCommitNotRestored,  // some previous file could not be put back yet; the journal stays
};

// Starts an empty set for count entries going into the held folder and
// creates the run's journal, which marks the folder as in use. Returns 1,
// or 0 (without memory, or the journal cannot be made) with nothing held.
int BeginPayloadFiles(PayloadFileSet* set, const InstallFolder& folder, const PayloadEntry* entries, int count,
                      const RunId& run);

// Writes the next entry, entries[set->staged], complete under its staging
// name with its attributes, decompressing it through piece (capacity
// bytes). The settings file is written with uiLanguage recorded in it.
// Returns 1, or 0 when the entry cannot be written whole (nothing of it is
// left then).
int StagePayloadFile(PayloadFileSet* set, unsigned char* piece, unsigned long capacity, int uiLanguage,
                     ExtractionProgress& progress);

// Puts every staged file in place as the header says, copying previous
// files through piece (capacity bytes).
CommitOutcome CommitPayloadFiles(PayloadFileSet* set, unsigned char* piece, unsigned long capacity,
                                 InstallationReport& report);

// Ends the set: whatever this run made and did not put in place goes, and
// the journal with it unless it must stay.
void EndPayloadFiles(PayloadFileSet* set);

#endif
