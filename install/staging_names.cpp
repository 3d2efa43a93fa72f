#include "install/staging_names.h"

#include "base/bounded_text.h"

const char kStagingPrefix[] = "~lq";

int ComposeStagingPath(char* out, size_t capacity, const char* installDir, int runId, int index,
                       StagingRole role) {
    const char* extension = role == kStagedNew ? "new" : "old";
    return FormatText(out, capacity, "%s\\%s%d-%d.%s", installDir, kStagingPrefix, runId, index, extension) >= 0
               ? 1
               : 0;
}
