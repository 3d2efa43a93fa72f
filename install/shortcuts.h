// Shortcut (.lnk) files through the shell's link object: the Start-menu
// group, the desktop shortcut and the Startup shortcut. Relies on the
// request (the installation folder, the system facts, the language of the
// names), the special folder lookup (shell_folders), the folder and file
// operations (shortcut_files), COM through late_calls and the report for
// its messages. Every path and name is composed in Unicode (wide_path): the
// installation folder converted from the ANSI code page, the names from
// their own (ShortcutNameCodePage), so they come out right whatever the
// system's code page. On NT the shell and the files get them so; elsewhere
// (Windows 9x, Win32s), which has only the ANSI forms of those calls, they
// get them in the ANSI code page, and a name that code page cannot spell
// fails its link. COM is initialised around each single link and nothing of
// it is kept. Nothing is undone after a failure.
#ifndef LQ_INSTALL_SHORTCUTS_H
#define LQ_INSTALL_SHORTCUTS_H

#include <windows.h>

#include "install/installation_request.h"
#include "install/shortcut_names.h"

// Makes one link in the special folder folderId, or in its subfolder
// groupName when that is given and not empty, for every entry of the list
// up to the one with a null displayName: "<folder>\<displayName>.lnk"
// pointing at <installDir>\<targetFile>. The group folder is created where
// nothing of that name exists, and so is every level of a special folder
// composed by hand (legacy shells) below the Windows directory or the
// profile. groupName and the display names are in the code page of
// request.displayLanguage's names. Tries every entry. Returns 1 when every
// link was saved (also for an empty list); otherwise shows one notice
// through report and returns 0: "Cannot create folder! <folder>" when a
// folder cannot be made (no link is tried then), else "Failed to create an
// entry on Start Menu." for a folder not found (a legacy shell has no
// Startup folder), a path too long or a link not saved. Every path is
// limited to kPathCapacity - 1 characters.
int CreateShortcutGroup(const char* groupName, const ShortcutEntry* entries, int folderId,
                        const InstallationRequest& request, InstallationReport& report);

// Makes "<desktop>\<displayName>.lnk" pointing at <installDir>\<targetFile>,
// displayName read and a composed desktop folder created as in
// CreateShortcutGroup. A failure is silent: the desktop shortcut is an
// extra.
void CreateDesktopShortcut(const char* targetFile, const char* displayName, const InstallationRequest& request,
                           InstallationReport& report);

// 1 when a shortcut the request would make, or the program group's folder,
// lies already and is a link (junction, symbolic link) or resolves
// elsewhere (link_check): the installation then fails before anything
// changes rather than replace what it did not make. 0 otherwise, also
// where a folder is not found (its creation reports that).
int AShortcutIsALink(const InstallationRequest& request);

// Saves a link at linkPath to targetPath with the description, the target's
// first icon and the target's folder as working directory: whole beside it
// first, then moved over whatever link was there (ReplaceShortcutFile), so
// the link at linkPath is the old one or the new one, never a part of one.
// ntPlatform: the Unicode link object and file calls, else the ANSI ones.
// Returns 1 when the link file was saved, else 0. The report answers while
// a refused move waits.
int CreateShellLink(const WCHAR* targetPath, const WCHAR* linkPath, const WCHAR* description, int ntPlatform,
                    InstallationReport& report);

#endif
