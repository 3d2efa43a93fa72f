#include "setup/folder_chooser.h"

#include <commdlg.h>

#include "base/late_calls.h"
#include "render/control_text.h"
#include "render/owner_draw.h"
#include "resources/resource_ids.h"
#include "setup/enter_presses_button.h"
#include "setup/folder_path_rule.h"
#include "setup/program_state.h"

namespace {

// The common dialog's own ids in its non-Explorer form.
const int kFolderList = 1121;
const int kFileNameCapacity = 128;
const DWORD kChooserFlags =
    OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE | OFN_PATHMUSTEXIST;
static_assert(kChooserFlags == 0x86C, "the chooser runs without OFN_EXPLORER");

int IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) ? 1 : 0; }

// Drawn with its bilingual caption. Owner-drawn, it is no longer a push
// button to the dialog manager, so Enter on it is taught to press it rather
// than OK; should that fail, Enter there keeps the dialog manager's meaning.
void MakeCancelOwnerDrawn(HWND chooser) {
    HWND cancel = GetDlgItem(chooser, IDCANCEL);
    LONG_PTR style = GetWindowLongPtrA(cancel, GWL_STYLE);
    SetWindowLongPtrA(cancel, GWL_STYLE, style | BS_OWNERDRAW);
    LetEnterPressButton(cancel);
}

// Our bilingual captions; the lists and the drive box are the dialog's own.
int PaintsItem(WPARAM id) {
    return id == IDC_FC_DIRECTORIES_LABEL || id == IDC_FC_DRIVES_LABEL || id == IDCANCEL;
}

// The common dialog keeps the current directory on the folder the user has
// opened. FALSE lets the dialog handle OK itself when it cannot be read.
UINT_PTR TakeCurrentFolder(HWND chooser) {
    const DWORD length = GetCurrentDirectoryA(kPathCapacity, InstallDir);
    if (length == 0 || length >= kPathCapacity) return FALSE;
    DropTrailingBackslash(InstallDir, IsAnsiLeadByte);
    EndDialog(chooser, 1);
    return TRUE;
}

}  // namespace

UINT_PTR CALLBACK FolderChooserHook(HWND chooser, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        MakeCancelOwnerDrawn(chooser);
        LabelOwnerDrawnControls(chooser, WizardState);
        SetFocus(GetDlgItem(chooser, kFolderList));
        return TRUE;
    case WM_DRAWITEM:
        if (!PaintsItem(wParam)) return FALSE;
        PaintOwnerButton(reinterpret_cast<DRAWITEMSTRUCT*>(lParam), WizardState, DefaultButtonId, nullptr);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) != IDOK) return FALSE;
        return TakeCurrentFolder(chooser);
    default:
        return FALSE;
    }
}

void BrowseForFolder(HWND dialog) {
    char fileName[kFileNameCapacity] = "";
    OPENFILENAMEA chooser;
    ZeroMemory(&chooser, sizeof chooser);
    // The record without its later extension fields: the older dialog form.
    chooser.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    chooser.hwndOwner = dialog;
    // No instance: the template is taken from the program's own module.
    chooser.lpstrFile = fileName;
    chooser.nMaxFile = kFileNameCapacity;
    chooser.Flags = kChooserFlags;
    chooser.lpfnHook = FolderChooserHook;
    chooser.lpTemplateName = MAKEINTRESOURCEA(IDD_FOLDER_CHOOSER);
    if (!LateGetOpenFileNameA(&chooser)) return;
    char path[kPathCapacity];
    if (!ComposeChosenFolder(path, sizeof path, InstallDir, DefaultFolderName)) return;
    SetDlgItemTextA(dialog, IDC_PATH_FIELD, path);
}
