#include "install/payload_resource.h"

#include <windows.h>
#include <zlib.h>

#include "setup/program_state.h"

namespace {
const char kPayloadResourceType[] = "TEXT";
const WORD kResourceIdMask = 0xFFFF;
}  // namespace

int DecompressPayloadResource(unsigned id, unsigned char* buffer, unsigned long* length) {
    HRSRC found = FindResourceA(ProgramInstance,
                                MAKEINTRESOURCEA(static_cast<WORD>(id & kResourceIdMask)),
                                kPayloadResourceType);
    if (!found) return Z_STREAM_ERROR;
    // Resources stay mapped with the module; nothing to release.
    HGLOBAL loaded = LoadResource(ProgramInstance, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    DWORD size = SizeofResource(ProgramInstance, found);
    if (!bytes || size == 0) return Z_STREAM_ERROR;
    uLongf out = *length;
    int rc = uncompress(buffer, &out, static_cast<const Bytef*>(bytes), size);
    if (rc == Z_OK) *length = out;
    return rc;
}
