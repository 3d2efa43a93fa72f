// The wizard's side of an installation: the request made from the user's
// choices and start-up's facts (program_state), and the report shown on the
// MainDialog's progress bar (control 1026) and through the message box.
#ifndef LQ_SETUP_INSTALLATION_REPORT_H
#define LQ_SETUP_INSTALLATION_REPORT_H

#include <windows.h>

#include "install/installation_request.h"

// The request of the choices taken so far: InstallDir, UiLanguage, the two
// options, NtPlatform, LegacyShell and DisplayLanguage. Points at InstallDir.
InstallationRequest WizardInstallationRequest();

// Shows progress on dialog's progress bar, painted at once each time, and
// notices in the bilingual message box owned by dialog; answers the
// wizard's messages between pieces of the work (busy_pump). Construction makes the bar a real
// one (ProvideProgressBar); without one, progress is not shown.
class ProgressBarReport : public InstallationReport {
public:
    explicit ProgressBarReport(HWND dialog);
    void ShowProgress(int percent) override;
    void SetProgress(int percent) override;
    // The value goes to the bar with the next pulse: a value a
    // millisecond, each painted, would cost more than the work.
    void MoveProgress(int percent) override;
    void ShowNotice(const char* chinese, const char* english) override;
    // Answers the wizard's messages, taking no input, and shows the latest
    // value; a few dozen times a second at most.
    void Pulse() override;

private:
    HWND dialog_;
    HWND bar_;
    DWORD lastPulse_;
    int pendingPercent_;  // a value not shown yet; -1 for none
};

#endif
