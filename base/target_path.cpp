#include "base/target_path.h"

#include "base/bounded_text.h"

int JoinPath(char* out, size_t capacity, const char* folder, const char* name) {
    return FormatText(out, capacity, "%s\\%s", folder, name) >= 0 ? 1 : 0;
}
