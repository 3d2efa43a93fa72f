// The texts of the messages the program shows: a Chinese line (GBK) and an
// English line each.
#ifndef LQ_SETUP_MESSAGES_H
#define LQ_SETUP_MESSAGES_H

extern const char kMessageNoMemoryChinese[];
extern const char kMessageNoMemoryEnglish[];

#endif
