// The texts of the messages the installation engine shows through its
// report: a Chinese line (GBK) and an English line each. The memory message
// is shown by the wizard as well.
#ifndef LQ_INSTALL_INSTALL_MESSAGES_H
#define LQ_INSTALL_INSTALL_MESSAGES_H

extern const char kMessageNoMemoryChinese[];
extern const char kMessageNoMemoryEnglish[];

// "%s" takes the full path of the group folder that could not be created.
extern const char kMessageNoGroupFolderChineseFormat[];
// The same without the path, for a path too long to be shown in it.
extern const char kMessageNoGroupFolderChineseShort[];
// "%s" takes the same path in the ANSI code page; the bare sentence below
// where that code page cannot spell it.
extern const char kMessageNoGroupFolderEnglishFormat[];
extern const char kMessageNoGroupFolderEnglish[];

extern const char kMessageNoStartMenuEntryChinese[];
extern const char kMessageNoStartMenuEntryEnglish[];

#endif
