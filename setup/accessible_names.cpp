#include "setup/accessible_names.h"

#include "base/window_subclass.h"

#include "setup/control_names.h"
#include "setup/named_accessible.h"
#include "setup/program_state.h"

namespace {

// The path field, the two licence texts, the language list, the progress
// bar (the stand-in, then the real one) and the icon, with room to spare.
const int kNamedControlCapacity = 8;

struct NamedControl {
    HWND control;  // null: a free slot
    int controlId;
    WNDPROC previous;
};

NamedControl NamedControls[kNamedControlCapacity];

NamedControl* SlotOf(HWND control) {
    for (NamedControl& slot : NamedControls)
        if (slot.control == control) return &slot;
    return nullptr;
}

LRESULT CALLBACK NamedControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    NamedControl* slot = SlotOf(control);
    // Only named controls get this procedure; a miss would be a fault here.
    if (!slot) return DefWindowProcW(control, message, wParam, lParam);
    const WNDPROC previous = slot->previous;
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        const LRESULT answer =
            AnswerNamedClientObject(control, wParam, AccessibleNameOf(slot->controlId, WizardState));
        if (answer) return answer;
    }
    if (message == WM_NCDESTROY) {
        RestoreWindowProc(control, previous);
        *slot = NamedControl{nullptr, 0, nullptr};
    }
    return CallPreviousProc(previous, control, message, wParam, lParam);
}

void Name(HWND control, int controlId) {
    if (!control || SlotOf(control)) return;
    NamedControl* slot = SlotOf(nullptr);
    if (!slot) return;
    // No message reaches the new procedure before the slot is filled.
    const WNDPROC previous = SubclassWindow(control, NamedControlProc);
    if (previous) *slot = NamedControl{control, controlId, previous};
}

}  // namespace

void GiveAccessibleNames(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        if (AccessibleNameOf(id, WizardState)) Name(child, id);
    }
}
