// Keeping the wizard answering while it is busy (the installation, its
// five-second floor): messages sent to its windows are answered and
// repaints go through, while whatever input arrives is thrown away, so the
// wizard stays drawn and responsive but takes no command until it is done.
#ifndef LQ_SETUP_BUSY_PUMP_H
#define LQ_SETUP_BUSY_PUMP_H

// Answers what is waiting, once: sent messages, pending repaints; drops
// keyboard and mouse input.
void AnswerWhileBusy();

#endif
