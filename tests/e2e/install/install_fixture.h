// The fixture of the installation component tests: a folder of the test's
// own holding the installation folder and the redirected special folders, a
// request filled as the wizard would fill it, and a report that records the
// progress and the notices instead of showing them.
#ifndef LQ_TESTS_E2E_INSTALL_FIXTURE_H
#define LQ_TESTS_E2E_INSTALL_FIXTURE_H

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "install/installation_request.h"
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
    void ShowNotice(const char* chinese, const char* english) override;

    std::vector<int> progress;
    std::vector<size_t> shownAt;  // indices into progress
    std::vector<Notice> notices;
};

class InstallFixture : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs RunInstallation with request_ into a fresh report_.
    int Install();
    // Points request_ at folder as the installation folder.
    void UseInstallDir(const std::string& folder);

    std::string root_, install_, desktop_, programs_, startup_;
    InstallationRequest request_;
    RecordingReport report_;

private:
    std::unique_ptr<ShellFolderRedirect> redirect_;
};

#endif
