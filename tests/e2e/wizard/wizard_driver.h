// Driving the wizard's pages, message boxes and folder chooser from another
// process: waiting for windows and states by polling, reading controls and
// files, finding atlas glyphs on the screen. Shared by the wizard's
// end-to-end tests and the main job's walk. Relies on the e2e driver
// (setup_process, screenshot, glyph_check).
#ifndef LQ_TESTS_WIZARD_DRIVER_H
#define LQ_TESTS_WIZARD_DRIVER_H

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "driver/files.h"
#include "driver/glyph_check.h"
#include "driver/screenshot.h"
#include "driver/setup_process.h"
#include "resources/resource_ids.h"

namespace wizard {

const char kWizardCaption[] = "LectorQuillery Installer";
const char kBoxCaption[] = "Velquora Install Message";
const char kPackageName[] = "Sapi51forKorvo.msi";
// How the folders that runs make for the package in the temporary folder begin.
const char kPackageFolderPrefix[] = "LQSetup-";
const int kChooserFolderList = 1121;
const int kChooserCurrentFolder = 1088;
const DWORD kPollMs = 25;
const DWORD kWaitMs = 20000;
// The code page of the installer's own Chinese texts, whatever the system's.
const UINT kGbkCodePage = 936;

// Polls condition until it holds (true) or timeoutMs have passed (false).
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = kWaitMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(kPollMs);
    }
}

