#include "install/extract_payload.h"

#include <zlib.h>

#include "base/crc32_bitwise.h"
#include "base/payload_resource.h"
#include "install/file_calls.h"

namespace {

// A large file reaches the disk in steps of this many bytes while it is
// written, so that no single flush keeps the wizard from answering for long.
const unsigned long kFlushStride = 4ul << 20;

// Writes each piece as it comes and counts it.
class FileSink : public PayloadPieceSink {
public:
    FileSink(HANDLE file, unsigned long expectedSize, int withCrc, ExtractionProgress& progress)
        : file_(file), expected_(expectedSize), withCrc_(withCrc), progress_(progress), written_{0, 0}, unflushed_(0) {}

    int TakePiece(const unsigned char* piece, unsigned long length) override {
        // More than the table says: not the file that was packed.
        if (length > expected_ - written_.size) return 0;
        if (!WritePayloadFile(file_, piece, length)) return 0;
        written_.size += length;
        unflushed_ += length;
        if (unflushed_ >= kFlushStride) {
            if (!CallFlushFileBuffers(file_)) return 0;
            unflushed_ = 0;
        }
        if (withCrc_) written_.crc = Crc32Bitwise(written_.crc, piece, length);
        progress_.PieceWritten(length);
        return 1;
    }
    const ExtractedFile& Written() const { return written_; }

private:
    HANDLE file_;
    unsigned long expected_;
    int withCrc_;
    ExtractionProgress& progress_;
    ExtractedFile written_;
    unsigned long unflushed_;
};

}  // namespace

int WritePayloadFile(HANDLE file, const unsigned char* data, unsigned long length) {
    DWORD written = 0;
    return length == 0 || (CallWriteFile(file, data, length, &written) && written == length) ? 1 : 0;
}

int ExtractPayload(unsigned id, unsigned long expectedSize, HANDLE file, unsigned char* piece, unsigned long capacity,
                   int withCrc, ExtractionProgress& progress, ExtractedFile* written) {
    FileSink sink(file, expectedSize, withCrc, progress);
    if (InflatePayloadResource(id, piece, capacity, sink) != Z_OK) return 0;
    if (sink.Written().size != expectedSize) return 0;
    *written = sink.Written();
    return 1;
}
