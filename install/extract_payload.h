// Writing one payload resource into a file, piece by piece, so that memory
// does not grow with the payload. Shows nothing: the caller decides what a
// failure means.
#ifndef LQ_INSTALL_EXTRACT_PAYLOAD_H
#define LQ_INSTALL_EXTRACT_PAYLOAD_H

#include <windows.h>

#include <cstdint>

// Told of every piece written, so that the caller can show the progress
// and answer its messages between pieces.
class ExtractionProgress {
public:
    virtual void PieceWritten(unsigned long length) = 0;

protected:
    ~ExtractionProgress() {}
};

// What one extraction wrote.
struct ExtractedFile {
    unsigned long size;  // bytes
    std::uint32_t crc;   // their CRC-32, when asked for
};

// Decompresses resource id of the running executable through piece
// (capacity bytes) and writes it to the open file. Returns 1 when the whole
// stream was written and it came to expectedSize bytes, with *written
// filled (its crc only when withCrc is set); 0 otherwise, with the file
// holding some of it. A large file is flushed to the disk in steps on the
// way; the caller flushes what follows the last step.
int ExtractPayload(unsigned id, unsigned long expectedSize, HANDLE file, unsigned char* piece, unsigned long capacity,
                   int withCrc, ExtractionProgress& progress, ExtractedFile* written);

// Writes length bytes of data to the open file in one call. Returns 1 when
// every byte was written.
int WritePayloadFile(HANDLE file, const unsigned char* data, unsigned long length);

#endif
