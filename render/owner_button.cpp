#include "render/owner_draw.h"

#include "render/bevel_geometry.h"
#include "render/caption_table.h"
#include "render/focus_frame.h"
#include "render/glyph_atlas.h"
#include "render/mixed_text.h"

namespace {

const int kCaptionCapacity = 128;
// The limit counts the terminator: at most 79 bytes of a control's own text.
const int kWindowTextLimit = 80;

PixelRect ToPixelRect(const RECT& r) {
    return PixelRect{static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
                     static_cast<int>(r.bottom)};
}

RECT ToRect(const PixelRect& r) {
    RECT rect = {r.left, r.top, r.right, r.bottom};
    return rect;
}

void DrawBevel(HDC dc, const RECT& rect, int pressed, int isDefault) {
    const BevelLines lines = BevelLinesFor(ToPixelRect(rect), pressed, isDefault, GlyphScale);
    HPEN highlight = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    const HGDIOBJ pens[] = {highlight, shadow, GetStockObject(BLACK_PEN)};  // BevelPen order
    HGDIOBJ previous = SelectObject(dc, highlight);
    for (int i = 0; i < lines.count; ++i) {
        const BevelSegment& s = lines.segment[i];
        SelectObject(dc, pens[s.pen]);
        MoveToEx(dc, s.x0, s.y0, nullptr);
        LineTo(dc, s.x1, s.y1);
    }
    SelectObject(dc, previous);
    DeleteObject(highlight);
    DeleteObject(shadow);
}

void DrawCaption(HDC dc, const RECT& rect, CaptionLayout layout, int pressed, const char* caption) {
    const SIZE size = MeasureMixedText(dc, caption);
    const TextOrigin origin = PlaceCaption(ToPixelRect(rect), layout.centred, pressed, size.cx, size.cy, GlyphScale);
    DrawMixedText(dc, origin.x, origin.y, caption);
}

// Returns 0 for a control that is not painted at all.
int PaintFace(const DRAWITEMSTRUCT* item, int wizardState, int defaultButtonId, const char* givenText) {
    const ButtonCaption chosen = ChooseButtonCaption(GetDlgCtrlID(item->hwndItem), wizardState);
    if (chosen.source == kCaptionNothing) return 0;
    char buffer[kCaptionCapacity] = "";
    const char* caption = chosen.text;
    if (chosen.source == kCaptionGiven) caption = givenText ? givenText : "";
    if (chosen.source == kCaptionWindowText) {
        GetWindowTextA(item->hwndItem, buffer, kWindowTextLimit);
        caption = buffer;
    }
    const int pressed = (item->itemState & ODS_SELECTED) != 0;
    const CaptionLayout layout = ButtonCaptionLayout(static_cast<int>(item->CtlID));
    FillRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (layout.bevelled)
        DrawBevel(item->hDC, item->rcItem, pressed, static_cast<int>(item->CtlID) == defaultButtonId);
    DrawCaption(item->hDC, item->rcItem, layout, pressed, caption);
    return 1;
}

}  // namespace

void PaintOwnerButton(DRAWITEMSTRUCT* item, int wizardState, int defaultButtonId, const char* givenText) {
    if (item->CtlType != ODT_BUTTON) return;
    if ((item->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) &&
        !PaintFace(item, wizardState, defaultButtonId, givenText))
        return;
    if (!(item->itemState & ODS_FOCUS)) return;
    // DrawFocusRect inverts, so a focus-only request toggles just this frame.
    item->rcItem = ToRect(ShrinkForFocus(ToPixelRect(item->rcItem)));
    DrawFocusFrame(item->hDC, item->rcItem);
}
