#include "setup/enter_rule.h"

#include <gtest/gtest.h>

namespace {

const int kNext = 1001;

struct EnterCase {
    const char* what;
    const char* className;  // null: no focus or class unreadable
    unsigned long style;
    int id;
    int command;
    int consumes;
};

TEST(EnterRule, DecidesCommandFromFocusedWindow) {
    const unsigned long kChild = 0x50000000;  // WS_CHILD | WS_VISIBLE in the high bits
    const EnterCase cases[] = {
        {"owner-drawn Back", "Button", kChild | 0x0B, 3, 3, 1},
        {"owner-drawn Cancel", "BUTTON", kChild | 0x0B, 2, 2, 1},
        {"push button", "button", kChild | 0x00, 7, 7, 1},
        {"default push button", "Button", kChild | 0x01, 1, 1, 1},
        {"group box counts as a button", "Button", kChild | 0x07, 8, 8, 1},
        {"check box", "Button", kChild | 0x02, 1004, kNext, 0},
        {"auto check box", "Button", kChild | 0x03, 1004, kNext, 0},
        {"radio", "Button", kChild | 0x04, 9, kNext, 0},
        {"3-state", "Button", kChild | 0x05, 9, kNext, 0},
        {"auto 3-state", "Button", kChild | 0x06, 9, kNext, 0},
        {"auto radio", "Button", kChild | 0x09, 9, kNext, 0},
        {"check box with notify flag", "Button", kChild | 0x4000 | 0x03, 1005, kNext, 0},
        {"path field", "Edit", kChild, 1002, kNext, 0},
        {"licence list", "ListBox", kChild, 1019, kNext, 0},
        {"language list", "ComboBox", kChild, 1018, kNext, 0},
        {"no focus", nullptr, 0, 0, kNext, 0},
        {"class prefix is not a match", "Buttons", kChild | 0x0B, 3, kNext, 0},
        {"empty class", "", kChild, 3, kNext, 0},
    };
    for (const EnterCase& c : cases) {
        EnterCommand command = DecideEnterCommand(c.className, c.style, c.id, kNext);
        EXPECT_EQ(c.command, command.commandId) << c.what;
        EXPECT_EQ(c.consumes, command.consumesKey) << c.what;
    }
}

}  // namespace
