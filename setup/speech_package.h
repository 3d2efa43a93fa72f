// Writing the speech-runtime package and handing it to the shell, so that no
// other process can plant or swap the file that is opened. Relies on the
// payload resource reader (base/payload_resource.h), the PayloadTable's
// SpeechRuntimePayload and the package-place rule (setup/folder_path_rule.h).
// Shows nothing: a package that cannot be written is simply not offered.
#ifndef LQ_SETUP_SPEECH_PACKAGE_H
#define LQ_SETUP_SPEECH_PACKAGE_H

// Decompresses the package into buffer (capacity bytes), writes it into a
// folder made for this run inside the temporary folder, as a file that no
// one else may write, delete or have created first, and asks the shell to
// open it by its full path while the file is still held. Returns 1 once the
// shell has been asked; the folder and the file then stay for the package's
// own installer. Returns 0 when the package cannot be read or written, or
// the temporary folder is too deep to hold it; nothing of it is left then.
int WriteAndOpenSpeechPackage(unsigned char* buffer, unsigned long capacity);

#endif
