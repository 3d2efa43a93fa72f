// Files and folders for the end-to-end tests and benchmarks: whole-file reads
// and writes (the installed files are compared byte for byte), existence
// checks, listings and clean-up of the folders they install into.
#ifndef LQ_TESTS_E2E_DRIVER_FILES_H
#define LQ_TESTS_E2E_DRIVER_FILES_H

#include <windows.h>

#include <string>
#include <vector>

// The whole file at path; "" when it cannot be read.
std::string ReadAll(const std::string& path);

// Creates or empties the file at path and writes data to it.
void WriteAll(const std::string& path, const std::string& data);

DWORD AttributesOf(const std::string& path);  // INVALID_FILE_ATTRIBUTES when missing
bool Exists(const std::string& path);         // a file or a folder
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

// Deletes a file, or a folder with everything in it, read-only files too.
void RemoveTree(const std::string& path);

// Under Wine: makes link a symbolic link of the Linux side to the existing
// target (both Windows paths), as a stand-in for a Windows link (junction,
// symbolic link); removes such a link whose target exists, never what it
// points at (Wine's DeleteFile follows a link of the Linux side). Each
// returns false when it cannot.
bool MakeUnixLink(const std::string& target, const std::string& link);
bool RemoveUnixLink(const std::string& link);

// Names in a folder, "." and ".." left out, sorted.
std::vector<std::string> NamesIn(const std::string& folder);

// The names of the files (not folders) directly in folder.
std::vector<std::string> FilesIn(const std::string& folder);

#endif
