#include "setup/installation_report.h"

#include <commctrl.h>

#include "setup/accessible_names.h"
#include "setup/busy_pump.h"
#include "setup/message_box.h"
#include "setup/program_state.h"
#include "setup/progress_class.h"

namespace {
const DWORD kPulseIntervalMs = 15;
}  // namespace

InstallationRequest WizardInstallationRequest() {
    InstallationRequest request;
    request.installDir = InstallDir;
    request.uiLanguage = UiLanguage;
    request.desktopIconOption = DesktopIconOption;
    request.autoStartOption = AutoStartOption;
    request.ntPlatform = NtPlatform;
    request.legacyShell = LegacyShell;
    request.displayLanguage = DisplayLanguage;
    return request;
}

// The bar is made real here, before the installation's first value, and
// named for a screen reader as the stand-in it replaces was.
ProgressBarReport::ProgressBarReport(HWND dialog)
    : dialog_(dialog), bar_(ProvideProgressBar(dialog)), lastPulse_(GetTickCount()), pendingPercent_(-1) {
    GiveAccessibleNames(dialog);
}

void ProgressBarReport::ShowProgress(int percent) {
    // Without a bar (no common-controls library) the installation goes on unseen.
    if (!bar_) return;
    // The value first, while the bar is hidden and nothing is painted; the
    // bar then appears with it in one paint.
    SendMessageA(bar_, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    ShowWindow(bar_, SW_SHOW);
    UpdateWindow(bar_);
}

void ProgressBarReport::SetProgress(int percent) {
    if (!bar_) return;
    pendingPercent_ = -1;
    SendMessageA(bar_, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    // The bar is seen moving even between the pulses' repaints.
    UpdateWindow(bar_);
}

void ProgressBarReport::MoveProgress(int percent) {
    if (!bar_) return;
    pendingPercent_ = percent;
    Pulse();
}

void ProgressBarReport::Pulse() {
    // Often enough that no message waits long, seldom enough to cost
    // nothing beside the work.
    const DWORD now = GetTickCount();
    if (now - lastPulse_ < kPulseIntervalMs) return;
    lastPulse_ = now;
    if (pendingPercent_ >= 0) {
        // Painted with the repaints that follow.
        SendMessageA(bar_, PBM_SETPOS, static_cast<WPARAM>(pendingPercent_), 0);
        pendingPercent_ = -1;
    }
    AnswerWhileBusy();
}

void ProgressBarReport::ShowNotice(const char* chinese, const char* english) {
    ShowMessageBox(chinese, english, kMessageBoxOk, dialog_);
}
