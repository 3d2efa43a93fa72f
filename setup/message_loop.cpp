#include "setup/message_loop.h"

#include <windows.h>

#include "setup/enter_rule.h"
#include "setup/program_state.h"

namespace {

const int kClassNameCapacity = 100;

// The command that Enter stands for, from the window with the keyboard focus.
EnterCommand EnterCommandForFocus() {
    HWND focus = GetFocus();
    char className[kClassNameCapacity];
    const char* focusedClass = nullptr;
    if (focus && GetClassNameA(focus, className, kClassNameCapacity) > 0) {
        className[kClassNameCapacity - 1] = '\0';
        focusedClass = className;
    }
    unsigned long style = focus ? static_cast<unsigned long>(GetWindowLongA(focus, GWL_STYLE)) : 0;
    int id = focus ? static_cast<int>(GetWindowLongA(focus, GWL_ID)) : 0;
    return DecideEnterCommand(focusedClass, style, id, DefaultButtonId);
}

// Returns 1 when the message was consumed by the Enter rule.
int ApplyEnterRule(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_RETURN) return 0;
    EnterCommand command = EnterCommandForFocus();
    PostMessageA(MainDialog, WM_COMMAND, static_cast<WPARAM>(command.commandId), 0);
    return command.consumesKey;
}

}  // namespace

void RunMessageLoop() {
    MSG message;
    while (WizardState >= 0) {
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
        if (ApplyEnterRule(message)) continue;
        if (IsDialogMessageA(MainDialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
