// Stands in for the program the shell opens a .msi package with:
//   open_recorder RECORD_FILE OPENED_PATH
// reads OPENED_PATH as a package's installer does (others may read it too,
// nothing more), writes the path into RECORD_FILE and the bytes it read
// into RECORD_FILE.bytes, so a test can see what was opened, then stays
// running while RECORD_FILE.hold exists (a minute at most), so the test can
// see what holds while a package's installer runs.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const DWORD kPollMs = 50;
const DWORD kLongestHoldMs = 60000;

bool WriteWhole(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

std::string ReadShared(const char* path) {
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    std::string bytes;
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char piece[4096];
    DWORD read = 0;
    while (ReadFile(file, piece, sizeof piece, &read, nullptr) && read) bytes.append(piece, read);
    CloseHandle(file);
    return bytes;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const int kBadArguments = 2, kNotWritten = 1;
    if (__argc < 3) return kBadArguments;
    const std::string record = __argv[1];
    const bool written = WriteWhole(record + ".bytes", ReadShared(__argv[2])) && WriteWhole(record, __argv[2]);
    const std::string hold = record + ".hold";
    for (DWORD waited = 0; waited < kLongestHoldMs && GetFileAttributesA(hold.c_str()) != INVALID_FILE_ATTRIBUTES;
         waited += kPollMs)
        Sleep(kPollMs);
    return written ? 0 : kNotWritten;
}
