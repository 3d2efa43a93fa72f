// Finding the shell's special folders (desktop, Start-menu programs,
// Startup): by asking the shell, or on shells too old for that by composing
// the path from the Windows directory (legacy_folder_path). The paths are
// wide (wide_path), so a profile folder in characters outside the ANSI code
// page stays whole; where the platform is not NT the shell is asked in its
// ANSI form, the only one Windows 9x implements. The caller passes the
// system facts; shell32 is reached through late_calls. Shows nothing.
#ifndef LQ_INSTALL_SHELL_FOLDERS_H
#define LQ_INSTALL_SHELL_FOLDERS_H

#include <windows.h>

#include "base/target_path.h"

struct SpecialFolder {
    WCHAR path[kPathCapacity];
    // How many of the path's last levels are the installer's to create
    // where they are missing: those composed by hand below the Windows
    // directory or the profile; none of a path the shell gave.
    int ownLevels;
};

// Each fills *folder with the folder of folderId (the shell's CSIDL number)
// and returns 1, or returns 0 with *folder unusable.

// Asks the shell for the folder's item-id list and turns it into a path,
// with the Unicode call on NT (ntPlatform) and the ANSI call elsewhere.
int GetShellFolderPath(SpecialFolder* folder, int folderId, int ntPlatform);

// Composes the path from the Windows directory and, when ntPlatform is set,
// the user name, in the ANSI code page, and converts it. 0 for a folder
// such shells lack (Startup).
int BuildLegacyFolderPath(SpecialFolder* folder, int folderId, int ntPlatform);

// BuildLegacyFolderPath when legacyShell is set, else GetShellFolderPath.
int GetSpecialFolderPath(SpecialFolder* folder, int folderId, int legacyShell, int ntPlatform);

#endif
