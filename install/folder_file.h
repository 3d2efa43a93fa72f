// Files named inside the held installation folder, reached so that a link
// never leads the installer elsewhere: an existing file is opened without
// following a link and refused when it is a folder, a link, or (where the
// system can tell) resolves to another place; a new file is created only
// where no file of its name exists; and renames, attributes and deletes go
// through the handle that was checked wherever the system has handle calls.
// Relies on install_folder, file_calls and wide_path. Shows nothing.
#ifndef LQ_INSTALL_FOLDER_FILE_H
#define LQ_INSTALL_FOLDER_FILE_H

#include <windows.h>

#include "install/install_folder.h"

enum ExistingFile {
    kFileMissing,      // nothing of that name
    kFileOpened,       // a plain file of the folder: *file is open
    kFileRefused,      // a folder, a link, or a file elsewhere: left as it is
    kFileUnavailable,  // in use, or cannot be opened
};

// Opens the existing file name in folder for access (its attributes can
// always be read) with share. On kFileOpened, *file is open and, when
// information is given, filled.
ExistingFile OpenFileInFolder(const InstallFolder& folder, const char* name, DWORD access, DWORD share,
                              HANDLE* file, BY_HANDLE_FILE_INFORMATION* information);

// Creates name in folder where nothing of that name exists, with
// attributes, for writing, renaming and deleting through the handle; others
// may read it and nothing more while it is open. INVALID_HANDLE_VALUE when
// it cannot be created.
HANDLE CreateFileInFolder(const InstallFolder& folder, const char* name, DWORD attributes);

// Renames the open file to name in folder, replacing a file of that name
// when replace is set. Returns 1, or 0 (ERROR_CALL_NOT_IMPLEMENTED where
// the system renames no open file).
int RenameOpenFile(HANDLE file, const InstallFolder& folder, const char* name, int replace);

// Deletes the open file, read-only or not, and closes the handle. Returns 1
// when it is deleted, 0 when it stays.
int DeleteOpenFile(HANDLE file);

// Removes the plain file name from folder. Returns 1 when no file of that
// name is left in the folder, 0 when it stays (in use, or refused).
int RemoveFileInFolder(const InstallFolder& folder, const char* name);

// Gives the plain file name in folder attributes. Returns 1, or 0 when it
// cannot be done (a missing file included).
int SetAttributesInFolder(const InstallFolder& folder, const char* name, DWORD attributes);

// Moves the closed file from in folder to to, replacing a file there when
// replace is set, by path: for systems that rename no open file. Windows
// 9x has no replacing move: the target goes first there. Returns 1 or 0.
int MoveFileInFolder(const InstallFolder& folder, const char* from, const char* to, int replace);

#endif
