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

// Takes each piece of a resource as it is decompressed; returns 1 to go on,
// 0 to stop the decompression.
class PayloadPieceSink {
public:
    virtual int TakePiece(const unsigned char* piece, unsigned long length) = 0;

protected:
    ~PayloadPieceSink() {}
};

// Decompresses resource id piece by piece through piece (capacity bytes),
// handing each full piece, and the last, to sink, so that memory does not
// grow with the resource. Returns Z_OK once the whole stream, its Adler-32
// checked, has been taken; Z_STREAM_ERROR when the resource is missing;
// Z_BUF_ERROR when it ends early or holds bytes after the stream;
// Z_DATA_ERROR for a corrupt stream; Z_MEM_ERROR without memory for the
// decompressor; Z_ERRNO when sink stopped it.
int InflatePayloadResource(unsigned id, unsigned char* piece, unsigned long capacity, PayloadPieceSink& sink);

#endif
