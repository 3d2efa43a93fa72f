// Finding the shell's special folders (desktop, Start-menu programs,
// Startup): by asking the shell, or on shells too old for that by composing
// the path from the Windows directory (legacy_folder_path). The paths are
// wide (wide_path), so a profile folder in characters outside the ANSI code
// page stays whole. The caller passes the system facts; shell32 is reached
// through late_calls. Shows nothing.
#ifndef LQ_INSTALL_SHELL_FOLDERS_H
#define LQ_INSTALL_SHELL_FOLDERS_H

#include <windows.h>

// Each fills path (kPathCapacity wide characters) with the folder of
// folderId (the shell's CSIDL number) and returns 1, or returns 0 with path
// unusable.

// Asks the shell for the folder's item-id list and turns it into a path.
int GetShellFolderPath(WCHAR* path, int folderId);

// Composes the path from the Windows directory and, when ntPlatform is set,
// the user name, in the ANSI code page, and converts it.
int BuildLegacyFolderPath(WCHAR* path, int folderId, int ntPlatform);

// BuildLegacyFolderPath when legacyShell is set, else GetShellFolderPath.
int GetSpecialFolderPath(WCHAR* path, int folderId, int legacyShell, int ntPlatform);

#endif
