// Writing the speech-runtime package and handing it to the shell, so that no
// other process can plant, swap or change the file that is opened: it is
// written into a folder made for this run in the temporary folder, which
// only this user and the system may use (owner_only_folder), and held open
// for reading, without write or delete sharing, until the program that
// opens it has exited; then it and its folder go. Relies on the payload
// resource reader, the PayloadTable's SpeechRuntimePayload, the package-place
// rule (setup/folder_path_rule.h) and the shell through late_calls. Shows
// nothing.
#ifndef LQ_SETUP_SPEECH_PACKAGE_H
#define LQ_SETUP_SPEECH_PACKAGE_H

#include <windows.h>

enum SpeechPackageOutcome {
    kPackageUsed,        // opened; its opener has exited (or the bounded wait ended) and the package is gone
    kPackageNotWritten,  // it could not be read or written, or the temporary folder is too deep: nothing is left
    kPackageNotOpened,   // the shell started nothing: nothing is left
};

// Decompresses the package through piece (capacity bytes) into its new
// folder, asks the shell to open it by its full path, hides the wizard and
// waits for the opener (answering messages sent meanwhile). ntPlatform:
// the system has access lists.
SpeechPackageOutcome WriteAndOpenSpeechPackage(unsigned char* piece, unsigned long capacity, HWND wizard,
                                               int ntPlatform);

#endif
