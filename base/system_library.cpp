#include "base/system_library.h"

#include "base/target_path.h"

HMODULE LoadSystemLibrary(const char* name) {
    char systemDir[kPathCapacity];
    UINT length = GetSystemDirectoryA(systemDir, sizeof systemDir);
    if (length == 0 || length >= sizeof systemDir) return nullptr;
    char path[kPathCapacity];
    if (!JoinPath(path, sizeof path, systemDir, name)) return nullptr;
    return LoadLibraryA(path);
}
