#include "install_fixture.h"

#include <windows.h>

#include "driver/setup_process.h"
#include "install/payload_table.h"
#include "install/run_installation.h"

FolderState StateOf(const std::string& folder) {
    FolderState state;
    state.names = NamesIn(folder);
    for (const std::string& name : state.names) {
        state.bytes.push_back(ReadAll(folder + "\\" + name));
        state.attributes.push_back(AttributesOf(folder + "\\" + name));
    }
    return state;
}

void ExpectFolderAsBefore(const FolderState& before, const std::string& folder) {
    const FolderState after = StateOf(folder);
    ASSERT_EQ(before.names, after.names);
    for (size_t i = 0; i < before.names.size(); ++i) {
        EXPECT_TRUE(before.bytes[i] == after.bytes[i]) << before.names[i];
        EXPECT_EQ(before.attributes[i], after.attributes[i]) << before.names[i];
    }
}

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

InstallationOutcome InstallFixture::Install() {
    report_ = RecordingReport();
    return RunInstallation(request_, report_);
}

void InstallFixture::UseInstallDir(const std::string& folder) {
    install_ = folder;
    request_.installDir = install_.c_str();
}

FolderState InstallFixture::PlaceOlderInstallation() {
    for (int i = 0; i < PayloadTableCount; ++i) {
        const PayloadEntry& entry = PayloadTable[i];
        const std::string path = install_ + "\\" + entry.fileName;
        WriteAll(path, std::string("an older ") + entry.fileName);
        SetFileAttributesA(path.c_str(), (entry.readOnly ? FILE_ATTRIBUTE_READONLY : 0) |
                                             (entry.hidden ? FILE_ATTRIBUTE_HIDDEN : 0) | FILE_ATTRIBUTE_ARCHIVE);
    }
    return StateOf(install_);
}
