// Compiled with a GBK execution character set: the Chinese literals below are
// stored as GBK bytes.
#include "setup/messages.h"

const char kMessageNoFolderChinese[] =
    "无法建目录。请检查所列目录是否合法（注意：子目录只能在已存在的目录下建）。";
const char kMessageNoFolderEnglishFormat[] = "%s Please check folder path.";
const char kMessageNoFolderEnglishCause[] = "Cannot create folder!";

const char kMessageInstalledChinese[] = "祝贺您：安装顺利完成！";
const char kMessageInstalledEnglish[] = "Congratulations! Installation Success!";

const char kMessageSpeechOfferChinese[] = "下面安装微软的语音模块 SAPI5.1.(安装时最好有系统管理员权限)";
const char kMessageSpeechOfferEnglish[] =
    "Now install speech module SAPI5.1 from Microsoft. (Install with Administrator Right is "
    "Recommended)";

const char kMessageSpeechNotOpenedChinese[] = "无法打开语音模块的安装包。请您以后自己安装 SAPI5.1。";
const char kMessageSpeechNotOpenedEnglish[] =
    "The speech module package could not be opened. Please install SAPI5.1 yourself later.";

const char kMessageInstallFailedChinese[] = "安装失败！请检查一下系统后，再重新安装。谢谢！";
const char kMessageInstallFailedEnglish[] =
    "Installation failed. Please check your system (quit all Korvo applications) and try again.";

const char kMessageNotRestoredChinese[] = "安装失败！原有的安装尚未完全恢复。请退出 Korvo 程序后再运行一次安装程序。";
const char kMessageNotRestoredEnglish[] =
    "Installation failed: the previous installation is not fully restored yet. Quit Korvo applications and run the "
    "installer again.";
