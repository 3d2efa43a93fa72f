#include "install/staging_names.h"

#include "base/bounded_text.h"

const char kStagingPrefix[] = "~lq";

namespace {

const char kJournalExtension[] = ".jnl";
const char kSettingsTemporaryPrefix[] = "lqs";
const char kSettingsTemporaryExtension[] = ".tmp";
const size_t kMaxIndexDigits = 3;
const size_t kMaxTemporaryDigits = 4;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

int IsHexDigit(char c) {
    c = Lower(c);
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

int IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// Skips the literal at *text, letter case aside; 1 when it was there.
int SkipLiteral(const char** text, const char* literal) {
    const char* p = *text;
    for (; *literal; ++literal, ++p)
        if (Lower(*p) != *literal) return 0;
    *text = p;
    return 1;
}

// Skips 1 to most characters that pass test; returns how many.
size_t SkipRun(const char** text, int (*test)(char), size_t most) {
    size_t n = 0;
    while (n < most && test((*text)[n])) ++n;
    if (test((*text)[n])) return 0;  // longer than allowed: not ours
    *text += n;
    return n;
}

OwnNameKind ClassifyStaging(const char* p) {
    if (!SkipLiteral(&p, kStagingPrefix)) return kNotOwnName;
    const size_t runDigits = SkipRun(&p, IsHexDigit, kRunIdDigits);
    if (runDigits == 0) return kNotOwnName;
    if (runDigits == kRunIdDigits && SkipLiteral(&p, kJournalExtension)) return *p ? kNotOwnName : kOwnJournal;
    if (*p++ != '-' || SkipRun(&p, IsDecimalDigit, kMaxIndexDigits) == 0) return kNotOwnName;
    if (SkipLiteral(&p, ".new")) return *p ? kNotOwnName : kOwnStagedNew;
    if (SkipLiteral(&p, ".old")) return *p ? kNotOwnName : kOwnKeptPrevious;
    return kNotOwnName;
}

OwnNameKind ClassifySettingsTemporary(const char* p) {
    if (!SkipLiteral(&p, kSettingsTemporaryPrefix) || SkipRun(&p, IsHexDigit, kMaxTemporaryDigits) == 0)
        return kNotOwnName;
    return SkipLiteral(&p, kSettingsTemporaryExtension) && !*p ? kOwnSettingsTemporary : kNotOwnName;
}

}  // namespace

RunId MakeRunId(unsigned long processId, unsigned long random) {
    RunId run;
    const unsigned long long kLow32 = 0xFFFFFFFFull;
    FormatHexDigits(run.text, (processId & kLow32) << 32 | (random & kLow32), static_cast<int>(kRunIdDigits), 0);
    return run;
}

int ComposeStagingName(char* out, size_t capacity, const RunId& run, int index, StagingRole role) {
    const char* extension = role == kStagedNew ? "new" : "old";
    return FormatText(out, capacity, "%s%s-%d.%s", kStagingPrefix, run.text, index, extension) >= 0 ? 1 : 0;
}

int ComposeStagingPath(char* out, size_t capacity, const char* installDir, const RunId& run, int index,
                       StagingRole role) {
    char name[kRunIdDigits + 16];
    if (!ComposeStagingName(name, sizeof name, run, index, role)) {
        if (capacity) out[0] = '\0';
        return 0;
    }
    return FormatText(out, capacity, "%s\\%s", installDir, name) >= 0 ? 1 : 0;
}

int ComposeJournalName(char* out, size_t capacity, const RunId& run) {
    return FormatText(out, capacity, "%s%s%s", kStagingPrefix, run.text, kJournalExtension) >= 0 ? 1 : 0;
}

OwnNameKind ClassifyOwnName(const char* fileName) {
    const OwnNameKind staging = ClassifyStaging(fileName);
    return staging != kNotOwnName ? staging : ClassifySettingsTemporary(fileName);
}
