// Composing a special folder's path by hand, for shells too old to be asked
// (system major version 3): the Windows directory, on NT the user's profile
// below it, then the folder's own piece. Owns the folder ids this program
// asks for, the pieces of the hand-built paths and how many levels each
// piece adds. Relies on the caller for the system values. Platform-free.
#ifndef LQ_INSTALL_LEGACY_FOLDER_PATH_H
#define LQ_INSTALL_LEGACY_FOLDER_PATH_H

#include <cstddef>

// The shell's own folder numbers, passed through unchanged.
const int kFolderDesktop = 0;   // CSIDL_DESKTOP
const int kFolderPrograms = 2;  // CSIDL_PROGRAMS
const int kFolderStartup = 7;   // CSIDL_STARTUP

// Writes into out (capacity bytes) windowsDir, a backslash unless it ends
// with one, on NT "profiles\<userName>\", then "start menu\programs" for
// kFolderPrograms or "Desktop" for kFolderDesktop. Returns how many levels
// that piece adds below the Windows directory or the profile (2 or 1): the
// levels the installer may create there, never the directory or profile
// itself. Returns 0 with out set to "" for any other id (such a shell has
// no Startup folder: nothing to compose), when windowsDir is empty or when
// the path would not fit. userName is read only when ntPlatform is set.
int ComposeLegacyFolderPath(char* out, size_t capacity, const char* windowsDir, int ntPlatform,
                            const char* userName, int folderId);

#endif
