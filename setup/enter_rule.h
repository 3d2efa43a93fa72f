// What the Enter key means in the wizard's message loop. The wizard's buttons
// are owner-drawn, so the dialog has no default push button of its own.
// Platform-free.
#ifndef LQ_SETUP_ENTER_RULE_H
#define LQ_SETUP_ENTER_RULE_H

struct EnterCommand {
    int commandId;    // id to post to the MainDialog as WM_COMMAND
    int consumesKey;  // 1: the key message goes no further
};

// focusedClass: the class name of the window with the keyboard focus, or
// null when there is no focused window or its class could not be read.
// A focused button that is not a check box or radio button gives its own id
// and swallows the key; anything else gives defaultButtonId and lets the key
// go on to the dialog's own keyboard handling.
EnterCommand DecideEnterCommand(const char* focusedClass, unsigned long focusedStyle,
                                int focusedId, int defaultButtonId);

#endif
