// What a screen reader hears, control by control, through the real
// installer: the Unicode window text of every control that draws text equals
// what it draws, and the MSAA name of every control equals what the page
// shows for it, page by page, in the Chinese licence item by item, and in
// the message boxes of an installation. Run by one ctest entry for each
// system code page (--expect-code-page=1252 or 936): the names must not
// depend on it. Prints the table it checks.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "render/caption_table.h"
#include "wizard/wizard_driver.h"

using namespace wizard;

namespace {

// Declared here: the import library's IID_IAccessible does not link statically.
const GUID kIidAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

const char kProductIconName[] = "《科沃笺》羽声读 LectorQuillery";
const char kEnglishLicenceName[] = "英文许可协议 English Licence Agreement";
const char kChineseLicenceName[] = "中文许可协议 Chinese Licence Agreement";
const char kProgressName[] = "安装进度 Installation Progress";
const char kNoFolderChinese[] = "无法建目录。请检查所列目录是否合法（注意：子目录只能在已存在的目录下建）。";
const char kNoFolderEnglish[] = "Cannot create folder! Please check folder path.";
const int kInstallRequested = 99;
const char kInstalledChinese[] = "祝贺您：安装顺利完成！";
const char kInstalledEnglish[] = "Congratulations! Installation Success!";
const char kSpeechOfferChinese[] = "下面安装微软的语音模块 SAPI5.1.(安装时最好有系统管理员权限)";
const char kSpeechOfferEnglish[] =
    "Now install speech module SAPI5.1 from Microsoft. (Install with Administrator Right is Recommended)";

// The first line of a text, for the printed table.
std::string FirstLine(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

std::string Utf8(const std::wstring& wide) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> text(static_cast<size_t>(bytes > 0 ? bytes : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, text.data(), static_cast<int>(text.size()), nullptr, nullptr);
    return text.data();
}

// The MSAA name of a window's client object, or a bracketed note of why
// there is none.
std::wstring AccessibleName(HWND window) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                          reinterpret_cast<void**>(&object))) ||
        !object)
        return L"[no object]";
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const HRESULT result = object->get_accName(self, &name);
    std::wstring text = result == S_OK && name ? std::wstring(name, SysStringLen(name)) : L"[no name]";
    if (name) SysFreeString(name);
    object->Release();
    return text;
}

// One control: what it draws (GBK; null for a control that shows a value,
// not a caption of its own) and what a screen reader must hear (GBK).
struct NameRow {
    int id;
    const char* drawn;
    const char* name;
};

NameRow Captioned(int id, int wizardState) {
    const char* caption = ChooseButtonCaption(id, wizardState).text;
    return NameRow{id, caption, caption};
}

NameRow OptionBox(int id) { return NameRow{id, OptionBoxCaption(id), OptionBoxCaption(id)}; }

NameRow Named(int id, const char* name) { return NameRow{id, nullptr, name}; }

// Checks each row's window text and name in dialog, printing them.
void ExpectNames(HWND dialog, const char* where, const std::vector<NameRow>& rows) {
    std::printf("-- %s\n", where);
    for (const NameRow& row : rows) {
        SCOPED_TRACE(testing::Message() << where << ", control " << row.id);
        HWND control = GetDlgItem(dialog, row.id);
        ASSERT_NE(nullptr, control);
        const std::wstring text = WideTextOf(control), name = AccessibleName(control);
        std::printf("%5d | drawn: %s | text: %s | name: %s\n", row.id,
                    row.drawn ? Utf8(FromGbk(row.drawn)).c_str() : "(value)", FirstLine(Utf8(text)).c_str(),
                    Utf8(name).c_str());
        if (row.drawn) EXPECT_EQ(Utf8(FromGbk(row.drawn)), Utf8(text));
        EXPECT_EQ(Utf8(FromGbk(row.name)), Utf8(name));
    }
}

class Names : public testing::Test {
protected:
    void SetUp() override {
        // As any screen reader: the objects of another process come through COM.
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        const int codePage = std::atoi(ArgumentValue("expect-code-page").c_str());
        ASSERT_EQ(static_cast<UINT>(codePage), GetACP()) << "the test runs on the wrong system";
        ASSERT_TRUE(setup_.Start()) << SetupExecutablePath();
        dialog_ = setup_.WaitForWindow(kWizardCaption);
        ASSERT_NE(nullptr, dialog_) << "no wizard window";
    }
    void TearDown() override { CoUninitialize(); }
    SetupProcess setup_;
    HWND dialog_ = nullptr;
};

