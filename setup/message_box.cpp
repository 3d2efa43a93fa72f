#include "setup/message_box.h"

#include "base/bounded_text.h"
#include <cstring>

#include "render/control_text.h"
#include "render/mixed_text.h"
#include "render/owner_draw.h"
#include "resources/resource_ids.h"
#include "setup/enter_presses_button.h"
#include "setup/message_box_layout.h"
#include "setup/program_state.h"

namespace {

const int kEnglishCapacity = 128;
// The button size used when the template lacks the first button.
const RECT kFallbackButton = {0, 0, 82, 12};

// Valid while one box is up; only one can be, on the one thread. The
// Chinese line is the caller's, which outlives the box.
int BoxKind = kMessageBoxOk;
char EnglishLine[kEnglishCapacity] = "";
const char* ChineseLine = "";

typedef SIZE (*MeasureLine)(HDC dc, const char* text);

SIZE MeasurePlainText(HDC dc, const char* text) {
    SIZE size = {0, 0};
    int length = static_cast<int>(std::strlen(text));
    if (length == 0 || !GetTextExtentPointA(dc, text, length, &size)) size = SIZE{0, 0};
    return size;
}

// A line as the layout has always measured it, in the context's default
// font, and in the box's font, in which its control draws it: the larger of
// the two, so that the box holds the line where the fonts differ (at a high
// DPI). At 96 DPI the default font is the wider one.
SIZE MeasureInBothFonts(HWND box, HDC dc, MeasureLine measure, const char* text) {
    SIZE size = measure(dc, text);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(box, WM_GETFONT, 0, 0));
    if (!font) return size;
    HGDIOBJ previous = SelectObject(dc, font);
    const SIZE drawn = measure(dc, text);
    SelectObject(dc, previous);
    if (drawn.cx > size.cx) size.cx = drawn.cx;
    if (drawn.cy > size.cy) size.cy = drawn.cy;
    return size;
}

MessageBoxMetrics Measure(HWND box, const char* chinese, int firstId) {
    MessageBoxMetrics m = {};
    m.kind = BoxKind;
    m.chineseBytes = static_cast<int>(std::strlen(chinese));
    HDC dc = GetDC(box);
    SIZE c = MeasureInBothFonts(box, dc, MeasureMixedText, chinese);
    SIZE e = MeasureInBothFonts(box, dc, MeasurePlainText, EnglishLine);
    ReleaseDC(box, dc);
    m.chineseWidth = c.cx;
    m.chineseHeight = c.cy;
    m.englishWidth = e.cx;
    m.englishHeight = e.cy;
    RECT button = kFallbackButton;
    HWND first = GetDlgItem(box, firstId);
    if (first) GetClientRect(first, &button);
    m.buttonWidth = button.right - button.left;
    m.buttonHeight = button.bottom - button.top;
    m.dialogFrameWidth = GetSystemMetrics(SM_CXDLGFRAME);
    m.captionHeight = GetSystemMetrics(SM_CYCAPTION);
    m.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    m.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    return m;
}

void PlaceButton(HWND box, int id, int x, int y, int width, int height) {
    HWND button = GetDlgItem(box, id);
    if (!button) return;
    ShowWindow(button, SW_SHOW);
    MoveWindow(button, x, y, width, height, TRUE);
}

void LayOut(HWND box, const char* chinese) {
    const int firstId = BoxKind == kMessageBoxYesNo ? IDC_MB_YES : IDC_MB_OK;
    MessageBoxMetrics m = Measure(box, chinese, firstId);
    MessageBoxLayout l = LayOutMessageBox(m);
    SetWindowPos(box, nullptr, l.boxX, l.boxY, l.boxWidth, l.boxHeight, SWP_NOZORDER);
    RECT client;
    GetClientRect(box, &client);
    PlaceButton(box, l.firstId, l.firstX, l.firstY, m.buttonWidth, m.buttonHeight);
    if (l.showsSecond)
        PlaceButton(box, l.secondId, l.secondX, l.secondY, m.buttonWidth, m.buttonHeight);
    // The painter draws the line from ChineseLine; the control's text is
    // what a screen reader reads, and so are the buttons' texts.
    LabelOwnerDrawnControls(box, WizardState);
    HWND chineseLine = GetDlgItem(box, IDC_MB_CHINESE_LINE);
    SetControlText(chineseLine, chinese);
    MoveWindow(chineseLine, client.left, l.chineseY, client.right, l.chineseHeight, TRUE);
    HWND englishLine = GetDlgItem(box, IDC_MB_ENGLISH_LINE);
    if (EnglishLine[0] == '\0') {
        ShowWindow(englishLine, SW_HIDE);
        return;
    }
    SetWindowTextA(englishLine, EnglishLine);
    MoveWindow(englishLine, client.left, l.englishY, client.right, l.englishHeight, TRUE);
}

const int kBoxButtons[] = {IDC_MB_OK, IDC_MB_CANCEL, IDC_MB_YES, IDC_MB_NO};

void LetEnterPressButtons(HWND box) {
    // A button that cannot be subclassed keeps the dialog manager's Enter.
    for (int id : kBoxButtons) LetEnterPressButton(GetDlgItem(box, id));
}

int EndsTheBox(int id) {
    for (int button : kBoxButtons)
        if (id == button) return 1;
    return 0;
}

// Escape and the close box send IDCANCEL. As in any Windows message box, it
// answers Cancel where the box has it, OK where OK is the only button; a
// Yes/No box takes it as No, the answer that declines.
int AnswerFor(int id) {
    if (id != IDC_MB_CANCEL) return id;
    if (BoxKind == kMessageBoxOk) return IDC_MB_OK;
    if (BoxKind == kMessageBoxYesNo) return IDC_MB_NO;
    return IDC_MB_CANCEL;
}

}  // namespace

int ShowMessageBox(const char* chinese, const char* english, int kind, HWND owner) {
    BoxKind = kind;
    // An over-long line is cut safely at the buffer's 127 bytes.
    CopyTextCut(EnglishLine, sizeof EnglishLine, english);
    ChineseLine = chinese ? chinese : "";
    return static_cast<int>(DialogBoxParamA(ProgramInstance, MAKEINTRESOURCEA(IDD_MESSAGE_BOX),
                                            owner, MessageBoxProc, reinterpret_cast<LPARAM>(ChineseLine)));
}

INT_PTR CALLBACK MessageBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        LayOut(box, reinterpret_cast<const char*>(lParam));
        LetEnterPressButtons(box);
        return TRUE;
    case WM_DRAWITEM:
        PaintOwnerButton(reinterpret_cast<DRAWITEMSTRUCT*>(lParam), WizardState, DefaultButtonId, ChineseLine);
        return TRUE;
    case WM_COMMAND:
        if (EndsTheBox(LOWORD(wParam))) EndDialog(box, AnswerFor(LOWORD(wParam)));
        return FALSE;
    default:
        return FALSE;
    }
}
