// The folder chooser under Wine, opened with Browse in the real installer:
// where it opens, its bilingual captions, and what the path field reads
// after a folder, a drive root or nothing was chosen.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "wizard/wizard_driver.h"

using namespace wizard;

namespace {

const char kSubfolder[] = "pick";

std::string CharLowerCopy(std::string text) {
    CharLowerA(&text[0]);
    return text;
}

class Chooser : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(AtlasImage().empty()) << "no --atlas";
        start_ = WorkFolder() + "\\chooser-start";
        CreateDirectoryA(start_.c_str(), nullptr);  // may exist already
        CreateDirectoryA((start_ + "\\" + kSubfolder).c_str(), nullptr);
        // The chooser opens in the installer's current directory, which it
        // takes from this process.
        char previous[MAX_PATH] = "";
        GetCurrentDirectoryA(MAX_PATH, previous);
        ASSERT_TRUE(SetCurrentDirectoryA(start_.c_str()));
        const bool started = setup_.Start();
        SetCurrentDirectoryA(previous);
        ASSERT_TRUE(started);
        dialog_ = setup_.WaitForWindow(kWizardCaption);
        ASSERT_NE(nullptr, dialog_);
        path_ = TextOf(GetDlgItem(dialog_, IDC_PATH_FIELD));
    }
    void TearDown() override {
        if (!setup_.IsRunning()) return;
        ClickButton(dialog_, IDC_CANCEL);
        EXPECT_EQ(0, setup_.WaitForExit());
    }
    HWND OpenChooser() {
        ClickButton(dialog_, IDC_BROWSE);
        return WaitForChooser(dialog_);
    }
    // Presses one of the chooser's buttons and waits until it has closed.
    bool Close(HWND chooser, int id) {
        ClickButton(chooser, id);
        return WaitUntil([&] { return !IsWindow(chooser); });
    }
    // Gives one of the chooser's buttons the focus and presses Enter, as a
    // keyboard user does, and waits until the chooser has closed.
    bool CloseWithEnter(HWND chooser, int id) {
        HWND button = GetDlgItem(chooser, id);
        FocusControl(chooser, id);
        if (!WaitUntil([&] { return FocusOf(chooser) == button; })) return false;
        PressKey(button, VK_RETURN);
        return WaitUntil([&] { return !IsWindow(chooser); });
    }
    std::string PathField() { return TextOf(GetDlgItem(dialog_, IDC_PATH_FIELD)); }

    SetupProcess setup_;
    HWND dialog_ = nullptr;
    std::string start_, path_;
};

TEST_F(Chooser, OpensOnTheFolderListInTheCurrentDirectoryWithBilingualCaptions) {
    HWND chooser = OpenChooser();
    ASSERT_NE(nullptr, chooser);
    EXPECT_EQ(GetDlgItem(chooser, kChooserFolderList), FocusOf(chooser));
    const std::string shown = TextOf(GetDlgItem(chooser, kChooserCurrentFolder));
    EXPECT_NE(std::string::npos, CharLowerCopy(shown).find("chooser-start")) << shown;
    HWND cancel = GetDlgItem(chooser, IDCANCEL);
    EXPECT_EQ(BS_OWNERDRAW, GetWindowLongA(cancel, GWL_STYLE) & BS_TYPEMASK);
    struct Caption {
        int id;
        const char* gbk;
    };
    const Caption captions[] = {{IDCANCEL, "取消"}, {IDC_FC_DIRECTORIES_LABEL, "路径"}, {IDC_FC_DRIVES_LABEL, "磁盘"}};
    const auto shows = [&](const Image& shot, const Caption& c) {
        return ShowsGlyphs(shot, RectIn(chooser, c.id), c.gbk, 2);
    };
    const Image image = CaptureClientWhen(chooser, [&](const Image& shot) {
        for (const Caption& c : captions)
            if (!shows(shot, c)) return false;
        return true;
    });
    SavePng(image, WorkFolder() + "\\chooser.png");
    for (const Caption& c : captions) EXPECT_TRUE(shows(image, c)) << "control " << c.id;
    ASSERT_TRUE(Close(chooser, IDCANCEL));
    EXPECT_EQ(path_, PathField());
}

// Chosen with Enter on the focused OK.
TEST_F(Chooser, AChosenFolderGetsTheProductFolderBelowIt) {
    HWND chooser = OpenChooser();
    ASSERT_NE(nullptr, chooser);
    ASSERT_TRUE(OpenChooserEntry(chooser, std::string("[") + kSubfolder + "]"));
    ASSERT_TRUE(CloseWithEnter(chooser, IDOK));
    const std::string expected = start_ + "\\" + kSubfolder + "\\LectorQuillery";
    EXPECT_EQ(0, lstrcmpiA(expected.c_str(), PathField().c_str())) << PathField();
}

TEST_F(Chooser, ADriveRootGivesOneBackslash) {
    HWND chooser = OpenChooser();
    ASSERT_NE(nullptr, chooser);
    int levels = 0;
    while (OpenChooserEntry(chooser, "[..]")) ASSERT_LT(++levels, 64);
    ASSERT_GT(levels, 0);
    ASSERT_TRUE(Close(chooser, IDOK));
    const std::string expected = start_.substr(0, 2) + "\\LectorQuillery";
    EXPECT_EQ(0, lstrcmpiA(expected.c_str(), PathField().c_str())) << PathField();
}

TEST_F(Chooser, CancelLeavesThePathAsItWas) {
    HWND chooser = OpenChooser();
    ASSERT_NE(nullptr, chooser);
    ASSERT_TRUE(OpenChooserEntry(chooser, std::string("[") + kSubfolder + "]"));
    // Enter on the owner-drawn Cancel cancels; it does not choose.
    ASSERT_TRUE(CloseWithEnter(chooser, IDCANCEL));
    EXPECT_EQ(path_, PathField());
    // The wizard takes input again.
    EXPECT_TRUE(PressAndWaitForPage(dialog_, IDC_NEXT, 1));
}

}  // namespace
