#include "setup/enter_rule.h"

namespace {

const char kButtonClass[] = "button";
const unsigned long kButtonTypeMask = 0xFF;
// BS_CHECKBOX, BS_AUTOCHECKBOX, BS_RADIOBUTTON, BS_3STATE, BS_AUTO3STATE,
// BS_AUTORADIOBUTTON: these toggle rather than act, so Enter does not press them.
const unsigned long kToggleTypes[] = {2, 3, 4, 5, 6, 9};

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

int EqualsIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (LowerAscii(*a) != LowerAscii(*b)) return 0;
    return *a == *b;
}

int IsToggleType(unsigned long style) {
    for (unsigned long type : kToggleTypes)
        if ((style & kButtonTypeMask) == type) return 1;
    return 0;
}

}  // namespace

EnterCommand DecideEnterCommand(const char* focusedClass, unsigned long focusedStyle,
                                int focusedId, int defaultButtonId) {
    if (focusedClass && EqualsIgnoringCase(focusedClass, kButtonClass) &&
        !IsToggleType(focusedStyle))
        return EnterCommand{focusedId, 1};
    return EnterCommand{defaultButtonId, 0};
}
