#include "setup/licence_loader.h"

#include <zlib.h>

#include <cstdlib>
#include <cstring>

#include "base/payload_resource.h"
#include "render/control_text.h"
#include "resources/resource_ids.h"
#include "setup/licence_lines.h"
#include "setup/message_box.h"
#include "setup/messages.h"
#include "setup/program_state.h"

int LicenceLoaded = 0;

namespace {

// The list's items, zero-terminated one after the other, while it shows them.
char* LicenceItems = nullptr;

// Returns 1, or 0 when the text could not be placed (and the user was told why).
typedef int (*PlaceText)(HWND dialog, char* text);

void TellNoMemory(HWND dialog) {
    ShowMessageBox(kMessageNoMemoryChinese, kMessageNoMemoryEnglish, kMessageBoxOk, dialog);
}

// Adds item to the list, as the characters it draws where the system has
// Unicode windows, else as its bytes, with the item itself as the item's
// data. An item the list cannot take is left out; the others still show.
void AddItem(HWND list, const char* item) {
    WCHAR wide[kLicenceLineCapacity];
    LRESULT position = LB_ERR;
    if (NtPlatform && MixedTextToWide(item, wide, kLicenceLineCapacity))
        position = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide));
    if (position < 0) position = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    if (position >= 0)
        SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(item));
}

int FillChineseList(HWND dialog, char* text) {
    const char* lines[kLicenceMaxLines];
    const int count = SplitLicenceLines(text, lines, kLicenceMaxLines);
    const size_t bytes = LayOutLicenceItems(lines, count, nullptr, nullptr);
    char* items = static_cast<char*>(std::malloc(bytes ? bytes : 1));
    if (!items) {
        TellNoMemory(dialog);
        return 0;
    }
    int itemCount = 0;
    LayOutLicenceItems(lines, count, items, &itemCount);
    // The old items go only once the list no longer points at them.
    HWND list = GetDlgItem(dialog, IDC_LICENCE_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    ReleaseLicenceTexts();
    LicenceItems = items;
    for (int i = 0; i < itemCount; ++i) {
        AddItem(list, items);
        items += std::strlen(items) + 1;
    }
    // The first line is where reading starts: the arrow keys then move on
    // from it at once. The selection is not drawn.
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    return 1;
}

int SetEnglishText(HWND dialog, char* text) {
    SendMessageA(GetDlgItem(dialog, IDC_LICENCE_ENGLISH), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    return 1;
}

// Decompresses resource id into a buffer of its own, hands the text to place
// and frees the buffer. Returns 1, or 0 when the text could not be had.
int LoadText(HWND dialog, unsigned id, PlaceText place) {
    char* buffer = static_cast<char*>(std::malloc(kLicenceBufferSize));
    if (!buffer) {
        TellNoMemory(dialog);
        return 0;
    }
    unsigned long length = kLicenceBufferSize;
    const int loaded = DecompressPayloadResource(id, reinterpret_cast<unsigned char*>(buffer), &length) == Z_OK &&
                       TerminateLicenceText(buffer, kLicenceBufferSize, length) && place(dialog, buffer);
    std::free(buffer);
    return loaded;
}

}  // namespace

int LoadLicenceTexts(HWND dialog) {
    if (!LoadText(dialog, IDR_LICENCE_CHINESE, FillChineseList)) return 0;
    if (!LoadText(dialog, IDR_LICENCE_ENGLISH, SetEnglishText)) return 0;
    LicenceLoaded = 1;
    return 1;
}

void ReleaseLicenceTexts() {
    std::free(LicenceItems);
    LicenceItems = nullptr;
}
