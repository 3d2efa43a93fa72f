#include "render/owner_draw.h"

#include "render/focus_frame.h"
#include "render/glyph_atlas.h"
#include "render/glyph_scale.h"
#include "render/mixed_text.h"
#include "resources/resource_ids.h"

namespace {

const COLORREF kBlack = RGB(0, 0, 0);

// Draws item index's line, kept by the program as the item's data, or
// nothing when the index is not in the list or the item has no line.
void DrawLicenceLine(HDC dc, RECT rect, HWND list, UINT index, ULONG_PTR line) {
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    // Unsigned, so an empty list's index of -1 is out of range.
    if (index >= static_cast<UINT>(count) || !line) return;
    const int margin = kLicenceRowMargin * GlyphScale;
    InflateRect(&rect, -margin, -margin);
    DrawMixedText(dc, rect.left, rect.top, reinterpret_cast<const char*>(line));
}

}  // namespace

// Selection is not shown; the focus is, around the line that has it, so a
// keyboard user sees where the list is read.
void PaintLicenceItem(const DRAWITEMSTRUCT* item, HWND dialog) {
    HDC dc = item->hDC;
    const int saved = SaveDC(dc);
    SetTextColor(dc, kBlack);
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    FillRect(dc, &item->rcItem, GetSysColorBrush(COLOR_WINDOW));
    DrawLicenceLine(dc, item->rcItem, GetDlgItem(dialog, IDC_LICENCE_LIST), item->itemID, item->itemData);
    if (item->itemState & ODS_FOCUS) DrawFocusFrame(dc, item->rcItem);
    RestoreDC(dc, saved);
}
