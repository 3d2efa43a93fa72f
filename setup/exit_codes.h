// The setup program's exit codes. Stable: scripts that run the installer
// rely on them.
#ifndef LQ_SETUP_EXIT_CODES_H
#define LQ_SETUP_EXIT_CODES_H

enum {
    kExitNormal = 0,        // installed, or ended by the user
    kExitStartFailed = 1,   // no memory, atlas unreadable, or no wizard window
    kExitNotInstalled = 2,  // the installation failed; the folder is as it was
    kExitNotRestored = 3,   // it failed, and the previous installation is not fully restored yet:
                            // running the installer again completes it
};

#endif
