// Compiled with a GBK execution character set: the Chinese literals below are
// stored as GBK bytes.
#include "setup/control_names.h"

#include "render/caption_table.h"
#include "resources/resource_ids.h"

namespace {

struct NameRow {
    int controlId;
    int labelId;       // the drawn label whose caption names the control, or 0
    const char* text;  // the name where there is no label
};

const NameRow kNameRows[] = {
    {IDC_PATH_FIELD, IDC_PATH_LABEL, nullptr},
    {IDC_LANGUAGE_LIST, IDC_LANGUAGE_LABEL, nullptr},
    {IDC_LICENCE_ENGLISH, 0, "英文许可协议 English Licence Agreement"},
    {IDC_LICENCE_LIST, 0, "中文许可协议 Chinese Licence Agreement"},
    {IDC_PROGRESS, 0, "安装进度 Installation Progress"},
    {IDC_PANEL_ICON, 0, "《科沃笺》羽声读 LectorQuillery"},
};

}  // namespace

const char* AccessibleNameOf(int controlId, int wizardState) {
    for (const NameRow& row : kNameRows) {
        if (row.controlId != controlId) continue;
        return row.labelId ? ChooseButtonCaption(row.labelId, wizardState).text : row.text;
    }
    return nullptr;
}
