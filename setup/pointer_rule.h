// Where the mouse pointer goes when the installation starts: into the middle
// of the wizard, so the wait cursor is seen. Platform-free.
#ifndef LQ_SETUP_POINTER_RULE_H
#define LQ_SETUP_POINTER_RULE_H

struct ScreenPoint {
    int x, y;
};

// A window rectangle; right and bottom lie just outside it.
struct ScreenRect {
    int left, top, right, bottom;
};

// When pointer lies outside rect, writes rect's centre (each half size
// truncated toward zero) into *target and returns 1; a pointer inside stays
// where it is (returns 0).
int PointerTarget(const ScreenRect& rect, ScreenPoint pointer, ScreenPoint* target);

#endif
