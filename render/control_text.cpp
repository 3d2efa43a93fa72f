#include "render/control_text.h"

#include "render/caption_table.h"
#include "render/mixed_text_walk.h"

namespace {

const UINT kGbkCodePage = 936;
const WCHAR kReplacementCharacter = 0xFFFD;
const int kClassNameCapacity = 16;

// The character a two-byte code is drawn as. A pair that GBK does not read
// as one character (a lead byte that ends the text takes the terminator as
// its trail) needs more room than one and fails, giving U+FFFD; a pair GBK
// leaves unassigned reads as the system's default character. No flag asks
// for invalid pairs to fail: older systems refuse it.
WCHAR GbkCharacter(unsigned code) {
    const char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
    WCHAR character = kReplacementCharacter;
    if (MultiByteToWideChar(kGbkCodePage, 0, bytes, 2, &character, 1) != 1) return kReplacementCharacter;
    return character;
}

int IsOwnerDrawnButton(HWND control) {
    char className[kClassNameCapacity] = "";
    if (!GetClassNameA(control, className, kClassNameCapacity) || lstrcmpiA(className, "Button") != 0) return 0;
    return (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}

}  // namespace

int MixedTextToWide(const char* text, WCHAR* wide, int capacity) {
    if (capacity < 1) return 0;
    wide[0] = L'\0';
    if (!IsValidCodePage(kGbkCodePage)) return 0;
    int length = 0;
    for (MixedChar c = ReadMixedChar(text); c.byteCount; c = ReadMixedChar(text)) {
        if (length + 1 >= capacity) {
            wide[0] = L'\0';
            return 0;
        }
        wide[length++] = c.isGlyph ? GbkCharacter(c.code) : static_cast<WCHAR>(c.code);
        text += c.byteCount;
    }
    wide[length] = L'\0';
    return 1;
}

void SetControlText(HWND control, const char* text) {
    WCHAR wide[kControlTextCapacity];
    WCHAR current[kControlTextCapacity] = L"";
    if (!MixedTextToWide(text, wide, kControlTextCapacity)) {
        SetWindowTextA(control, text);
        return;
    }
    // An unreadable text reads as "".
    GetWindowTextW(control, current, kControlTextCapacity);
    if (lstrcmpW(current, wide) == 0) return;
    // Without Unicode windows the call fails: the bytes then, as the system reads them.
    if (!SetWindowTextW(control, wide)) SetWindowTextA(control, text);
}

void LabelOwnerDrawnControls(HWND dialog, int wizardState) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsOwnerDrawnButton(child)) continue;
        const ButtonCaption caption = ChooseButtonCaption(GetDlgCtrlID(child), wizardState);
        if (caption.source == kCaptionFixed) SetControlText(child, caption.text);
    }
}
