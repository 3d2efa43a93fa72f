// Trying a file operation again that was refused for a moment (a scanner or
// an indexer holding the file, say): a few attempts, a short wait apart,
// while the report keeps the wizard answering. Used where giving up would
// leave a previous installation not fully restored.
#ifndef LQ_INSTALL_RETRY_BRIEFLY_H
#define LQ_INSTALL_RETRY_BRIEFLY_H

#include <windows.h>

#include "install/installation_request.h"

const int kBriefAttempts = 6;
const DWORD kBriefWaitMs = 250;

// Waits ms, the report answering meanwhile.
void WaitAnswering(DWORD ms, InstallationReport& report);

// Calls attempt() until it returns 1, kBriefAttempts times at most. Returns
// its last result.
template <typename Attempt>
int RetryBriefly(Attempt attempt, InstallationReport& report) {
    for (int i = 0; i < kBriefAttempts; ++i) {
        if (i) WaitAnswering(kBriefWaitMs, report);
        if (attempt()) return 1;
    }
    return 0;
}

#endif
