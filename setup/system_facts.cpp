#include "setup/system_facts.h"

#include <windows.h>

#include "setup/language_rule.h"
#include "setup/program_state.h"

int IsDbcsAnsiCodePage() {
    CPINFO info;
    BOOL ok = GetCPInfo(CP_ACP, &info);
    return IsMultiByteCharSize(ok ? 1 : 0, ok ? info.MaxCharSize : 0);
}

void ReadSystemFacts() {
    OSVERSIONINFOA version;
    ZeroMemory(&version, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    BOOL ok = GetVersionExA(&version);
    VersionFlags flags = VersionFlagsFor(ok ? 1 : 0, version.dwPlatformId, version.dwMajorVersion);
    NtPlatform = flags.ntPlatform;
    LegacyShell = flags.legacyShell;
    DisplayLanguage = DisplayLanguageFor(IsDbcsAnsiCodePage(), GetSystemDefaultLangID());
}
