// Finishing what interrupted installations left in the folder, before a new
// one changes anything there. A journal whose run is gone (killed, its
// machine cut off, or stopped because a previous file could not be put
// back) is read: where its files may have been placed, every previous file
// it kept aside goes back over its target, with its attributes, and every
// file it placed where none lay goes; where it had placed them all, nothing
// goes back. Then every file of the installer's own naming (staging_names)
// goes, journals last. A journal that cannot be read whole, or names
// anything but the table's entries and its own staging names, is not acted
// on; its leftovers go by their names all the same. Nothing outside the
// folder is ever touched, and no link is followed. Relies on folder_file,
// journal_format and file_calls.
#ifndef LQ_INSTALL_RECOVER_INSTALLATION_H
#define LQ_INSTALL_RECOVER_INSTALLATION_H

#include "install/install_folder.h"
#include "install/installation_request.h"
#include "install/payload_table.h"
#include "install/staging_names.h"

enum Recovery {
    kRecovered,     // nothing was left, or all of it is finished
    kFolderInUse,   // another installation is running in the folder: nothing was touched
    kNotRecovered,  // a previous file could not be put back: the journal stays, nothing more changed
};

// Recovers folder for table (count entries), leaving alone the journal of
// the run ownRun. Put-backs refused for a moment are tried again, the report
// answering meanwhile.
Recovery RecoverInterruptedRuns(const InstallFolder& folder, const PayloadEntry* table, int count,
                                const RunId& ownRun, InstallationReport& report);

#endif
