#include "setup/main_dialog.h"

#include "base/window_subclass.h"
#include "render/caption_table.h"
#include "render/control_text.h"
#include "render/glyph_atlas.h"
#include "render/glyph_scale.h"
#include "render/owner_draw.h"
#include "resources/resource_ids.h"
#include "setup/accessible_names.h"
#include "setup/folder_chooser.h"
#include "setup/folder_path_rule.h"
#include "setup/installation_run.h"
#include "setup/licence_loader.h"
#include "setup/named_accessible.h"
#include "setup/program_state.h"
#include "setup/show_page.h"
#include "setup/wizard_flow.h"

static_assert(kCaptionLicencePage == kWizardLicencePage,
              "the Next caption must follow the licence page's WizardState");

namespace {

const UINT kLicenceItemWidth = 1024;
const int kOptionBoxes[] = {IDC_DESKTOP_OPTION, IDC_AUTOSTART_OPTION};

// UiLanguage names, by value; the list offers the first three, in this order.
const char* const kLanguageNames[] = {"English", "Chinese(Simplified)", "Chinese(Traditional)", "German"};
const int kOfferedLanguages[] = {0, 1, 2};

// Set while a command is being handled. A command that arrives meanwhile
// comes from a nested loop (a message box, the chooser, the wait of the
// installation) or from a control hidden under the focus by ShowPage, and
// is dropped: the dialog takes no input while it is busy.
int HandlingCommand = 0;

// The option boxes stay standard check boxes; only their painting is ours.
// Both return the same button-class procedure, so one saved value serves both.
// Their texts become the captions they draw.
void SubclassOptionBoxes(HWND dialog) {
    for (int id : kOptionBoxes) {
        HWND box = GetDlgItem(dialog, id);
        SavedButtonProc = SubclassWindow(box, CheckBoxProc);
        SetControlText(box, OptionBoxCaption(id));
    }
}

// Proposes DefaultFolderName on the drive of the Windows directory. Without
// a Windows directory the field stays empty for the user to fill.
void FillPathField(HWND dialog) {
    char windowsDir[kPathCapacity];
    const UINT length = GetWindowsDirectoryA(windowsDir, kPathCapacity);
    if (length == 0 || length >= kPathCapacity) windowsDir[0] = '\0';
    char path[kPathCapacity];
    if (ComposeDefaultFolder(path, sizeof path, windowsDir, DefaultFolderName))
        SetDlgItemTextA(dialog, IDC_PATH_FIELD, path);
}

// Each entry carries its UiLanguage value as item data; the list is not
// sorted, so the positions follow kOfferedLanguages.
void FillLanguageList(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_LANGUAGE_LIST);
    for (int value : kOfferedLanguages) {
        const LPARAM name = reinterpret_cast<LPARAM>(kLanguageNames[value]);
        const LRESULT position = value == 0 ? SendMessageA(list, CB_INSERTSTRING, 0, name)
                                            : SendMessageA(list, CB_ADDSTRING, 0, name);
        if (position >= 0) SendMessageA(list, CB_SETITEMDATA, static_cast<WPARAM>(position), value);
    }
    SendMessageA(list, CB_SETCURSEL, 0, 0);
}

void OnInitDialog(HWND dialog) {
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon));
    SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon));
    FillPathField(dialog);
    CheckDlgButton(dialog, IDC_DESKTOP_OPTION, BST_CHECKED);
    HWND back = GetDlgItem(dialog, IDC_BACK);
    ShowWindow(back, SW_HIDE);
    EnableWindow(back, FALSE);
    FillLanguageList(dialog);
    SubclassOptionBoxes(dialog);
    // What a screen reader announces: the captions drawn, and names for the
    // controls that show values.
    LabelOwnerDrawnControls(dialog, WizardState);
    GiveAccessibleNames(dialog);
}

// The installation runs at most once: it always ends with WizardState -1.
void InstallIfFolderReady(HWND dialog) {
    if (!CheckInstallFolder(dialog)) return;
    RunInstallationWithReport(dialog);
}

void CarryOut(HWND dialog, const WizardMove& move) {
    if (move.checksLicenceSwitch) CheckDlgButton(dialog, IDC_LICENCE_SWITCH, BST_CHECKED);
    if (move.pageBefore != kNoPage) ShowPage(dialog, move.pageBefore);
    WizardState = move.newState;
    // The captions follow WizardState (Next's, on the licence page): their
    // texts, for a screen reader, follow them at once.
    LabelOwnerDrawnControls(dialog, WizardState);
    if (move.pageAfter != kNoPage) ShowPage(dialog, move.pageAfter);
    if (move.checksFolder) InstallIfFolderReady(dialog);
}

void OnCommand(HWND dialog, int id) {
    switch (id) {
    case IDC_NEXT:
        CarryOut(dialog, NextMove(WizardState));
        break;
    case IDC_BACK:
        CarryOut(dialog, BackMove(WizardState));
        break;
    case IDC_CANCEL:
        // No question asked: nothing has been written yet.
        CarryOut(dialog, CancelMove(WizardState));
        break;
    case IDC_BROWSE:
        BrowseForFolder(dialog);
        break;
    case IDC_DESKTOP_OPTION:
    case IDC_AUTOSTART_OPTION:
        // Every notification of a box (click, focus) repaints its state.
        InvalidateRect(GetDlgItem(dialog, id), nullptr, FALSE);
        break;
    case IDC_LICENCE_SWITCH:
        ShowPage(dialog, kWizardLicencePage);
        break;
    default:
        break;
    }
}

// The height of a line in the dialog's font, in which the list draws its
// single bytes; 0 when it cannot be measured.
int DialogFontHeight(HWND dialog) {
    HDC dc = GetDC(dialog);
    if (!dc) return 0;
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    HGDIOBJ previous = font ? SelectObject(dc, font) : nullptr;
    TEXTMETRICA metrics;
    const int height = GetTextMetricsA(dc, &metrics) ? metrics.tmHeight : 0;
    if (previous) SelectObject(dc, previous);
    ReleaseDC(dialog, dc);
    return height;
}

INT_PTR OnMeasureItem(HWND dialog, MEASUREITEMSTRUCT* item) {
    if (item->CtlID != IDC_LICENCE_LIST) return FALSE;
    item->itemWidth = kLicenceItemWidth;
    item->itemHeight = static_cast<UINT>(LicenceRowHeight(GlyphScale, DialogFontHeight(dialog)));
    return TRUE;
}

void OnDrawItem(HWND dialog, WPARAM id, DRAWITEMSTRUCT* item) {
    if (id == IDC_LICENCE_LIST)
        PaintLicenceItem(item, dialog);
    else
        PaintOwnerButton(item, WizardState, DefaultButtonId, nullptr);
}

}  // namespace

INT_PTR CALLBACK MainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitDialog(dialog);
        return TRUE;
    case WM_DRAWITEM:
        OnDrawItem(dialog, wParam, reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_MEASUREITEM:
        return OnMeasureItem(dialog, reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    case WM_DESTROY:
        // The controls go after their dialog: nothing paints or asks for
        // names any more.
        ReleaseLicenceTexts();
        EndNamedClientObjects();
        return FALSE;
    case WM_COMMAND:
        // The notification code is ignored: every notification acts as a click.
        if (HandlingCommand) return FALSE;
        HandlingCommand = 1;
        OnCommand(dialog, LOWORD(wParam));
        HandlingCommand = 0;
        return FALSE;
    default:
        return FALSE;
    }
}
