#include "setup/program_state.h"

#include "resources/resource_ids.h"

HINSTANCE ProgramInstance = nullptr;
int NtPlatform = 0;
int LegacyShell = 0;
int DisplayLanguage = 0;
char DefaultFolderName[kPathCapacity] = "";
HICON ProgramIcon = nullptr;
int WizardState = 0;
HWND MainDialog = nullptr;
const int DefaultButtonId = IDC_NEXT;

char InstallDir[kPathCapacity] = "";
int UiLanguage = 0;
int DesktopIconOption = 0;
int AutoStartOption = 0;
int ExitCode = 0;  // kExitNormal
