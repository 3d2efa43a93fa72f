// Switching the wizard's page: which controls show, the licence texts on the
// first visit to the licence page, Back, and the repaint. Relies on the page
// table (page_table), the licence loader and WizardState.
#ifndef LQ_SETUP_SHOW_PAGE_H
#define LQ_SETUP_SHOW_PAGE_H

#include <windows.h>

// Shows page (0 folder, 1 language, 2 licence, 3 to 98 folder again) in the
// MainDialog dialog. When the licence texts are needed and cannot be loaded,
// it stops after the page groups: the texts, Back and the repaint are left
// for the next visit, which tries the loading again.
void ShowPage(HWND dialog, int page);

#endif
