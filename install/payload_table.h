// The PayloadTable: which "TEXT" resource becomes which installed file, with
// which attributes. The table itself is generated at build time from
// resources/payload.list, so the resources and the table cannot drift apart.
// Platform-free.
#ifndef LQ_INSTALL_PAYLOAD_TABLE_H
#define LQ_INSTALL_PAYLOAD_TABLE_H

struct PayloadEntry {
    unsigned short resourceId;
    const char* fileName;  // ANSI file name inside InstallDir
    int readOnly;          // 1: the written file gets FILE_ATTRIBUTE_READONLY
    int hidden;            // 1: the written file gets FILE_ATTRIBUTE_HIDDEN
    unsigned long size;    // bytes once inflated
};

// The installed files, in installation order.
extern const PayloadEntry PayloadTable[];
extern const int PayloadTableCount;

// The speech-runtime package, written only when the user asks for it.
extern const PayloadEntry SpeechRuntimePayload;

// The largest inflated size among the installed files: what the
// installation's work buffer must hold.
extern const unsigned long PayloadLargestFileSize;

#endif
