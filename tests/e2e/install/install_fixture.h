// The fixture of the installation component tests: a folder of the test's
// own holding the installation folder and the redirected special folders, a
// request filled as the wizard would fill it, and a report that records the
// progress and the notices instead of showing them.
#ifndef LQ_TESTS_E2E_INSTALL_FIXTURE_H
#define LQ_TESTS_E2E_INSTALL_FIXTURE_H

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "install/installation_request.h"
#include "install/run_installation.h"
#include "install_harness.h"

struct Notice {
    std::string chinese, english;
};

// Records what the engine would show: every progress value in order (and at
// which of them the indicator was made visible) and every notice.
class RecordingReport : public InstallationReport {
public:
    void ShowProgress(int percent) override;
    void SetProgress(int percent) override;
    void MoveProgress(int percent) override { SetProgress(percent); }
    void ShowNotice(const char* chinese, const char* english) override;
    void Pulse() override { ++pulses; }

    std::vector<int> progress;
    std::vector<size_t> shownAt;  // indices into progress
    std::vector<Notice> notices;
    int pulses = 0;
};

// What a folder holds: each name with its bytes ("" for a folder) and
// attributes.
struct FolderState {
    std::vector<std::string> names;
    std::vector<std::string> bytes;
    std::vector<DWORD> attributes;
};
FolderState StateOf(const std::string& folder);
// folder holds exactly what it held in before, byte for byte, attribute for
// attribute.
void ExpectFolderAsBefore(const FolderState& before, const std::string& folder);

class InstallFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs RunInstallation with request_ into a fresh report_.
    InstallationOutcome Install();
    // Points request_ at folder as the installation folder.
    void UseInstallDir(const std::string& folder);
    // Fills the installation folder with an older version of every payload
    // file (other bytes, the entry's attributes) and returns its state.
    FolderState PlaceOlderInstallation();

    std::string root_, install_, desktop_, programs_, startup_;
    InstallationRequest request_;
    RecordingReport report_;

private:
    std::unique_ptr<ShellFolderRedirect> redirect_;
};

#endif
