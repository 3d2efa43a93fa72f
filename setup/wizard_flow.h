// What Next, Back and Cancel do in each WizardState: which page is shown,
// what the state becomes, and when the folder check takes over. Owns the
// WizardState values; the shell (main_dialog) carries the moves out.
// Platform-free.
#ifndef LQ_SETUP_WIZARD_FLOW_H
#define LQ_SETUP_WIZARD_FLOW_H

// WizardState values with a meaning of their own. 3 to 98 are the folder
// page reached with Back from kWizardInstallRequested.
const int kWizardQuit = -1;
const int kWizardFolderPage = 0;
const int kWizardLanguagePage = 1;
const int kWizardLicencePage = 2;
const int kWizardInstallRequested = 99;

// No page is shown in this step of a move.
const int kNoPage = -1;

// One move, carried out in field order.
struct WizardMove {
    int checksLicenceSwitch;  // 1: check the licence language switch first
    int pageBefore;           // page shown before the state changes, or kNoPage
    int newState;             // WizardState afterwards
    int pageAfter;            // page shown after the state changes, or kNoPage
    int checksFolder;         // 1: then the folder check and, if it passes, the run
};

// Next: 0 and 1 go one page on (1 starts the licence on its English text);
// 2 shows the licence page once more and asks for the installation (99);
// any state above 2 goes straight to the folder check. A negative state
// (quitting) does nothing.
WizardMove NextMove(int state);

// Back: any state above 0 goes one down and shows that page (99 -> 98 is the
// folder page, 3 -> 2 the licence page); 0 and below do nothing.
WizardMove BackMove(int state);

// Cancel (and the close box): quit from every state, with no page shown.
WizardMove CancelMove(int state);

#endif
