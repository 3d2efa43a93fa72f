// What follows Agree/Install: the folder check, the installation run with
// its report, and the offer of the speech-runtime package. Relies on
// RunInstallation (install/run_installation.h), the PayloadTable, the speech
// package writer (setup/speech_package.h), the message box, and
// program_state (InstallDir, the options, UiLanguage, WizardState).
#ifndef LQ_SETUP_INSTALLATION_RUN_H
#define LQ_SETUP_INSTALLATION_RUN_H

#include <windows.h>

// Takes the path field of dialog, made absolute, into InstallDir and makes
// sure the folder exists, or else creates it (one level), and is no link
// (junction, symbolic link, mount point). A folder too long to hold every
// installed file's path is refused before anything is made. Returns 1, or 0
// after telling the user that the folder can be neither entered nor
// created.
int CheckInstallFolder(HWND dialog);

// Takes the options and the language, hides the buttons, runs the
// installation and keeps the dialog from all input for at least five
// seconds, then reports the outcome and, after a success, offers the speech
// runtime. Ends with WizardState -1.
void RunInstallationWithReport(HWND dialog);

#endif
