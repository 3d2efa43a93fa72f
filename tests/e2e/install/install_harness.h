// What the installation component tests need around RunInstallation: the
// MainDialog with a recording progress bar, special folders redirected into
// the test's own folder, a helper that answers the message boxes, reading
// links and files back, and the sample payload's paths.
#ifndef LQ_TESTS_E2E_INSTALL_HARNESS_H
#define LQ_TESTS_E2E_INSTALL_HARNESS_H

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
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

// Records every PBM_SETPOS the MainDialog's progress bar receives.
void RecordProgress(HWND bar);
std::vector<int> RecordedProgress();

// Answers every "Velquora Install Message" box of this process with OK from
// a second thread, recording the Chinese and English lines.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer();
    ~MessageBoxAnswerer();  // stops and joins
    struct Box {
        std::string chinese, english;
    };
    std::vector<Box> Stop();

private:
    void Run();
    std::atomic<bool> stop_{false};
    std::vector<Box> boxes_;
    std::thread thread_;
};

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