TEST_F(Names, EveryControlIsHeardAsItIsDrawn) {
    const std::string target = WorkFolder() + "\\names-" + ArgumentValue("expect-code-page");
    RemoveTree(target);
    // A folder below a missing one: the first Agree/Install is refused.
    SetText(dialog_, IDC_PATH_FIELD, target + "\\missing\\deeper");
    const char* pathLabel = ChooseButtonCaption(IDC_PATH_LABEL, 0).text;
    const char* languageLabel = ChooseButtonCaption(IDC_LANGUAGE_LABEL, 1).text;
    ExpectNames(dialog_, "folder page",
                {Named(IDC_PATH_FIELD, pathLabel), Captioned(IDC_PATH_LABEL, 0), Captioned(IDC_BROWSE, 0),
                 OptionBox(IDC_DESKTOP_OPTION), OptionBox(IDC_AUTOSTART_OPTION), Captioned(IDC_NEXT, 0),
                 Captioned(IDC_CANCEL, 0), Captioned(IDC_PANEL_PRODUCT, 0), Captioned(IDC_PANEL_EDITION, 0),
                 Captioned(IDC_PANEL_SETUP, 0), Named(IDC_PANEL_ICON, kProductIconName)});

    ASSERT_TRUE(PressAndWaitForPage(dialog_, IDC_NEXT, 1));
    ExpectNames(dialog_, "language page",
                {Captioned(IDC_LANGUAGE_LABEL, 1), Named(IDC_LANGUAGE_LIST, languageLabel), Captioned(IDC_NEXT, 1),
                 Captioned(IDC_BACK, 1)});

    ASSERT_TRUE(PressAndWaitForPage(dialog_, IDC_NEXT, 2));
    ExpectNames(dialog_, "licence page",
                {Captioned(IDC_NEXT, 2), NameRow{IDC_LICENCE_SWITCH, "English", "English"},
                 Named(IDC_LICENCE_ENGLISH, kEnglishLicenceName), Named(IDC_LICENCE_LIST, kChineseLicenceName)});

    // The Chinese licence, line by line as a screen reader reads the list.
    HWND list = GetDlgItem(dialog_, IDC_LICENCE_LIST);
    const std::vector<std::string> lines = ListBoxLines(list, kGbkCodePage);
    EXPECT_EQ(SplitCrLf(ReadAll(PayloadFolder() + "\\license_cn.txt")), lines);
    if (!lines.empty()) std::printf("licence line 1: %s\n", Utf8(FromGbk(lines[0].c_str())).c_str());

    // Back to the language page: Next reads Next again.
    ASSERT_TRUE(PressAndWaitForPage(dialog_, IDC_BACK, 1));
    ExpectNames(dialog_, "language page again", {Captioned(IDC_NEXT, 1)});
    ASSERT_TRUE(PressAndWaitForPage(dialog_, IDC_NEXT, 2));

    // The folder message, and Next on the licence page once it is closed.
    ClickButton(dialog_, IDC_NEXT);
    HWND box = WaitForBox(setup_, kNoFolderChinese);
    ASSERT_NE(nullptr, box) << "no folder message";
    ExpectNames(box, "folder message",
                {NameRow{IDC_MB_CHINESE_LINE, kNoFolderChinese, kNoFolderChinese},
                 NameRow{IDC_MB_ENGLISH_LINE, kNoFolderEnglish, kNoFolderEnglish}, Captioned(IDC_MB_OK, 0)});
    ASSERT_TRUE(AnswerBox(box, IDC_MB_OK));
    ExpectNames(dialog_, "licence page after the folder message", {Captioned(IDC_NEXT, kInstallRequested)});

    // An installation: the progress bar and the message boxes it ends with.
    SetText(dialog_, IDC_PATH_FIELD, target);
    ClickButton(dialog_, IDC_NEXT);
    box = WaitForBox(setup_, kInstalledChinese);
    ASSERT_NE(nullptr, box) << "no success message";
    ExpectNames(dialog_, "installation", {Named(IDC_PROGRESS, kProgressName)});
    ExpectNames(box, "success message",
                {NameRow{IDC_MB_CHINESE_LINE, kInstalledChinese, kInstalledChinese},
                 NameRow{IDC_MB_ENGLISH_LINE, kInstalledEnglish, kInstalledEnglish}, Captioned(IDC_MB_OK, 0)});
    ASSERT_TRUE(AnswerBox(box, IDC_MB_OK));
    box = WaitForBox(setup_, kSpeechOfferChinese);
    ASSERT_NE(nullptr, box) << "no speech-runtime offer";
    ExpectNames(box, "speech-runtime offer",
                {NameRow{IDC_MB_CHINESE_LINE, kSpeechOfferChinese, kSpeechOfferChinese},
                 NameRow{IDC_MB_ENGLISH_LINE, kSpeechOfferEnglish, kSpeechOfferEnglish}, Captioned(IDC_MB_OK, 0),
                 Captioned(IDC_MB_CANCEL, 0)});
    ASSERT_TRUE(AnswerBox(box, IDC_MB_CANCEL));
    EXPECT_EQ(0, setup_.WaitForExit());
}

}  // namespace
