#include "install/installation_steps.h"

// Orders are those of resources/payload.list: [1..7] the tables, the
// uninstaller and the guides, [8] QuilleryUI.ini, [9] ChnBmp.bin, [10..15]
// the pictures, [16..] the program and the licences.
const InstallationStep InstallationSteps[] = {
    {kStepShowProgress, 10},
    {kStepExtractThrough, 7},
    {kStepSetProgress, 20},
    {kStepExtractThrough, 8},
    {kStepSetProgress, 25},
    {kStepExtractThrough, 9},
    {kStepSetProgress, 45},
    {kStepExtractThrough, 15},
    {kStepSetProgress, 75},
    {kStepExtractThrough, kThroughLastEntry},
    {kStepPutFilesInPlace, 0},
    {kStepSetProgress, 90},
    {kStepProgramGroup, 0},
    {kStepSetProgress, 94},
    {kStepDesktopShortcut, 0},
    {kStepStartupShortcut, 0},
    {kStepSetProgress, 100},
};

const int InstallationStepCount = sizeof InstallationSteps / sizeof InstallationSteps[0];

int ExtractionEnd(int through, int tableCount) {
    if (through == kThroughLastEntry || through > tableCount) return tableCount;
    return through < 0 ? 0 : through;
}

int StretchEndProgress(int index) {
    for (int i = index + 1; i < InstallationStepCount; ++i)
        if (InstallationSteps[i].action == kStepShowProgress || InstallationSteps[i].action == kStepSetProgress)
            return InstallationSteps[i].value;
    return 100;
}

int ProgressWithin(int from, int to, unsigned long long done, unsigned long long total) {
    if (total == 0 || to <= from + 1) return from;
    if (done >= total) return to - 1;
    // done < total, so this stays below to; the product fits 64 bits for
    // any 32-bit-addressable payload and a span of at most 100.
    return from + static_cast<int>(done * static_cast<unsigned long long>(to - from) / total);
}
