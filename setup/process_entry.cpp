// The process's entry point for the installer and its start-up floor, in
// place of the C runtime's start-up code: it hands WinMain the module handle
// and ends the process with WinMain's result. Relies on msvcrt.dll setting
// itself up when it is loaded (the file streams and memory calls need
// nothing more) and on the program having no static constructors, no
// thread-local data and no runtime pseudo-relocations; the link checks the
// first and refuses the last (cmake/windows_build.cmake).
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand);

// Named by the link's entry option. The programs read no command line and
// choose their own window placement, so neither is passed on.
extern "C" void ProcessEntry() {
    char noArguments[] = "";
    ExitProcess(static_cast<UINT>(WinMain(GetModuleHandleA(nullptr), nullptr, noArguments, SW_SHOWDEFAULT)));
}
