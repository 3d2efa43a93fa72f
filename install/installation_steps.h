// The installation sequence as data: which PayloadTable entries are written
// when (the settings file with the interface language recorded in it), when
// they are all put in place, where the progress bar stands after each
// stretch and how it moves within one, and when the shortcuts are made.
// run_installation carries the steps out; this module only says what they
// are. Platform-free.
#ifndef LQ_INSTALL_INSTALLATION_STEPS_H
#define LQ_INSTALL_INSTALLATION_STEPS_H

enum StepAction {
    kStepShowProgress,      // show the bar and set it to value
    kStepExtractThrough,    // write the next entries up to order value (1-based), beside their targets
    kStepSetProgress,       // set the bar to value
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

// The value of the first progress step after step index: where the bar
// stands once the stretch that step begins is over; 100 when none follows.
int StretchEndProgress(int index);

// Where the bar stands within a stretch from `from` to `to` percent once
// done of its total bytes are written: in proportion, but short of `to`,
// which the step after the stretch sets; `from` for an empty stretch.
int ProgressWithin(int from, int to, unsigned long long done, unsigned long long total);

#endif
