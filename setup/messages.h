// The texts of the messages the program shows: a Chinese line (GBK) and an
// English line each.
#ifndef LQ_SETUP_MESSAGES_H
#define LQ_SETUP_MESSAGES_H

// The memory message (kMessageNoMemoryChinese, kMessageNoMemoryEnglish) is
// the installation engine's, shown by the wizard too.
#include "install/install_messages.h"

// The installation folder can be neither entered nor created. The English
// line is kMessageNoFolderEnglishFormat filled with kMessageNoFolderEnglishCause.
extern const char kMessageNoFolderChinese[];
extern const char kMessageNoFolderEnglishFormat[];
extern const char kMessageNoFolderEnglishCause[];

extern const char kMessageInstalledChinese[];
extern const char kMessageInstalledEnglish[];

// The question whether to install the speech runtime (OK and Cancel).
extern const char kMessageSpeechOfferChinese[];
extern const char kMessageSpeechOfferEnglish[];

extern const char kMessageInstallFailedChinese[];
extern const char kMessageInstallFailedEnglish[];

// The shell started nothing for the speech-runtime package.
extern const char kMessageSpeechNotOpenedChinese[];
extern const char kMessageSpeechNotOpenedEnglish[];

// The installation failed and a previous installation in the folder is not
// fully restored yet; another run of the installer completes it.
extern const char kMessageNotRestoredChinese[];
extern const char kMessageNotRestoredEnglish[];

#endif
