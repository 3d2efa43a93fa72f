#include "install/run_installation.h"

#include <cstdlib>

#include "install/install_messages.h"
#include "install/installation_steps.h"
#include "install/legacy_folder_path.h"
#include "install/payload_files.h"
#include "install/payload_table.h"
#include "install/settings_file.h"
#include "install/shortcut_names.h"
#include "install/shortcuts.h"

namespace {

// One buffer for every extraction, as large as the largest payload file
// (known at build time). Never 0 bytes, so even an all-empty payload gets a
// buffer. A function, not a constant: the table's value is another file's.
unsigned long WorkBufferSize() { return PayloadLargestFileSize ? PayloadLargestFileSize : 1; }

struct Installation {
    const InstallationRequest& request;
    InstallationReport& report;
    unsigned char* buffer;
    PayloadFileSet files;
};

// Writes the entries up to order `through` beside their targets; stops at
// the first that fails.
int ExtractThrough(Installation* run, int through) {
    const int end = ExtractionEnd(through, PayloadTableCount);
    while (run->files.staged < end)
        if (!StagePayloadFile(&run->files, run->buffer, WorkBufferSize())) return 0;
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
    case kStepPutFilesInPlace:
        return CommitPayloadFiles(&run->files);
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
    unsigned char* buffer = static_cast<unsigned char*>(std::malloc(WorkBufferSize()));
    if (!buffer) {
        report.ShowNotice(kMessageNoMemoryChinese, kMessageNoMemoryEnglish);
        return 0;
    }
    Installation run = {request, report, buffer, PayloadFileSet()};
    BeginPayloadFiles(&run.files, request.installDir, PayloadTable);
    int succeeded = 1;
    for (int i = 0; i < InstallationStepCount && succeeded; ++i)
        succeeded = RunStep(InstallationSteps[i], &run);
    // A failed installation adds nothing to the folder: what was written
    // and not put in place goes.
    DiscardPayloadFiles(&run.files);
    std::free(buffer);
    return succeeded;
}
