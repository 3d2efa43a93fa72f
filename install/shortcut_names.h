// The shortcuts the installation makes: their names by DisplayLanguage (GBK
// for Simplified Chinese, Big5 for Traditional Chinese, kept as bytes), the
// code page each set of names is read in, and the lists of ShortcutEntry it
// passes to the shortcut code. Owns the
// ShortcutEntry type and the file names of the two shortcut targets.
// Platform-free.
#ifndef LQ_INSTALL_SHORTCUT_NAMES_H
#define LQ_INSTALL_SHORTCUT_NAMES_H

// One shortcut: its display name (also the .lnk file's name) and its target,
// a file name inside InstallDir. A list ends with a null displayName.
struct ShortcutEntry {
    const char* displayName;
    const char* targetFile;
};

extern const char kProgramFile[];      // "LectorQuillery.exe"
extern const char kUninstallerFile[];  // "LectorQuilleryUnInstall.exe"

// The name of the Start-menu group, which is also the name of the program's
// own shortcuts (group, desktop, Startup). A displayLanguage other than 1 or
// 2 gets the English name.
const char* ProgramShortcutName(int displayLanguage);

// The code page of the names for displayLanguage: 936 (GBK) for 1, 950
// (Big5) for 2, whatever the system's own code page. The English names are
// ASCII, which every ANSI code page reads alike: kAnsiCodePage for them.
const unsigned kAnsiCodePage = 0;  // CP_ACP
unsigned ShortcutNameCodePage(int displayLanguage);

// The group's list: the program, its uninstaller, the end.
const ShortcutEntry* ProgramGroupEntries(int displayLanguage);

// The Startup folder's list: the program, the end.
const ShortcutEntry* StartupEntries(int displayLanguage);

#endif
