#include "install/run_installation.h"

#include <cstdlib>

#include "base/target_path.h"
#include "install/extract_payload.h"
#include "install/install_messages.h"
#include "install/installation_steps.h"
#include "install/legacy_folder_path.h"
#include "install/payload_table.h"
#include "install/settings_file.h"
#include "install/shortcut_names.h"
#include "install/shortcuts.h"

namespace {

// One buffer for every extraction: the largest payload file fits.
const unsigned long kWorkBufferSize = 1048576;

struct Installation {
    const InstallationRequest& request;
    InstallationReport& report;
    unsigned char* buffer;
    int nextEntry;  // index of the PayloadTable entry to write next
};

// Writes the entries up to order `through`; stops at the first that fails.
int ExtractThrough(Installation* run, int through) {
    int end = ExtractionEnd(through, PayloadTableCount);
    for (; run->nextEntry < end; ++run->nextEntry) {
        const PayloadEntry& entry = PayloadTable[run->nextEntry];
        char path[kPathCapacity];
        // An over-long target is refused before the resource is even read.
        if (!JoinPath(path, sizeof path, run->request.installDir, entry.fileName)) return 0;
        if (!ExtractPayload(entry.resourceId, path, run->buffer, kWorkBufferSize, entry.readOnly, entry.hidden))
            return 0;
    }
    return 1;
}

// Carries out one step; 0 ends the installation as failed. The settings
// and the shortcuts do not decide: their failures are the user's to mend
// (the shortcut code has said so already).
int RunStep(const InstallationStep& step, Installation* run) {
    const InstallationRequest& request = run->request;
    const char* name = ProgramShortcutName(request.displayLanguage);
    switch (step.action) {
    case kStepShowProgress:
        run->report.ShowProgress(step.value);
        return 1;
    case kStepExtractThrough:
        return ExtractThrough(run, step.value);
    case kStepSetProgress:
        run->report.SetProgress(step.value);
        return 1;
    case kStepWriteSettings:
        WriteUiLanguageSetting(request.installDir, request.uiLanguage);
        return 1;
    case kStepProgramGroup:
        CreateShortcutGroup(name, ProgramGroupEntries(request.displayLanguage), kFolderPrograms, request,
                            run->report);
        return 1;
    case kStepDesktopShortcut:
        if (request.desktopIconOption) CreateDesktopShortcut(kProgramFile, name, request);
        return 1;
    case kStepStartupShortcut:
        if (request.autoStartOption)
            CreateShortcutGroup(nullptr, StartupEntries(request.displayLanguage), kFolderStartup, request,
                                run->report);
        return 1;
    }
    return 1;
}

}  // namespace

int RunInstallation(const InstallationRequest& request, InstallationReport& report) {
    unsigned char* buffer = static_cast<unsigned char*>(std::malloc(kWorkBufferSize));
    if (!buffer) {
        report.ShowNotice(kMessageNoMemoryChinese, kMessageNoMemoryEnglish);
        return 0;
    }
    Installation run = {request, report, buffer, 0};
    int succeeded = 1;
    for (int i = 0; i < InstallationStepCount && succeeded; ++i)
        succeeded = RunStep(InstallationSteps[i], &run);
    std::free(buffer);
    return succeeded;
}
