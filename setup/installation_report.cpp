#include "setup/installation_report.h"

#include <commctrl.h>

#include "resources/resource_ids.h"
#include "setup/message_box.h"
#include "setup/program_state.h"

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

ProgressBarReport::ProgressBarReport(HWND dialog) : dialog_(dialog), bar_(GetDlgItem(dialog, IDC_PROGRESS)) {}

void ProgressBarReport::ShowProgress(int percent) {
    ShowWindow(bar_, SW_SHOW);
    SetProgress(percent);
}

void ProgressBarReport::SetProgress(int percent) {
    SendMessageA(bar_, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    // Nothing else runs the message loop meanwhile: paint now.
    UpdateWindow(bar_);
}

void ProgressBarReport::ShowNotice(const char* chinese, const char* english) {
    ShowMessageBox(chinese, english, kMessageBoxOk, dialog_);
}