inline bool IsShown(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != 0; }
inline bool IsEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }
inline bool IsChecked(HWND dialog, int id) {
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// The page the wizard shows, from the controls that only that page shows:
// 0 folder, 1 language, 2 licence, -1 none or a mixture.
inline int VisiblePage(HWND dialog) {
    const bool folder = IsShown(dialog, IDC_PATH_FIELD);
    const bool language = IsShown(dialog, IDC_LANGUAGE_LIST);
    const bool licence = IsShown(dialog, IDC_LICENCE_SWITCH);
    if (folder + language + licence != 1) return -1;
    return folder ? 0 : language ? 1 : 2;
}

// Waits until the wizard shows page and has finished switching to it: the
// page's own controls change first, the licence texts, the Back button and
// the repaint after them, in the same command.
inline bool WaitForPage(HWND dialog, int page, DWORD timeoutMs = kWaitMs) {
    return WaitUntil([&] { return VisiblePage(dialog) == page; }, timeoutMs) &&
           WaitForMessageLoop(dialog, timeoutMs);
}

// The client area of window as soon as ready(image) holds, or the last
// capture after timeoutMs: a window paints a while after it changes, and the
// screen shows the paint a while later again.
template <typename Ready>
Image CaptureClientWhen(HWND window, Ready ready, DWORD timeoutMs = kWaitMs) {
    Image image;
    WaitUntil(
        [&] {
            image = CaptureClient(window);
            return ready(image);
        },
        timeoutMs);
    return image;
}

// The whole text of a window of another process, however long.
inline std::string LongTextOf(HWND window) {
    // The length counts the characters as the other side stores them.
    const int kBytesPerCharacter = 4;
    const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<char> text((static_cast<size_t>(length > 0 ? length : 0) + 1) * kBytesPerCharacter, '\0');
    SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

// A window's text as the window keeps it, in UTF-16.
inline std::wstring WideTextOf(HWND window) {
    const LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<wchar_t> text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

// The installer's GBK text in UTF-16.
inline std::wstring FromGbk(const char* gbk) {
    const int length = MultiByteToWideChar(kGbkCodePage, 0, gbk, -1, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(kGbkCodePage, 0, gbk, -1, wide.data(), static_cast<int>(wide.size()));
    return wide.data();
}

inline void SetText(HWND dialog, int id, const std::string& text) {
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// An entry of a list or combo box of another process, as bytes of codePage
// (the system's for the entries the installer adds as such, GBK for the
// Chinese licence). Wine hands such an entry across processes only in its
// UTF-16 form, so it is asked for that and turned back here.
inline std::string ListText(HWND list, int index, UINT lengthMessage, UINT textMessage, UINT codePage = CP_ACP) {
    const LRESULT length = SendMessageW(list, lengthMessage, static_cast<WPARAM>(index), 0);
    std::vector<wchar_t> wide(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    SendMessageW(list, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.data()));
    const int bytes = WideCharToMultiByte(codePage, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
    std::vector<char> text(static_cast<size_t>(bytes > 0 ? bytes : 1), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), -1, text.data(), static_cast<int>(text.size()), nullptr,
                        nullptr);
    return text.data();
}

// Every entry of a list box of another process, as bytes of codePage.
inline std::vector<std::string> ListBoxLines(HWND list, UINT codePage = CP_ACP) {
    std::vector<std::string> lines;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) lines.push_back(ListText(list, i, LB_GETTEXTLEN, LB_GETTEXT, codePage));
    return lines;
}

// The window with the keyboard focus in the thread that owns window.
inline HWND FocusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

struct BoxSearch {
    DWORD processId;
    const char* chinese;
    HWND found;
};

inline BOOL CALLBACK MatchBox(HWND window, LPARAM param) {
    BoxSearch* search = reinterpret_cast<BoxSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window) || TextOf(window) != kBoxCaption) return TRUE;
    if (search->chinese && WideTextOf(GetDlgItem(window, IDC_MB_CHINESE_LINE)) != FromGbk(search->chinese))
        return TRUE;
    search->found = window;
    return FALSE;
}

// The message box of the process showing the Chinese line chinese (any box
// when null), or null when none shows up in time.
inline HWND WaitForBox(const SetupProcess& process, const char* chinese, DWORD timeoutMs = kWaitMs) {
    BoxSearch search = {process.Id(), chinese, nullptr};
    WaitUntil(
        [&] {
            search.found = nullptr;
            EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr || !process.IsRunning();
        },
        timeoutMs);
    return search.found;
}

// Ends a message box with the button id, as pressing it does, and waits
// until it is gone.
inline bool AnswerBox(HWND box, int id) {
    PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(id), 0);
    return WaitUntil([&] { return !IsWindow(box); });
}

// Presses a button of the wizard and waits until the wizard shows page.
inline bool PressAndWaitForPage(HWND dialog, int buttonId, int page) {
    ClickButton(dialog, buttonId);
    return WaitForPage(dialog, page);
}

struct ChooserSearch {
    HWND owner;
    HWND found;
};

inline BOOL CALLBACK MatchChooser(HWND window, LPARAM param) {
    ChooserSearch* search = reinterpret_cast<ChooserSearch*>(param);
    if (GetWindow(window, GW_OWNER) != search->owner || !IsWindowVisible(window)) return TRUE;
    if (!GetDlgItem(window, kChooserFolderList)) return TRUE;
    search->found = window;
    return FALSE;
}

// The folder chooser owned by the wizard dialog, once its folder list is
// filled, or null. Found by its folder list, not by its caption: Wine's
// common dialog puts a caption of its own over the template's.
inline HWND WaitForChooser(HWND dialog, DWORD timeoutMs = kWaitMs) {
    ChooserSearch search = {dialog, nullptr};
    WaitUntil(
        [&] {
            search.found = nullptr;
            EnumWindows(MatchChooser, reinterpret_cast<LPARAM>(&search));
            return search.found &&
                   SendMessageA(GetDlgItem(search.found, kChooserFolderList), LB_GETCOUNT, 0, 0) > 0;
        },
        timeoutMs);
    return search.found;
}

// Opens a folder list entry of the chooser as a double click does ("[..]"
// for the parent, "[name]" for a subfolder; letter case ignored). Returns
// false when there is no such entry or the chooser's folder did not change.
inline bool OpenChooserEntry(HWND chooser, const std::string& entry) {
    HWND list = GetDlgItem(chooser, kChooserFolderList);
    std::vector<std::string> lines = ListBoxLines(list);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lstrcmpiA(lines[i].c_str(), entry.c_str()) != 0) continue;
        const std::string before = TextOf(GetDlgItem(chooser, kChooserCurrentFolder));
        SendMessageA(list, LB_SETCURSEL, i, 0);
        PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(kChooserFolderList, LBN_DBLCLK),
                     reinterpret_cast<LPARAM>(list));
        return WaitUntil([&] { return TextOf(GetDlgItem(chooser, kChooserCurrentFolder)) != before; });
    }
    return false;
}

