#include "install/journal_format.h"

#include <cstring>

#include "base/bounded_text.h"
#include "base/crc32_bitwise.h"

namespace {

// One line each, ended by CR LF; fields apart by a tab, which no file name
// holds:
//   LectorQuillery journal 1
//   run <run id>
//   <index> <file name> <staged name> <kept name, or "-">   (every entry, in order)
//   check <CRC-32 of all the bytes above, 8 hex digits>
//   state undo|done
const char kMagicLine[] = "LectorQuillery journal 1\r\n";
const char kRunField[] = "run\t";
const char kCheckField[] = "check\t";
const char kStateField[] = "state\t";
const char kLineEnd[] = "\r\n";
const char kNotKept[] = "-";
const char kUndo[] = "undo";
const char kDone[] = "done";
const int kCheckDigits = 8;
const size_t kNameCapacity = 64;

// Appends text to out at *length; 0 when it does not fit.
int Put(char* out, size_t capacity, size_t* length, const char* text) {
    const size_t n = std::strlen(text);
    if (n >= capacity - *length) return 0;
    std::memcpy(out + *length, text, n);
    *length += n;
    return 1;
}

// The line of entry index: its number, name and staging names.
int ComposeEntryLine(char* line, size_t capacity, const RunId& run, int index, const char* fileName, int kept) {
    char staged[kNameCapacity], keptName[kNameCapacity];
    if (!ComposeStagingName(staged, sizeof staged, run, index, kStagedNew)) return 0;
    if (!ComposeStagingName(keptName, sizeof keptName, run, index, kKeptPrevious)) return 0;
    return FormatText(line, capacity, "%d\t%s\t%s\t%s\r\n", index, fileName, staged, kept ? keptName : kNotKept) >= 0;
}

// The body's CRC as the check line writes it.
void CheckOf(const char* body, size_t length, char* out) {
    FormatHexDigits(out, Crc32Bitwise(0, reinterpret_cast<const unsigned char*>(body), length), kCheckDigits, 0);
}

// Compares the next bytes of bytes[*at..length) with text and skips them.
int Expect(const char* bytes, size_t length, size_t* at, const char* text) {
    const size_t n = std::strlen(text);
    if (n > length - *at || std::memcmp(bytes + *at, text, n) != 0) return 0;
    *at += n;
    return 1;
}

// Reads the run id line.
int ParseRunLine(const char* bytes, size_t length, size_t* at, RunId* run) {
    if (!Expect(bytes, length, at, kRunField) || kRunIdDigits > length - *at) return 0;
    std::memcpy(run->text, bytes + *at, kRunIdDigits);
    run->text[kRunIdDigits] = '\0';
    *at += kRunIdDigits;
    // A run id is what MakeRunId writes: anything else could spell a path.
    for (size_t i = 0; i < kRunIdDigits; ++i) {
        const char c = run->text[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return 0;
    }
    return Expect(bytes, length, at, kLineEnd);
}

// Reads the line of entry index, which must be exactly what the writer
// composes for this run and table, kept or not.
int ParseEntryLine(const char* bytes, size_t length, size_t* at, const RunId& run, int index,
                   const char* fileName, unsigned char* kept) {
    char line[kNameCapacity * 4];
    for (int candidate = 0; candidate <= 1; ++candidate) {
        if (!ComposeEntryLine(line, sizeof line, run, index, fileName, candidate)) return 0;
        size_t next = *at;
        if (Expect(bytes, length, &next, line)) {
            *kept = static_cast<unsigned char>(candidate);
            *at = next;
            return 1;
        }
    }
    return 0;
}

}  // namespace

size_t JournalStateOffset(size_t length) {
    return length - kJournalStateLength - (sizeof kLineEnd - 1);
}

const char* JournalStateText(JournalState state) { return state == kJournalDone ? kDone : kUndo; }

size_t ComposeJournal(char* out, size_t capacity, const JournalContents& contents, const PayloadEntry* table) {
    size_t length = 0;
    if (!Put(out, capacity, &length, kMagicLine) || !Put(out, capacity, &length, kRunField) ||
        !Put(out, capacity, &length, contents.run.text) || !Put(out, capacity, &length, kLineEnd))
        return 0;
    for (int i = 0; i < contents.count; ++i) {
        char line[kNameCapacity * 4];
        if (!ComposeEntryLine(line, sizeof line, contents.run, i, table[i].fileName, contents.kept[i]) ||
            !Put(out, capacity, &length, line))
            return 0;
    }
    char check[kCheckDigits + 1];
    CheckOf(out, length, check);
    if (!Put(out, capacity, &length, kCheckField) || !Put(out, capacity, &length, check) ||
        !Put(out, capacity, &length, kLineEnd) || !Put(out, capacity, &length, kStateField) ||
        !Put(out, capacity, &length, JournalStateText(contents.state)) || !Put(out, capacity, &length, kLineEnd))
        return 0;
    return length;
}

int ParseJournal(const char* bytes, size_t length, const PayloadEntry* table, int count, unsigned char* kept,
                 JournalContents* contents) {
    size_t at = 0;
    if (length > kJournalCapacity || !Expect(bytes, length, &at, kMagicLine)) return 0;
    if (!ParseRunLine(bytes, length, &at, &contents->run)) return 0;
    for (int i = 0; i < count; ++i)
        if (!ParseEntryLine(bytes, length, &at, contents->run, i, table[i].fileName, &kept[i])) return 0;
    char check[kCheckDigits + 1];
    CheckOf(bytes, at, check);
    if (!Expect(bytes, length, &at, kCheckField) || !Expect(bytes, length, &at, check) ||
        !Expect(bytes, length, &at, kLineEnd) || !Expect(bytes, length, &at, kStateField))
        return 0;
    if (Expect(bytes, length, &at, kUndo))
        contents->state = kJournalUndo;
    else if (Expect(bytes, length, &at, kDone))
        contents->state = kJournalDone;
    else
        return 0;
    if (!Expect(bytes, length, &at, kLineEnd) || at != length) return 0;
    contents->count = count;
    contents->kept = kept;
    return 1;
}
