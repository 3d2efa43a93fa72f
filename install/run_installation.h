// The installation itself, once the wizard has accepted the licence and made
// sure the installation folder exists: holds the folder for the whole run,
// finishes whatever an interrupted installation left there, writes every
// PayloadTable entry in order (the settings file with the interface language
// recorded in it) while the report's progress advances, puts them all in
// place or none (payload_files), then makes the shortcuts. Everything it
// acts on comes in the request; everything the user sees goes through the
// report.
#ifndef LQ_INSTALL_RUN_INSTALLATION_H
#define LQ_INSTALL_RUN_INSTALLATION_H

#include "install/installation_request.h"

enum InstallationOutcome {
    // Failed: the folder holds what it held before (a memory shortage has
    // been shown through the report; the caller reports the failure).
    kNotInstalled = 0,
    kInstalled = 1,
    // Failed, and a previous installation in the folder is not fully
    // restored yet (a file could not be put back, now or by an earlier
    // run): running the installer again completes it. Nothing more changed.
    kNotRestored = 2,
};

InstallationOutcome RunInstallation(const InstallationRequest& request, InstallationReport& report);

#endif
