#include "install_fixture.h"

#include <windows.h>

#include "driver/setup_process.h"
#include "install/run_installation.h"

void RecordingReport::ShowProgress(int percent) {
    shownAt.push_back(progress.size());
    progress.push_back(percent);
}

void RecordingReport::SetProgress(int percent) { progress.push_back(percent); }

void RecordingReport::ShowNotice(const char* chinese, const char* english) {
    notices.push_back(Notice{chinese, english});
}

void InstallFixture::SetUp() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    root_ = WorkFolder() + "\\" + test->test_suite_name() + "." + test->name();
    for (char& c : root_)
        if (c == '/') c = '_';  // parameterised names
    RemoveTree(root_);
    CreateDirectoryA(root_.c_str(), nullptr);
    // Wine keeps the desktop's path once asked: one desktop for the whole run.
    desktop_ = WorkFolder() + "\\Desktop";
    RemoveTree(desktop_);
    programs_ = root_ + "\\Programs";
    startup_ = root_ + "\\Startup";
    UseInstallDir(root_ + "\\app");
    for (const std::string* folder : {&install_, &desktop_, &programs_, &startup_})
        CreateDirectoryA(folder->c_str(), nullptr);
    redirect_ = std::make_unique<ShellFolderRedirect>(programs_, startup_, desktop_);
    request_.uiLanguage = 1;
    request_.desktopIconOption = 1;
    request_.autoStartOption = 1;
    request_.ntPlatform = 1;
    request_.legacyShell = 0;
    request_.displayLanguage = 0;
}

void InstallFixture::TearDown() { redirect_.reset(); }

int InstallFixture::Install() {
    report_ = RecordingReport();
    return RunInstallation(request_, report_);
}

void InstallFixture::UseInstallDir(const std::string& folder) {
    install_ = folder;
    request_.installDir = install_.c_str();
}
