// Which of the wizard's controls show on which page, and what becomes of
// Back. Owns the page table; the shell (show_page) applies it. Relies on the
// control ids of resources/resource_ids.h. Platform-free.
#ifndef LQ_SETUP_PAGE_TABLE_H
#define LQ_SETUP_PAGE_TABLE_H

// The three kinds of page. Page numbers 3 to 98 are the folder page again.
enum PageKind { kFolderPageKind, kLanguagePageKind, kLicencePageKind, kPageKindCount };

enum Visibility {
    kHidden,
    kShown,
    kShownWhenEnglish,  // shown while the licence language switch is checked
    kShownWhenChinese,  // shown while it is not
};

struct PageControl {
    int controlId;
    Visibility on[kPageKindCount];  // by PageKind
};

// The switch and the page groups, set before the licence texts are loaded.
extern const PageControl PageGroups[];
extern const int PageGroupCount;

// The two licence texts, set only once both are in place.
extern const PageControl LicenceTexts[];
extern const int LicenceTextCount;

// Page 1 is the language page, 2 the licence page, every other number the
// folder page.
PageKind PageKindOf(int page);

// 1 when the row's control shows on page; englishChecked: the licence
// language switch is checked.
int IsShownOn(const PageControl& row, int page, int englishChecked);

// 1 when showing page needs the licence texts.
int PageNeedsLicence(int page);

enum BackButtonAction { kBackKept, kBackShownEnabled, kBackHiddenDisabled };

// While the wizard walks its pages (WizardState 0 to 98), Back shows on every
// page but the first; after the installation has been asked for it stays as
// it is.
BackButtonAction BackButtonFor(int wizardState, int page);

#endif
