// The setup program's exit codes. Stable: scripts that run the installer
// rely on them.
#ifndef LQ_SETUP_EXIT_CODES_H
#define LQ_SETUP_EXIT_CODES_H

enum {
    kExitNormal = 0,       // the wizard ran and ended (installed or cancelled)
    kExitStartFailed = 1,  // no memory, atlas unreadable, or no wizard window
};

#endif
