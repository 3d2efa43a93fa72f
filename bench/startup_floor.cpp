// The floor of the start-up benchmark: a Win32 program that only opens a
// window, built with the installer's own flags.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "StartupFloor";
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!RegisterClassA(&windowClass)) return 1;
    HWND window = CreateWindowA("StartupFloor", "Startup Floor", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                30, 14, 700, 380, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
