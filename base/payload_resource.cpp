#include "base/payload_resource.h"

#include <windows.h>
#include <zlib.h>

namespace {
const char kPayloadResourceType[] = "TEXT";
const WORD kResourceIdMask = 0xFFFF;
// A null module is the executable itself, whichever component it is.
const HMODULE kOwnModule = nullptr;
}  // namespace

int DecompressPayloadResource(unsigned id, unsigned char* buffer, unsigned long* length) {
    HRSRC found = FindResourceA(kOwnModule, MAKEINTRESOURCEA(static_cast<WORD>(id & kResourceIdMask)),
                                kPayloadResourceType);
    if (!found) return Z_STREAM_ERROR;
    // Resources stay mapped with the module; nothing to release.
    HGLOBAL loaded = LoadResource(kOwnModule, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    DWORD size = SizeofResource(kOwnModule, found);
    if (!bytes || size == 0) return Z_STREAM_ERROR;
    uLongf out = *length;
    int rc = uncompress(buffer, &out, static_cast<const Bytef*>(bytes), size);
    if (rc == Z_OK) *length = out;
    return rc;
}
