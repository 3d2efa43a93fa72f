#include "install/target_path.h"

#include <cstdio>

namespace {

// snprintf reports the length it wanted; anything at or past the capacity
// means the text was cut, which a path must never be.
int Fits(int wanted, size_t capacity) {
    return wanted >= 0 && static_cast<size_t>(wanted) < capacity;
}

int Refuse(char* out, size_t capacity) {
    if (capacity > 0) out[0] = '\0';
    return 0;
}

}  // namespace

int JoinPath(char* out, size_t capacity, const char* folder, const char* name) {
    if (capacity == 0) return 0;
    if (!Fits(std::snprintf(out, capacity, "%s\\%s", folder, name), capacity))
        return Refuse(out, capacity);
    return 1;
}

int ComposeTargetPath(char* out, size_t capacity, const char* installDir, const char* fileName,
                      const char* explicitPath) {
    if (capacity == 0) return 0;
    if (!explicitPath) return JoinPath(out, capacity, installDir, fileName);
    if (!Fits(std::snprintf(out, capacity, "%s", explicitPath), capacity))
        return Refuse(out, capacity);
    return 1;
}
