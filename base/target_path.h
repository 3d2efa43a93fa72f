// Composing the path of a file to write. Every path of the program lives in
// a buffer of kPathCapacity bytes; a path that would not fit is refused, never
// cut. Platform-free.
#ifndef LQ_BASE_TARGET_PATH_H
#define LQ_BASE_TARGET_PATH_H

#include <cstddef>

const size_t kPathCapacity = 260;

// Writes "<folder>\<name>" into out (capacity bytes, terminator included).
// Returns 1, or 0 with out set to "" when the result would not fit.
int JoinPath(char* out, size_t capacity, const char* folder, const char* name);

// The target of an extraction: explicitPath whole when it is not null, else
// installDir and fileName joined. Returns 1, or 0 with out set to "" when it
// would not fit.
int ComposeTargetPath(char* out, size_t capacity, const char* installDir, const char* fileName,
                      const char* explicitPath);

#endif
