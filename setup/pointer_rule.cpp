#include "setup/pointer_rule.h"

int PointerTarget(const ScreenRect& rect, ScreenPoint pointer, ScreenPoint* target) {
    const int inside = pointer.x >= rect.left && pointer.x < rect.right && pointer.y >= rect.top &&
                       pointer.y < rect.bottom;
    if (inside) return 0;
    target->x = rect.left + (rect.right - rect.left) / 2;
    target->y = rect.top + (rect.bottom - rect.top) / 2;
    return 1;
}
