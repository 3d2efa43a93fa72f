// Start-up: system facts, glyph atlas, the wizard window, the message loop,
// teardown. One result is carried to the single exit.
#include <windows.h>

#include "base/bounded_text.h"

#include "render/glyph_atlas.h"
#include "resources/resource_ids.h"
#include "setup/exit_codes.h"
#include "setup/main_dialog.h"
#include "setup/message_box.h"
#include "setup/message_loop.h"
#include "setup/messages.h"
#include "setup/program_state.h"
#include "setup/progress_class.h"
#include "setup/safe_dll_search.h"
#include "setup/system_facts.h"

namespace {

const char kDefaultFolderName[] = "LectorQuillery";

// Builds the atlas; returns the exit code to end with, or kExitNormal to go on.
int StartGlyphAtlas() {
    switch (LoadGlyphAtlas()) {
    case kAtlasLoaded:
        return kExitNormal;
    case kAtlasNoMemory:
        ShowMessageBox(kMessageNoMemoryChinese, kMessageNoMemoryEnglish, kMessageBoxOk, nullptr);
        return kExitStartFailed;
    default:
        return kExitStartFailed;
    }
}

int RunWizard() {
    WizardState = kWizardFolderPage;
    ProgramIcon = LoadIconA(ProgramInstance, MAKEINTRESOURCEA(IDI_PROGRAM));
    MainDialog = CreateDialogParamA(ProgramInstance, MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr,
                                    MainDialogProc, 0);
    if (!MainDialog) return kExitStartFailed;
    RunMessageLoop();
    DestroyWindow(MainDialog);
    MainDialog = nullptr;
    return ExitCode;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    RestrictDllSearchToSystem();
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    ReadSystemFacts();
    ProgramInstance = instance;
    CopyTextCut(DefaultFolderName, sizeof DefaultFolderName, kDefaultFolderName);
    int exitCode = StartGlyphAtlas();
    if (exitCode != kExitNormal) return exitCode;
    // The real bar's library is loaded when the installation shows the bar.
    // A missing class makes the wizard's creation fail, which is reported below.
    RegisterProgressBarStandIn(instance);
    exitCode = RunWizard();
    DestroyGlyphAtlas();
    return exitCode;
}
