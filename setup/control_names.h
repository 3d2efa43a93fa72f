// What a screen reader announces for the controls that show a value, not a
// caption of their own (the path field, the licence texts, the language
// list, the progress bar), and for the program icon: bilingual, as the
// page shows them. A control with a drawn label is named by the label's
// caption. Owns that table; relies on the caption table and the control ids
// of resources/resource_ids.h. Platform-free.
#ifndef LQ_SETUP_CONTROL_NAMES_H
#define LQ_SETUP_CONTROL_NAMES_H

// The name of control controlId (a MixedText in GBK) at wizardState, or
// null for a control that is not in the table.
const char* AccessibleNameOf(int controlId, int wizardState);

#endif
