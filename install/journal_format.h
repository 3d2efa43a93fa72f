// The bytes of an installation's journal: which run it was, which payload
// entries it stages under which names, and which of them replace a previous
// file that is kept aside; then a CRC-32 of all that, then the state, the
// one part rewritten in place. The next run reads it to finish an
// interrupted installation's way back. A journal names nothing but entries
// of the payload table and staging names of its own run, composed here from
// the run and the entry, so nothing read from it can point outside the
// folder; anything else in it, or a journal cut short, is not read at all.
// Platform-free.
#ifndef LQ_INSTALL_JOURNAL_FORMAT_H
#define LQ_INSTALL_JOURNAL_FORMAT_H

#include <cstddef>

#include "install/payload_table.h"
#include "install/staging_names.h"

// What an interrupted run left to do.
enum JournalState {
    kJournalUndo,  // files may be placed: every previous file must be put back
    kJournalDone,  // every file was placed: only the leftovers go
};

// The largest journal read back; one of a payload table as long as the
// packer lets through fits.
const size_t kJournalCapacity = 16384;

// What a journal says, for a table of count entries; kept[i] is 1 when
// entry i replaces a previous file that was copied aside.
struct JournalContents {
    RunId run;
    JournalState state;
    int count;
    const unsigned char* kept;
};

// Writes the journal of contents for table into out (capacity bytes).
// Returns its length, or 0 when it would not fit.
size_t ComposeJournal(char* out, size_t capacity, const JournalContents& contents, const PayloadEntry* table);

// Where in a journal of length bytes the state is written, and its bytes
// for state (kJournalStateLength of them).
const size_t kJournalStateLength = 4;
size_t JournalStateOffset(size_t length);
const char* JournalStateText(JournalState state);

// Reads length bytes as a journal for table (count entries) into
// *contents, with contents->kept pointing into kept (count bytes). Returns
// 1, or 0 when the bytes are not such a journal, whole and unchanged.
int ParseJournal(const char* bytes, size_t length, const PayloadEntry* table, int count, unsigned char* kept,
                 JournalContents* contents);

#endif
