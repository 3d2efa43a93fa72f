#include "driver/files.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <fstream>
#include <sstream>

namespace {

bool IsDotEntry(const char* name) { return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0; }

bool IsDotEntry(const wchar_t* name) { return std::wcscmp(name, L".") == 0 || std::wcscmp(name, L"..") == 0; }

// Through the wide calls, so that names outside the ANSI code page (the
// Chinese shortcuts on any system) are removed as well.
void RemoveWideTree(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(path.c_str());
        return;
    }
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!IsDotEntry(found.cFileName)) names.push_back(found.cFileName);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    for (const std::wstring& name : names) RemoveWideTree(path + L"\\" + name);
    RemoveDirectoryW(path.c_str());
}

// The Linux path of a Windows path, through Wine's own export; "" outside
// Wine.
std::string UnixPath(const std::string& path) {
    typedef char*(CDECL * UnixNameFn)(const wchar_t*);
    auto toUnix = reinterpret_cast<UnixNameFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    wchar_t wide[MAX_PATH * 4];
    if (!toUnix || !MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH * 4)) return "";
    char* unix = toUnix(wide);
    if (!unix) return "";
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

const DWORD kUnixPollMs = 20;
const DWORD kUnixWaitMs = 20000;

// Runs a Linux program (Wine starts those too, but gives no handle to wait
// on) and waits until path exists (or, with exists false, no longer does).
bool RunUnixUntil(std::string commandLine, const std::string& path, bool exists) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (DWORD waited = 0; waited < kUnixWaitMs; waited += kUnixPollMs) {
        if (Exists(path) == exists) return true;
        Sleep(kUnixPollMs);
    }
    return false;
}

}  // namespace

bool MakeUnixLink(const std::string& target, const std::string& link) {
    const std::string from = UnixPath(target), to = UnixPath(link);
    // Waited for through the link, so its target must exist.
    return !from.empty() && !to.empty() && Exists(target) &&
           RunUnixUntil("/bin/ln -s \"" + from + "\" \"" + to + "\"", link, true);
}

bool RemoveUnixLink(const std::string& link) {
    const std::string path = UnixPath(link);
    if (path.empty()) return false;
    if (!Exists(link)) return true;
    return RunUnixUntil("/bin/rm -f \"" + path + "\"", link, false);
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const std::string& path, const std::string& data) {
    std::ofstream(path, std::ios::binary) << data;
}

DWORD AttributesOf(const std::string& path) { return GetFileAttributesA(path.c_str()); }

bool Exists(const std::string& path) { return AttributesOf(path) != INVALID_FILE_ATTRIBUTES; }

bool FileExists(const std::string& path) {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void RemoveTree(const std::string& path) {
    wchar_t wide[MAX_PATH * 4];
    if (!MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH * 4)) return;
    RemoveWideTree(wide);
}

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!IsDotEntry(found.cFileName)) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> files;
    for (const std::string& name : NamesIn(folder))
        if (FileExists(folder + "\\" + name)) files.push_back(name);
    return files;
}
