#include "render/check_box_geometry.h"

#include <cstddef>

#include "render/atlas_format.h"

namespace {

const unsigned long kButtonTypeMask = 0xFF;
// BS_CHECKBOX, BS_AUTOCHECKBOX
const unsigned long kCheckBoxTypes[] = {2, 3};
// BS_RADIOBUTTON, BS_AUTORADIOBUTTON
const unsigned long kRadioTypes[] = {4, 9};
const int kFaceMargin = 2;
const int kLabelDrop = 1;  // below the client area's top, times the scale
const int kFocusMargin = 1;  // around the label, times the scale

template <size_t N>
int HasType(unsigned long style, const unsigned long (&types)[N]) {
    for (unsigned long type : types)
        if ((style & kButtonTypeMask) == type) return 1;
    return 0;
}

PixelRect Grow(PixelRect r, int by) { return PixelRect{r.left - by, r.top - by, r.right + by, r.bottom + by}; }

// The mark is fitted into the square at the face's left, nudged so that it
// lines up with the label's text.
PixelRect CheckMarkRect(PixelRect square, int h) {
    PixelRect mark = Grow(square, -(h / 4));
    mark.top -= 1;
    mark.left -= h / 8;
    mark.right -= h / 7;
    mark.bottom -= 3;
    return mark;
}

PixelRect RadioMarkRect(PixelRect square, int h) {
    PixelRect mark = Grow(square, -(h / 12));
    mark.left -= 1;
    mark.right -= h / 5;
    mark.top += 1;
    mark.bottom -= 2;
    return mark;
}

}  // namespace

CheckBoxLayout LayOutCheckBox(PixelRect client, unsigned long style, int scale) {
    CheckBoxLayout layout = {};
    layout.face = Grow(client, kFaceMargin);
    const int h = layout.face.bottom - layout.face.top;
    const PixelRect square = {layout.face.left, layout.face.top, layout.face.left + h,
                              layout.face.bottom};
    if (HasType(style, kCheckBoxTypes))
        layout.mark = CheckMarkRect(square, h);
    else
        layout.mark = RadioMarkRect(square, h);
    layout.radioMark = HasType(style, kRadioTypes);
    layout.labelX = 2 * layout.mark.right - layout.mark.left;
    layout.labelY = layout.face.top + kFaceMargin + kLabelDrop * scale;
    return layout;
}

PixelRect CheckBoxFocusRect(const CheckBoxLayout& layout, int labelWidth, int scale) {
    const int margin = kFocusMargin * scale;
    const PixelRect label = {layout.labelX, layout.labelY, layout.labelX + labelWidth + 2 * margin,
                             layout.labelY + kGlyphSize * scale + margin};
    return Grow(label, margin);
}
