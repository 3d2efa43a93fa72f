// Reading one payload resource: a "TEXT" resource of the running executable
// whose body is exactly one zlib stream. Used by the extraction and by the
// start-up and licence code that keep the result in memory.
#ifndef LQ_BASE_PAYLOAD_RESOURCE_H
#define LQ_BASE_PAYLOAD_RESOURCE_H

// Decompresses resource id into buffer. *length holds the capacity on entry
// and the decompressed size on success. Returns zlib's code: Z_OK (0) on
// success; Z_STREAM_ERROR when the resource is missing; Z_BUF_ERROR when the
// data would exceed the capacity or the stream ends early; Z_DATA_ERROR for
// a corrupt stream.
int DecompressPayloadResource(unsigned id, unsigned char* buffer, unsigned long* length);

#endif
