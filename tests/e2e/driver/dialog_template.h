// Reading a dialog template out of an executable's resources, in both the
// standard and the extended form, so tests can compare it field by field.
#ifndef LQ_TESTS_DIALOG_TEMPLATE_H
#define LQ_TESTS_DIALOG_TEMPLATE_H

#include <windows.h>

#include <string>
#include <vector>

struct TemplateItem {
    int id = 0;
    std::string className;  // predefined classes by name: "Button", "Edit", ...
    std::string text;       // GBK, like the tests' literals; "#103" for an ordinal
    DWORD style = 0, exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
};

struct DialogTemplate {
    bool extended = false;
    DWORD style = 0, exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string caption, fontName;  // GBK
    int pointSize = 0, weight = 0, italic = 0, charset = 0;
    std::vector<TemplateItem> items;
};

// Loads template id from the executable at path; false when it is missing
// or malformed.
bool ReadDialogTemplate(const std::string& path, int id, DialogTemplate* out);

#endif
