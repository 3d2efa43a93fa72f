// Loading a system DLL at run time from the system directory by its full
// path, never through the search path, where a planted copy could be found
// first. Relies on nothing else.
#ifndef LQ_BASE_SYSTEM_LIBRARY_H
#define LQ_BASE_SYSTEM_LIBRARY_H

#include <windows.h>

// Loads name (a bare file name such as "comctl32.dll") from the system
// directory. Returns the module, or null when the directory cannot be read,
// the path does not fit kPathCapacity or the library cannot be loaded. The
// caller frees it, or keeps it for the whole run on purpose.
HMODULE LoadSystemLibrary(const char* name);

#endif
