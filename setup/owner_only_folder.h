// Creating a folder that only this process's user and the system can use:
// an explicit access list (full access for the token's owner and SYSTEM,
// inherited by what is made inside), protected from the parent's entries,
// nothing for anyone else. The security calls are looked up in advapi32 at
// run time, so the program still starts on systems without them (Windows
// 9x has no access lists: the folder is made plain there).
#ifndef LQ_SETUP_OWNER_ONLY_FOLDER_H
#define LQ_SETUP_OWNER_ONLY_FOLDER_H

// Creates the folder path, which must not exist. Returns 1, or 0 with
// GetLastError telling why (ERROR_ALREADY_EXISTS for a taken name). On an
// NT system whose access list cannot be built, nothing is created.
int CreateOwnerOnlyFolder(const char* path, int ntPlatform);

#endif
