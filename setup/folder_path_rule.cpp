#include "setup/folder_path_rule.h"

#include "base/bounded_text.h"
#include "base/target_path.h"

namespace {
const char kDefaultFolderFormat[] = "%c:\\%s";
const char kFallbackTempDir[] = "C:\\";
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

int ComposePackagePath(char* out, size_t capacity, const char* tempDir, const char* fileName) {
    const char* dir = tempDir && tempDir[0] ? tempDir : kFallbackTempDir;
    return FormatText(out, capacity, "%s%s", dir, fileName) >= 0 ? 1 : 0;
}
