// The folder chooser behind Browse: the system's file-open dialog in its
// older, non-Explorer form with template 168 and FolderChooserHook, used to
// pick the parent folder of the installation. The chosen folder travels
// through InstallDir; the path field receives it with DefaultFolderName added.
// Relies on program_state (InstallDir, DefaultFolderName) and the owner-drawn
// button painter.
#ifndef LQ_SETUP_FOLDER_CHOOSER_H
#define LQ_SETUP_FOLDER_CHOOSER_H

#include <windows.h>

// Runs the chooser owned by dialog (the MainDialog). On OK the path field
// reads "<chosen folder>\<DefaultFolderName>"; when cancelled, or when that
// path would not fit, the field keeps its text.
void BrowseForFolder(HWND dialog);

// The chooser's hook: makes Cancel owner-drawn and paints it and the two
// bilingual labels, puts the focus on the folder list, and on OK takes the
// current directory (the folder the user opened) into InstallDir without a
// trailing backslash. Returns TRUE for what it handled.
UINT_PTR CALLBACK FolderChooserHook(HWND chooser, UINT message, WPARAM wParam, LPARAM lParam);

#endif
