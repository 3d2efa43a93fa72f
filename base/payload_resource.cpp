#include "base/payload_resource.h"

#include <windows.h>
#include <zlib.h>

#include <cstring>

namespace {
const char kPayloadResourceType[] = "TEXT";
const WORD kResourceIdMask = 0xFFFF;
// A null module is the executable itself, whichever component it is.
const HMODULE kOwnModule = nullptr;

// The bytes of resource id, or null when it is missing or empty.
const Bytef* FindPayload(unsigned id, DWORD* size) {
    HRSRC found = FindResourceA(kOwnModule, MAKEINTRESOURCEA(static_cast<WORD>(id & kResourceIdMask)),
                                kPayloadResourceType);
    if (!found) return nullptr;
    // Resources stay mapped with the module; nothing to release.
    HGLOBAL loaded = LoadResource(kOwnModule, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    *size = SizeofResource(kOwnModule, found);
    return *size ? static_cast<const Bytef*>(bytes) : nullptr;
}

// Runs inflate over the whole input; piece by piece into sink.
int InflateInto(z_stream* stream, unsigned char* piece, unsigned long capacity, PayloadPieceSink& sink) {
    for (;;) {
        stream->next_out = piece;
        stream->avail_out = static_cast<uInt>(capacity);
        const int rc = inflate(stream, Z_NO_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END) return rc == Z_NEED_DICT ? Z_DATA_ERROR : rc;
        const unsigned long produced = capacity - stream->avail_out;
        if (produced && !sink.TakePiece(piece, produced)) return Z_ERRNO;
        if (rc == Z_STREAM_END) return stream->avail_in == 0 ? Z_OK : Z_BUF_ERROR;
        // No progress with room to spare: the input ended inside the stream.
        if (produced == 0 && stream->avail_in == 0) return Z_BUF_ERROR;
    }
}

}  // namespace

int DecompressPayloadResource(unsigned id, unsigned char* buffer, unsigned long* length) {
    DWORD size = 0;
    const Bytef* bytes = FindPayload(id, &size);
    if (!bytes) return Z_STREAM_ERROR;
    uLongf out = *length;
    int rc = uncompress(buffer, &out, bytes, size);
    if (rc == Z_OK) *length = out;
    return rc;
}

int InflatePayloadResource(unsigned id, unsigned char* piece, unsigned long capacity, PayloadPieceSink& sink) {
    DWORD size = 0;
    const Bytef* bytes = FindPayload(id, &size);
    if (!bytes || capacity == 0) return Z_STREAM_ERROR;
    z_stream stream;
    std::memset(&stream, 0, sizeof stream);
    // zlib reads its input through a non-const pointer but never writes it.
    stream.next_in = const_cast<Bytef*>(bytes);
    stream.avail_in = size;
    int rc = inflateInit(&stream);
    if (rc != Z_OK) return rc;
    rc = InflateInto(&stream, piece, capacity, sink);
    inflateEnd(&stream);
    return rc;
}
