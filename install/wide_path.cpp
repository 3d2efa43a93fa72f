#include "install/wide_path.h"

#include "base/target_path.h"

int AppendConverted(WCHAR* path, const char* text, UINT codePage) {
    int length = lstrlenW(path);
    int room = static_cast<int>(kPathCapacity) - length;
    // With the terminator counted (-1), a text that does not fit fails whole.
    return MultiByteToWideChar(codePage, 0, text, -1, path + length, room) ? 1 : 0;
}

int ConvertPath(WCHAR* path, const char* text, UINT codePage) {
    path[0] = L'\0';
    return AppendConverted(path, text, codePage);
}
