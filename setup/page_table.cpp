#include "setup/page_table.h"

#include "resources/resource_ids.h"
#include "setup/wizard_flow.h"

// Columns: folder page, language page, licence page.
const PageControl PageGroups[] = {
    {IDC_LICENCE_SWITCH, {kHidden, kHidden, kShown}},
    {IDC_DESKTOP_OPTION, {kShown, kHidden, kHidden}},
    {IDC_AUTOSTART_OPTION, {kShown, kHidden, kHidden}},
    {IDC_PATH_FIELD, {kShown, kHidden, kHidden}},
    {IDC_PATH_LABEL, {kShown, kHidden, kHidden}},
    {IDC_BROWSE, {kShown, kHidden, kHidden}},
    {IDC_LANGUAGE_LABEL, {kHidden, kShown, kHidden}},
    {IDC_LANGUAGE_LIST, {kHidden, kShown, kHidden}},
};
const int PageGroupCount = sizeof PageGroups / sizeof PageGroups[0];

const PageControl LicenceTexts[] = {
    {IDC_LICENCE_ENGLISH, {kHidden, kHidden, kShownWhenEnglish}},
    {IDC_LICENCE_LIST, {kHidden, kHidden, kShownWhenChinese}},
};
const int LicenceTextCount = sizeof LicenceTexts / sizeof LicenceTexts[0];

PageKind PageKindOf(int page) {
    if (page == kWizardLanguagePage) return kLanguagePageKind;
    if (page == kWizardLicencePage) return kLicencePageKind;
    return kFolderPageKind;
}

int IsShownOn(const PageControl& row, int page, int englishChecked) {
    switch (row.on[PageKindOf(page)]) {
    case kShown:
        return 1;
    case kShownWhenEnglish:
        return englishChecked ? 1 : 0;
    case kShownWhenChinese:
        return englishChecked ? 0 : 1;
    default:
        return 0;
    }
}

int PageNeedsLicence(int page) { return PageKindOf(page) == kLicencePageKind ? 1 : 0; }

BackButtonAction BackButtonFor(int wizardState, int page) {
    if (wizardState < kWizardFolderPage || wizardState >= kWizardInstallRequested) return kBackKept;
    return page == kWizardFolderPage ? kBackHiddenDisabled : kBackShownEnabled;
}
