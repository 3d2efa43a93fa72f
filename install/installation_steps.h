// The installation sequence as data: which PayloadTable entries are written
// when, when they are all put in place, where the progress bar stands after
// each stretch, and when the settings file and the shortcuts are made. run_installation carries the
// steps out; this module only says what they are. Platform-free.
#ifndef LQ_INSTALL_INSTALLATION_STEPS_H
#define LQ_INSTALL_INSTALLATION_STEPS_H

enum StepAction {
    kStepShowProgress,      // show the bar and set it to value
    kStepExtractThrough,    // write the next entries up to order value (1-based), beside their targets
    kStepSetProgress,       // set the bar to value
    kStepWriteSettings,     // record UiLanguage in the settings file
    kStepProgramGroup,      // the Start-menu group with its two shortcuts
    kStepDesktopShortcut,   // the desktop shortcut, when DesktopIconOption is set
    kStepStartupShortcut,   // the Startup shortcut, when AutoStartOption is set
    kStepPutFilesInPlace,   // every written entry replaces its target, or none does
};

struct InstallationStep {
    StepAction action;
    int value;  // a percentage, an entry order, or unused (0)
};

// kStepExtractThrough to this order writes the rest of the table, however
// long it is: every entry is installed.
const int kThroughLastEntry = -1;

extern const InstallationStep InstallationSteps[];
extern const int InstallationStepCount;

// The number of entries written once an extraction step up to order
// `through` is done, for a table of tableCount entries: through itself,
// limited to the table, or the whole table for kThroughLastEntry.
int ExtractionEnd(int through, int tableCount);

#endif
