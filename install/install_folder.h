// The installation folder, held for the whole run: opened as a directory
// without delete sharing, so that neither it nor a folder above it can be
// renamed or replaced while the installer works by path inside it, and
// checked through that handle to be a folder and not a link (junction,
// symbolic link, mount point). Its path as the system resolves it is kept,
// so that a file opened inside it can be told apart from one that a link
// puts elsewhere. Owns that handle; relies on file_calls. Shows nothing.
#ifndef LQ_INSTALL_INSTALL_FOLDER_H
#define LQ_INSTALL_INSTALL_FOLDER_H

#include <windows.h>

#include "base/target_path.h"

struct InstallFolder {
    char path[kPathCapacity];        // absolute, as the user sees it; every file's path is this, "\" and its name
    HANDLE handle;                   // held; INVALID_HANDLE_VALUE where the system opens no folders (9x)
    WCHAR resolved[kPathCapacity];   // the resolved path; "" where the system cannot tell
    int ntPlatform;                  // files have more access rights than reading and writing, and links
};

enum FolderHold {
    kFolderHeld,
    kFolderRefused,      // not a folder, or a link to one
    kFolderUnavailable,  // missing, or cannot be opened
};

// Holds the existing folder at path, which must be absolute (a drive or a
// share). ntPlatform: the system opens folders as files. Returns
// kFolderHeld with *folder filled, or another value with nothing held.
FolderHold HoldInstallFolder(const char* path, int ntPlatform, InstallFolder* folder);

// Lets the folder go; nothing happens for a folder not held.
void ReleaseInstallFolder(InstallFolder* folder);

#endif
