// Turning one payload resource into a new file on disk with its read-only
// and hidden attributes, and removing such a file again. Shows nothing: the
// caller decides what a failure means.
#ifndef LQ_INSTALL_EXTRACT_PAYLOAD_H
#define LQ_INSTALL_EXTRACT_PAYLOAD_H

// Decompresses resource id of the running executable into buffer (capacity
// bytes) and writes it to a new file at path (WritePayloadFile). Returns 1
// when the whole file was written, 0 otherwise. A resource that is missing,
// corrupt or larger than the capacity leaves path untouched.
int ExtractPayload(unsigned id, const char* path, unsigned char* buffer, unsigned long capacity,
                   int readOnly, int hidden);

// Creates the file at path, which must not exist yet, with
// FILE_ATTRIBUTE_READONLY and FILE_ATTRIBUTE_HIDDEN as asked, and writes the
// length bytes of data into it in one write. Returns 1 when every byte was
// written; otherwise 0, and no file is left at path (an existing file there
// is left alone).
int WritePayloadFile(const char* path, const unsigned char* data, unsigned long length, int readOnly,
                     int hidden);

// Deletes the file at path, read-only or not. A file that cannot be deleted
// (held open, say) stays, with its read-only attribute cleared.
void RemovePayloadFile(const char* path);

#endif
