#include "install/legacy_folder_path.h"

#include <cstring>

#include "base/bounded_text.h"

namespace {

struct FolderPiece {
    int folderId;
    const char* piece;
};

const FolderPiece kFolderPieces[] = {
    {kFolderPrograms, "start menu\\programs"},
    {kFolderDesktop, "Desktop"},
};

const char* PieceFor(int folderId) {
    for (const FolderPiece& p : kFolderPieces)
        if (p.folderId == folderId) return p.piece;
    return "";
}

}  // namespace

int ComposeLegacyFolderPath(char* out, size_t capacity, const char* windowsDir, int ntPlatform,
                            const char* userName, int folderId) {
    size_t length = std::strlen(windowsDir);
    if (length == 0) {
        if (capacity) out[0] = '\0';
        return 0;
    }
    const char* separator = windowsDir[length - 1] == '\\' ? "" : "\\";
    const char* piece = PieceFor(folderId);
    int written = ntPlatform
                      ? FormatText(out, capacity, "%s%sprofiles\\%s\\%s", windowsDir, separator, userName, piece)
                      : FormatText(out, capacity, "%s%s%s", windowsDir, separator, piece);
    return written >= 0 ? 1 : 0;
}
