#include "render/caption_table.h"

#include "resources/resource_ids.h"

namespace {

const CaptionLayout kLeftPlain = {0, 0};
const CaptionLayout kCentredPlain = {1, 0};
const CaptionLayout kCentredBevelled = {1, 1};

struct CaptionRow {
    int controlId;
    CaptionSource source;
    const char* text;
    CaptionLayout layout;
};

// Ids 2 and 1010 mean the same in every dialog that has them (1010 is
// owner-drawn only in the folder chooser).
const CaptionRow kCaptionRows[] = {
    {IDC_MB_OK, kCaptionFixed, "确认 OK", kCentredBevelled},
    {IDC_CANCEL, kCaptionFixed, "取消 Cancel", kCentredBevelled},
    {IDC_BACK, kCaptionFixed, "退一步 Back", kCentredBevelled},
    {IDC_MB_YES, kCaptionFixed, "是 Yes", kCentredBevelled},
    {IDC_MB_NO, kCaptionFixed, "否 No", kCentredBevelled},
    {IDC_NEXT, kCaptionFixed, "下一步 Next", kCentredBevelled},
    {IDC_BROWSE, kCaptionFixed, "改变 Browse ....", kCentredBevelled},
    {IDC_PATH_LABEL, kCaptionFixed, "安装路径： (Install Path)", kLeftPlain},
    {IDC_FC_DIRECTORIES_LABEL, kCaptionFixed, "路径 (Directories):", kLeftPlain},
    {IDC_PANEL_PRODUCT, kCaptionFixed, "《科沃笺》羽声读", kCentredPlain},
    {IDC_FC_DRIVES_LABEL, kCaptionFixed, "磁盘 (Drives):", kLeftPlain},
    {IDC_PANEL_EDITION, kCaptionFixed, "中文版", kCentredPlain},
    {IDC_PANEL_SETUP, kCaptionFixed, "安装程序", kCentredPlain},
    {IDC_MB_CHINESE_LINE, kCaptionGiven, nullptr, kCentredPlain},
    {IDC_LANGUAGE_LABEL, kCaptionFixed, "User Interface Language 用户界面语言", kCentredPlain},
    {IDC_PANEL_BLANK, kCaptionNothing, nullptr, kCentredPlain},
    {IDC_WAIT_LABEL, kCaptionFixed, "", kLeftPlain},
};

const CaptionRow kUnlistedControl = {0, kCaptionWindowText, nullptr, kCentredBevelled};

// Captions that replace a row's own while the licence page is shown.
struct LicencePageCaption {
    int controlId;
    const char* text;
};
const LicencePageCaption kLicencePageCaptions[] = {
    {IDC_NEXT, "同意/安装 Agree/Install"},
};

struct OptionBoxRow {
    int controlId;
    const char* text;
};
const OptionBoxRow kOptionBoxCaptions[] = {
    {IDC_DESKTOP_OPTION, "建立桌面图标？  (Place an icon on Desktop)"},
    {IDC_AUTOSTART_OPTION, "开机时自动启动？(Auto-start on boot)"},
};

const CaptionRow& FindRow(int controlId) {
    for (const CaptionRow& row : kCaptionRows)
        if (row.controlId == controlId) return row;
    return kUnlistedControl;
}

const char* LicencePageText(int controlId) {
    for (const LicencePageCaption& caption : kLicencePageCaptions)
        if (caption.controlId == controlId) return caption.text;
    return nullptr;
}

}  // namespace

CaptionLayout ButtonCaptionLayout(int controlId) { return FindRow(controlId).layout; }

ButtonCaption ChooseButtonCaption(int controlId, int wizardState) {
    const CaptionRow& row = FindRow(controlId);
    const char* licenceText = LicencePageText(controlId);
    if (wizardState == kCaptionLicencePage && licenceText)
        return ButtonCaption{kCaptionFixed, licenceText};
    return ButtonCaption{row.source, row.text};
}

const char* OptionBoxCaption(int controlId) {
    for (const OptionBoxRow& row : kOptionBoxCaptions)
        if (row.controlId == controlId) return row.text;
    return nullptr;
}
