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

}  // namespace

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
