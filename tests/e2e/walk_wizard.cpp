// The main job's walk through the installer: starts it, saves a screenshot
// of every screen it shows into the folder given as --shots=, ends it and
// prints what happened.
//   walk_wizard --setup=PATH --shots=FOLDER
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "driver/screenshot.h"
#include "driver/setup_process.h"
#include "resources/resource_ids.h"

namespace {

const DWORD kSettleMs = 800;  // time for the window to paint itself

std::string ShotsFolder(int argc, char** argv) {
    const char kPrefix[] = "--shots=";
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], kPrefix, sizeof kPrefix - 1) == 0)
            return ToWindowsPath(argv[i] + sizeof kPrefix - 1);
    return ".";
}

bool Shoot(HWND window, const std::string& folder, const char* name) {
    Sleep(kSettleMs);
    std::string path = folder + "\\" + name + ".png";
    bool saved = SavePng(CaptureWindow(window), path);
    std::printf("screenshot %s: %s\n", saved ? "saved" : "NOT saved", path.c_str());
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    ReadDriverArguments(&argc, argv);
    std::string shots = ShotsFolder(argc, argv);
    CreateDirectoryA(shots.c_str(), nullptr);  // may exist already
    SetupProcess setup;
    if (!setup.Start()) {
        std::printf("cannot start %s\n", SetupExecutablePath().c_str());
        return 1;
    }
    HWND wizard = setup.WaitForWindow("LectorQuillery Installer");
    if (!wizard) {
        std::printf("the wizard did not open\n");
        return 1;
    }
    std::printf("wizard open: \"LectorQuillery Installer\"\n");
    Shoot(wizard, shots, "01-folder-page");
    ClickButton(wizard, IDC_CANCEL);
    int code = setup.WaitForExit();
    std::printf("Cancel pressed; installer exit code: %d\n", code);
    return code == 0 ? 0 : 1;
}
