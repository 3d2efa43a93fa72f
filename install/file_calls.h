// Every call through which the installation engine reads or changes the
// file system, in one place, so that a test can act just before any one of
// them: end the process there, as a power cut or Task Manager would, or
// change the file system under the engine. The calls that act through an
// open handle (renaming, deleting, setting attributes, resolving its path)
// came with Windows Vista; they are looked up at run time, and where the
// system lacks them each says so by failing with ERROR_CALL_NOT_IMPLEMENTED
// (HasHandleCalls tells in advance). Each function does what the system
// call it is named after does.
#ifndef LQ_INSTALL_FILE_CALLS_H
#define LQ_INSTALL_FILE_CALLS_H

#include <windows.h>

// Called just before each call below with its name (the system call's,
// without "Call") and 1 when the call may change the file system (create,
// write, rename, delete, set attributes or times) or 0 when it only looks;
// null (the default) for none.
typedef void (*FileCallObserver)(const char* call, int changes);
void ObserveFileCalls(FileCallObserver observer);

// 1 where files can be renamed, deleted and given attributes through their
// handle, and their resolved path read from it.
int HasHandleCalls();
// Makes HasHandleCalls 0 and the handle calls fail as on systems before
// Vista (tests of that path), or 1 to undo it.
void PretendNoHandleCalls(int pretend);

HANDLE CallCreateFile(const char* path, DWORD access, DWORD share, DWORD disposition, DWORD flagsAndAttributes);
BOOL CallWriteFile(HANDLE file, const void* data, DWORD length, DWORD* written);
BOOL CallReadFile(HANDLE file, void* data, DWORD length, DWORD* read);
BOOL CallFlushFileBuffers(HANDLE file);
// Moves the file pointer to offset bytes from the start.
BOOL CallSeekFile(HANDLE file, DWORD offset);
BOOL CallGetFileInformationByHandle(HANDLE file, BY_HANDLE_FILE_INFORMATION* information);
BOOL CallSetFileTime(HANDLE file, const FILETIME* created, const FILETIME* accessed, const FILETIME* written);

// Renames the open file to path (wide, full), replacing a file there when
// replace is set. The handle needs DELETE access.
BOOL CallRenameByHandle(HANDLE file, const WCHAR* path, BOOL replace);
// Gives the open file attributes (FILE_WRITE_ATTRIBUTES access).
BOOL CallSetAttributesByHandle(HANDLE file, DWORD attributes);
// Deletes the open file when its last handle closes (DELETE access).
BOOL CallDeleteByHandle(HANDLE file);
// The open file's path as the system resolves it, links followed, into
// path (capacity characters); its length, or 0.
DWORD CallGetFinalPath(HANDLE file, WCHAR* path, DWORD capacity);

// MoveFileExA; where the system has none (Windows 9x), a move that replaces
// nothing is made with MoveFileA and a replacing one fails.
BOOL CallMoveFile(const char* from, const char* to, DWORD flags);
BOOL CallDeleteFile(const char* path);
BOOL CallSetFileAttributes(const char* path, DWORD attributes);
DWORD CallGetFileAttributes(const char* path);
HANDLE CallFindFirstFile(const char* pattern, WIN32_FIND_DATAA* found);
BOOL CallFindNextFile(HANDLE search, WIN32_FIND_DATAA* found);

BOOL CallCreateDirectory(const char* path);

// The shortcut files' calls, in the shell's Unicode paths; Windows 9x has
// the forms above only.
BOOL CallMoveFileW(const WCHAR* from, const WCHAR* to, DWORD flags);
BOOL CallDeleteFileW(const WCHAR* path);
BOOL CallCreateDirectoryW(const WCHAR* path);
DWORD CallGetFileAttributesW(const WCHAR* path);
HANDLE CallCreateFileW(const WCHAR* path, DWORD access, DWORD share, DWORD disposition, DWORD flagsAndAttributes);
// How many of these Unicode calls this process has made: a test's check
// that a run meant for Windows 9x makes none.
unsigned long WideFileCallCount();
// Told before a file call made elsewhere (the link object's save).
void BeforeOtherFileCall(const char* call);

#endif
