// Compiled with a GBK execution character set: the Chinese literals below are
// stored as GBK bytes.
#include "setup/messages.h"

const char kMessageNoMemoryChinese[] = "内存不够。安装无法继续。";
const char kMessageNoMemoryEnglish[] = "Memory not enough!";
