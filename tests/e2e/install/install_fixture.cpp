#include "install_fixture.h"

#include <windows.h>

#include <cstdio>

#include "driver/setup_process.h"
#include "install/run_installation.h"
#include "render/glyph_atlas.h"
#include "resources/resource_ids.h"
#include "setup/program_state.h"
#include "setup/progress_class.h"

namespace {

INT_PTR CALLBACK PassiveDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

void InstallFixture::SetUpTestSuite() {
    ProgramInstance = GetModuleHandleA(nullptr);
    ASSERT_EQ(1, RegisterProgressBarClass());
    // The message boxes draw their Chinese line from the atlas.
    if (!GlyphAtlas[0].dc) ASSERT_EQ(kAtlasLoaded, LoadGlyphAtlas());
}

void InstallFixture::SetUp() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    root_ = WorkFolder() + "\\" + test->test_suite_name() + "." + test->name();
    for (char& c : root_)
        if (c == '/') c = '_';  // parameterised names
    RemoveTree(root_);
    CreateDirectoryA(root_.c_str(), nullptr);
    install_ = root_ + "\\app";
    // Wine keeps the desktop's path once asked: one desktop for the whole run.
    desktop_ = WorkFolder() + "\\Desktop";
    RemoveTree(desktop_);
    programs_ = root_ + "\\Programs";
    startup_ = root_ + "\\Startup";
    for (const std::string* folder : {&install_, &desktop_, &programs_, &startup_})
        CreateDirectoryA(folder->c_str(), nullptr);
    redirect_ = std::make_unique<ShellFolderRedirect>(programs_, startup_, desktop_);

    std::snprintf(InstallDir, sizeof InstallDir, "%s", install_.c_str());
    UiLanguage = 1;
    DisplayLanguage = 0;
    DesktopIconOption = 1;
    AutoStartOption = 1;
    LegacyShell = 0;
    NtPlatform = 1;
    MainDialog = CreateDialogParamA(ProgramInstance, MAKEINTRESOURCEA(IDD_MAIN_DIALOG), nullptr,
                                    PassiveDialogProc, 0);
    ASSERT_NE(nullptr, MainDialog);
    RecordProgress(GetDlgItem(MainDialog, IDC_PROGRESS));
}

void InstallFixture::TearDown() {
    if (MainDialog) DestroyWindow(MainDialog);
    MainDialog = nullptr;
    redirect_.reset();
    LegacyShell = 0;
}

int InstallFixture::Install() {
    return Answered([] { return RunInstallation(); });
}
