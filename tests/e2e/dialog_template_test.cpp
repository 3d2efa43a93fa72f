// The three dialog templates as the installer carries them: form, styles,
// positions, sizes, texts and fonts, field by field.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "driver/dialog_template.h"
#include "driver/setup_process.h"

namespace {

const DWORD C = WS_CHILD, V = WS_VISIBLE, T = WS_TABSTOP, B = WS_BORDER;
const DWORD OD = BS_OWNERDRAW;
const DWORD kLicenceList = LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | WS_VSCROLL | WS_HSCROLL;
const DWORD kFileList = LBS_SORT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_DISABLENOSCROLL |
                        LBS_NOTIFY | WS_VSCROLL;

struct Item {
    int id;
    const char* cls;
    const char* text;
    DWORD style, exStyle;
    int x, y, cx, cy;
};

const Item kMainDialog[] = {
    {1002, "Edit", "", C | V | B | T | ES_AUTOHSCROLL, 0, 167, 43, 169, 12},
    {1010, "Button", "English", C | BS_AUTOCHECKBOX | BS_NOTIFY | T, 0, 160, 154, 141, 16},
    {1014, "Edit", "", C | ES_MULTILINE | ES_READONLY | WS_VSCROLL | B | T, 0, 141, 11, 296, 137},
    {1019, "ListBox", "", C | kLicenceList | B | T, 0, 136, 10, 316, 139},
    {1003, "Button", "改变 Browse ....", C | V | OD | T, 0, 338, 42, 76, 16},
    {1004, "Button", "建立桌面图标？  (Place an icon on Desktop)", C | V | BS_AUTOCHECKBOX | BS_NOTIFY | T, 0, 167, 80, 220, 16},
    {1005, "Button", "开机时自动启动？(Auto-start on boot)", C | V | BS_AUTOCHECKBOX | BS_NOTIFY | T, 0, 167, 104, 220, 16},
    {1006, "Button", "安装路径：", C | V | OD | WS_DISABLED, 0, 167, 22, 188, 16},
    {3, "Button", "&Back", C | V | OD | T, 0, 158, 176, 68, 16},
    {1001, "Button", "安装 Install", C | V | OD | T, 0, 234, 176, 106, 16},
    {2, "Button", "取消 Cancel", C | V | OD | T, 0, 348, 176, 68, 16},
    {166, "Static", "LectorQuillery", C | V | SS_CENTER | WS_GROUP, 0, 8, 123, 112, 8},
    {102, "Static", "#103", C | V | SS_ICON, WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE, 51, 16, 20, 20},
    {108, "Static", "", C | V | B, WS_EX_CLIENTEDGE | WS_EX_STATICEDGE, 130, 22, 1, 178},
    {169, "Static", "Installer", C | V | SS_CENTER | WS_GROUP, 0, 8, 135, 112, 8},
    {1009, "Button", nullptr, C | V | OD | WS_DISABLED, 0, 8, 62, 112, 16},
    {1011, "Button", "中文编辑", C | V | OD | WS_DISABLED, 0, 8, 80, 112, 16},
    {1012, "Button", "安装程序", C | V | OD | WS_DISABLED, 0, 8, 98, 112, 16},
    {1017, "Button", "User Interface Language 用户界面语言", C | OD | WS_DISABLED, 0, 155, 80, 230, 16},
    {1018, "ComboBox", "", C | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | WS_VSCROLL | B | T, 0, 170, 62, 228, 136},
    {1020, "Button", nullptr, C | V | OD | WS_DISABLED, 0, 8, 150, 112, 16},
    {1021, "Button", "Wait", C | OD | WS_DISABLED, 0, 142, 174, 181, 16},
    {172, "Static", nullptr, C | V | SS_CENTER | WS_GROUP, 0, 2, 205, 143, 8},
    {1026, "msctls_progress32", "Progress1", C | B | PBS_SMOOTH, 0, 150, 195, 294, 14},
};

const Item kMessageBox[] = {
    {1, "Button", "确认", C | T | OD, 0, 87, 64, 73, 18},
    {6, "Button", "是", C | T | OD, 0, 174, 64, 73, 18},
    {7, "Button", "否", C | T | OD, 0, 257, 66, 73, 18},
    {2, "Button", "取消", C | T | OD, 0, 6, 64, 73, 18},
    {1013, "Button", "", C | V | WS_DISABLED | OD, 0, 6, 4, 321, 24},
    {1028, "Static", "", C | V | SS_CENTER, 0, 6, 35, 87, 8},
};

const Item kFolderChooser[] = {
    {1090, "Static", "File &Name:", C, 0, 169, 103, 68, 9},
    {1152, "Edit", "", C | B | T | ES_AUTOHSCROLL | ES_OEMCONVERT, 0, 168, 99, 68, 12},
    {1120, "ListBox", "", C | kFileList | B | T, 0, 168, 89, 68, 17},
    {1088, "Static", "", C | V | SS_NOPREFIX, 0, 13, 23, 92, 9},
    {1121, "ListBox", "", C | V | kFileList | B | T, 0, 12, 36, 126, 129},
    {1089, "Static", "List Files of &Type:", C, 0, 167, 91, 68, 9},
    {1136, "ComboBox", "", C | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | WS_VSCROLL | B | T, 0, 167, 100, 68, 36},
    {1091, "Static", "Dri&ves:", C, 0, 158, 133, 64, 8},
    {1137, "ComboBox", "", C | V | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | CBS_SORT | CBS_AUTOHSCROLL | WS_VSCROLL | B | T, 0, 158, 142, 77, 68},
    {1, "Button", "&OK", C | V | BS_DEFPUSHBUTTON | WS_GROUP | T, 0, 160, 36, 76, 16},
    {2, "Button", "&Cancel", C | V | BS_PUSHBUTTON | WS_GROUP | T, 0, 160, 64, 76, 16},
    {1038, "Button", "&Help", C | BS_PUSHBUTTON | WS_GROUP | T, 0, 177, 97, 50, 14},
    {1040, "Button", "&Read Only", C | BS_AUTOCHECKBOX | WS_GROUP | T, 0, 179, 88, 50, 12},
    {1008, "Button", "路径 (Directories):", C | V | OD | WS_DISABLED, 0, 14, 3, 119, 16},
    {1010, "Button", "磁盘 (Drives):", C | V | OD | WS_DISABLED, 0, 158, 124, 77, 16},
    {-1, "Static", "&Directories:", C, 0, 13, 8, 92, 9},
};

template <size_t N>
void ExpectItems(const DialogTemplate& t, const Item (&expected)[N]) {
    ASSERT_EQ(N, t.items.size());
    for (size_t i = 0; i < N; ++i) {
        const Item& e = expected[i];
        const TemplateItem& a = t.items[i];
        SCOPED_TRACE(testing::Message() << "item " << i << " id " << e.id);
        EXPECT_EQ(e.id, a.id);
        EXPECT_STRCASEEQ(e.cls, a.className.c_str());
        if (e.text) EXPECT_EQ(e.text, a.text);
        EXPECT_EQ(e.style, a.style) << std::hex << (e.style ^ a.style);
        EXPECT_EQ(e.exStyle, a.exStyle);
        EXPECT_EQ(e.x, a.x);
        EXPECT_EQ(e.y, a.y);
        EXPECT_EQ(e.cx, a.cx);
        EXPECT_EQ(e.cy, a.cy);
    }
}

const DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

TEST(DialogTemplates, MainDialogIsExtendedWithTwentyFourControls) {
    DialogTemplate t;
    ASSERT_TRUE(ReadDialogTemplate(SetupExecutablePath(), 114, &t));
    EXPECT_TRUE(t.extended);
    EXPECT_EQ(kDialogStyle | WS_VISIBLE, t.style);
    EXPECT_EQ(0u, t.exStyle);
    EXPECT_EQ("LectorQuillery Installer", t.caption);
    EXPECT_EQ((std::vector<int>{30, 14, 455, 217}), (std::vector<int>{t.x, t.y, t.cx, t.cy}));
    EXPECT_EQ("MS Sans Serif", t.fontName);
    EXPECT_EQ(8, t.pointSize);
    EXPECT_EQ(0, t.weight);
    EXPECT_EQ(0, t.italic);
    EXPECT_EQ(1, t.charset);
    ExpectItems(t, kMainDialog);
}

TEST(DialogTemplates, MessageBox) {
    DialogTemplate t;
    ASSERT_TRUE(ReadDialogTemplate(SetupExecutablePath(), 112, &t));
    EXPECT_EQ(kDialogStyle | WS_VISIBLE, t.style);
    EXPECT_EQ("Velquora Install Message", t.caption);
    EXPECT_EQ((std::vector<int>{0, 0, 330, 85}), (std::vector<int>{t.x, t.y, t.cx, t.cy}));
    EXPECT_EQ("MS Sans Serif", t.fontName);
    EXPECT_EQ(8, t.pointSize);
    ExpectItems(t, kMessageBox);
}

TEST(DialogTemplates, FolderChooserIsStandardFormAndHidden) {
    DialogTemplate t;
    ASSERT_TRUE(ReadDialogTemplate(SetupExecutablePath(), 168, &t));
    EXPECT_FALSE(t.extended);
    EXPECT_EQ(kDialogStyle, t.style);
    EXPECT_EQ("Choose Destination Directory", t.caption);
    EXPECT_EQ((std::vector<int>{36, 24, 258, 182}), (std::vector<int>{t.x, t.y, t.cx, t.cy}));
    EXPECT_EQ("Helv", t.fontName);
    EXPECT_EQ(8, t.pointSize);
    ExpectItems(t, kFolderChooser);
}

}  // namespace
