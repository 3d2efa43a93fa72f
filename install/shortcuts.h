// Shortcut (.lnk) files through the shell's link object: the Start-menu
// group, the desktop shortcut and the Startup shortcut. Relies on the
// request (the installation folder, the system facts, the language of the
// names), the special folder lookup (shell_folders), COM through late_calls
// and the report for its messages. Every path and name is handed to the
// shell as Unicode (wide_path): the installation folder converted from the
// ANSI code page, the names from their own (ShortcutNameCodePage), so they
// come out right whatever the system's code page. COM is initialised around
// each single link and nothing of it is kept. Nothing is undone after a
// failure.
#ifndef LQ_INSTALL_SHORTCUTS_H
#define LQ_INSTALL_SHORTCUTS_H

#include <windows.h>

#include "install/installation_request.h"
#include "install/shortcut_names.h"

// Makes one link in the special folder folderId, or in its subfolder
// groupName when that is given and not empty (created one level deep when
// nothing of that name exists), for every entry of the list up to the one
// with a null displayName: "<folder>\<displayName>.lnk" pointing at
// <installDir>\<targetFile>. groupName and the display names are in the code
// page of request.displayLanguage's names. Tries every entry. Returns 1 when
// every link was saved (also for an empty list); otherwise shows one notice
// through report and returns 0: "Cannot create folder!" when the group
// folder cannot be made (no link is tried then), else "Failed to create an
// entry on Start Menu." for a folder not found, a path too long or a link
// not saved. Every path is limited to kPathCapacity - 1 characters.
int CreateShortcutGroup(const char* groupName, const ShortcutEntry* entries, int folderId,
                        const InstallationRequest& request, InstallationReport& report);

// Makes "<desktop>\<displayName>.lnk" pointing at <installDir>\<targetFile>,
// displayName read as in CreateShortcutGroup. A failure is silent: the
// desktop shortcut is an extra.
void CreateDesktopShortcut(const char* targetFile, const char* displayName, const InstallationRequest& request,
                           InstallationReport& report);

// Saves a link at linkPath to targetPath with the description, the target's
// first icon and the target's folder as working directory: whole beside it
// first, then moved over whatever link was there, so the link at linkPath
// is at every moment the old one or the new one. Returns 1 when the link
// file was saved, else 0. The report answers while a refused move waits.
int CreateShellLink(const WCHAR* targetPath, const WCHAR* linkPath, const WCHAR* description,
                    InstallationReport& report);

#endif
