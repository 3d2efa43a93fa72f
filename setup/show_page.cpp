#include "setup/show_page.h"

#include "resources/resource_ids.h"
#include "setup/licence_loader.h"
#include "setup/page_table.h"
#include "setup/program_state.h"

namespace {

void SetRows(HWND dialog, const PageControl* rows, int count, int page, int englishChecked) {
    for (int i = 0; i < count; ++i)
        ShowWindow(GetDlgItem(dialog, rows[i].controlId),
                   IsShownOn(rows[i], page, englishChecked) ? SW_SHOW : SW_HIDE);
}

void SetBackButton(HWND dialog, BackButtonAction action) {
    if (action == kBackKept) return;
    HWND back = GetDlgItem(dialog, IDC_BACK);
    const int shown = action == kBackShownEnabled;
    ShowWindow(back, shown ? SW_SHOW : SW_HIDE);
    EnableWindow(back, shown);
}

}  // namespace

void ShowPage(HWND dialog, int page) {
    // The switch is read only by the licence texts' rows.
    SetRows(dialog, PageGroups, PageGroupCount, page, 0);
    if (PageNeedsLicence(page) && !LicenceLoaded && !LoadLicenceTexts(dialog)) return;
    const int englishChecked = IsDlgButtonChecked(dialog, IDC_LICENCE_SWITCH) == BST_CHECKED;
    SetRows(dialog, LicenceTexts, LicenceTextCount, page, englishChecked);
    SetBackButton(dialog, BackButtonFor(WizardState, page));
    // The Next caption follows WizardState: every owner-drawn control is
    // drawn again, now.
    InvalidateRect(dialog, nullptr, TRUE);
    UpdateWindow(dialog);
}
