#include "setup/wizard_flow.h"

namespace {

WizardMove Stay(int state) { return WizardMove{0, kNoPage, state, kNoPage, 0}; }

}  // namespace

WizardMove NextMove(int state) {
    if (state < kWizardFolderPage) return Stay(state);
    if (state == kWizardFolderPage) return WizardMove{0, kNoPage, state + 1, state + 1, 0};
    // The licence always opens on its English text.
    if (state == kWizardLanguagePage) return WizardMove{1, kNoPage, state + 1, state + 1, 0};
    if (state == kWizardLicencePage)
        return WizardMove{0, kWizardLicencePage, kWizardInstallRequested, kNoPage, 1};
    // Back from a failed folder check: the earlier choices stand, so no page
    // is shown again.
    return WizardMove{0, kNoPage, state, kNoPage, 1};
}

WizardMove BackMove(int state) {
    if (state <= kWizardFolderPage) return Stay(state);
    return WizardMove{0, kNoPage, state - 1, state - 1, 0};
}

WizardMove CancelMove(int) { return WizardMove{0, kNoPage, kWizardQuit, kNoPage, 0}; }
