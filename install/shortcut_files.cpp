#include "install/shortcut_files.h"

#include "base/target_path.h"
#include "install/file_calls.h"
#include "install/wide_path.h"

namespace {

const DWORD kReplaceMove = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;

int IsThere(const WCHAR* path, int ntPlatform) {
    if (ntPlatform) return CallGetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
    char ansi[kPathCapacity];
    return NarrowPath(ansi, path) && CallGetFileAttributes(ansi) != INVALID_FILE_ATTRIBUTES;
}

int MakeFolder(const WCHAR* path, int ntPlatform) {
    if (ntPlatform) return CallCreateDirectoryW(path) ? 1 : 0;
    char ansi[kPathCapacity];
    return NarrowPath(ansi, path) && CallCreateDirectory(ansi) ? 1 : 0;
}

// The length of path without its last levels levels; -1 when it has no
// more levels than that.
int LengthAbove(const WCHAR* path, int levels) {
    int length = lstrlenW(path);
    while (levels > 0 && length > 0)
        if (path[--length] == L'\\') --levels;
    return levels == 0 && length > 0 ? length : -1;
}

}  // namespace

int EnsureFolderLevels(const WCHAR* path, int levels, int ntPlatform) {
    if (levels == 0) return 1;
    const int above = LengthAbove(path, levels);
    WCHAR level[kPathCapacity];
    if (above < 0 || !CopyPath(level, path)) return 0;
    // Each separator after the part above ends a level, and so does the end.
    for (int i = above + 1;; ++i) {
        if (path[i] != L'\\' && path[i] != L'\0') continue;
        level[i] = L'\0';
        if (!IsThere(level, ntPlatform) && !MakeFolder(level, ntPlatform)) return 0;
        if (path[i] == L'\0') return 1;
        level[i] = L'\\';
    }
}

int DeleteShortcutFile(const WCHAR* path, int ntPlatform) {
    if (ntPlatform) return CallDeleteFileW(path) ? 1 : 0;
    char ansi[kPathCapacity];
    return NarrowPath(ansi, path) && CallDeleteFile(ansi) ? 1 : 0;
}

int ReplaceShortcutFile(const WCHAR* from, const WCHAR* to, int ntPlatform) {
    if (ntPlatform) return CallMoveFileW(from, to, kReplaceMove) ? 1 : 0;
    char ansiFrom[kPathCapacity], ansiTo[kPathCapacity];
    if (!NarrowPath(ansiFrom, from) || !NarrowPath(ansiTo, to)) return 0;
    // Missing already, or refused for now: the move then finds it there and
    // fails, to be tried again.
    CallDeleteFile(ansiTo);
    return CallMoveFile(ansiFrom, ansiTo, MOVEFILE_WRITE_THROUGH) ? 1 : 0;
}
