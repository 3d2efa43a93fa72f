// Geometry of an option check box painted by the program: the face it fills,
// the rectangle of the system-drawn mark, where the label goes and the focus
// rectangle around the label. Platform-free; relies on PixelRect of
// bevel_geometry.h.
#ifndef LQ_RENDER_CHECK_BOX_GEOMETRY_H
#define LQ_RENDER_CHECK_BOX_GEOMETRY_H

#include "render/bevel_geometry.h"

struct CheckBoxLayout {
    PixelRect face;  // the client area grown by 2 on every side
    PixelRect mark;  // where the check or radio mark is drawn
    int radioMark;   // 1: a radio mark, 0: a check mark
    int labelX;      // one mark-width right of the mark
    int labelY;      // one pixel (times the scale) below the client area's top
};

// client: the box's client rectangle; style: its window style, of which only
// the button type (low byte) counts; scale: the glyph scale. Check-box types
// get the check-box geometry; every other type the radio geometry, with a
// radio mark only for the radio types. The mark grows with the client area.
CheckBoxLayout LayOutCheckBox(PixelRect client, unsigned long style, int scale);

// The focus rectangle around a label of the given width at the layout's label
// position, clear of its text, 16 pixels high times the scale.
PixelRect CheckBoxFocusRect(const CheckBoxLayout& layout, int labelWidth, int scale);

#endif