// Where a control lies in its dialog's client area.
inline RECT RectIn(HWND dialog, int id) {
    RECT r;
    HWND control = GetDlgItem(dialog, id);
    GetClientRect(control, &r);
    MapWindowPoints(control, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// 1 when the first `glyphs` two-byte codes of gbk are drawn side by side
// from the atlas, black on the button face, somewhere inside area of image.
inline bool ShowsGlyphs(const Image& image, const RECT& area, const char* gbk, int glyphs) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF ink = RGB(0, 0, 0);
    auto code = [&](int k) {
        return (static_cast<unsigned>(static_cast<unsigned char>(gbk[2 * k])) << 8) |
               static_cast<unsigned char>(gbk[2 * k + 1]);
    };
    for (int y = area.top; y + 16 <= area.bottom; ++y)
        for (int x = area.left; x + 16 * glyphs <= area.right; ++x) {
            int k = 0;
            while (k < glyphs && GlyphMismatches(image, x + 16 * k, y, code(k), ink, face) == 0) ++k;
            if (k == glyphs) return true;
        }
    return false;
}

inline std::string TempFolder() {
    char path[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, path);
    return path;
}

// The folders that runs have made for the speech-runtime package in the
// temporary folder.
inline std::vector<std::string> PackageFolders() {
    std::vector<std::string> folders;
    for (const std::string& name : NamesIn(TempFolder()))
        if (name.rfind(kPackageFolderPrefix, 0) == 0) folders.push_back(TempFolder() + name);
    return folders;
}

inline std::string WindowsDrive() {
    char path[MAX_PATH] = "";
    GetWindowsDirectoryA(path, MAX_PATH);
    return std::string(1, path[0]) + ":";
}

// The value of a --name=VALUE argument of this process, or "".
inline std::string ArgumentValue(const char* name) {
    const std::string prefix = std::string("--") + name + "=";
    std::string line = GetCommandLineA();
    size_t at = line.find(prefix);
    if (at == std::string::npos) return "";
    at += prefix.size();
    const size_t end = line.find(' ', at);
    std::string value = line.substr(at, end == std::string::npos ? std::string::npos : end - at);
    if (!value.empty() && value.back() == '"') value.pop_back();
    return value;
}

// The value of a --name=VALUE argument of this process, as a Windows path.
inline std::string ArgumentPath(const char* name) { return ToWindowsPath(ArgumentValue(name)); }

// The lines of a CR LF text, the last one also without its CR LF.
inline std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The message-box component beside the installer in the build: it shows one
// message box (arguments: the kind and the index of its texts) and exits
// with the answer.
inline std::string MessageBoxComponentPath() {
    const std::string& setup = SetupExecutablePath();
    return setup.substr(0, setup.find_last_of('\\')) + "\\tests\\e2e\\message_box_component.exe";
}

// The folder of this test's own executable.
inline std::string OwnFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string own = path;
    return own.substr(0, own.find_last_of('\\'));
}

// While it lives, the shell opens .msi files with recorder (open_recorder),
// which writes the opened path into record. The earlier association comes
// back afterwards.
class MsiRecorderAssociation {
public:
    MsiRecorderAssociation(const std::string& recorder, const std::string& record) {
        char previous[256] = "";
        LONG size = sizeof previous;
        hadPrevious_ = RegQueryValueA(HKEY_CLASSES_ROOT, ".msi", previous, &size) == ERROR_SUCCESS;
        previous_ = previous;
        const std::string command = "\"" + recorder + "\" \"" + record + "\" \"%1\"";
        const std::string commandKey = std::string(kRecorderClass) + "\\shell\\open\\command";
        ok_ = SetDefault(".msi", kRecorderClass) && SetDefault(commandKey.c_str(), command.c_str());
    }
    ~MsiRecorderAssociation() {
        if (hadPrevious_)
            SetDefault(".msi", previous_.c_str());
        else
            RegDeleteValueA(HKEY_CLASSES_ROOT, ".msi");
        for (const char* sub : {"\\shell\\open\\command", "\\shell\\open", "\\shell", ""})
            RegDeleteKeyA(HKEY_CLASSES_ROOT, (std::string(kRecorderClass) + sub).c_str());
    }
    MsiRecorderAssociation(const MsiRecorderAssociation&) = delete;
    MsiRecorderAssociation& operator=(const MsiRecorderAssociation&) = delete;
    bool Ok() const { return ok_; }

private:
    static constexpr const char* kRecorderClass = "LectorQuilleryTest.OpenRecorder";
    static bool SetDefault(const char* key, const char* value) {
        return RegSetValueA(HKEY_CLASSES_ROOT, key, REG_SZ, value, static_cast<DWORD>(std::strlen(value))) ==
               ERROR_SUCCESS;
    }
    bool hadPrevious_ = false, ok_ = false;
    std::string previous_;
};

// The payload folder, in which the test's --atlas lies.
inline std::string PayloadFolder() {
    const std::string atlas = ArgumentPath("atlas");
    return atlas.substr(0, atlas.find_last_of('\\'));
}

}  // namespace wizard

#endif
