#include "install/extract_payload.h"

#include <windows.h>
#include <io.h>
#include <zlib.h>

#include <cstdio>

#include "base/payload_resource.h"

namespace {

const int kExistenceOnly = 0;  // _access mode
const DWORD kProtectingAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;

void ClearProtectingAttributes(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    // A failure shows up as the open failing next.
    SetFileAttributesA(path, attributes & ~kProtectingAttributes);
}

void AddAttributes(const char* path, int readOnly, int hidden) {
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    if (readOnly) attributes |= FILE_ATTRIBUTE_READONLY;
    if (hidden) attributes |= FILE_ATTRIBUTE_HIDDEN;
    // Attributes are a request: the file itself is complete either way.
    SetFileAttributesA(path, attributes);
}

}  // namespace

int WritePayloadFile(const char* path, const unsigned char* data, unsigned long length, int readOnly,
                     int hidden) {
    if (_access(path, kExistenceOnly) == 0) ClearProtectingAttributes(path);
    FILE* file = std::fopen(path, "wb");
    if (!file) return 0;
    size_t written = std::fwrite(data, 1, length, file);
    // Buffered bytes reach the disk only at the close, so a full disk may
    // show up only there.
    int closed = std::fclose(file) == 0;
    if (written != length || !closed) return 0;
    if (readOnly || hidden) AddAttributes(path, readOnly, hidden);
    return 1;
}

int ExtractPayload(unsigned id, const char* path, unsigned char* buffer, unsigned long capacity,
                   int readOnly, int hidden) {
    unsigned long length = capacity;
    if (DecompressPayloadResource(id, buffer, &length) != Z_OK) return 0;
    return WritePayloadFile(path, buffer, length, readOnly, hidden);
}
