// Composing a special folder's path by hand, for shells too old to be asked
// (system major version 3): the Windows directory, on NT the user's profile
// below it, then the folder's own piece. Owns the folder ids this program
// asks for and the pieces of the hand-built paths. Relies on the caller for
// the system values. Platform-free.
#ifndef LQ_INSTALL_LEGACY_FOLDER_PATH_H
#define LQ_INSTALL_LEGACY_FOLDER_PATH_H

#include <cstddef>

// The shell's own folder numbers, passed through unchanged.
const int kFolderDesktop = 0;   // CSIDL_DESKTOP
const int kFolderPrograms = 2;  // CSIDL_PROGRAMS
const int kFolderStartup = 7;   // CSIDL_STARTUP

// Writes into out (capacity bytes) windowsDir, a backslash unless it ends
// with one, on NT "profiles\<userName>\", then "start menu\programs" for
// kFolderPrograms, "Desktop" for kFolderDesktop and nothing for any other id
// (so kFolderStartup gives the directory above, with its backslash).
// userName is read only when ntPlatform is set. Returns 1, or 0 with out set
// to "" when windowsDir is empty or the path would not fit.
int ComposeLegacyFolderPath(char* out, size_t capacity, const char* windowsDir, int ntPlatform,
                            const char* userName, int folderId);

#endif
