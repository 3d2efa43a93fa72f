// The program's one message loop, with the Enter rule of the wizard.
#ifndef LQ_SETUP_MESSAGE_LOOP_H
#define LQ_SETUP_MESSAGE_LOOP_H

// Pumps messages for the thread until WizardState turns negative (tested
// before the first message and after each one) or a quit message arrives.
void RunMessageLoop();

#endif
