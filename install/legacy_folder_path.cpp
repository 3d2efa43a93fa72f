#include "install/legacy_folder_path.h"

#include <cstring>

#include "base/bounded_text.h"

namespace {

struct FolderPiece {
    int folderId;
    const char* piece;
    int levels;  // the piece's folder names
};

const FolderPiece kFolderPieces[] = {
    {kFolderPrograms, "start menu\\programs", 2},
    {kFolderDesktop, "Desktop", 1},
};

const FolderPiece* PieceFor(int folderId) {
    for (const FolderPiece& p : kFolderPieces)
        if (p.folderId == folderId) return &p;
    return nullptr;
}

}  // namespace

int ComposeLegacyFolderPath(char* out, size_t capacity, const char* windowsDir, int ntPlatform,
                            const char* userName, int folderId) {
    if (capacity) out[0] = '\0';
    const size_t length = std::strlen(windowsDir);
    const FolderPiece* piece = PieceFor(folderId);
    if (length == 0 || !piece) return 0;
    const char* separator = windowsDir[length - 1] == '\\' ? "" : "\\";
    const int written =
        ntPlatform ? FormatText(out, capacity, "%s%sprofiles\\%s\\%s", windowsDir, separator, userName, piece->piece)
                   : FormatText(out, capacity, "%s%s%s", windowsDir, separator, piece->piece);
    return written >= 0 ? piece->levels : 0;
}
