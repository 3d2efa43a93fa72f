// Turning one payload resource into a file on disk with its read-only and
// hidden attributes. Shows nothing: the caller decides what a failure means.
#ifndef LQ_INSTALL_EXTRACT_PAYLOAD_H
#define LQ_INSTALL_EXTRACT_PAYLOAD_H

// Decompresses resource id of the running executable into buffer (capacity
// bytes) and writes it to path. Returns 1 when the whole file was written, 0
// otherwise. A resource that is missing, corrupt or larger than the capacity
// leaves the target untouched.
int ExtractPayload(unsigned id, const char* path, unsigned char* buffer, unsigned long capacity,
                   int readOnly, int hidden);

// Writes length bytes of data to path, replacing an existing read-only or
// hidden file; the other attributes of an existing file survive. Returns 1
// when every byte reached the file, else 0; a partly written file stays.
int WritePayloadFile(const char* path, const unsigned char* data, unsigned long length, int readOnly,
                     int hidden);

#endif
