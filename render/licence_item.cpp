#include "render/owner_draw.h"

#include "base/carried_file_limits.h"
#include "render/mixed_text.h"
#include "resources/resource_ids.h"

namespace {

const int kLineMargin = 2;
const COLORREF kBlack = RGB(0, 0, 0);

// Draws item index's line, or nothing when the index is not in the list or
// the line would not fit the buffer.
void DrawLicenceLine(HDC dc, RECT rect, HWND list, UINT index) {
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    // Unsigned, so an empty list's index of -1 is out of range.
    if (index >= static_cast<UINT>(count)) return;
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, index, 0);
    if (length < 0 || length >= kLicenceLineCapacity) return;
    char line[kLicenceLineCapacity] = "";
    if (SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(line)) == LB_ERR) return;
    InflateRect(&rect, -kLineMargin, -kLineMargin);
    DrawMixedText(dc, rect.left, rect.top, line);
}

}  // namespace

// Selection and focus are not shown: every line is drawn the same way.
void PaintLicenceItem(const DRAWITEMSTRUCT* item, HWND dialog) {
    HDC dc = item->hDC;
    const int saved = SaveDC(dc);
    SetTextColor(dc, kBlack);
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    FillRect(dc, &item->rcItem, GetSysColorBrush(COLOR_WINDOW));
    DrawLicenceLine(dc, item->rcItem, GetDlgItem(dialog, IDC_LICENCE_LIST), item->itemID);
    RestoreDC(dc, saved);
}
