#include "install/extract_payload.h"

#include <windows.h>
#include <zlib.h>

#include "base/payload_resource.h"

namespace {

DWORD CreationAttributes(int readOnly, int hidden) {
    DWORD attributes = (readOnly ? FILE_ATTRIBUTE_READONLY : 0) | (hidden ? FILE_ATTRIBUTE_HIDDEN : 0);
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

}  // namespace

int WritePayloadFile(const char* path, const unsigned char* data, unsigned long length, int readOnly,
                     int hidden) {
    // The attributes are given at creation; the handle writes all the same.
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, CreationAttributes(readOnly, hidden),
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    DWORD written = 0;
    const BOOL complete = WriteFile(file, data, length, &written, nullptr) && written == length;
    // The system holds every written byte once WriteFile returns; the
    // close has nothing left to lose.
    CloseHandle(file);
    if (complete) return 1;
    // A file cut short (a full disk) is worth nothing to anyone.
    RemovePayloadFile(path);
    return 0;
}

int ExtractPayload(unsigned id, const char* path, unsigned char* buffer, unsigned long capacity,
                   int readOnly, int hidden) {
    unsigned long length = capacity;
    if (DecompressPayloadResource(id, buffer, &length) != Z_OK) return 0;
    return WritePayloadFile(path, buffer, length, readOnly, hidden);
}

void RemovePayloadFile(const char* path) {
    // A read-only file cannot be deleted. Should either call fail, the file
    // stays: there is nothing more to try.
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path);
}
