#include "render/owner_draw.h"

#include "base/window_subclass.h"

#include "render/caption_table.h"
#include "render/check_box_geometry.h"
#include "render/focus_frame.h"
#include "render/glyph_atlas.h"
#include "render/mixed_text.h"

// Shared by both option boxes: both are standard buttons, so subclassing
// either returns the same button-class procedure.
WNDPROC SavedButtonProc = nullptr;

namespace {

const int kCaptionCapacity = 128;
const int kWindowTextLimit = kCaptionCapacity - 1;

PixelRect ToPixelRect(const RECT& r) {
    return PixelRect{static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
                     static_cast<int>(r.bottom)};
}

RECT ToRect(const PixelRect& r) {
    RECT rect = {r.left, r.top, r.right, r.bottom};
    return rect;
}

// An indeterminate box draws as unchecked.
void DrawMark(HWND box, HDC dc, const CheckBoxLayout& layout) {
    UINT flags = layout.radioMark ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
    if (SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED) flags |= DFCS_CHECKED;
    if (!IsWindowEnabled(box)) flags |= DFCS_INACTIVE;
    RECT mark = ToRect(layout.mark);
    DrawFrameControl(dc, &mark, DFC_BUTTON, flags);
}

}  // namespace

void PaintCheckBox(HWND box, HDC dc) {
    RECT client;
    GetClientRect(box, &client);
    const CheckBoxLayout layout =
        LayOutCheckBox(ToPixelRect(client), static_cast<unsigned long>(GetWindowLongA(box, GWL_STYLE)), GlyphScale);
    const RECT face = ToRect(layout.face);
    FillRect(dc, &face, GetSysColorBrush(COLOR_BTNFACE));
    DrawMark(box, dc, layout);
    char buffer[kCaptionCapacity] = "";
    const char* caption = OptionBoxCaption(GetDlgCtrlID(box));
    if (!caption) {
        GetWindowTextA(box, buffer, kWindowTextLimit);
        caption = buffer;
    }
    const SIZE size = MeasureMixedText(dc, caption);
    DrawMixedText(dc, layout.labelX, layout.labelY, caption);
    if (GetFocus() != box) return;
    DrawFocusFrame(dc, ToRect(CheckBoxFocusRect(layout, size.cx, GlyphScale)));
}

// The button class keeps the state and behaviour; only the painting is ours.
LRESULT CALLBACK CheckBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(box, &paint);
        PaintCheckBox(box, dc);
        EndPaint(box, &paint);
        return 0;
    }
    // The press changes the system's own look; repaint ours over it.
    if (message == WM_LBUTTONDOWN) InvalidateRect(box, nullptr, TRUE);
    return CallPreviousProc(SavedButtonProc, box, message, wParam, lParam);
}
