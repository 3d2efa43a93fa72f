// Installing the payload files all or nothing. Each file is first written
// whole under a staging name in the installation folder (staging_names);
// only when every file is written are they put in place, each by an atomic
// replace, so a file on disk is at every moment either its previous or its
// new version. A previous file is copied aside before it is replaced and
// kept until the end: if anything fails, every file already replaced gets
// its previous version back, with its attributes, and every staging file is
// removed, so the folder is left as it was found. Relies on ExtractPayload
// and the PayloadTable's entries. Shows nothing.
#ifndef LQ_INSTALL_PAYLOAD_FILES_H
#define LQ_INSTALL_PAYLOAD_FILES_H

#include "install/payload_table.h"

// The staging files of one installation. Entries are staged in table order
// from the first.
struct PayloadFileSet {
    const char* installDir;
    const PayloadEntry* entries;  // the table whose files these are
    int runId;                    // tells this run's staging names from another's
    int staged;                   // entries [0, staged) are written under their staging names
};

// Starts an empty set for entries (a table) going into installDir.
void BeginPayloadFiles(PayloadFileSet* set, const char* installDir, const PayloadEntry* entries);

// Writes the next entry, entries[set->staged], complete under its staging
// name with its attributes, decompressing it into buffer (capacity bytes).
// Returns 1, or 0 when the entry's target path does not fit kPathCapacity or
// the file cannot be written whole (nothing of it is left then).
int StagePayloadFile(PayloadFileSet* set, unsigned char* buffer, unsigned long capacity);

// Removes every staged file: the installation will not go on.
void DiscardPayloadFiles(PayloadFileSet* set);

// Puts every staged file in place, in order, and then removes the kept
// previous files. Returns 1, or 0 when a file cannot be put in place (a
// folder of its name, a file held open, no room for a copy of the previous
// file) or there is no memory to note what was replaced: every file is then
// as it was before and no staging file is left.
int CommitPayloadFiles(PayloadFileSet* set);

#endif
