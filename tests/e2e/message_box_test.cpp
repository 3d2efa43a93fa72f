// The bilingual message box under Wine, shown by a component executable:
// which buttons show where, the box's size and place by the layout formulas
// with the real metrics, the Chinese line from the atlas, and which commands
// end it.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "driver/glyph_check.h"
#include "driver/screenshot.h"
#include "driver/setup_process.h"
#include "message_box_texts.h"
#include "render/mixed_text_walk.h"
#include "setup/message_box_layout.h"
#include "wizard/wizard_driver.h"

namespace {

const char kBoxCaption[] = "Velquora Install Message";
const int kButtonIds[] = {1, 2, 6, 7};
const int kChineseLine = 1013, kEnglishLine = 1028;

RECT ClientRectIn(HWND parent, HWND child) {
    RECT r;
    GetClientRect(child, &r);
    MapWindowPoints(child, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int SystemFontWidth(void*, char byte, int* width) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SIZE size;
    BOOL ok = GetTextExtentPoint32A(dc, &byte, 1, &size);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    *width = size.cx;
    return ok ? 1 : 0;
}

SIZE EnglishExtent(const char* english) {
    SIZE size = {0, 0};
    if (!english) return size;
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    GetTextExtentPoint32A(dc, english, static_cast<int>(strlen(english)), &size);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return size;
}

class MessageBoxRun : public testing::Test {
protected:
    void Open(int kind, int text) {
        process_ = std::make_unique<SetupProcess>();
        ASSERT_TRUE(process_->StartWithArguments(wizard::MessageBoxComponentPath(), std::to_string(kind) + " " + std::to_string(text)));
        box_ = process_->WaitForWindow(kBoxCaption);
        ASSERT_NE(nullptr, box_);
        kind_ = kind;
        texts_ = kMessageBoxTexts[text];
    }
    // Pixels of the Chinese line's glyphs in image that differ from the
    // atlas, the line centred in its control.
    int ChineseLineMismatches(const Image& image) {
        RECT line = ClientRectIn(box_, GetDlgItem(box_, kChineseLine));
        int width = 16 * static_cast<int>(strlen(texts_.chinese) / 2);  // all two-byte codes
        int x = line.left + (line.right - line.left - width) / 2;
        int y = line.top + (line.bottom - line.top - 16) / 2;
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        int mismatches = 0;
        for (size_t k = 0; texts_.chinese[2 * k]; ++k) {
            unsigned code = (static_cast<unsigned char>(texts_.chinese[2 * k]) << 8) |
                            static_cast<unsigned char>(texts_.chinese[2 * k + 1]);
            mismatches += GlyphMismatches(image, x + 16 * static_cast<int>(k), y, code, RGB(0, 0, 0), face);
        }
        return mismatches;
    }
    // The box's client area once its Chinese line is drawn.
    Image DrawnBox() {
        return wizard::CaptureClientWhen(box_, [&](const Image& image) { return ChineseLineMismatches(image) == 0; });
    }
    MessageBoxLayout Expected() {
        MessageBoxMetrics m = {};
        m.kind = kind_;
        m.chineseBytes = static_cast<int>(strlen(texts_.chinese));
        m.chineseWidth = MeasureMixedWidth(texts_.chinese, SystemFontWidth, nullptr, 16);
        m.chineseHeight = 16;
        SIZE e = EnglishExtent(texts_.english);
        m.englishWidth = e.cx;
        m.englishHeight = e.cy;
        RECT button;
        GetClientRect(GetDlgItem(box_, kind_ == 4 ? 6 : 1), &button);
        m.buttonWidth = button.right;
        m.buttonHeight = button.bottom;
        m.dialogFrameWidth = GetSystemMetrics(SM_CXDLGFRAME);
        m.captionHeight = GetSystemMetrics(SM_CYCAPTION);
        m.screenWidth = GetSystemMetrics(SM_CXSCREEN);
        m.screenHeight = GetSystemMetrics(SM_CYSCREEN);
        return LayOutMessageBox(m);
    }
    int WaitForExit(DWORD timeoutMs = 20000) { return process_->WaitForExit(timeoutMs); }
    std::unique_ptr<SetupProcess> process_;
    HWND box_ = nullptr;
    int kind_ = 0;
    MessageBoxTexts texts_ = {};
};

struct KindCase {
    int kind, text;
    int first, second;  // visible buttons, second 0 for none
};

const KindCase kKinds[] = {{0, 0, 1, 0}, {1, 1, 1, 2}, {4, 2, 6, 7}, {2, 0, 1, 2}, {5, 2, 1, 2}};

TEST_F(MessageBoxRun, ButtonsSizeAndPlaceFollowTheLayout) {
    for (const KindCase& c : kKinds) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind);
        ASSERT_NO_FATAL_FAILURE(Open(c.kind, c.text));
        DrawnBox();  // for the screenshot
        SavePng(CaptureWindow(box_), WorkFolder() + "\\message-box-kind" + std::to_string(c.kind) + ".png");
        MessageBoxLayout l = Expected();
        RECT window;
        GetWindowRect(box_, &window);
        EXPECT_EQ(l.boxX, window.left);
        EXPECT_EQ(l.boxY, window.top);
        EXPECT_EQ(l.boxWidth, window.right - window.left);
        EXPECT_EQ(l.boxHeight, window.bottom - window.top);
        for (int id : kButtonIds) {
            bool shown = id == c.first || id == c.second;
            EXPECT_EQ(shown, IsWindowVisible(GetDlgItem(box_, id)) != 0) << "button " << id;
        }
        RECT first = ClientRectIn(box_, GetDlgItem(box_, c.first));
        EXPECT_EQ(l.firstX, first.left);
        EXPECT_EQ(l.firstY, first.top);
        if (c.second) {
            RECT second = ClientRectIn(box_, GetDlgItem(box_, c.second));
            EXPECT_EQ(l.secondX, second.left);
            EXPECT_EQ(l.secondY, second.top);
        }
        RECT chinese = ClientRectIn(box_, GetDlgItem(box_, kChineseLine));
        EXPECT_EQ(l.chineseY, chinese.top);
        EXPECT_EQ(l.chineseHeight, chinese.bottom - chinese.top);
        EXPECT_EQ(texts_.english != nullptr, IsWindowVisible(GetDlgItem(box_, kEnglishLine)) != 0);
        PostMessageA(box_, WM_COMMAND, static_cast<WPARAM>(c.first), 0);
        EXPECT_EQ(c.first, WaitForExit());
    }
}

