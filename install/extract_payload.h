// Turning one payload resource into a file on disk with its read-only and
// hidden attributes. Relies on the program instance (start-up) and InstallDir
// (the wizard). Shows nothing: the caller decides what a failure means.
#ifndef LQ_INSTALL_EXTRACT_PAYLOAD_H
#define LQ_INSTALL_EXTRACT_PAYLOAD_H

// Decompresses resource id into buffer (capacity bytes) and writes it to
// explicitPath, or when that is null to InstallDir\fileName. Returns 1 when
// the whole file was written, 0 otherwise. A resource that is missing, corrupt
// or larger than the capacity leaves the target untouched; so does a target
// path that would not fit kPathCapacity.
int ExtractPayload(unsigned id, const char* fileName, unsigned char* buffer, unsigned long capacity,
                   int readOnly, int hidden, const char* explicitPath);

// Writes length bytes of data to the target (as ExtractPayload composes it),
// replacing an existing read-only or hidden file; the other attributes of an
// existing file survive. Returns 1 when every byte reached the file, else 0;
// a partly written file stays.
int WritePayloadFile(const char* fileName, const unsigned char* data, unsigned long length,
                     int readOnly, int hidden, const char* explicitPath);

#endif
