// Stand-in for LectorQuilleryUnInstall.exe: gives the installed uninstall
// shortcut and the Add/Remove Programs entry something real to start.

#include <windows.h>

static const char kTitle[] = "LectorQuillery Uninstall";

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    MessageBoxA(NULL,
                "This is the LectorQuillery uninstaller stand-in.\n\n"
                "It does not remove anything.",
                kTitle, MB_OK | MB_ICONINFORMATION);
    return 0;
}
