#include "install/retry_briefly.h"

namespace {
const DWORD kWaitSliceMs = 50;
}  // namespace

void WaitAnswering(DWORD ms, InstallationReport& report) {
    for (DWORD waited = 0; waited < ms; waited += kWaitSliceMs) {
        Sleep(kWaitSliceMs);
        report.Pulse();
    }
}
