// Compiled with a GBK execution character set: the Chinese literals below are
// stored as GBK bytes.
#include "install/install_messages.h"

const char kMessageNoMemoryChinese[] = "内存不够。安装无法继续。";
const char kMessageNoMemoryEnglish[] = "Memory not enough!";

const char kMessageNoGroupFolderChineseFormat[] = "无法建目录(%s)!";
const char kMessageNoGroupFolderChineseShort[] = "无法建目录!";
const char kMessageNoGroupFolderEnglish[] = "Cannot create folder!";
const char kMessageNoGroupFolderEnglishFormat[] = "Cannot create folder! %s";

const char kMessageNoStartMenuEntryChinese[] =
    "无法在 Start 菜单中为本程序建立一个条目。很抱歉，只好请您以后自已建立了。";
const char kMessageNoStartMenuEntryEnglish[] = "Failed to create an entry on Start Menu.";
