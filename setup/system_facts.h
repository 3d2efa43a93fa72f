// Reading the system facts that start-up needs: version, ANSI code page and
// default language. Sets NtPlatform, LegacyShell and DisplayLanguage.
#ifndef LQ_SETUP_SYSTEM_FACTS_H
#define LQ_SETUP_SYSTEM_FACTS_H

// 1 when the system's ANSI code page is a multi-byte code page, else 0.
int IsDbcsAnsiCodePage();

// Queries the system and sets NtPlatform, LegacyShell and DisplayLanguage.
void ReadSystemFacts();

#endif
