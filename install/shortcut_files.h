// The file operations of the shortcut code, on wide paths (wide_path), each
// made in the form the system implements: the Unicode calls on NT; on other
// platforms (Windows 9x, Win32s), which implement none of them, the ANSI
// calls on the path turned into the ANSI code page, so a path that code page
// cannot spell fails there. Every call goes through file_calls. Shows
// nothing.
#ifndef LQ_INSTALL_SHORTCUT_FILES_H
#define LQ_INSTALL_SHORTCUT_FILES_H

#include <windows.h>

// Makes sure the last levels levels of path (kPathCapacity wide
// characters) exist, creating each missing one in turn from the outermost;
// whatever lies above them is never created. A level that exists as a file
// counts as there (the link into it then fails). Returns 1 when every level
// is there, 0 when one could not be made (the ones made before it stay).
int EnsureFolderLevels(const WCHAR* path, int levels, int ntPlatform);

// Deletes the file at path. 1 when deleted.
int DeleteShortcutFile(const WCHAR* path, int ntPlatform);

// Moves the file from over the file to, or to where none is. On NT the move
// replaces to in one step, so to is always the old file or the new one.
// Elsewhere there is no replacing move: to is deleted first and from moved
// after it, so for that moment neither is at to (from is whole, beside it).
// Returns 1, or 0 with from left where it was.
int ReplaceShortcutFile(const WCHAR* from, const WCHAR* to, int ntPlatform);

#endif