TEST_F(MessageBoxRun, ChineseLineIsDrawnFromTheAtlasCentredInItsControl) {
    ASSERT_NO_FATAL_FAILURE(Open(0, 0));
    EXPECT_EQ(0, ChineseLineMismatches(DrawnBox()));
    // The close box of a box with OK alone answers OK.
    RequestClose(box_);
    EXPECT_EQ(1, WaitForExit());
}

TEST_F(MessageBoxRun, OnlyItsOwnButtonsAndCancelEndTheBox) {
    struct EndCase { int kind, text, command, result; };
    const EndCase cases[] = {{0, 0, 1, 1}, {1, 1, 2, 2}, {4, 2, 6, 6}, {4, 2, 7, 7}};
    for (const EndCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " command " << c.command);
        ASSERT_NO_FATAL_FAILURE(Open(c.kind, c.text));
        for (int ignored : {3, 4, 5, 0, 8})
            PostMessageA(box_, WM_COMMAND, static_cast<WPARAM>(ignored), 0);
        EXPECT_EQ(-1, WaitForExit(700)) << "a command other than 1, 2, 6, 7 ended the box";
        PostMessageA(box_, WM_COMMAND, static_cast<WPARAM>(c.command), 0);
        EXPECT_EQ(c.result, WaitForExit());
    }
}

// Enter presses the focused button, reached with Tab as a keyboard user
// does; Escape answers Cancel, or the only button, or No.
TEST_F(MessageBoxRun, KeysActAsInAnyWindowsDialog) {
    struct KeyCase { int kind, tabs; WPARAM key; int result; };
    const KeyCase cases[] = {{1, 0, VK_RETURN, 1}, {1, 1, VK_RETURN, 2}, {4, 0, VK_RETURN, 6},
                             {4, 1, VK_RETURN, 7}, {0, 0, VK_ESCAPE, 1}, {1, 0, VK_ESCAPE, 2},
                             {4, 0, VK_ESCAPE, 7}};
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " tabs " << c.tabs << " key " << c.key);
        ASSERT_NO_FATAL_FAILURE(Open(c.kind, c.kind == 4 ? 2 : 1));
        const int first = c.kind == 4 ? 6 : 1;
        HWND focus = wizard::FocusOf(box_);
        EXPECT_EQ(GetDlgItem(box_, first), focus) << "the first button starts with the focus";
        for (int i = 0; i < c.tabs; ++i) PressKey(focus, VK_TAB);
        if (c.tabs) {
            focus = GetDlgItem(box_, c.result);
            ASSERT_TRUE(wizard::WaitUntil([&] { return wizard::FocusOf(box_) == focus; }));
            SavePng(CaptureWindow(box_), WorkFolder() + "\\message-box-focus" + std::to_string(c.result) + ".png");
        }
        PressKey(focus, c.key);
        EXPECT_EQ(c.result, WaitForExit());
    }
}

}  // namespace
