// Keeping DLLs planted beside the installer (say in a Downloads folder) from
// ever being loaded.
#ifndef LQ_SETUP_SAFE_DLL_SEARCH_H
#define LQ_SETUP_SAFE_DLL_SEARCH_H

// Restricts the DLL search of every later load to the system directory where
// the system supports it; elsewhere (Vista, Windows 7 without the update,
// XP) at least takes the current directory out of it. Call first thing at
// start-up.
void RestrictDllSearchToSystem();

#endif
