// The installation itself, once the wizard has accepted the licence and made
// sure InstallDir exists: writes every PayloadTable entry in order while the
// progress bar (control 1026 of the MainDialog) advances, records UiLanguage
// in the settings file and makes the shortcuts. Relies on InstallDir,
// UiLanguage, DesktopIconOption, AutoStartOption, DisplayLanguage and
// MainDialog (setup/program_state.h).
#ifndef LQ_INSTALL_RUN_INSTALLATION_H
#define LQ_INSTALL_RUN_INSTALLATION_H

// Returns 1 when the installation succeeded, 0 otherwise (a memory shortage
// has been reported to the user by then; the caller reports the failure).
int RunInstallation();

#endif
