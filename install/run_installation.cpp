#include "install/run_installation.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include "install/extract_payload.h"
#include "install/installation_steps.h"
#include "install/legacy_folder_path.h"
#include "install/payload_table.h"
#include "install/settings_file.h"
#include "install/shortcut_names.h"
#include "install/shortcuts.h"
#include "resources/resource_ids.h"
#include "setup/message_box.h"
#include "setup/messages.h"
#include "setup/program_state.h"

namespace {

// One buffer for every extraction: the largest payload file fits.
const unsigned long kWorkBufferSize = 1048576;

struct Installation {
    unsigned char* buffer;
    int nextEntry;  // index of the PayloadTable entry to write next
};

void SetProgress(int percent) {
    HWND bar = GetDlgItem(MainDialog, IDC_PROGRESS);
    SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    // Nothing else runs the message loop meanwhile: paint now.
    UpdateWindow(bar);
}

void ShowProgress(int percent) {
    ShowWindow(GetDlgItem(MainDialog, IDC_PROGRESS), SW_SHOW);
    SetProgress(percent);
}

// Writes the entries up to order `through`; stops at the first that fails.
int ExtractThrough(Installation* run, int through) {
    int end = ExtractionEnd(through, PayloadTableCount);
    for (; run->nextEntry < end; ++run->nextEntry) {
        const PayloadEntry& entry = PayloadTable[run->nextEntry];
        if (!ExtractPayload(entry.resourceId, entry.fileName, run->buffer, kWorkBufferSize,
                            entry.readOnly, entry.hidden, nullptr))
            return 0;
    }
    return 1;
}

// Carries out one step; 0 ends the installation as failed. The settings
// and the shortcuts do not decide: their failures are the user's to mend
// (the shortcut code has said so already).
int RunStep(const InstallationStep& step, Installation* run) {
    const char* name = ProgramShortcutName(DisplayLanguage);
    switch (step.action) {
    case kStepShowProgress:
        ShowProgress(step.value);
        return 1;
    case kStepExtractThrough:
        return ExtractThrough(run, step.value);
    case kStepSetProgress:
        SetProgress(step.value);
        return 1;
    case kStepWriteSettings:
        WriteUiLanguageSetting();
        return 1;
    case kStepProgramGroup:
        CreateShortcutGroup(name, ProgramGroupEntries(DisplayLanguage), kFolderPrograms);
        return 1;
    case kStepDesktopShortcut:
        if (DesktopIconOption) CreateDesktopShortcut(kProgramFile, name);
        return 1;
    case kStepStartupShortcut:
        if (AutoStartOption) CreateShortcutGroup(nullptr, StartupEntries(DisplayLanguage), kFolderStartup);
        return 1;
    }
    return 1;
}

}  // namespace

int RunInstallation() {
    unsigned char* buffer = static_cast<unsigned char*>(std::malloc(kWorkBufferSize));
    if (!buffer) {
        ShowMessageBox(kMessageNoMemoryChinese, kMessageNoMemoryEnglish, kMessageBoxOk, MainDialog);
        return 0;
    }
    Installation run = {buffer, 0};
    int succeeded = 1;
    for (int i = 0; i < InstallationStepCount && succeeded; ++i)
        succeeded = RunStep(InstallationSteps[i], &run);
    std::free(buffer);
    return succeeded;
}
