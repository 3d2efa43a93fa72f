#include "install_harness.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "driver/setup_process.h"

namespace {

const char kUserShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

WNDPROC OriginalBarProc = nullptr;
std::vector<int> Positions;

LRESULT CALLBACK RecordingBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == PBM_SETPOS) Positions.push_back(static_cast<int>(wParam));
    return CallWindowProcA(OriginalBarProc, bar, message, wParam, lParam);
}

}  // namespace

std::string CommandLineArgument(const char* prefix) {
    size_t n = std::strlen(prefix);
    for (int i = 1; i < __argc; ++i)
        if (std::strncmp(__argv[i], prefix, n) == 0) return ToWindowsPath(__argv[i] + n);
    return "";
}

std::string ExpectedPayloadBytes(const std::string& fileName) {
    if (fileName == "LectorQuillery.exe") return ReadAll(CommandLineArgument("--program="));
    if (fileName == "LectorQuilleryUnInstall.exe") return ReadAll(CommandLineArgument("--uninstaller="));
    return ReadAll(CommandLineArgument("--payload=") + "\\" + fileName);
}

ShellFolderRedirect::ShellFolderRedirect(const std::string& programs, const std::string& startup,
                                         const std::string& desktop) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kUserShellFolders, 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS)
        return;
    const std::pair<const char*, const std::string*> folders[] = {
        {"Desktop", &desktop}, {"Programs", &programs}, {"StartUp", &startup}};
    for (const auto& folder : folders) {
        if (folder.second->empty()) continue;
        char value[MAX_PATH * 2] = "";
        DWORD size = sizeof value;
        bool existed = RegQueryValueExA(key, folder.first, nullptr, nullptr,
                                        reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS;
        saved_.push_back(Saved{folder.first, value, existed});
        RegSetValueExA(key, folder.first, 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(folder.second->c_str()),
                       static_cast<DWORD>(folder.second->size() + 1));
    }
    RegCloseKey(key);
}

ShellFolderRedirect::~ShellFolderRedirect() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kUserShellFolders, 0, KEY_WRITE, &key) != ERROR_SUCCESS) return;
    for (const Saved& s : saved_) {
        if (s.existed)
            RegSetValueExA(key, s.name, 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(s.value.c_str()),
                           static_cast<DWORD>(s.value.size() + 1));
        else
            RegDeleteValueA(key, s.name);
    }
    RegCloseKey(key);
}

void RecordProgress(HWND bar) {
    Positions.clear();
    OriginalBarProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingBarProc)));
}

std::vector<int> RecordedProgress() { return Positions; }

LinkContents ReadLink(const std::wstring& linkPath) {
    LinkContents contents;
    if (FAILED(CoInitialize(nullptr))) return contents;
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            WCHAR text[4][MAX_PATH] = {};
            contents.loaded = SUCCEEDED(file->Load(linkPath.c_str(), STGM_READ)) &&
                              SUCCEEDED(link->GetPath(text[0], MAX_PATH, nullptr, SLGP_RAWPATH)) &&
                              SUCCEEDED(link->GetDescription(text[1], MAX_PATH)) &&
                              SUCCEEDED(link->GetIconLocation(text[2], MAX_PATH, &contents.iconIndex)) &&
                              SUCCEEDED(link->GetWorkingDirectory(text[3], MAX_PATH));
            contents.target = text[0];
            contents.description = text[1];
            contents.icon = text[2];
            contents.workingDirectory = text[3];
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return contents;
}

std::wstring Wide(const std::string& ansi) {
    WCHAR wide[1024] = L"";
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide, 1024);
    return wide;
}
