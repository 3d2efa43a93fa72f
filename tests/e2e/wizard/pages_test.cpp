// The wizard's pages under Wine, driven through the real installer: the
// folder page's defaults, Next and Back between the pages, the licence in
// both languages, the Enter key, and Cancel and the close box on every page.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wizard/wizard_driver.h"

using namespace wizard;

namespace {

const char* const kLanguages[] = {"English", "Chinese(Simplified)", "Chinese(Traditional)"};

class Pages : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(setup_.Start()) << SetupExecutablePath();
        dialog_ = setup_.WaitForWindow(kWizardCaption);
        ASSERT_NE(nullptr, dialog_) << "no wizard window";
    }
    // Next to the licence page, the language page in between.
    void GoToLicence() {
        ASSERT_TRUE(PressAndWaitForPage(dialog_, IDC_NEXT, 1));
        ASSERT_TRUE(PressAndWaitForPage(dialog_, IDC_NEXT, 2));
    }
    void Shoot(const char* name) {
        Sleep(300);  // let the page paint
        SavePng(CaptureWindow(dialog_), WorkFolder() + "\\" + name + ".png");
    }
    void CancelAndExpectExit() {
        ClickButton(dialog_, IDC_CANCEL);
        EXPECT_EQ(0, setup_.WaitForExit());
    }
    SetupProcess setup_;
    HWND dialog_ = nullptr;
};

TEST_F(Pages, FolderPageStartsWithItsDefaults) {
    EXPECT_EQ(0, VisiblePage(dialog_));
    EXPECT_EQ(WindowsDrive() + "\\LectorQuillery", TextOf(GetDlgItem(dialog_, IDC_PATH_FIELD)));
    EXPECT_TRUE(IsChecked(dialog_, IDC_DESKTOP_OPTION));
    EXPECT_FALSE(IsChecked(dialog_, IDC_AUTOSTART_OPTION));
    EXPECT_FALSE(IsShown(dialog_, IDC_BACK));
    EXPECT_FALSE(IsEnabled(dialog_, IDC_BACK));
    EXPECT_EQ(GetDlgItem(dialog_, IDC_PATH_FIELD), FocusOf(dialog_));
    HWND list = GetDlgItem(dialog_, IDC_LANGUAGE_LIST);
    ASSERT_EQ(3, SendMessageA(list, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(0, SendMessageA(list, CB_GETCURSEL, 0, 0));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(kLanguages[i], ListText(list, i, CB_GETLBTEXTLEN, CB_GETLBTEXT));
        EXPECT_EQ(i, SendMessageA(list, CB_GETITEMDATA, i, 0));
    }
    Shoot("folder-page");
    CancelAndExpectExit();
}

TEST_F(Pages, LicenceOpensInEnglishAndTheSwitchShowsEveryChineseLine) {
    ASSERT_NO_FATAL_FAILURE(GoToLicence());
    EXPECT_TRUE(IsChecked(dialog_, IDC_LICENCE_SWITCH));
    EXPECT_TRUE(IsShown(dialog_, IDC_LICENCE_ENGLISH));
    EXPECT_FALSE(IsShown(dialog_, IDC_LICENCE_LIST));
    EXPECT_TRUE(IsShown(dialog_, IDC_BACK));
    EXPECT_TRUE(IsEnabled(dialog_, IDC_BACK));
    EXPECT_EQ(ReadAll(PayloadFolder() + "\\license_en.txt"),
              LongTextOf(GetDlgItem(dialog_, IDC_LICENCE_ENGLISH)));
    Shoot("licence-english");

    ClickButton(dialog_, IDC_LICENCE_SWITCH);
    // The installer swaps the two controls one after the other: wait for both.
    ASSERT_TRUE(WaitUntil([&] { return IsShown(dialog_, IDC_LICENCE_LIST) && !IsShown(dialog_, IDC_LICENCE_ENGLISH); }));
    EXPECT_FALSE(IsChecked(dialog_, IDC_LICENCE_SWITCH));
    const std::vector<std::string> expected = SplitCrLf(ReadAll(PayloadFolder() + "\\license_cn.txt"));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(expected, ListBoxLines(GetDlgItem(dialog_, IDC_LICENCE_LIST), kGbkCodePage));
    Shoot("licence-chinese");

    ClickButton(dialog_, IDC_LICENCE_SWITCH);
    ASSERT_TRUE(WaitUntil([&] { return IsShown(dialog_, IDC_LICENCE_ENGLISH) && !IsShown(dialog_, IDC_LICENCE_LIST); }));
    // Showing the page again loads nothing twice.
    EXPECT_EQ(expected.size(), ListBoxLines(GetDlgItem(dialog_, IDC_LICENCE_LIST)).size());
    CancelAndExpectExit();
}

TEST_F(Pages, BackAndNextKeepTheLanguage) {
    ASSERT_TRUE(PressAndWaitForPage(dialog_, IDC_NEXT, 1));
    EXPECT_TRUE(IsShown(dialog_, IDC_LANGUAGE_LABEL));
    EXPECT_TRUE(IsShown(dialog_, IDC_BACK));
    HWND list = GetDlgItem(dialog_, IDC_LANGUAGE_LIST);
    SendMessageA(list, CB_SETCURSEL, 2, 0);
    Shoot("language-page");
    ASSERT_TRUE(PressAndWaitForPage(dialog_, IDC_BACK, 0));
    EXPECT_FALSE(IsShown(dialog_, IDC_BACK));
    EXPECT_FALSE(IsEnabled(dialog_, IDC_BACK));
    EXPECT_FALSE(IsShown(dialog_, IDC_LANGUAGE_LABEL));
    ASSERT_TRUE(PressAndWaitForPage(dialog_, IDC_NEXT, 1));
    EXPECT_EQ(2, SendMessageA(list, CB_GETCURSEL, 0, 0));
    // From the licence page back to the language page, with it still chosen.
    ASSERT_TRUE(PressAndWaitForPage(dialog_, IDC_NEXT, 2));
    ASSERT_TRUE(PressAndWaitForPage(dialog_, IDC_BACK, 1));
    EXPECT_EQ(2, SendMessageA(list, CB_GETCURSEL, 0, 0));
    EXPECT_FALSE(IsShown(dialog_, IDC_LICENCE_ENGLISH));
    CancelAndExpectExit();
}

TEST_F(Pages, EnterInThePathFieldActsAsNext) {
    FocusControl(dialog_, IDC_PATH_FIELD);
    PressKey(GetDlgItem(dialog_, IDC_PATH_FIELD), VK_RETURN);
    EXPECT_TRUE(WaitForPage(dialog_, 1));
    CancelAndExpectExit();
}

// Enter on the licence text acts as Agree/Install: with a path two levels
// below a missing folder, the folder check then says it cannot be made.
struct EnterCase {
    int focused;
    bool english;
};

class EnterOnLicence : public Pages, public testing::WithParamInterface<EnterCase> {};

TEST_P(EnterOnLicence, ActsAsAgreeInstall) {
    const std::string missing = WorkFolder() + "\\enter-missing";
    RemoveTree(missing);
    SetText(dialog_, IDC_PATH_FIELD, missing + "\\deeper");
    ASSERT_NO_FATAL_FAILURE(GoToLicence());
    if (!GetParam().english) {
        ClickButton(dialog_, IDC_LICENCE_SWITCH);
        ASSERT_TRUE(WaitUntil([&] { return IsShown(dialog_, IDC_LICENCE_LIST); }));
    }
    FocusControl(dialog_, GetParam().focused);
    ASSERT_EQ(GetDlgItem(dialog_, GetParam().focused), FocusOf(dialog_));
    PressKey(GetDlgItem(dialog_, GetParam().focused), VK_RETURN);
    HWND box = WaitForBox(setup_, nullptr);
    ASSERT_NE(nullptr, box) << "Enter did not start the folder check";
    EXPECT_EQ("Cannot create folder! Please check folder path.",
              TextOf(GetDlgItem(box, IDC_MB_ENGLISH_LINE)));
    ASSERT_TRUE(AnswerBox(box, IDC_MB_OK));
    EXPECT_FALSE(FolderExists(missing));
    CancelAndExpectExit();
}

INSTANTIATE_TEST_SUITE_P(Licence, EnterOnLicence,
                         testing::Values(EnterCase{IDC_LICENCE_ENGLISH, true},
                                         EnterCase{IDC_LICENCE_LIST, false}));

// Cancel and the close box end the wizard on every page, and nothing is
// written: the folder in the path field stays missing.
struct EndCase {
    int page;
    bool closeBox;
};

class EndOnPage : public Pages, public testing::WithParamInterface<EndCase> {};

TEST_P(EndOnPage, EndsWithExitCodeZeroAndWritesNothing) {
    const EndCase c = GetParam();
    const std::string folder =
        WorkFolder() + "\\end-" + std::to_string(c.page) + (c.closeBox ? "-close" : "-cancel");
    RemoveTree(folder);
    for (const std::string& package : PackageFolders()) RemoveTree(package);
    SetText(dialog_, IDC_PATH_FIELD, folder);
    for (int page = 1; page <= c.page; ++page) ASSERT_TRUE(PressAndWaitForPage(dialog_, IDC_NEXT, page));
    if (c.closeBox)
        RequestClose(dialog_);
    else
        ClickButton(dialog_, IDC_CANCEL);
    EXPECT_EQ(0, setup_.WaitForExit());
    EXPECT_FALSE(FolderExists(folder));
    EXPECT_TRUE(PackageFolders().empty());
}

INSTANTIATE_TEST_SUITE_P(EveryPage, EndOnPage,
                         testing::Values(EndCase{0, false}, EndCase{0, true}, EndCase{1, false},
                                         EndCase{1, true}, EndCase{2, false}, EndCase{2, true}));

}  // namespace
