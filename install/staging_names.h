// The names of the temporary files of one installation, all in the
// installation folder (so that putting a file in place is a rename on one
// volume): each new file written whole before it is put in place, and each
// previous file kept aside until the installation has succeeded. A name
// carries the run's id and the entry's index, so runs and entries never
// share one; and the files are created only where no file of that name
// exists, so a name that is taken makes the installation fail rather than
// touch that file. Platform-free.
#ifndef LQ_INSTALL_STAGING_NAMES_H
#define LQ_INSTALL_STAGING_NAMES_H

#include <cstddef>

// Every staging name begins with this; no payload file's name may.
extern const char kStagingPrefix[];

enum StagingRole {
    kStagedNew,     // the new file, complete, waiting to be put in place
    kKeptPrevious,  // a copy of the file it replaces, until the end
};

// Writes "<installDir>\<kStagingPrefix><runId>-<index>.new" (kStagedNew) or
// ".old" (kKeptPrevious) into out (capacity bytes). Returns 1, or 0 with out
// set to "" when it would not fit.
int ComposeStagingPath(char* out, size_t capacity, const char* installDir, int runId, int index,
                       StagingRole role);

#endif
