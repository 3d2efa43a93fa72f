#include "render/caption_table.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const int kFolderPage = 0;
const int kLanguagePage = 1;
const int kLicencePage = 2;
const int kInstallRequested = 99;
const int kFolderPageAfterBack = 3;
const int kQuit = -1;

struct CaptionCase {
    int id;
    int wizardState;
    CaptionSource source;
    const char* text;  // null: no fixed text
    int centred;
    int bevelled;
};

TEST(CaptionTable, CaptionAndLayoutById) {
    const CaptionCase cases[] = {
        {1, kFolderPage, kCaptionFixed, "确认 OK", 1, 1},
        {2, kFolderPage, kCaptionFixed, "取消 Cancel", 1, 1},
        {3, kLanguagePage, kCaptionFixed, "退一步 Back", 1, 1},
        {6, kFolderPage, kCaptionFixed, "是 Yes", 1, 1},
        {7, kFolderPage, kCaptionFixed, "否 No", 1, 1},
        {1001, kFolderPage, kCaptionFixed, "下一步 Next", 1, 1},
        {1001, kLanguagePage, kCaptionFixed, "下一步 Next", 1, 1},
        {1001, kLicencePage, kCaptionFixed, "同意/安装 Agree/Install", 1, 1},
        {1001, kInstallRequested, kCaptionFixed, "下一步 Next", 1, 1},
        {1001, kFolderPageAfterBack, kCaptionFixed, "下一步 Next", 1, 1},
        {1001, kQuit, kCaptionFixed, "下一步 Next", 1, 1},
        {1003, kFolderPage, kCaptionFixed, "改变 Browse ....", 1, 1},
        {1006, kFolderPage, kCaptionFixed, "安装路径： (Install Path)", 0, 0},
        {1008, kFolderPage, kCaptionFixed, "路径 (Directories):", 0, 0},
        {1009, kFolderPage, kCaptionFixed, "《科沃笺》羽声读", 1, 0},
        {1010, kFolderPage, kCaptionFixed, "磁盘 (Drives):", 0, 0},
        {1011, kFolderPage, kCaptionFixed, "中文版", 1, 0},
        {1012, kFolderPage, kCaptionFixed, "安装程序", 1, 0},
        {1013, kFolderPage, kCaptionGiven, nullptr, 1, 0},
        {1017, kFolderPage, kCaptionFixed, "User Interface Language 用户界面语言", 1, 0},
        {1020, kFolderPage, kCaptionNothing, nullptr, 1, 0},
        {1021, kFolderPage, kCaptionFixed, "", 0, 0},
        {1021, kLicencePage, kCaptionFixed, "", 0, 0},
        {1019, kLicencePage, kCaptionWindowText, nullptr, 1, 1},
        {1004, kFolderPage, kCaptionWindowText, nullptr, 1, 1},
        {0, kFolderPage, kCaptionWindowText, nullptr, 1, 1},
        {-1, kFolderPage, kCaptionWindowText, nullptr, 1, 1},
    };
    for (const CaptionCase& c : cases) {
        ButtonCaption caption = ChooseButtonCaption(c.id, c.wizardState);
        CaptionLayout layout = ButtonCaptionLayout(c.id);
        EXPECT_EQ(c.source, caption.source) << c.id << " at " << c.wizardState;
        if (c.text)
            EXPECT_STREQ(c.text, caption.text) << c.id << " at " << c.wizardState;
        else
            EXPECT_EQ(nullptr, caption.text) << c.id << " at " << c.wizardState;
        EXPECT_EQ(c.centred, layout.centred) << c.id;
        EXPECT_EQ(c.bevelled, layout.bevelled) << c.id;
    }
}

TEST(CaptionTable, CaptionsAreStoredAsGbk) {
    EXPECT_STREQ("\xC8\xA1\xCF\xFB Cancel", ChooseButtonCaption(2, kFolderPage).text);
    EXPECT_STREQ("\xCF\xC2\xD2\xBB\xB2\xBD Next", ChooseButtonCaption(1001, kFolderPage).text);
}

TEST(CaptionTable, OptionBoxCaptions) {
    EXPECT_STREQ("建立桌面图标？  (Place an icon on Desktop)", OptionBoxCaption(1004));
    EXPECT_STREQ("开机时自动启动？(Auto-start on boot)", OptionBoxCaption(1005));
    EXPECT_EQ(nullptr, OptionBoxCaption(1001));
    EXPECT_EQ(nullptr, OptionBoxCaption(1010));
}

TEST(CaptionTable, DesktopOptionHasTwoBlanksAfterTheQuestionMark) {
    // The fullwidth question mark is GBK A3 BF.
    const char* caption = OptionBoxCaption(1004);
    const char* mark = std::strstr(caption, "\xA3\xBF");
    ASSERT_NE(nullptr, mark);
    EXPECT_EQ(0, std::strncmp(mark + 2, "  (Place", 8));
}

}  // namespace
