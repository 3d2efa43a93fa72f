// The folder paths the wizard composes and checks: the proposed installation
// folder on the Windows directory's drive, the folder chosen in the folder
// chooser with the product's folder name added, whether a typed folder holds
// every installed file's path, and the speech-runtime package's place in the
// temporary folder. Every result is refused whole, never cut, when it
// would not fit. Platform-free.
#ifndef LQ_SETUP_FOLDER_PATH_RULE_H
#define LQ_SETUP_FOLDER_PATH_RULE_H

#include <cstddef>

#include "install/payload_table.h"
#include "base/target_path.h"

// Tells whether a byte starts a two-byte character in the ANSI code page.
typedef int (*LeadByteTest)(unsigned char byte);

// "<drive>:\<folderName>" with the drive letter taken from windowsDir's first
// character, as "D:\LectorQuillery" for "D:\WINDOWS". Returns 1, or 0 with out
// set to "" when windowsDir is empty or the result would not fit capacity.
int ComposeDefaultFolder(char* out, size_t capacity, const char* windowsDir, const char* folderName);

// Removes a backslash that ends path, as the current directory of a drive
// root has it ("C:\" becomes "C:"). isLeadByte (null: single-byte code page)
// keeps a 0x5C that is the second byte of a two-byte character.
void DropTrailingBackslash(char* path, LeadByteTest isLeadByte);

// "<folder>\<folderName>": the chosen folder (without trailing backslash)
// with the product's folder below it. Returns 1, or 0 with out set to "" when
// it would not fit.
int ComposeChosenFolder(char* out, size_t capacity, const char* folder, const char* folderName);

// What a read of the path field needs so that a text too long for a path is
// seen whole as too long, never cut to a shorter path that fits: a path
// buffer, one more two-byte character and its terminator.
const size_t kPathFieldReadCapacity = kPathCapacity + 2;

// 1 when folder fits a path buffer whole and every file of the count entries
// of table fits below it ("<folder>\<name>" and the terminator within
// kPathCapacity); 0 otherwise, before anything is created.
int FolderHoldsPayload(const char* folder, const PayloadEntry* table, int count);

// The speech-runtime package's place for one run: a folder of its own in
// the temporary folder, "<tempDir>LQSetup-" and unique as 16 hexadecimal
// digits (tempDir ends with a backslash, as the system gives it), written to
// folder, and "<folder>\<fileName>" written to path; both buffers hold
// capacity bytes. Returns 1, or 0 with both set to "" when tempDir is null or
// empty or the package's path would not fit: there is no other place to
// fall back on.
int ComposePackagePlace(char* folder, char* path, size_t capacity, const char* tempDir,
                        unsigned long long unique, const char* fileName);

#endif
