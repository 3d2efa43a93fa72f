#include "install/link_check.h"

#include "base/target_path.h"
#include "install/file_calls.h"
#include "install/wide_path.h"

namespace {

const DWORD kEveryone = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
const DWORD kOpenItself = FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS;

// The resolved path of path into resolved; 0 where it cannot be had.
int Resolve(const WCHAR* path, WCHAR* resolved, DWORD* attributes) {
    HANDLE file = CallCreateFileW(path, FILE_READ_ATTRIBUTES, kEveryone, OPEN_EXISTING, kOpenItself);
    if (file == INVALID_HANDLE_VALUE) return 0;
    BY_HANDLE_FILE_INFORMATION information;
    const int read = CallGetFileInformationByHandle(file, &information) &&
                     CallGetFinalPath(file, resolved, kPathCapacity);
    if (read) *attributes = information.dwFileAttributes;
    CloseHandle(file);
    return read;
}

}  // namespace

int IsLink(const WCHAR* path) {
    const DWORD attributes = CallGetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return 0;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return 1;
    WCHAR parent[kPathCapacity], resolved[kPathCapacity], resolvedParent[kPathCapacity];
    int leaf = lstrlenW(path);
    while (leaf > 0 && path[leaf - 1] != L'\\') --leaf;
    if (leaf <= 1 || !CopyPath(parent, path)) return 0;
    parent[leaf - 1] = L'\0';
    DWORD own = 0, ofParent = 0;
    // Where the system resolves no path, the attributes have decided.
    if (!HasHandleCalls() || !Resolve(path, resolved, &own) || !Resolve(parent, resolvedParent, &ofParent))
        return 0;
    if (own & FILE_ATTRIBUTE_REPARSE_POINT) return 1;
    // The parent resolved, and the name: where path itself resolves to
    // when it is no link.
    int at = lstrlenW(resolvedParent);
    if (at + 1 + lstrlenW(path + leaf) >= static_cast<int>(kPathCapacity)) return 1;
    resolvedParent[at++] = L'\\';
    for (const WCHAR* name = path + leaf; *name; ++name) resolvedParent[at++] = *name;
    resolvedParent[at] = L'\0';
    return lstrcmpiW(resolved, resolvedParent) != 0;
}
