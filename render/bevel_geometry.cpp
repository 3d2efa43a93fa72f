#include "render/bevel_geometry.h"

namespace {

const int kRingInsets[] = {1, 2};
const int kPressedShiftX = 2;
const int kPressedShiftY = 1;
const int kFocusWidthDivisor = 10;
const int kFocusHeightDivisor = 8;

void AddLine(BevelLines* lines, BevelPen pen, int x0, int y0, int x1, int y1) {
    if (lines->count >= kMaxBevelSegments) return;
    lines->segment[lines->count++] = BevelSegment{pen, x0, y0, x1, y1};
}

void AddRing(BevelLines* lines, PixelRect r, int i, BevelPen light, BevelPen dark) {
    const int left = r.left + i, top = r.top + i;
    const int right = r.right - i - 1, bottom = r.bottom - i - 1;
    AddLine(lines, light, left, bottom, left, top);
    AddLine(lines, light, left, top, right, top);
    AddLine(lines, dark, right, top, right, bottom);
    AddLine(lines, dark, right, bottom, left, bottom);
}

// The frame closes on the outermost pixels; the second line doubles the
// bottom and right of ring 1 so the default button looks pressed into place.
void AddDefaultFrame(BevelLines* lines, PixelRect r, int scale) {
    for (int i = 0; i < scale; ++i) {
        const int left = r.left + i, top = r.top + i, right = r.right - i - 1, bottom = r.bottom - i - 1;
        AddLine(lines, kPenBlack, left, bottom, left, top);
        AddLine(lines, kPenBlack, left, top, right, top);
        AddLine(lines, kPenBlack, right, top, right, bottom);
        AddLine(lines, kPenBlack, right, bottom, left, bottom);
    }
    for (int i = scale; i < 2 * scale; ++i) {
        const int left = r.left + i, top = r.top + i, right = r.right - i - 1, bottom = r.bottom - i - 1;
        AddLine(lines, kPenBlack, left, bottom, right, bottom);
        AddLine(lines, kPenBlack, right, bottom, right, top);
    }
}

// The outermost top and left pixels keep the face colour.
void AddOuterEdge(BevelLines* lines, PixelRect r, int i, BevelPen dark) {
    const int top = r.top + i, right = r.right - i - 1, bottom = r.bottom - i - 1;
    AddLine(lines, dark, r.left + i + 1, bottom, right, bottom);
    AddLine(lines, dark, right, bottom, right, top);
}

}  // namespace

BevelLines BevelLinesFor(PixelRect item, int pressed, int isDefault, int scale) {
    const BevelPen light = pressed ? kPenShadow : kPenHighlight;
    const BevelPen dark = pressed ? kPenHighlight : kPenShadow;
    BevelLines lines = {};
    for (int inset : kRingInsets)
        for (int i = 0; i < scale; ++i) AddRing(&lines, item, inset * scale + i, light, dark);
    if (isDefault) {
        AddDefaultFrame(&lines, item, scale);
        return lines;
    }
    for (int i = 0; i < scale; ++i) AddOuterEdge(&lines, item, i, dark);
    return lines;
}

TextOrigin PlaceCaption(PixelRect item, int centred, int pressed, int textWidth, int textHeight, int scale) {
    TextOrigin origin = {item.left, item.top + (item.bottom - item.top - textHeight) / 2};
    if (centred) origin.x = item.left + (item.right - item.left - textWidth) / 2;
    if (!pressed) return origin;
    origin.x += kPressedShiftX * scale;
    origin.y += kPressedShiftY * scale;
    return origin;
}

PixelRect ShrinkForFocus(PixelRect item) {
    const int dx = (item.right - item.left) / kFocusWidthDivisor;
    const int dy = (item.bottom - item.top) / kFocusHeightDivisor;
    return PixelRect{item.left + dx, item.top + dy, item.right - dx, item.bottom - dy};
}
