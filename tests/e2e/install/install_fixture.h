// The fixture of the installation component tests: a folder of the test's
// own holding InstallDir and the redirected special folders, the MainDialog
// from template 114 with its progress bar recorded, and the program-wide
// values set as the wizard would set them.
#ifndef LQ_TESTS_E2E_INSTALL_FIXTURE_H
#define LQ_TESTS_E2E_INSTALL_FIXTURE_H

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "install_harness.h"

class InstallFixture : public testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Runs RunInstallation with the message boxes answered; their texts
    // land in boxes_.
    int Install();
    // Runs any operation with the message boxes answered the same way.
    template <typename Operation>
    int Answered(Operation operation) {
        MessageBoxAnswerer answerer;
        int result = operation();
        boxes_ = answerer.Stop();
        return result;
    }

    std::string root_, install_, desktop_, programs_, startup_;
    std::vector<MessageBoxAnswerer::Box> boxes_;

private:
    std::unique_ptr<ShellFolderRedirect> redirect_;
};

#endif
