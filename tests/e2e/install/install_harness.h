// What the installation component tests need around RunInstallation: a
// recording progress bar, special folders redirected into the test's own
// folder, reading links and files back, and the sample payload's paths.
#ifndef LQ_TESTS_E2E_INSTALL_HARNESS_H
#define LQ_TESTS_E2E_INSTALL_HARNESS_H

#include <windows.h>

#include <string>
#include <vector>

#include "driver/files.h"

// The value of an argument given as PREFIXvalue, such as --payload=DIR,
// --program=EXE, --uninstaller=EXE (Unix paths become Z: paths); "" when
// absent.
std::string CommandLineArgument(const char* prefix);

// The bytes an installed file must have: the sample file, or for the two
// programs the stand-ins they were packed from.
std::string ExpectedPayloadBytes(const std::string& fileName);

// Points the user's "Programs" and "StartUp" shell folders, and "Desktop"
// when given, at the given folders for its lifetime, so that shortcuts land
// in the test's folder rather than in the prefix's (whose desktop is the
// Unix home). Wine reads the desktop's path once per process, so only the
// first redirect of the desktop counts.
class ShellFolderRedirect {
public:
    ShellFolderRedirect(const std::string& programs, const std::string& startup,
                        const std::string& desktop = "");
    ~ShellFolderRedirect();
    ShellFolderRedirect(const ShellFolderRedirect&) = delete;
    ShellFolderRedirect& operator=(const ShellFolderRedirect&) = delete;

private:
    struct Saved {
        const char* name;
        std::string value;
        bool existed;
    };
    std::vector<Saved> saved_;
};

// Records every PBM_SETPOS the progress bar receives.
void RecordProgress(HWND bar);
std::vector<int> RecordedProgress();

// What a .lnk file holds, read back through the shell's wide link object,
// so that names the ANSI code page of this process cannot spell are read too.
struct LinkContents {
    bool loaded = false;
    std::wstring target, description, icon, workingDirectory;
    int iconIndex = -1;
};
LinkContents ReadLink(const std::wstring& linkPath);

// An ANSI string of this process's code page in UTF-16.
std::wstring Wide(const std::string& ansi);

#endif
