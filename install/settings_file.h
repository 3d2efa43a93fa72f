// The product's settings file "QuilleryUI.ini" in the installation folder:
// recording the interface language in it (the bytes come from
// settings_rewrite) and the attribute routine that makes it writable. Shows
// nothing.
#ifndef LQ_INSTALL_SETTINGS_FILE_H
#define LQ_INSTALL_SETTINGS_FILE_H

// Rewrites installDir's settings file for uiLanguage. The new content is
// written whole to a temporary file in installDir first and then put in the old
// one's place, so a failure at any point leaves the old file as it was. The
// file ends read-only and hidden, its other attributes kept. A missing
// settings file stays missing. Always returns 1: the setting is not worth
// failing an installation over.
int WriteUiLanguageSetting(const char* installDir, int uiLanguage);

// Removes FILE_ATTRIBUTE_READONLY (clearReadOnly) and FILE_ATTRIBUTE_HIDDEN
// (clearHidden) from the file at path where present, in one write. Returns 1
// when something was removed, 0 when nothing needed removing or the
// attributes could not be read or written.
int ClearFileAttributes(const char* path, int clearReadOnly, int clearHidden);

#endif
