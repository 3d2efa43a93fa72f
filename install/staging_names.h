// The names of the installer's own files in the installation folder, where
// putting a file in place is a rename on one volume: each new file written
// whole before it is put in place, each previous file kept aside until the
// installation has succeeded, and the run's journal. Every name carries the
// run's id: the process id and 32 bits no one can predict, so no run takes
// a name another left behind, even a run of the same process id. The files
// are created only where no file of that name exists. Owns the grammar of
// those names, for composing them and for telling a leftover from any other
// file. Platform-free.
#ifndef LQ_INSTALL_STAGING_NAMES_H
#define LQ_INSTALL_STAGING_NAMES_H

#include <cstddef>

// Every staging name begins with this; no payload file's name may.
extern const char kStagingPrefix[];

// A run's id as it stands in its names: 16 lowercase hexadecimal digits.
const size_t kRunIdDigits = 16;
struct RunId {
    char text[kRunIdDigits + 1];
};

// The id of a run of process processId, with random bits beside it.
RunId MakeRunId(unsigned long processId, unsigned long random);

enum StagingRole {
    kStagedNew,     // "~lq<run>-<index>.new": the new file, complete, waiting to be put in place
    kKeptPrevious,  // "~lq<run>-<index>.old": the file it replaces, until the end
};

// Writes the staging name of entry index into out (capacity bytes).
// Returns 1, or 0 with out set to "" when it would not fit.
int ComposeStagingName(char* out, size_t capacity, const RunId& run, int index, StagingRole role);

// "<installDir>\" and the staging name; 1 or 0 as ComposeStagingName.
int ComposeStagingPath(char* out, size_t capacity, const char* installDir, const RunId& run, int index,
                       StagingRole role);

// "~lq<run>.jnl", the run's journal; 1 or 0 as ComposeStagingName.
int ComposeJournalName(char* out, size_t capacity, const RunId& run);

// What a file name in the installation folder is, by the installer's
// naming alone (letter case aside, as the file system sees names).
enum OwnNameKind {
    kNotOwnName,
    kOwnStagedNew,
    kOwnKeptPrevious,
    kOwnJournal,
    // "lqs<1 to 4 hex digits>.tmp": the settings rewrite's temporary file
    // of installers before the journal.
    kOwnSettingsTemporary,
};

// The kind of fileName. Staging names of any run id (1 to 16 hexadecimal
// digits, as earlier installers wrote them too) and index (1 to 3 digits)
// count; a journal's run id has all 16.
OwnNameKind ClassifyOwnName(const char* fileName);

#endif
