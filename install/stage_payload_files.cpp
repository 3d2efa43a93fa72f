#include "install/payload_files.h"

#include <windows.h>

#include "base/target_path.h"
#include "install/extract_payload.h"
#include "install/staging_names.h"

void BeginPayloadFiles(PayloadFileSet* set, const char* installDir, const PayloadEntry* entries) {
    set->installDir = installDir;
    set->entries = entries;
    set->runId = static_cast<int>(GetCurrentProcessId());
    set->staged = 0;
}

int StagePayloadFile(PayloadFileSet* set, unsigned char* buffer, unsigned long capacity) {
    const PayloadEntry& entry = set->entries[set->staged];
    char target[kPathCapacity];
    char staged[kPathCapacity];
    // A target that could never be put in place is refused before anything
    // is written.
    if (!JoinPath(target, sizeof target, set->installDir, entry.fileName)) return 0;
    if (!ComposeStagingPath(staged, sizeof staged, set->installDir, set->runId, set->staged, kStagedNew)) return 0;
    if (!ExtractPayload(entry.resourceId, staged, buffer, capacity, entry.readOnly, entry.hidden)) return 0;
    ++set->staged;
    return 1;
}

void DiscardPayloadFiles(PayloadFileSet* set) {
    for (int i = 0; i < set->staged; ++i) {
        char staged[kPathCapacity];
        // Composed once already when it was staged: it fits.
        ComposeStagingPath(staged, sizeof staged, set->installDir, set->runId, i, kStagedNew);
        RemovePayloadFile(staged);
    }
    set->staged = 0;
}
