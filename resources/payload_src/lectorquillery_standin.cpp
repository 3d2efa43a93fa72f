// Stand-in for LectorQuillery.exe until the reading program itself is
// shipped: it proves the installed layout works by reading the interface
// language that setup recorded in QuilleryUI.ini next to the executable.

#include <windows.h>

#include <stdio.h>
#include <string.h>

static const char kIniName[] = "QuilleryUI.ini";
static const char kSection[] = "Config";
static const char kKey[] = "UILanguage";
static const char kTitle[] = "LectorQuillery";
static const int kNotSet = -1;  // shown when the key is missing

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH];
    DWORD len = GetModuleFileNameA(NULL, path, sizeof(path));
    if (len == 0 || len >= sizeof(path)) {
        MessageBoxA(NULL, "Cannot find the program folder.", kTitle, MB_OK | MB_ICONERROR);
        return 1;
    }
    // Replace the executable name with the ini name; GetPrivateProfile*
    // would otherwise look in the Windows folder.
    char *slash = strrchr(path, '\\');
    size_t dirLen = slash ? (size_t)(slash - path) + 1 : 0;
    if (dirLen + sizeof(kIniName) > sizeof(path)) {
        MessageBoxA(NULL, "Program path is too long.", kTitle, MB_OK | MB_ICONERROR);
        return 1;
    }
    snprintf(path + dirLen, sizeof(path) - dirLen, "%s", kIniName);

    int lang = (int)GetPrivateProfileIntA(kSection, kKey, kNotSet, path);

    char msg[MAX_PATH + 160];
    snprintf(msg, sizeof(msg),
             "This is the LectorQuillery stand-in program.\n\n"
             "%s in [%s] of\n%s\nis %d.",
             kKey, kSection, path, lang);
    MessageBoxA(NULL, msg, kTitle, MB_OK | MB_ICONINFORMATION);
    return 0;
}
