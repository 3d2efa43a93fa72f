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

int CopyPath(WCHAR* path, const WCHAR* text) {
    // Not lstrcpyW, which Windows 9x does not implement (lstrlenW it does).
    const int length = lstrlenW(text);
    if (length >= static_cast<int>(kPathCapacity)) return 0;
    for (int i = 0; i <= length; ++i) path[i] = text[i];
    return 1;
}

int NarrowPath(char* ansi, const WCHAR* text) {
    BOOL lossy = FALSE;
    // No flags: Windows 9x knows none. A character the code page lacks
    // becomes the default character and is told by lossy.
    const int converted = WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, kPathCapacity, nullptr, &lossy);
    return converted && !lossy ? 1 : 0;
}
