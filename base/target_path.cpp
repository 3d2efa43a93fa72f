#include "base/target_path.h"

#include "base/bounded_text.h"

int JoinPath(char* out, size_t capacity, const char* folder, const char* name) {
    return FormatText(out, capacity, "%s\\%s", folder, name) >= 0 ? 1 : 0;
}

int ComposeTargetPath(char* out, size_t capacity, const char* installDir, const char* fileName,
                      const char* explicitPath) {
    if (!explicitPath) return JoinPath(out, capacity, installDir, fileName);
    return FormatText(out, capacity, "%s", explicitPath) >= 0 ? 1 : 0;
}
