#include "setup/licence_loader.h"

#include <zlib.h>

#include <cstdlib>

#include "base/payload_resource.h"
#include "resources/resource_ids.h"
#include "setup/licence_lines.h"
#include "setup/message_box.h"
#include "setup/messages.h"

int LicenceLoaded = 0;

namespace {

typedef void (*PlaceText)(HWND dialog, char* text);

void FillChineseList(HWND dialog, char* text) {
    HWND list = GetDlgItem(dialog, IDC_LICENCE_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    const char* lines[kLicenceMaxLines];
    const int count = SplitLicenceLines(text, lines, kLicenceMaxLines);
    // A line the list cannot take is left out; the others still show.
    for (int i = 0; i < count; ++i)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lines[i]));
}

void SetEnglishText(HWND dialog, char* text) {
    SendMessageA(GetDlgItem(dialog, IDC_LICENCE_ENGLISH), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// Decompresses resource id into a buffer of its own, hands the text to place
// and frees the buffer. Returns 1, or 0 when the text could not be had.
int LoadText(HWND dialog, unsigned id, PlaceText place) {
    char* buffer = static_cast<char*>(std::malloc(kLicenceBufferSize));
    if (!buffer) {
        ShowMessageBox(kMessageNoMemoryChinese, kMessageNoMemoryEnglish, kMessageBoxOk, dialog);
        return 0;
    }
    unsigned long length = kLicenceBufferSize;
    int loaded = DecompressPayloadResource(id, reinterpret_cast<unsigned char*>(buffer), &length) == Z_OK &&
                 TerminateLicenceText(buffer, kLicenceBufferSize, length);
    if (loaded) place(dialog, buffer);
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
