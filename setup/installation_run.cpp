#include "setup/installation_run.h"

#include <cstdlib>

#include "base/bounded_text.h"
#include "install/install_folder.h"
#include "install/payload_table.h"
#include "install/run_installation.h"
#include "resources/resource_ids.h"
#include "setup/busy_pump.h"
#include "setup/exit_codes.h"
#include "setup/folder_path_rule.h"
#include "setup/installation_report.h"
#include "setup/message_box.h"
#include "setup/messages.h"
#include "setup/pointer_rule.h"
#include "setup/program_state.h"
#include "setup/speech_package.h"
#include "setup/wait_floor.h"

namespace {

const int kMessageLineCapacity = 128;
const DWORD kWaitSliceMs = 50;
// The package goes through a piece of this size: memory does not grow with it.
const unsigned long kSpeechPackagePiece = 256ul << 10;
const int kRunButtons[] = {IDC_NEXT, IDC_BACK, IDC_CANCEL, IDC_WAIT_LABEL};

// How a failed installation is told and ends.
struct Failure {
    const char* chinese;
    const char* english;
    int exitCode;
};
const Failure kNotInstalledFailure = {kMessageInstallFailedChinese, kMessageInstallFailedEnglish, kExitNotInstalled};
const Failure kNotRestoredFailure = {kMessageNotRestoredChinese, kMessageNotRestoredEnglish, kExitNotRestored};

void TakeOptions(HWND dialog) {
    DesktopIconOption = IsDlgButtonChecked(dialog, IDC_DESKTOP_OPTION) == BST_CHECKED;
    AutoStartOption = IsDlgButtonChecked(dialog, IDC_AUTOSTART_OPTION) == BST_CHECKED;
    HWND list = GetDlgItem(dialog, IDC_LANGUAGE_LIST);
    const LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
    // The list always has a selection; without one the language stays English.
    if (selected < 0) return;
    UiLanguage = static_cast<int>(SendMessageA(list, CB_GETITEMDATA, static_cast<WPARAM>(selected), 0));
}

void HideRunButtons(HWND dialog) {
    for (int id : kRunButtons) ShowWindow(GetDlgItem(dialog, id), SW_HIDE);
    // Nothing pumps messages during the installation: clear their place now.
    UpdateWindow(dialog);
}

// The wait cursor is seen only over the wizard: bring the pointer there.
void CentrePointer(HWND dialog) {
    POINT pointer;
    RECT window;
    // Without either position the pointer simply stays where it is.
    if (!GetCursorPos(&pointer) || !GetWindowRect(dialog, &window)) return;
    const ScreenRect rect = {window.left, window.top, window.right, window.bottom};
    ScreenPoint target;
    if (PointerTarget(rect, ScreenPoint{pointer.x, pointer.y}, &target)) SetCursorPos(target.x, target.y);
}

// Sleeps in slices until the floor has passed since start, throwing away
// whatever input arrives and letting only repaints through, so the wizard
// stays drawn but takes nothing. Input queued during the installation is
// thrown away too, even when it took longer than the floor. Slices of sleep
// rather than a wait on the message queue: a message left in the queue (a
// command posted to the dialog) would end such a wait at once, over and over.
void WaitOutFloor(DWORD start) {
    for (;;) {
        AnswerWhileBusy();
        const std::uint32_t remaining = FloorRemainingMs(start, GetTickCount(), kInstallationFloorMs);
        if (remaining == 0) return;
        Sleep(remaining < kWaitSliceMs ? remaining : kWaitSliceMs);
    }
}

void OfferSpeechRuntime(HWND dialog) {
    ShowMessageBox(kMessageInstalledChinese, kMessageInstalledEnglish, kMessageBoxOk, dialog);
    if (ShowMessageBox(kMessageSpeechOfferChinese, kMessageSpeechOfferEnglish, kMessageBoxOkCancel,
                       dialog) != IDC_MB_OK)
        return;
    unsigned char* piece = static_cast<unsigned char*>(std::malloc(kSpeechPackagePiece));
    if (!piece) {
        ShowMessageBox(kMessageNoMemoryChinese, kMessageNoMemoryEnglish, kMessageBoxOk, dialog);
        return;
    }
    // A package that cannot be written is simply not opened: nothing to
    // report. One the shell cannot open is the user's to install later.
    if (WriteAndOpenSpeechPackage(piece, kSpeechPackagePiece, dialog, NtPlatform) == kPackageNotOpened)
        ShowMessageBox(kMessageSpeechNotOpenedChinese, kMessageSpeechNotOpenedEnglish, kMessageBoxOk, dialog);
    std::free(piece);
}

// Takes the path field, made absolute, into InstallDir when it and every
// file to install below it fit a path whole; a longer text is refused, not
// cut, so neither a shortened folder nor part of the installation is ever
// made. The absolute path is the one checked, created and installed into:
// a relative one would follow whatever the current directory is.
int TakeFolderThatFits(HWND dialog) {
    char typed[kPathFieldReadCapacity];
    // An empty or failed read leaves "", which no folder check passes.
    if (!GetDlgItemTextA(dialog, IDC_PATH_FIELD, typed, sizeof typed)) return 0;
    char absolute[kPathFieldReadCapacity];
    const DWORD length = GetFullPathNameA(typed, sizeof absolute, absolute, nullptr);
    if (length == 0 || length >= sizeof absolute) return 0;
    if (!FolderHoldsPayload(absolute, PayloadTable, PayloadTableCount)) return 0;
    return FormatText(InstallDir, kPathCapacity, "%s", absolute) >= 0;
}

// Makes sure InstallDir is a folder the installation can hold: one that
// exists, or is created here (one level), and is no link to another.
int FolderCanBeHeld() {
    InstallFolder folder;
    FolderHold hold = HoldInstallFolder(InstallDir, NtPlatform, &folder);
    if (hold == kFolderUnavailable && CreateDirectoryA(InstallDir, nullptr))
        hold = HoldInstallFolder(InstallDir, NtPlatform, &folder);
    if (hold != kFolderHeld) return 0;
    // The installation holds it again, for its whole run.
    ReleaseInstallFolder(&folder);
    return 1;
}

}  // namespace

int CheckInstallFolder(HWND dialog) {
    if (TakeFolderThatFits(dialog) && FolderCanBeHeld()) return 1;
    char english[kMessageLineCapacity];
    // Both texts are fixed and fit; a failure would only leave the English
    // line out.
    FormatText(english, sizeof english, kMessageNoFolderEnglishFormat, kMessageNoFolderEnglishCause);
    ShowMessageBox(kMessageNoFolderChinese, english, kMessageBoxOk, dialog);
    return 0;
}

void RunInstallationWithReport(HWND dialog) {
    TakeOptions(dialog);
    HideRunButtons(dialog);
    const DWORD start = GetTickCount();
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    CentrePointer(dialog);
    ProgressBarReport report(dialog);
    const InstallationOutcome outcome = RunInstallation(WizardInstallationRequest(), report);
    WaitOutFloor(start);
    if (outcome == kInstalled) {
        OfferSpeechRuntime(dialog);
    } else {
        const Failure& failure = outcome == kNotRestored ? kNotRestoredFailure : kNotInstalledFailure;
        ExitCode = failure.exitCode;
        ShowMessageBox(failure.chinese, failure.english, kMessageBoxOk, dialog);
    }
    WizardState = kWizardQuit;
}
