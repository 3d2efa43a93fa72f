// The installation itself, once the wizard has accepted the licence and made
// sure the installation folder exists: writes every PayloadTable entry in
// order while the report's progress advances, records the interface language
// in the settings file and makes the shortcuts. Everything it acts on comes
// in the request; everything the user sees goes through the report.
#ifndef LQ_INSTALL_RUN_INSTALLATION_H
#define LQ_INSTALL_RUN_INSTALLATION_H

#include "install/installation_request.h"

// Returns 1 when the installation succeeded, 0 otherwise (a memory shortage
// has been shown through report by then; the caller reports the failure).
int RunInstallation(const InstallationRequest& request, InstallationReport& report);

#endif
