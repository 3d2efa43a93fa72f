#include "driver/setup_process.h"

#include <cstring>

namespace {

const DWORD kPollMs = 50;
std::string SetupPath;
std::string Work;

struct FindRequest {
    DWORD processId;
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM param) {
    FindRequest* request = reinterpret_cast<FindRequest*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != request->processId || !IsWindowVisible(window)) return TRUE;
    if (TextOf(window) != request->caption) return TRUE;
    request->found = window;
    return FALSE;
}

bool TakeArgument(const char* arg, const char* prefix, std::string* value) {
    size_t n = std::strlen(prefix);
    if (std::strncmp(arg, prefix, n) != 0) return false;
    *value = ToWindowsPath(arg + n);
    return true;
}

}  // namespace

const std::string& SetupExecutablePath() { return SetupPath; }
const std::string& WorkFolder() { return Work; }

std::string ToWindowsPath(const std::string& path) {
    if (path.empty() || path[0] != '/') return path;
    std::string windows = "Z:" + path;
    for (char& c : windows)
        if (c == '/') c = '\\';
    return windows;
}

void ReadDriverArguments(int* argc, char** argv) {
    int kept = 1;
    for (int i = 1; i < *argc; ++i) {
        if (TakeArgument(argv[i], "--setup=", &SetupPath)) continue;
        if (TakeArgument(argv[i], "--work=", &Work)) continue;
        argv[kept++] = argv[i];
    }
    *argc = kept;
    if (!Work.empty()) CreateDirectoryA(Work.c_str(), nullptr);  // may exist already
}

SetupProcess::~SetupProcess() {
    if (!info_.hProcess) return;
    if (IsRunning()) {
        TerminateProcess(info_.hProcess, 255);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool SetupProcess::Start(const std::string& exe, const char* environment) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exe + "\"";
    return CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0,
                          const_cast<char*>(environment), nullptr, &startup, &info_) != 0;
}

bool SetupProcess::StartWithArguments(const std::string& exe, const std::string& arguments) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exe + "\" " + arguments;
    return CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info_) != 0;
}

HWND SetupProcess::WaitForWindow(const char* caption, DWORD timeoutMs) const {
    for (DWORD waited = 0; waited <= timeoutMs; waited += kPollMs) {
        FindRequest request = {info_.dwProcessId, caption, nullptr};
        EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&request));
        if (request.found) return WaitForMessageLoop(request.found, timeoutMs) ? request.found : nullptr;
        if (!IsRunning()) return nullptr;
        Sleep(kPollMs);
    }
    return nullptr;
}

int SetupProcess::WaitForExit(DWORD timeoutMs) const {
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<int>(code);
}

bool SetupProcess::IsRunning() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

std::vector<HWND> ChildWindows(HWND dialog) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::string ClassOf(HWND window) {
    char name[128] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    char text[512] = "";
    // WM_GETTEXT works across processes where GetWindowText may not.
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

bool WaitForMessageLoop(HWND window, DWORD timeoutMs) {
    DWORD_PTR answer = 0;
    // WM_NULL does nothing: only that it is answered counts.
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &answer) != 0;
}

void FocusControl(HWND dialog, int id) {
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
}

void ClickButton(HWND dialog, int id) {
    // Posted, so that the installer's own message loop sees the result.
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void PressKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

void RequestClose(HWND window) { PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }
