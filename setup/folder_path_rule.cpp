#include "setup/folder_path_rule.h"

#include <cstring>

#include "base/bounded_text.h"
#include "base/target_path.h"

namespace {
const char kDefaultFolderFormat[] = "%c:\\%s";
const char kPackageFolderFormat[] = "%sLQSetup-%s";
const int kUniqueDigits = 16;
const char kBackslash = '\\';
}  // namespace

int ComposeDefaultFolder(char* out, size_t capacity, const char* windowsDir, const char* folderName) {
    if (!windowsDir || windowsDir[0] == '\0') {
        if (capacity > 0) out[0] = '\0';
        return 0;
    }
    return FormatText(out, capacity, kDefaultFolderFormat, windowsDir[0], folderName) >= 0 ? 1 : 0;
}

void DropTrailingBackslash(char* path, LeadByteTest isLeadByte) {
    // Walk by characters, so only a backslash that is a character of its own
    // is found at the end.
    char* last = nullptr;
    for (char* p = path; *p; ++p) {
        last = p;
        if (isLeadByte && isLeadByte(static_cast<unsigned char>(*p)) && p[1]) ++p;
    }
    if (last && *last == kBackslash) *last = '\0';
}

int ComposeChosenFolder(char* out, size_t capacity, const char* folder, const char* folderName) {
    return JoinPath(out, capacity, folder, folderName);
}

int FolderHoldsPayload(const char* folder, const PayloadEntry* table, int count) {
    const size_t folderLength = std::strlen(folder);
    if (folderLength >= kPathCapacity) return 0;
    for (int i = 0; i < count; ++i)
        // The folder, a backslash, the name and the terminator.
        if (folderLength + 1 + std::strlen(table[i].fileName) + 1 > kPathCapacity) return 0;
    return 1;
}

int ComposePackagePlace(char* folder, char* path, size_t capacity, const char* tempDir,
                        unsigned long long unique, const char* fileName) {
    if (capacity > 0) folder[0] = path[0] = '\0';
    if (!tempDir || tempDir[0] == '\0') return 0;
    char digits[kUniqueDigits + 1];
    FormatHexDigits(digits, unique, kUniqueDigits, 1);
    if (FormatText(folder, capacity, kPackageFolderFormat, tempDir, digits) < 0) return 0;
    if (JoinPath(path, capacity, folder, fileName)) return 1;
    folder[0] = '\0';
    return 0;
}
