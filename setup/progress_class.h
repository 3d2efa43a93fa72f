// Registering the progress-bar class ("msctls_progress32") that the wizard's
// template uses, before the wizard is created.
#ifndef LQ_SETUP_PROGRESS_CLASS_H
#define LQ_SETUP_PROGRESS_CLASS_H

// Loads the common-controls library from the system directory by its full
// path and registers the progress-bar class. Returns 1 on success, 0 when the
// library or its entry point is missing (the wizard then cannot be created).
int RegisterProgressBarClass();

#endif
