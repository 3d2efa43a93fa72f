// Program-wide values of the setup program. Everything runs on one thread,
// the user-interface thread, so none of them is locked. Start-up sets the
// system facts once; the wizard sets the user's choices.
#ifndef LQ_SETUP_PROGRAM_STATE_H
#define LQ_SETUP_PROGRAM_STATE_H

#include <windows.h>

#include "base/target_path.h"
// The WizardState values (kWizardQuit, kWizardFolderPage, ...).
#include "setup/wizard_flow.h"

extern HINSTANCE ProgramInstance;
extern int NtPlatform;
extern int LegacyShell;
extern int DisplayLanguage;
extern char DefaultFolderName[kPathCapacity];
extern HICON ProgramIcon;
extern int WizardState;
extern HWND MainDialog;
extern const int DefaultButtonId;

// The user's choices, taken when the installation starts.
extern char InstallDir[kPathCapacity];
extern int UiLanguage;
extern int DesktopIconOption;
extern int AutoStartOption;

// The exit code the run ends with (setup/exit_codes.h): the installation's
// outcome once it has run.
extern int ExitCode;

#endif
